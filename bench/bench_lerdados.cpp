// lerDados on a data file of 86,400 sample rows (24 h at 1 s), next to
// `wc -l` on the same file, and the reader's peak memory.
//
//   build/bench/bench_lerdados [FILE.dat]
//
// Without a file, one is written by `kt9400-cli simulate` in a child
// process, so that the peak memory below is the reader's own.

#include "data/acessararquivo.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

long picoKb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

double msWc(const QString &arquivo, qint64 *linhas)
{
    QElapsedTimer t;
    t.start();
    QProcess wc;
    wc.start("wc", {"-l", arquivo});
    wc.waitForFinished(-1);
    const double ms = t.nsecsElapsed() / 1e6;
    *linhas = QString::fromLatin1(wc.readAllStandardOutput()).section(' ', 0, 0).toLongLong();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString arquivo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (arquivo.isEmpty()) {
        QProcess::execute(KT_CLI, {"simulate", dir.path(), "--measurements", "1",
                                   "--components", "1", "--samples", "86400"});
        QDirIterator it(dir.path(), {"*.dat"}, QDir::Files, QDirIterator::Subdirectories);
        arquivo = it.hasNext() ? it.next() : QString();
    }
    if (!QFileInfo(arquivo).isFile()) {
        std::fprintf(stderr, "no data file\n");
        return 1;
    }

    const long antes = picoKb();
    double melhor = 1e9, primeiro = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        AcessarArquivo a;
        a.lerDados(arquivo);
        const double ms = t.nsecsElapsed() / 1e6;
        if (i == 0)
            primeiro = ms;
        melhor = std::min(melhor, ms);
    }
    const long depoisLeitura = picoKb();

    // What a chart or the report pays: the read and all eight text columns.
    double melhorColunas = 1e9;
    int linhas = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        AcessarArquivo a;
        a.lerDados(arquivo);
        qsizetype total = 0;
        for (const QStringList &c : {a.getColuna1(), a.getColuna2(), a.getColuna3(),
                                     a.getColuna4(), a.getColuna5(), a.getColuna6(),
                                     a.getColuna7(), a.getColuna8()})
            total += c.size();
        melhorColunas = std::min(melhorColunas, t.nsecsElapsed() / 1e6);
        linhas = int(total / 8);
    }
    const long depois = picoKb();

    double melhorWc = 1e9;
    qint64 linhasWc = 0;
    for (int i = 0; i < 5; ++i)
        melhorWc = std::min(melhorWc, msWc(arquivo, &linhasWc));

    std::printf("file: %s (%.1f MB, %lld lines by wc -l)\n", qPrintable(arquivo),
                QFileInfo(arquivo).size() / 1e6, static_cast<long long>(linhasWc));
    std::printf("lerDados: first %.1f ms, best of 5 %.1f ms\n", primeiro, melhor);
    std::printf("lerDados and the eight columns (%d rows): best of 5 %.1f ms\n", linhas,
                melhorColunas);
    std::printf("wc -l (process, best of 5): %.1f ms\n", melhorWc);
    std::printf("ratio lerDados / wc -l: %.1f; with the columns: %.1f\n", melhor / melhorWc,
                melhorColunas / melhorWc);
    std::printf("peak memory: %.1f MB before, %.1f MB after lerDados, %.1f MB after the "
                "columns\n",
                antes / 1024.0, depoisLeitura / 1024.0, depois / 1024.0);
    return 0;
}
