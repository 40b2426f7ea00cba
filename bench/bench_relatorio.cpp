// The report of a measurement with one whole-body component of 86,400 and
// of 864,000 samples (24 hours and 10 days at 1 s; about 800 and 8,000
// table pages), written by `kt9400-cli report` as a whole process: median
// time and peak memory.
//
//   build/bench/bench_relatorio

#include "medicao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    for (const int amostras : {86400, 864000}) {
        QTemporaryDir d;
        const QString vol = d.filePath("vol");
        QProcess::execute(KT_CLI, {"simulate", vol, "--measurements", "1", "--components", "1", "--samples",
                                   QString::number(amostras)});
        const QString medida = vol + "/DATA/MED001";
        QProcess::execute(KT_CLI, {"evaluate", medida});
        const QString pdf = d.filePath("r.pdf");
        const Medicao::Processo p = Medicao::executarMediana(3, KT_CLI, {"report", medida, pdf});
        std::printf("report of %d samples: %.0f ms (median of 3), peak %.1f MB, %.1f MB of PDF\n", amostras,
                    p.ms, p.picoMb, QFileInfo(pdf).size() / 1e6);
    }
    return 0;
}
