#include "evaluation/edicao.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "evaluation/calculoexposicao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace Edicao {

namespace {

// How many folders below the store root a path lies (1 for a measurement,
// 3 for a body folder), or -1 when it is not inside the store, passes
// through a link, or lies in "Perfil" or "Arquivos PDF".
int profundidadeNoArmazem(const QString &diretorioQT, const QString &caminho)
{
    const QString raiz = QDir::cleanPath(QFileInfo(diretorioQT).absoluteFilePath());
    const QFileInfo info(caminho);
    if (diretorioQT.isEmpty() || !QFileInfo(raiz).isDir() || !info.exists())
        return -1;
    const QString relativo = QDir(raiz).relativeFilePath(QDir::cleanPath(info.absoluteFilePath()));
    const QStringList pedacos = relativo.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pedacos.isEmpty() || pedacos.contains(QStringLiteral("..")) || pedacos.contains(QStringLiteral("."))
        || pedacos.first() == QLatin1String("Perfil")
        || pedacos.first() == QLatin1String("Arquivos PDF"))
        return -1;
    // Every step from the root must be a real folder or file, not a link.
    QString passo = raiz;
    for (const QString &p : pedacos) {
        passo += QLatin1Char('/') + p;
        if (QFileInfo(passo).isSymLink())
            return -1;
    }
    return int(pedacos.size());
}

} // namespace

QString textoDuracao(qint64 segundos)
{
    const bool negativo = segundos < 0;
    if (negativo)
        segundos = -segundos;
    return (negativo ? QStringLiteral("-") : QString())
        + QStringLiteral("%1:%2:%3")
              .arg(segundos / 3600, 2, 10, QLatin1Char('0'))
              .arg((segundos / 60) % 60, 2, 10, QLatin1Char('0'))
              .arg(segundos % 60, 2, 10, QLatin1Char('0'));
}

QString tempoTotal(const QString &tempoExp, const QString &repeticoes)
{
    const QStringList p = tempoExp.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto parte = [&](int i) { return i < p.size() ? qint64(p.at(i).toInt()) : 0; };
    const qint64 duracao = parte(0) * 3600 + parte(1) * 60 + (p.size() >= 3 ? parte(p.size() - 1) : 0);
    return textoDuracao(duracao * repeticoes.toInt());
}

namespace {

Desfecho salvar(AcessarArquivo &a, const QString &arquivoExposicao)
{
    return Desfecho::de(a.salvarExposicao(arquivoExposicao) ? QString() : a.erroGravacao());
}

// Moves what is to be deleted into a hidden folder of the store, all of it
// or, on a failure, none (what was moved goes back); the folder, given
// back, is removed when it goes.
Desfecho porDeLado(const QString &diretorioQT, const QStringList &caminhos, std::unique_ptr<QTemporaryDir> *lado)
{
    *lado = std::make_unique<QTemporaryDir>(diretorioQT + QStringLiteral("/.apagando-XXXXXX"));
    if (!(*lado)->isValid())
        return Desfecho::falhou(GravacaoSegura::falha(diretorioQT, (*lado)->errorString()));
    QStringList movidos;
    for (const QString &c : caminhos) {
        if (!QFileInfo::exists(c) && !QFileInfo(c).isSymLink())
            continue;
        QString erro;
        if (!GravacaoSegura::renomear(c, (*lado)->filePath(QFileInfo(c).fileName()), &erro)) {
            for (const QString &m : qAsConst(movidos))
                GravacaoSegura::renomear((*lado)->filePath(QFileInfo(m).fileName()), m, &erro);
            return Desfecho::falhou(erro);
        }
        movidos << c;
    }
    return Desfecho();
}

} // namespace

Desfecho salvarIdentificacao(const QString &arquivoExposicao, const Identificacao &d)
{
    AcessarArquivo a;
    a.lerExposicao(arquivoExposicao);
    a.setEmpresa_avaliadora(d.empresaAvaliadora);
    a.setResponsavel_tecnico(d.responsavelTecnico);
    a.setEmpresa_avaliada(d.empresaAvaliada);
    a.setFuncionario_avaliado(d.funcionarioAvaliado);
    a.setSetor(d.setor);
    a.setObservacoes(d.observacoes);
    return salvar(a, arquivoExposicao);
}

Desfecho salvarObservacoes(const QString &arquivoExposicao, const QString &observacoes)
{
    AcessarArquivo a;
    a.lerExposicao(arquivoExposicao);
    a.setObservacoes(observacoes);
    return salvar(a, arquivoExposicao);
}

Desfecho reavaliar(const QString &arquivoExposicao, const QStringList &pastasParciais)
{
    return Desfecho::de(CalculoExposicao::avaliarPastas(arquivoExposicao, pastasParciais).falhas.join(QLatin1Char('\n')));
}

QString problemaParcial(const Parcial &d)
{
    static const QRegularExpression inteiro(QStringLiteral("^[0-9]+$"));
    // Minutes and seconds past 59 are read as the evaluation reads them:
    // "00:75:00" is 1 h 15 min.
    static const QRegularExpression duracao(QStringLiteral("^[0-9]+:[0-9]+:[0-9]+$"));
    QStringList problemas;
    if (!inteiro.match(d.repeticoes).hasMatch())
        problemas << QCoreApplication::translate(
                         "Edicao", "N° de repetições: \"%1\" não é válido; digite um número inteiro igual ou maior que 0.")
                         .arg(d.repeticoes);
    if (!duracao.match(d.tempoExp).hasMatch())
        problemas << QCoreApplication::translate(
                         "Edicao", "Tempo Exposição Médio: \"%1\" não é válido; digite hh:mm:ss.")
                         .arg(d.tempoExp);
    if (d.nome.contains(QLatin1Char(';')))
        problemas << QCoreApplication::translate("Edicao", "Exposição Parcial: o nome não pode conter \";\".");
    return problemas.join(QLatin1Char('\n'));
}

Desfecho salvarParcial(const QString &pastaCorpo, const Parcial &d, const QString &arquivoExposicao,
                       const QStringList &pastasParciais)
{
    const QString problema = problemaParcial(d);
    if (!problema.isEmpty())
        return Desfecho::falhou(problema);
    const QString arquivo = LayoutMedida::arquivoParcial(pastaCorpo);
    AcessarArquivo a;
    a.lerExposicaoParcial(arquivo);
    a.setNum_repeticao(d.repeticoes);
    a.setTempo_exp(d.tempoExp);
    a.setTempo_exp_total(tempoTotal(d.tempoExp, d.repeticoes));
    a.setNome_exp_parcial(d.nome);
    // Not written, nothing changed: no evaluation to run again.
    if (!a.salvarExposicaoParcial(arquivo))
        return Desfecho::falhou(a.erroGravacao());
    return reavaliar(arquivoExposicao, pastasParciais);
}

Desfecho apagarExposicao(const QString &diretorioQT, const QString &pasta)
{
    if (profundidadeNoArmazem(diretorioQT, pasta) != 1 || !QFileInfo(pasta).isDir())
        return Desfecho::recusado();
    std::unique_ptr<QTemporaryDir> lado;
    return porDeLado(diretorioQT, {pasta}, &lado);
}

Desfecho apagarParcial(const QString &diretorioQT, const QString &pastaCorpo, const QString &arquivoExposicao,
                       const QStringList &pastasParciais)
{
    const QString sensor = LayoutMedida::nomePasta(pastaCorpo);
    if (profundidadeNoArmazem(diretorioQT, pastaCorpo) != 3 || !QFileInfo(pastaCorpo).isDir()
        || (sensor != QLatin1String("corpo") && sensor != QLatin1String("mao")))
        return Desfecho::recusado();
    std::unique_ptr<QTemporaryDir> lado;
    const Desfecho movida = porDeLado(diretorioQT, {pastaCorpo}, &lado);
    if (!movida)
        return movida;
    return reavaliar(arquivoExposicao, pastasParciais);
}

Desfecho apagarComponente(const QString &diretorioQT, const QString &base, const QString &arquivoExposicao,
                          const QStringList &pastasParciais)
{
    const QString head = base + QStringLiteral(".head");
    if (profundidadeNoArmazem(diretorioQT, head) != 4 || !QFileInfo(head).isFile())
        return Desfecho::recusado();
    AcessarArquivo componente;
    componente.lerComponente(head);
    double duracao = 0;
    ArquivoRegistro::numeroFinito(componente.getDuracao_comp(), &duracao);
    std::unique_ptr<QTemporaryDir> lado;
    const Desfecho movido = porDeLado(
        diretorioQT, {head, base + QStringLiteral(".dat"), base + QStringLiteral(".res")}, &lado);
    if (!movido)
        return movido;
    // The task was measured for that much less time: its VDV is extended
    // from the time that is left.
    const QString arquivoParcial = LayoutMedida::arquivoParcial(QFileInfo(base).path());
    AcessarArquivo parcial;
    parcial.lerExposicaoParcial(arquivoParcial);
    const double amostrado = CalculoExposicao::segundosDeTexto(parcial.getTempo_amostrado(), 3);
    parcial.setTempo_amostrado(textoDuracao(qRound64(std::max(0.0, amostrado - std::max(0.0, duracao)))));
    if (!parcial.salvarExposicaoParcial(arquivoParcial))
        return Desfecho::falhou(parcial.erroGravacao());
    return reavaliar(arquivoExposicao, pastasParciais);
}

} // namespace Edicao
