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
    QVector<double> chaves;       // 1, 2, ... n
    QVector<double> series[4];    // amx, amy, amz, amr
    QStringList rotulos;          // one per key; blank where no time is shown
    QPair<double, double> faixaX;
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

// The row positions kept by thinning n samples: each pass over N rows
// drops the rows 0, 2, 4, ... 2(K - 1) with K = N / 3 + 1, until at most
// 1000 remain, so the end of the recording keeps its full density.
QVector<int> desbastar(int n);

// The acceleration chart of the sample table last read into `a`: every
// kept sample is drawn; the time axis is labelled at the start, the
// quarters and the end of the recording.
DadosLinhas linhas(const AcessarArquivo &a);

// The band chart: one bar per band centre that has a value.
DadosBandas bandas(const QStringList &freq, const QStringList &vibracao);

} // namespace DadosGraficos
