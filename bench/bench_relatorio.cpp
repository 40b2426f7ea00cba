// The report and the laudo of a measurement with one whole-body component
// of 8,640, 86,400 and 864,000 samples (and 8,640,000 with --grande: 10
// days at 10 samples a second, 500 MB of recording), written by
// `kt9400-cli report` and `kt9400-cli laudo` as whole processes: median
// time and peak memory, beside `wc -l` reading the same recording in the
// same run.
//
//   build/bench/bench_relatorio [--grande]

#include "medicao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QVector<int> tamanhos{8640, 86400, 864000};
    if (app.arguments().contains(QStringLiteral("--grande")))
        tamanhos << 8640000;
    for (const int amostras : qAsConst(tamanhos)) {
        QTemporaryDir d;
        const QString vol = d.filePath("vol");
        Medicao::executar(KT_CLI, {"simulate", vol, "--measurements", "1", "--components", "1", "--samples",
                                   QString::number(amostras)});
        const QString medida = vol + "/DATA/MED001";
        Medicao::executar(KT_CLI, {"evaluate", medida});
        const QString pdf = d.filePath("r.pdf");
        const int vezes = amostras > 1000000 ? 1 : 3;
        const Medicao::Processo wc = Medicao::executarMediana(vezes, "wc", {"-l", medida + "/T1/corpo/C01.dat"});
        const Medicao::Processo p = Medicao::executarMediana(vezes, KT_CLI, {"report", medida, pdf});
        std::printf("report of %d samples: %.0f ms (median of %d), peak %.1f MB, %.1f MB of PDF;"
                    " wc -l %.0f ms, peak %.1f MB\n",
                    amostras, p.ms, vezes, p.picoMb, QFileInfo(pdf).size() / 1e6, wc.ms, wc.picoMb);
        const QString laudo = d.filePath("l.pdf");
        const Medicao::Processo l = Medicao::executarMediana(vezes, KT_CLI, {"laudo", medida, laudo});
        std::printf("laudo of %d samples: %.0f ms (median of %d), peak %.1f MB, %.2f MB of PDF\n", amostras, l.ms,
                    vezes, l.picoMb, QFileInfo(laudo).size() / 1e6);
    }
    return 0;
}
