// The instrument link at scale.
//
//   build/bench/bench_instrumento
//
// 1. Listing and pairing 2,000 instrument measurements against a store
//    holding a copy of each (every pair has equal names, the worst case),
//    next to a bare QDirIterator walk of the same two trees.
// 2. Downloading all of 50 simulated measurements (2 components of 1,800
//    samples per body folder), with the share of copying and evaluating.

#include "device/copia.h"
#include "device/download.h"
#include "device/simuladorinstrumento.h"
#include "device/sincronizacao.h"
#include "data/layoutmedida.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

int caminhar(const QString &raiz)
{
    int n = 0;
    QDirIterator it(raiz, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

void pareamento()
{
    QTemporaryDir d;
    OpcoesSimulacao o;
    o.medidas = 2000;
    o.componentes = 1;
    o.amostras = 5;
    QString erro;
    simularInstrumento(d.filePath("vol"), o, &erro);
    const QString dados = d.filePath("vol/DATA/");
    const QString armazem = d.filePath("Z2registros/");
    Copia::copyDirectoryFiles(dados, armazem, false);
    const QString id = "KT15845";

    QElapsedTimer t;
    t.start();
    const int entradas = caminhar(dados) + caminhar(armazem);
    const double tWalk = ms(t);

    t.restart();
    const auto c = Sincronizacao::compararDiretorios(dados, armazem, id);
    const auto linhas = Sincronizacao::linhas(dados, c.dadosIguais);
    const double tLista = ms(t);

    std::printf("pairing: %d instrument folders, %d local; %d rows, %d paired\n",
                int(c.dadosTabelaMedidas.size()), int(LayoutMedida::subpastas(armazem).size()),
                int(linhas.size()), int(c.dadosIguais.size()));
    std::printf("  list and pair: %.0f ms; QDirIterator walk of both trees (%d entries): %.0f ms;"
                " ratio %.1f\n",
                tLista, entradas, tWalk, tLista / tWalk);
}

void download()
{
    QTemporaryDir d;
    OpcoesSimulacao o;
    o.medidas = 50;
    o.componentes = 2;
    o.amostras = 1800;
    QString erro;
    simularInstrumento(d.filePath("vol"), o, &erro);
    const QString dados = d.filePath("vol/DATA/");
    const Avaliador avaliador{"Bench", "Bench"};

    // The same folders twice more, for timing the two halves apart.
    Copia::copyDirectoryFiles(dados, d.filePath("copia-a"), false);

    QElapsedTimer t;
    t.start();
    const QString armazem = d.filePath("Z2registros/");
    QDir().mkpath(armazem);
    int baixadas = 0;
    for (const QString &m : LayoutMedida::medidas(dados))
        baixadas += Download::baixar(m, armazem, false, false, avaliador, "KT15845").resultado
            == Download::Resultado::Baixado;
    const double tTotal = ms(t);

    const QString so = d.filePath("so-copia/");
    QDir().mkpath(so);
    const QStringList origens = LayoutMedida::medidas(d.filePath("copia-a"));
    t.restart();
    for (const QString &m : origens)
        Copia::copiarInteiro(m, so + LayoutMedida::nomePasta(m), false, Copia::Base::Vazia);
    const double tCopia = ms(t);
    t.restart();
    for (const QString &m : LayoutMedida::medidas(so))
        Download::avaliarECarimbar(m, avaliador, "KT15845");
    const double tAvaliacao = ms(t);

    std::printf("download: %d of 50 measurements in %.0f ms (%.1f ms each)\n", baixadas, tTotal,
                tTotal / qMax(1, baixadas));
    std::printf("  copying alone %.0f ms, evaluating and stamping alone %.0f ms: %.0f%% copy, "
                "%.0f%% evaluation\n",
                tCopia, tAvaliacao, 100 * tCopia / (tCopia + tAvaliacao),
                100 * tAvaliacao / (tCopia + tAvaliacao));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    pareamento();
    download();
    return 0;
}
