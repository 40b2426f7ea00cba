#include "evaluation/esocial.h"

#include "data/acessararquivo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaogrupo.h"
#include "evaluation/avaliacaojornada.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace ESocial {

namespace {

// The entries of values known per quantity; a quantity not measured gives none.
QVector<Entrada> montar(const QString &item, const QString &trabalhador, const QString &data,
                        const AvaliacaoExposicao::FiguraNr *mao, const AvaliacaoExposicao::FiguraNr *corpo,
                        const AvaliacaoExposicao::FiguraNr *vdvr)
{
    QVector<Entrada> r;
    const auto acrescentar = [&](const AvaliacaoExposicao::FiguraNr *f, const char *codigo, int unidade,
                                 const char *tecnica) {
        if (!f || !f->calculada())
            return;
        Entrada e;
        e.item = item;
        e.trabalhador = trabalhador;
        e.data = data;
        e.codAgNoc = QString::fromLatin1(codigo);
        e.intConc = std::round(f->valor * 10000) / 10000;
        e.unMed = unidade;
        e.tecMedicao = QString::fromLatin1(tecnica);
        r << e;
    };
    acrescentar(mao, "02.01.002", 5, "NHO 10 FUNDACENTRO");
    acrescentar(corpo, "02.01.003", 5, "NHO 09 FUNDACENTRO");
    acrescentar(vdvr, "02.01.004", 6, "NHO 09 FUNDACENTRO");
    return r;
}

QVector<Entrada> deAvaliacao(const QString &item, const QString &trabalhador, const QString &data,
                             const AvaliacaoExposicao &a)
{
    return montar(item, trabalhador, data, a.temMao ? &a.nrMao : nullptr, a.temCorpo ? &a.nrCorpo : nullptr,
                  a.temCorpo ? &a.nrVdvr : nullptr);
}

} // namespace

bool entradas(const QString &item, QVector<Entrada> *lista, QString *erro)
{
    lista->clear();
    if (Jornada::ehArquivoDeJornada(item)) {
        Jornada j;
        if (!Jornada::ler(item, &j, erro))
            return false;
        *lista = deAvaliacao(j.nome, j.trabalhador, j.data,
                             AvaliacaoJornada::avaliar(j, Jornada::armazemDe(item)).avaliacao);
        return true;
    }
    if (Grupo::ehArquivoDeGrupo(item)) {
        Grupo g;
        if (!Grupo::ler(item, &g, erro))
            return false;
        // A group's exposure is that of its most exposed: each quantity's
        // highest, as its summary gives it.
        const AvaliacaoGrupo a = AvaliacaoGrupo::avaliar(g, Jornada::armazemDe(item));
        AvaliacaoExposicao::FiguraNr maiores[AvaliacaoGrupo::grandezas];
        for (int q = 0; q < AvaliacaoGrupo::grandezas; ++q)
            maiores[q].valor = a.resumo[q].maximo;
        const auto maior = [&](int q) { return a.resumo[q].quantos > 0 ? &maiores[q] : nullptr; };
        *lista = montar(g.nome, QCoreApplication::translate("ESocial", "GES %1").arg(g.nome), QString(), maior(0),
                        maior(1), maior(2));
        return true;
    }
    if (!LayoutMedida::ehMedida(item) || QFileInfo(item).isSymLink()) {
        *erro = QCoreApplication::translate("ESocial", "%1: não é uma medida, uma jornada nem um grupo").arg(item);
        return false;
    }
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(item));
    *lista = deAvaliacao(LayoutMedida::nomePasta(item), e.getFuncionario_avaliado().trimmed(),
                         LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao()).trimmed(),
                         AvaliacaoExposicao::avaliar(item));
    return true;
}

QString valor(double v)
{
    QString t = QString::number(std::round(v * 10000) / 10000, 'f', 4);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t;
}

QString xml(const QVector<Entrada> &lista)
{
    const auto esc = [](const QString &t) { return t.toHtmlEscaped().replace(QStringLiteral("--"), QStringLiteral("- -")); };
    QString x = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- eSocial S-2240 (layout S-1.3), group agNoc: the exposure part of the event only, as measured by the\n"
        "     KT9400. The worker's CPF, the employer and the protective equipment are the SST system's.\n"
        "     limTol is left out: the layout asks for it for other agents only. -->\n");
    for (const Entrada &e : lista) {
        x += QStringLiteral("<!-- %1; %2; %3 -->\n").arg(esc(e.trabalhador), esc(e.data), esc(e.item));
        x += QStringLiteral("<agNoc>\n  <codAgNoc>%1</codAgNoc>\n  <tpAval>%2</tpAval>\n  <intConc>%3</intConc>\n"
                            "  <unMed>%4</unMed>\n  <tecMedicao>%5</tecMedicao>\n</agNoc>\n")
                 .arg(e.codAgNoc)
                 .arg(e.tpAval)
                 .arg(valor(e.intConc))
                 .arg(e.unMed)
                 .arg(esc(e.tecMedicao));
    }
    return x;
}

} // namespace ESocial
