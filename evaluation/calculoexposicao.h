#pragma once

#include "data/acessararquivo.h"

#include <QString>
#include <QStringList>

// One evaluation run of one body part ("corpo" or "mao") of one
// measurement: reads its partial-exposure, component, data and result
// files, writes every partial exposure's results into its file and the
// exposure's results into the exposure file. Constructing the object runs
// the evaluation.
//
// Callers run it twice on the same exposure file and folder list, first
// for "corpo", then for "mao", so that the exposure file ends up with both
// body parts' results (see `avaliarMedida`).
class CalculoExposicao
{
public:
    CalculoExposicao(const QString &arquivoExposicao, const QStringList &pastas,
                     const QString &tipo);

    // What both runs of a measurement left undone.
    struct Resultado {
        QStringList falhas;      // "PATH: reason" of each file not written
        QStringList ignorados;   // components left out: their .dat or .res is missing
        bool gravou() const { return falhas.isEmpty(); }
        explicit operator bool() const { return gravou(); }
    };
    // Both runs, "corpo" then "mao", over a list of body folders.
    static Resultado avaliarPastas(const QString &arquivoExposicao, const QStringList &pastas);
    // Both runs on a measurement folder of the local store, with its list
    // of body folders.
    static Resultado avaliarMedida(const QString &pastaMedida);

    // True when every file the run meant to write was written.
    bool gravou() const { return falhas.isEmpty(); }

    // "hh:mm:ss" (three parts) or "hh:mm" (two) in seconds; a missing or
    // unreadable piece counts as 0, pieces need not be in range, and a
    // negative time counts as 0.
    static double segundosDeTexto(const QString &texto, int partes);
    // The C-locale number of a text; 0 for anything that is not a finite
    // number, the unset blank included.
    static double numero(const QString &texto);
    // Results: six significant digits, crest factors three decimals. A
    // result beyond the range of numbers is written as the largest one,
    // and one that has no value as 0, never "inf" or "nan".
    static QString textoResultado(double v);
    static QString textoFatorDeCrista(double v);

private:
    void acumularComponente();
    void avaliarParcial();
    void AREP();
    void VDVji();
    void VDVexpji();
    void contagem();
    void avaliarExposicao();
    void ARE();
    void AREN();
    void VDVexpj();
    void VDVR();
    bool ehCorpo() const { return tipo == QLatin1String("corpo"); }

    AcessarArquivo acessarArquivo;
    QString tipo;
    double somaAmr = 0;
    double arep = 0;
    double numComponentes = 0;
    double somaEnergia = 0;
    double tempoExp = 0;
    int numRepeticao = 0;
    double jornada = 0;
    double are = 0;
    double somaVdv4[3] = {0, 0, 0};
    double vdvji[3] = {0, 0, 0};
    double vdvexpji[3] = {0, 0, 0};
    double tempoExpTotal = 0;
    double tempoAmostrado = 0;
    double somaVdvexp4[3] = {0, 0, 0};
    double vdvexpj[3] = {0, 0, 0};
    double vdvr = 0;
    double fcParcial[3] = {0, 0, 0};
    double fcResultante[3] = {0, 0, 0};
    int numArquivosComponente = 0;
    QStringList falhas;
    QStringList ignorados;
};
