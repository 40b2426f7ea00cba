#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class AcessarArquivo;

// What the two charts of a component show, worked out without drawing:
// the keys and values of each series, the tick labels and the ranges. The
// viewer and the report draw from these.

// A series that long is thinned to at most this many samples.
constexpr int maximoAmostrasGrafico = 1000;

struct DadosLinhas {
    // Each kept sample's time of day in seconds (the next day's times go
    // on past 86,400), so that the axis shows true times.
    QVector<double> chaves;
    QVector<double> series[4];    // amx, amy, amz, amr
    QPair<double, double> faixaX; // the first and the last sample's time
    QPair<double, double> faixaY;
};

struct DadosBandas {
    QVector<double> chaves;       // 1, 2, ... n
    QVector<double> valores;
    QStringList rotulos;          // the band centres, one per key
    QPair<double, double> faixaX;
    QPair<double, double> faixaY;
};

namespace DadosGraficos {

// The row positions kept by thinning n samples: every k-th row from the
// first, with k as small as keeps at most 1000, and the last row, so that
// the kept samples are spread evenly over the recording's time.
QVector<int> desbastar(int n);

// Seconds since midnight of an "hh:mm:ss" sample time; -1 for anything else.
int segundosDoDia(const QString &hora);

// The acceleration chart of the sample table last read into `a`: every
// kept sample drawn at its time.
DadosLinhas linhas(const AcessarArquivo &a);
// The same from a data file read row by row, without holding its table;
// `erro` says why it could not be read whole.
DadosLinhas linhas(const QString &arquivoDados, QString *erro);

// The band chart: one bar per band centre that has a value.
DadosBandas bandas(const QStringList &freq, const QStringList &vibracao);

} // namespace DadosGraficos
