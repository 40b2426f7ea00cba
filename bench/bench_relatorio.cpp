// The report of a measurement with one whole-body component of 86,400
// samples (about 800 table pages): time and peak memory.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_relatorio

#include "app/inicio.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/calculoexposicao.h"
#include "report/relatorio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

double picoMb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Inicio::registrarRecursos();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    QTemporaryDir d;
    OpcoesSimulacao o;
    o.medidas = 1; // MED001: whole body only
    o.componentes = 1;
    o.amostras = 86400;
    QString erro;
    simularInstrumento(d.filePath("vol"), o, &erro);
    const QString medida = LayoutMedida::medidas(d.filePath("vol/DATA")).at(0);
    CalculoExposicao::avaliarMedida(medida);
    const int parciais = int(LayoutMedida::parciaisDaExposicao(medida).size());

    const double antes = picoMb();
    QElapsedTimer t;
    t.start();
    const bool ok = Relatorio::escrever(medida, d.filePath("relatorio.pdf"));
    const double segundos = t.nsecsElapsed() / 1e9;
    std::printf("report of %d whole-body partial exposure(s), one component of 86,400 samples each: %s\n",
                parciais, ok ? "written" : "FAILED");
    std::printf("  %.1f s, %.1f MB PDF; peak memory %.0f MB (%.0f MB before the report)\n", segundos,
                QFileInfo(d.filePath("relatorio.pdf")).size() / 1e6, picoMb(), antes);
    return ok ? 0 : 1;
}
