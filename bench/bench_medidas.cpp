// The viewer at scale, offscreen.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_medidas
//
// 1. Selecting a component of 86,400 samples (24 h at 1 s): reading its
//    files, thinning, plotting and replotting both charts.
// 2. "Sincronizar" on a store of 2,000 measurements.

#include "app/inicio.h"
#include "app/servicos.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/calculoexposicao.h"
#include "viewer/medidas.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A store under `raiz` made of a simulated instrument's measurements.
void armazem(const QString &raiz, const OpcoesSimulacao &o, bool avaliar)
{
    QTemporaryDir vol;
    QString erro;
    simularInstrumento(vol.path(), o, &erro);
    QDir().mkpath(raiz);
    for (const QString &m : LayoutMedida::medidas(vol.filePath("DATA"))) {
        const QString destino = raiz + LayoutMedida::nomePasta(m);
        QDir().rename(m, destino);
        if (avaliar)
            CalculoExposicao::avaliarMedida(destino);
    }
}

void clicar(QTableView *t, int linha, int coluna)
{
    emit t->clicked(t->model()->index(linha, coluna));
}

double componente()
{
    QTemporaryDir d;
    const QString raiz = d.filePath("Z2registros/");
    OpcoesSimulacao o;
    o.medidas = 1;
    o.componentes = 1;
    o.amostras = 86400;
    armazem(raiz, o, true);
    Medidas m(raiz, Servicos{});
    m.resize(1600, 900);
    m.show();
    m.findChild<QPushButton *>("pushButton_Sincronizar")->click();
    clicar(m.findChild<QTableView *>("tableView_ExpResultante"), 0, 0);
    clicar(m.findChild<QTableView *>("tableView_ExpParcial"), 0, 0);
    QTableView *componentes = m.findChild<QTableView *>("tableView_ComponenteExp");
    double melhor = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        clicar(componentes, 0, 0);
        QCoreApplication::processEvents();
        melhor = std::min(melhor, t.nsecsElapsed() / 1e6);
    }
    return melhor;
}

double sincronizar(int *linhas)
{
    QTemporaryDir d;
    const QString raiz = d.filePath("Z2registros/");
    OpcoesSimulacao o;
    o.medidas = 2000;
    o.componentes = 1;
    o.amostras = 5;
    armazem(raiz, o, false);
    Medidas m(raiz, Servicos{});
    m.resize(1600, 900);
    m.show();
    QElapsedTimer t;
    t.start();
    m.findChild<QPushButton *>("pushButton_Sincronizar")->click();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    *linhas = m.findChild<QTableView *>("tableView_ExpResultante")->model()->rowCount();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Inicio::registrarRecursos();
    Inicio::instalarFonte();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    std::printf("select a component of 86,400 samples (read, thin, plot, replot): best of 5 %.0f ms\n",
                componente());
    int linhas = 0;
    const double ms = sincronizar(&linhas);
    std::printf("Sincronizar, store of 2,000 measurements: %.0f ms (%d rows)\n", ms, linhas);
    return 0;
}
