#include "cli/comandos.h"

#include "evaluation/relatoriotexto.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "evaluation/avaliacaogrupo.h"
#include "evaluation/avaliacaojornada.h"
#include "evaluation/esocial.h"
#include "evaluation/planilha.h"
#include "evaluation/edicao.h"
#include "evaluation/textoavaliacao.h"
#include "data/acessararquivo.h"
#include "data/csv.h"
#include "data/layoutmedida.h"
#include "data/locaisprograma.h"
#include "data/pastaslocais.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/calculoexposicao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace {

// Reads the integer after an option; false on a missing or bad value.
bool valorInteiro(const QStringList &args, int *i, int minimo, int *valor)
{
    if (*i + 1 >= args.size())
        return false;
    bool ok = false;
    const int v = args.at(++*i).toInt(&ok);
    if (!ok || v < minimo)
        return false;
    *valor = v;
    return true;
}

// Takes "DIR [--json]", or "[--json]" alone when there is a `padrao` DIR;
// false on anything else.
bool pastaEJson(const QStringList &args, QString *pasta, bool *json, const QString &padrao = QString())
{
    *json = false;
    *pasta = QString();
    for (const QString &a : args) {
        if (a == QLatin1String("--json"))
            *json = true;
        else if (a.startsWith(QLatin1String("--")) || !pasta->isEmpty())
            return false;
        else
            *pasta = a;
    }
    if (pasta->isEmpty())
        *pasta = padrao;
    return !pasta->isEmpty();
}

// The store the window would use, by the same rule.
QString armazemDoPrograma()
{
    return QDir::cleanPath(PastasLocais::de(LocaisPrograma::para(QCoreApplication::applicationDirPath()).dados).raiz);
}

void escreverJson(QTextStream &saida, const QJsonObject &o)
{
    saida << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

// The assessment as "assessment.COLUMN=value" lines.
Valores linhasAvaliacao(const AvaliacaoExposicao &a)
{
    Valores v;
    for (const auto &c : TextoAvaliacao::colunas(a))
        v.append({QStringLiteral("assessment.") + c.first, TextoAvaliacao::textoCsv(c.second)});
    return v;
}

int csvArmazem(const QString &raiz, QTextStream &saida)
{
    saida << Csv::linha(Planilha::cabecalho());
    for (const QString &pasta : LayoutMedida::medidasDoArmazem(raiz))
        saida << Csv::linha(Planilha::linha(pasta));
    return 0;
}

} // namespace

namespace Comandos {

QString ajuda()
{
    return QStringLiteral(
        "Usage: kt9400-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  simulate DIR [--measurements N] [--components N] [--samples N]\n"
        "               [--short-config] [--seed S]\n"
        "      Write DIR/DATA as a KT9400 instrument would: its configuration file\n"
        "      (Crv_vib.cfg, or KT9400.cfg with --short-config) and N measurement\n"
        "      folders of synthetic recordings (default 4 measurements, 2 components\n"
        "      per body folder, 300 samples per component, seed 1).\n"
        "\n"
        "  evaluate DIR [--json]\n"
        "      Evaluate the measurement folder DIR of the local store (DIR/NAME.id),\n"
        "      whole body then hand-arm, rewrite its files with the results and print\n"
        "      them: the exposure's, then each partial exposure's behind its folder.\n"
        "\n"
        "  store\n"
        "      Print the folder of the local store the program uses: Z2registros\n"
        "      beside the program when that folder can be written, else in the\n"
        "      user's data folder. Creates nothing.\n"
        "\n"
        "  list [STORE] [--json]\n"
        "      List the measurements of a local store (default: the program's, see\n"
        "      store), newest first, with their name, date, both body parts'\n"
        "      results as stored and their assessment against the exposure action\n"
        "      and limit values.\n"
        "\n"
        "  csv [STORE] | csv COMPONENT.head\n"
        "      Write CSV (RFC 4180, UTF-8, header row) to the standard output: one\n"
        "      row per measurement of a local store (default: the program's) with\n"
        "      its name, date, stored results and assessment, or the sample table of\n"
        "      one component.\n"
        "\n"
        "  report DIR OUT.pdf\n"
        "      Write the PDF report of the measurement folder DIR of the local store\n"
        "      to OUT.pdf, headless. An existing OUT.pdf is replaced only once the new\n"
        "      report is complete.\n"
        "\n"
        "  laudo DIR|FILE OUT.pdf|OUT.odt [--charts]\n"
        "      Write the laudo of the measurement folder DIR (or of a jornada or group\n"
        "      FILE of STORE/Jornadas or STORE/Grupos), the short document an\n"
        "      evaluator signs, as PDF or as OpenDocument text (by OUT's extension).\n"
        "      What is missing or doubtful (no worker, no calibration certificate or\n"
        "      one expired at the measurement date, no field check...) is printed on\n"
        "      the standard error, one line each; the laudo is written anyway.\n"
        "      --charts adds an annex with each component's acceleration chart.\n"
        "\n"
        "  jornada FILE [--json]\n"
        "      Evaluate a worker's day (a file of STORE/Jornadas) made of tasks of\n"
        "      the store's measurements with the day's repetitions and times: each\n"
        "      task used or left out (one line on the standard error), the day's\n"
        "      aren_mao, aren_corpo and vdvr and their assessment. Exit 1 when no\n"
        "      task can be used.\n"
        "\n"
        "  grupo FILE [--json]\n"
        "      Evaluate a similar-exposure group (a file of STORE/Grupos): each\n"
        "      member's aren and VDVR with their bands, per quantity the number of\n"
        "      members, the mean and the highest value, and the group's verdict,\n"
        "      that of its most exposed member.\n"
        "\n"
        "  esocial ITEM... [--xml]\n"
        "      The values of eSocial event S-2240 (layout S-1.3, group agNoc) of each\n"
        "      ITEM, a measurement folder or a jornada or group file: one entry per\n"
        "      quantity measured (codAgNoc 02.01.002 hand-arm aren, 02.01.003\n"
        "      whole-body aren, 02.01.004 VDVR; tpAval 1; intConc at most 4\n"
        "      decimals; unMed 5 m/s², 6 m/s^1.75; tecMedicao NHO 10 or NHO 09\n"
        "      FUNDACENTRO) with its worker, date and item. CSV by default; with\n"
        "      --xml, a fragment of agNoc elements. Only the exposure part of the\n"
        "      event: the worker's CPF, the employer and the protective equipment\n"
        "      are the SST system's.\n"
        "\n"
        "  download VOLUME STORE [NAME...] [--replace]\n"
        "      Download the measurements of the instrument mounted at VOLUME (its DATA\n"
        "      folder), all of them or those NAMEd, into the local store STORE, as\n"
        "      Baixar Tudo does: renamed e_yyMMddHHmmss, evaluated, and stamped with\n"
        "      the company and first technician of STORE/Perfil/perfil.id and the\n"
        "      instrument's identity. A measurement already in STORE is kept unless\n"
        "      --replace is given.\n"
        "\n"
        "  import FOLDER STORE [--replace]\n"
        "      Copy the measurement FOLDER (FOLDER/NAME.id) into STORE under its own\n"
        "      name, evaluate and stamp it. An existing copy is kept unless --replace.\n"
        "\n"
        "  export MEASUREMENT DESTINATION\n"
        "      Copy the measurement folder into the existing folder DESTINATION.\n"
        "\n"
        "  Copies never follow links: a link in a measurement is left out (and\n"
        "  named on the standard error), and a store entry that is a link is\n"
        "  refused. Each prints one line per measurement: what it did, or why not.\n"
        "\n"
        "  --help  Show this text.\n"
        "\n"
        "Exit status: 0 done, 1 failed, 2 bad usage.\n");
}

int simular(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    OpcoesSimulacao opcoes;
    QString destino;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        int semente = 0;
        bool ok = true;
        if (a == QLatin1String("--measurements"))
            ok = valorInteiro(args, &i, 0, &opcoes.medidas);
        else if (a == QLatin1String("--components"))
            ok = valorInteiro(args, &i, 0, &opcoes.componentes);
        else if (a == QLatin1String("--samples"))
            ok = valorInteiro(args, &i, 0, &opcoes.amostras);
        else if (a == QLatin1String("--seed")) {
            ok = valorInteiro(args, &i, 0, &semente);
            opcoes.semente = quint32(semente);
        } else if (a == QLatin1String("--short-config"))
            opcoes.configuracaoCurta = true;
        else if (a.startsWith(QLatin1String("--")) || !destino.isEmpty())
            ok = false;
        else
            destino = a;
        if (!ok) {
            erros << "kt9400-cli simulate: bad argument '" << a << "'\n" << ajuda();
            return 2;
        }
    }
    if (destino.isEmpty()) {
        erros << "kt9400-cli simulate: missing DIR\n" << ajuda();
        return 2;
    }
    QString erro;
    if (!simularInstrumento(destino, opcoes, &erro)) {
        erros << "kt9400-cli simulate: " << erro << '\n';
        return 1;
    }
    saida << "Wrote " << opcoes.medidas << " measurements to " << destino << "/DATA\n";
    return 0;
}

int avaliar(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QString pasta;
    bool json = false;
    if (!pastaEJson(args, &pasta, &json)) {
        erros << "kt9400-cli evaluate: usage: evaluate DIR [--json]\n" << ajuda();
        return 2;
    }
    if (!LayoutMedida::ehMedida(pasta)) {
        erros << "kt9400-cli evaluate: " << pasta << " is not a measurement folder (no "
              << LayoutMedida::arquivoExposicao(pasta) << ")\n";
        return 1;
    }
    const CalculoExposicao::Resultado avaliacao = CalculoExposicao::avaliarMedida(pasta);
    if (!avaliacao.erroLeitura.isEmpty()) {
        erros << "kt9400-cli evaluate: cannot read, nothing written: " << avaliacao.erroLeitura << '\n';
        return 1;
    }
    for (const QString &c : avaliacao.ignorados)
        erros << "kt9400-cli evaluate: component left out (no .dat or .res): " << c << '\n';

    AcessarArquivo exposicao;
    exposicao.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
    const Valores resultados = RelatorioTexto::resultadosExposicao(exposicao);
    QJsonArray parciais;
    if (!json)
        RelatorioTexto::escrever(saida, resultados);
    for (const QString &corpo : LayoutMedida::pastasCorpo(pasta)) {
        const QString arquivo = LayoutMedida::arquivoParcial(corpo);
        if (!QFileInfo(arquivo).isFile())
            continue;
        AcessarArquivo parcial;
        parcial.lerExposicaoParcial(arquivo);
        // "T1/corpo", whether DIR was given relative or absolute.
        const QString nome = QDir(QFileInfo(pasta).absoluteFilePath()).relativeFilePath(QFileInfo(corpo).absoluteFilePath());
        const Valores valores = RelatorioTexto::resultadosParcial(parcial);
        if (json) {
            QJsonObject o = RelatorioTexto::json(valores);
            o.insert("folder", nome);
            parciais.append(o);
        } else {
            RelatorioTexto::escrever(saida, valores, nome + '.');
        }
    }
    const AvaliacaoExposicao julgamento = AvaliacaoExposicao::avaliar(pasta);
    if (json) {
        escreverJson(saida, {{"measurement", LayoutMedida::nomePasta(pasta)},
                             {"exposure", RelatorioTexto::json(resultados)},
                             {"partials", parciais},
                             {"assessment", TextoAvaliacao::json(julgamento)}});
    } else {
        RelatorioTexto::escrever(saida, linhasAvaliacao(julgamento));
    }
    for (const QString &falha : avaliacao.falhas)
        erros << "kt9400-cli evaluate: not written, the file is as it was: " << falha << '\n';
    return avaliacao.gravou() ? 0 : 1;
}

int listar(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QString raiz;
    bool json = false;
    if (!pastaEJson(args, &raiz, &json, armazemDoPrograma())) {
        erros << "kt9400-cli list: usage: list [STORE] [--json]\n" << ajuda();
        return 2;
    }
    if (!QFileInfo(raiz).isDir()) {
        erros << "kt9400-cli list: " << raiz << " is not a folder\n";
        return 1;
    }
    // Each measurement is written as it is read: a store of thousands
    // never sits in memory. The JSON has the bytes QJsonDocument gives the
    // whole array: each element indented once more, "[" and "]" on lines
    // of their own.
    if (json)
        saida << '[';
    bool primeira = true;
    for (const QString &pasta : LayoutMedida::medidasDoArmazem(raiz)) {
        const Valores valores = RelatorioTexto::valoresDaMedida(pasta);
        const AvaliacaoExposicao avaliacao = AvaliacaoExposicao::avaliar(pasta);
        if (json) {
            QJsonObject o = RelatorioTexto::json(valores);
            o.insert("assessment", TextoAvaliacao::json(avaliacao));
            QByteArray texto = QJsonDocument(o).toJson(QJsonDocument::Indented);
            texto.chop(1);
            texto.replace("\n", "\n    ");
            saida << (primeira ? "\n    " : ",\n    ") << QString::fromUtf8(texto);
        } else {
            if (!primeira)
                saida << '\n';
            RelatorioTexto::escrever(saida, valores + linhasAvaliacao(avaliacao));
        }
        primeira = false;
    }
    if (json)
        saida << "\n]\n";
    return 0;
}

int armazem(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    if (!args.isEmpty()) {
        erros << "kt9400-cli store: usage: store\n" << ajuda();
        return 2;
    }
    saida << QDir::toNativeSeparators(armazemDoPrograma()) << '\n';
    return 0;
}

int csv(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    if (args.size() > 1 || (args.size() == 1 && args.at(0).startsWith(QLatin1String("--")))) {
        erros << "kt9400-cli csv: usage: csv [STORE] | csv COMPONENT.head\n" << ajuda();
        return 2;
    }
    const QString alvo = args.isEmpty() ? armazemDoPrograma() : args.at(0);
    saida.setCodec("UTF-8");
    if (QFileInfo(alvo).isDir())
        return csvArmazem(alvo, saida);
    const QString sufixo = QStringLiteral(".head");
    if (!alvo.endsWith(sufixo)) {
        erros << "kt9400-cli csv: " << alvo << " is neither a folder nor a component file (.head)\n";
        return 1;
    }
    // Straight to the standard output, row by row: a 10-day recording
    // would not fit in one string.
    saida.flush();
    std::fflush(stdout);
    QFile padrao;
    padrao.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QString erroLeitura;
    switch (Csv::escreverTabelaComponente(alvo.chopped(sufixo.size()), &padrao, &erroLeitura)) {
    case Csv::Tabela::Escrita:
        return 0;
    case Csv::Tabela::FalhaLeitura:
        erros << "kt9400-cli csv: cannot read: " << erroLeitura << '\n';
        return 1;
    case Csv::Tabela::SemComponente:
        erros << "kt9400-cli csv: " << alvo << " is neither a folder nor a component file (.head)\n";
        return 1;
    case Csv::Tabela::FalhaGravacao:
        break;
    }
    erros << "kt9400-cli csv: cannot write the standard output: " << padrao.errorString() << '\n';
    return 1;
}

namespace {

// kt9400-relatorio: beside this program in a build, in the package's
// private folder when installed.
QString caminhoDoAjudante()
{
    const QString aqui = QCoreApplication::applicationDirPath();
    const QString nome = QStringLiteral("/kt9400-relatorio");
    if (QFileInfo(aqui + nome).isExecutable())
        return aqui + nome;
    return QDir::cleanPath(aqui + QStringLiteral("/../" KT9400_PASTA_AJUDANTE) + nome);
}

// `comando` of a measurement folder, written by kt9400-relatorio, which
// alone loads the GUI classes the documents draw with.
int documento(const QString &comando, const QStringList &args, const QStringList &extensoes, QTextStream &saida,
              QTextStream &erros, const QStringList &opcoes = {})
{
    const QString uso = QStringLiteral("kt9400-cli %1: usage: %1 DIR OUT.%2%3\n")
                            .arg(comando, extensoes.join(QStringLiteral("|OUT.")),
                                 comando == QLatin1String("laudo") ? QStringLiteral(" [--charts]") : QString());
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--")) || args.at(1).startsWith(QLatin1String("--"))
        || !extensoes.contains(QFileInfo(args.at(1)).suffix().toLower())) {
        erros << uso << ajuda();
        return 2;
    }
    const QString pasta = args.at(0);
    const bool jornada = comando == QLatin1String("laudo")
        && (Jornada::ehArquivoDeJornada(pasta) || Grupo::ehArquivoDeGrupo(pasta));
    if (!jornada && !LayoutMedida::ehMedida(pasta)) {
        erros << "kt9400-cli " << comando << ": " << pasta << " is not a measurement folder (no "
              << LayoutMedida::arquivoExposicao(pasta) << ")\n";
        return 1;
    }
    saida.flush();
    erros.flush();
    QProcess ajudante;
    ajudante.setProcessChannelMode(QProcess::ForwardedChannels);
    ajudante.start(caminhoDoAjudante(), QStringList{comando} + args + opcoes);
    if (!ajudante.waitForFinished(-1) || ajudante.exitStatus() != QProcess::NormalExit) {
        erros << "kt9400-cli " << comando << ": kt9400-relatorio did not run: " << ajudante.errorString() << '\n';
        return 1;
    }
    return ajudante.exitCode();
}

} // namespace

namespace {

QJsonValue valorJson(bool calculado, double v)
{
    return calculado ? QJsonValue(AvaliacaoExposicao::arredondado(v)) : QJsonValue();
}


} // namespace

int jornada(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QString arquivo;
    bool json = false;
    if (!pastaEJson(args, &arquivo, &json)) {
        erros << "kt9400-cli jornada: usage: jornada FILE [--json]\n" << ajuda();
        return 2;
    }
    Jornada j;
    QString erro;
    if (!Jornada::ler(arquivo, &j, &erro)) {
        erros << "kt9400-cli jornada: cannot read " << (erro.isEmpty() ? arquivo + QStringLiteral(": no such file") : erro)
              << '\n';
        return 1;
    }
    const AvaliacaoJornada a = AvaliacaoJornada::avaliar(j, Jornada::armazemDe(arquivo));
    QJsonArray tarefas;
    bool alguma = false;
    for (const AvaliacaoJornada::Tarefa &t : a.tarefas) {
        QJsonObject o{{"task", t.referencia},
                      {"reps", t.repeticoes},
                      {"time", Edicao::textoDuracao(qRound64(t.tempoRepeticao))},
                      {"arep", valorJson(t.usada, t.arep)}};
        if (!t.usada) {
            o.insert("left_out", t.motivo);
            erros << "kt9400-cli jornada: task left out: " << t.referencia << ": " << t.motivo << '\n';
        }
        alguma = alguma || t.usada;
        tarefas.append(o);
    }
    if (!alguma) {
        erros << "kt9400-cli jornada: no task could be used: not computed\n";
        return 1;
    }
    const QJsonObject exposicao{{"aren_mao", valorJson(a.maoCalculada(), a.mao.aren)},
                                {"aren_corpo", valorJson(a.corpoCalculado(), a.corpo.aren)},
                                {"vdvr", valorJson(a.corpoCalculado(), a.corpo.vdvr)}};
    if (json) {
        escreverJson(saida, {{"jornada", j.nome}, {"tasks", tarefas}, {"exposure", exposicao},
                             {"assessment", TextoAvaliacao::json(a.avaliacao)}});
    } else {
        Valores v{{"jornada", j.nome}};
        for (auto i = exposicao.constBegin(); i != exposicao.constEnd(); ++i)
            v.append({i.key(), TextoAvaliacao::textoCsv(i.value())});
        RelatorioTexto::escrever(saida, v + linhasAvaliacao(a.avaliacao));
    }
    return 0;
}

int grupo(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QString arquivo;
    bool json = false;
    if (!pastaEJson(args, &arquivo, &json)) {
        erros << "kt9400-cli grupo: usage: grupo FILE [--json]\n" << ajuda();
        return 2;
    }
    Grupo g;
    QString erro;
    if (!Grupo::ler(arquivo, &g, &erro)) {
        erros << "kt9400-cli grupo: cannot read " << (erro.isEmpty() ? arquivo + QStringLiteral(": no such file") : erro)
              << '\n';
        return 1;
    }
    const AvaliacaoGrupo a = AvaliacaoGrupo::avaliar(g, Jornada::armazemDe(arquivo));
    using G = AvaliacaoGrupo::Grandeza;
    QJsonArray membros;
    Valores linhas{{"grupo", g.nome}};
    for (const AvaliacaoGrupo::Membro &m : a.membros) {
        QJsonObject exposicao;
        QJsonObject faixas;
        for (int q = 0; q < AvaliacaoGrupo::grandezas; ++q) {
            const AvaliacaoExposicao::FiguraNr *f = m.figura(G(q));
            exposicao.insert(AvaliacaoGrupo::chave(G(q)), f ? QJsonValue(f->valor) : QJsonValue());
            faixas.insert(AvaliacaoGrupo::chave(G(q)), f ? QJsonValue(TextoAvaliacao::faixa(f->faixa())) : QJsonValue());
            linhas.append({m.nome + QLatin1Char('.') + AvaliacaoGrupo::chave(G(q)),
                           f ? QString::number(f->valor, 'g', 6) + QLatin1Char(' ') + TextoAvaliacao::faixa(f->faixa())
                             : QString()});
        }
        QJsonObject o{{"name", m.nome}, {"kind", m.jornada ? "jornada" : "medida"}, {"exposure", exposicao},
                      {"bands", faixas}};
        if (!m.motivo.isEmpty()) {
            o.insert("left_out", m.motivo);
            erros << "kt9400-cli grupo: member left out: " << m.nome << ": " << m.motivo << '\n';
        }
        membros.append(o);
    }
    QJsonObject resumo;
    for (int q = 0; q < AvaliacaoGrupo::grandezas; ++q) {
        const AvaliacaoGrupo::Resumo &r = a.resumo[q];
        const bool tem = r.quantos > 0;
        resumo.insert(AvaliacaoGrupo::chave(G(q)),
                      QJsonObject{{"count", r.quantos},
                                  {"mean", tem ? QJsonValue(r.media) : QJsonValue()},
                                  {"max", tem ? QJsonValue(r.maximo) : QJsonValue()},
                                  {"band", TextoAvaliacao::faixa(r.faixa)}});
        linhas.append({QStringLiteral("summary.") + AvaliacaoGrupo::chave(G(q)),
                       QStringLiteral("count %1 mean %2 max %3 %4")
                           .arg(r.quantos)
                           .arg(tem ? QString::number(r.media, 'g', 6) : QString())
                           .arg(tem ? QString::number(r.maximo, 'g', 6) : QString())
                           .arg(TextoAvaliacao::faixa(r.faixa))});
    }
    const QJsonObject veredito{{"band", TextoAvaliacao::faixa(a.veredito)},
                               {"member", a.maisExposto.isEmpty() ? QJsonValue() : QJsonValue(a.maisExposto)}};
    linhas.append({QStringLiteral("verdict"), TextoAvaliacao::faixa(a.veredito) + QLatin1Char(' ') + a.maisExposto});
    if (json)
        escreverJson(saida, {{"grupo", g.nome}, {"members", membros}, {"summary", resumo}, {"verdict", veredito}});
    else
        RelatorioTexto::escrever(saida, linhas);
    return 0;
}

int esocial(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QStringList itens;
    bool xml = false;
    bool desconhecida = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--xml"))
            xml = true;
        else if (a.startsWith(QLatin1String("--")))
            desconhecida = true;
        else
            itens << a;
    }
    if (itens.isEmpty() || desconhecida) {
        erros << "kt9400-cli esocial: usage: esocial ITEM... [--xml]\n" << ajuda();
        return 2;
    }
    QVector<ESocial::Entrada> todas;
    bool falhou = false;
    for (const QString &item : qAsConst(itens)) {
        QVector<ESocial::Entrada> delas;
        QString erro;
        if (!ESocial::entradas(item, &delas, &erro)) {
            erros << "kt9400-cli esocial: " << erro << '\n';
            falhou = true;
            continue;
        }
        todas += delas;
    }
    if (falhou)
        return 1;
    if (xml) {
        saida << ESocial::xml(todas);
        return 0;
    }
    saida << Csv::linha({"item", "worker", "date", "codAgNoc", "tpAval", "intConc", "unMed", "tecMedicao"});
    for (const ESocial::Entrada &e : qAsConst(todas))
        saida << Csv::linha({e.item, e.trabalhador, e.data, e.codAgNoc, QString::number(e.tpAval),
                             ESocial::valor(e.intConc), QString::number(e.unMed), e.tecMedicao});
    return 0;
}

int relatorio(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    return documento(QStringLiteral("report"), args, {QStringLiteral("pdf")}, saida, erros);
}

int laudo(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QStringList resto = args;
    const bool graficos = resto.removeAll(QStringLiteral("--charts")) > 0;
    const int r = documento(QStringLiteral("laudo"), resto, {QStringLiteral("pdf"), QStringLiteral("odt")}, saida, erros,
                            graficos ? QStringList{QStringLiteral("--charts")} : QStringList());
    return r;
}

} // namespace Comandos
