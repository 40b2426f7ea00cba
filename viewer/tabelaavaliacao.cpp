#include "viewer/tabelaavaliacao.h"

#include <QBrush>
#include <QColor>
#include <QStandardItemModel>

#include <cmath>

namespace {

using Figura = AvaliacaoExposicao::Figura;
using Situacao = AvaliacaoExposicao::Situacao;

const char *const nomeEixo[3] = {"x", "y", "z"};
const QString semValor = QStringLiteral("—");

QStandardItem *item(const QString &texto, Qt::Alignment alinhamento = Qt::AlignCenter)
{
    auto *i = new QStandardItem(texto);
    i->setTextAlignment(alinhamento);
    return i;
}

QStandardItem *nomeDaLinha(const QString &texto)
{
    return item(texto, Qt::AlignLeft | Qt::AlignVCenter);
}

QString numero(double v)
{
    return QString::number(v, 'g', 6);
}

QColor corDaSituacao(Situacao s)
{
    switch (s) {
    case Situacao::AbaixoDaAcao:
        return QColor(0, 140, 60);
    case Situacao::AcimaDaAcao:
        return QColor(230, 150, 0);
    case Situacao::AcimaDoLimite:
        return QColor(210, 0, 0);
    case Situacao::NaoCalculada:
        break;
    }
    return QColor(110, 110, 110);
}

} // namespace

QString TabelaAvaliacao::textoSituacao(Situacao s)
{
    switch (s) {
    case Situacao::AbaixoDaAcao:
        return tr("Abaixo do nível de ação");
    case Situacao::AcimaDaAcao:
        return tr("Nível de ação atingido");
    case Situacao::AcimaDoLimite:
        return tr("Limite de exposição atingido");
    case Situacao::NaoCalculada:
        break;
    }
    return tr("Não calculado");
}

QString TabelaAvaliacao::textoTempo(double segundos)
{
    if (std::isnan(segundos))
        return semValor;
    if (std::isinf(segundos))
        return tr("nunca");
    const qint64 minutos = qRound64(segundos / 60);
    return QStringLiteral("%1:%2")
        .arg(minutos / 60, 2, 10, QLatin1Char('0'))
        .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

QStringList TabelaAvaliacao::preencher(QStandardItemModel *modelo, const AvaliacaoExposicao &a)
{
    modelo->clear();
    modelo->setHorizontalHeaderLabels({tr("Grandeza"), tr("Valor"), tr("Ação / Limite"),
                                       tr("Situação"), tr("Pontos"), tr("Ação após"),
                                       tr("Limite após")});
    QStringList notas;
    const auto linhaFigura = [&](const QString &nome, const Figura &f) {
        const Situacao s = f.situacao();
        QStandardItem *situacao = item(textoSituacao(s));
        situacao->setBackground(corDaSituacao(s));
        situacao->setForeground(QBrush(Qt::white));
        const bool calculada = f.calculada();
        modelo->appendRow({nomeDaLinha(nome), item(calculada ? numero(f.valor) : semValor),
                           item(numero(f.acao) + QStringLiteral(" / ") + numero(f.limite)), situacao,
                           item(calculada ? QString::number(qRound64(f.pontos())) : semValor),
                           item(textoTempo(f.tempoAteAcao())), item(textoTempo(f.tempoAteLimite()))});
        QString nota;
        if (!calculada)
            nota = AvaliacaoExposicao::motivo(f.problema);
        else if (!f.temposCalculados())
            nota = tr("tempos não calculados: %1").arg(AvaliacaoExposicao::motivo(f.problemaTempo));
        if (!nota.isEmpty()) {
            situacao->setToolTip(nota);
            notas << nome + QStringLiteral(": ") + nota;
        }
    };
    const auto linhaValor = [&](const QString &nome, const QString &valor) {
        modelo->appendRow({nomeDaLinha(nome), item(valor), item(QString()), item(QString()), item(QString()),
                           item(QString()), item(QString())});
    };

    if (a.temMao)
        linhaFigura(tr("Mãos e braços: A(8) [m/s²]"), a.mao);
    if (a.temCorpo) {
        const QString eixo = a.corpo.calculada() ? QLatin1String(nomeEixo[a.corpo.eixo]) : semValor;
        const QString nomes[3] = {tr("Corpo inteiro: 1.4·A(8)x [m/s²]"),
                                  tr("Corpo inteiro: 1.4·A(8)y [m/s²]"), tr("Corpo inteiro: A(8)z [m/s²]")};
        for (int e = 0; e < 3; ++e)
            linhaValor(nomes[e], a.corpo.calculada() ? numero(a.a8Eixo[e]) : semValor);
        linhaFigura(tr("Corpo inteiro: A(8), eixo dominante %1 [m/s²]").arg(eixo), a.corpo);
        const QString eixoVdv = a.vdv.calculada() ? QLatin1String(nomeEixo[a.vdv.eixo]) : semValor;
        linhaFigura(tr("Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]").arg(eixoVdv), a.vdv);
    }
    if (!a.temMao && !a.temCorpo)
        notas << tr("Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.");
    return notas;
}
