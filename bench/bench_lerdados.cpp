// Reading long recordings through the command-line tool, each figure the
// median of 5 runs of a whole process, next to a baseline run in the same
// program run on the same files.
//
//   build/bench/bench_lerdados
//
// 1. `csv COMPONENT.head` of 86,400 and 864,000 samples against `wc -l` on
//    the component's files, and its peak memory.
// 2. `list STORE --json` and `csv STORE` of 20 measurements of 86,400
//    samples against 20 of 60, and of 10,000 small measurements with
//    their peak memory.
// 3. `evaluate` of a measurement with 5 components of 28,800 samples on
//    both body parts against `cat` of its files.
// 4. `jornada` of a day of 20 tasks taken from 20 measurements, against
//    `list` of the same 20 measurements.

#include "medicao.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using Medicao::executarMediana;

QString simular(const QTemporaryDir &d, const QString &nome, int medidas, int componentes, int amostras)
{
    const QString vol = d.filePath(nome);
    QProcess::execute(KT_CLI, {"simulate", vol, "--measurements", QString::number(medidas), "--components",
                               QString::number(componentes), "--samples", QString::number(amostras)});
    return vol + "/DATA";
}

QStringList arquivos(const QString &pasta, const QStringList &filtros = {})
{
    QStringList lista;
    QDirIterator it(pasta, filtros, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        lista << it.next();
    lista.sort();
    return lista;
}

void csvComponente(const QTemporaryDir &d, int amostras)
{
    const QString dados = simular(d, QString("c%1").arg(amostras), 1, 1, amostras);
    const QString head = arquivos(dados, {"*.head"}).value(0);
    const QString base = head.chopped(5);
    const auto csv = executarMediana(5, KT_CLI, {"csv", head});
    const auto wc = executarMediana(5, "wc", {"-l", head, base + ".dat", base + ".res"});
    std::printf("csv COMPONENT.head, %d samples: %.1f ms, peak %.1f MB; wc -l %.1f ms; ratio %.1f\n", amostras,
                csv.ms, csv.picoMb, wc.ms, csv.ms / wc.ms);
}

void armazem(const QTemporaryDir &d)
{
    double ms[2][2];
    const int amostras[2] = {60, 86400};
    for (int i = 0; i < 2; ++i) {
        const QString dados = simular(d, QString("a%1").arg(amostras[i]), 20, 1, amostras[i]);
        QProcess::execute(KT_CLI, {"evaluate", dados + "/MED001"}); // one evaluated, all listed
        ms[i][0] = executarMediana(5, KT_CLI, {"list", dados, "--json"}).ms;
        ms[i][1] = executarMediana(5, KT_CLI, {"csv", dados}).ms;
    }
    std::printf("list STORE --json, 20 measurements: %.1f ms at 60 samples, %.1f ms at 86,400; ratio %.2f\n",
                ms[0][0], ms[1][0], ms[1][0] / ms[0][0]);
    std::printf("csv STORE, 20 measurements: %.1f ms at 60 samples, %.1f ms at 86,400; ratio %.2f\n", ms[0][1],
                ms[1][1], ms[1][1] / ms[0][1]);
    // A register of years: the JSON is written a measurement at a time.
    const QString muitas = simular(d, "muitas", 10000, 1, 5);
    const auto json = executarMediana(3, KT_CLI, {"list", muitas, "--json"});
    const auto csv = executarMediana(3, KT_CLI, {"csv", muitas});
    std::printf("list STORE --json, 10,000 measurements: %.0f ms, peak %.1f MB; csv STORE %.0f ms, peak %.1f MB\n",
                json.ms, json.picoMb, csv.ms, csv.picoMb);
}

void avaliacao(const QTemporaryDir &d)
{
    // MED003 of the simulator records both body parts.
    const QString medida = simular(d, "e", 3, 5, 28800) + "/MED003";
    const QStringList todos = arquivos(medida);
    const auto evaluate = executarMediana(5, KT_CLI, {"evaluate", medida});
    const auto cat = executarMediana(5, "cat", todos);
    std::printf("evaluate, 5 components x 28,800 samples, both body parts (%d files): %.1f ms; cat %.1f ms; "
                "ratio %.2f\n",
                int(todos.size()), evaluate.ms, cat.ms, evaluate.ms / cat.ms);
}

void jornada(const QTemporaryDir &d)
{
    const QString dados = simular(d, "j", 20, 2, 1800);
    QByteArray linhas;
    for (const QString &medida : QDir(dados).entryList({"MED*"}, QDir::Dirs)) {
        QProcess avaliar;
        avaliar.setStandardOutputFile(QProcess::nullDevice());
        avaliar.start(KT_CLI, {"evaluate", dados + "/" + medida});
        avaliar.waitForFinished(-1);
        const QString tarefa = QDir(dados + "/" + medida).entryList({"T*"}, QDir::Dirs).value(0);
        const QString parte = QDir(dados + "/" + medida + "/" + tarefa).entryList({"corpo", "mao"}, QDir::Dirs).value(0);
        linhas += "tarefa;" + (medida + "/" + tarefa + "/" + parte).toUtf8() + ";3;00:45:00;\n";
    }
    QDir(dados).mkpath("Jornadas");
    QFile f(dados + "/Jornadas/Dia.id");
    f.open(QIODevice::WriteOnly);
    f.write(linhas);
    f.close();
    const auto dia = executarMediana(5, KT_CLI, {"jornada", f.fileName(), "--json"});
    const auto lista = executarMediana(5, KT_CLI, {"list", dados});
    std::printf("jornada of 20 tasks from 20 measurements: %.1f ms, peak %.1f MB; list of them %.1f ms; ratio %.2f\n",
                dia.ms, dia.picoMb, lista.ms, dia.ms / lista.ms);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir d;
    csvComponente(d, 86400);
    csvComponente(d, 864000);
    armazem(d);
    avaliacao(d);
    jornada(d);
    return 0;
}
