#pragma once

#include "report/dadosgraficos.h"

#include <QColor>
#include <QFont>

class QCustomPlot;

// How a chart looks: on screen light lines on black, on paper the report's
// colours and fonts.
struct AparenciaGrafico {
    QColor fundo;
    QColor texto;
    QString familia;       // font family
    int pontosRotulos = 10;  // tick labels and axis labels
    int pontosRotulosX = 10; // the band chart's band labels
    int pontosLegenda = 12;  // also the band chart's value-axis label
    int pontosValores = 10;  // the bars' value labels

    // The viewer's look: black background, white text, the application font.
    static AparenciaGrafico tela();
    // The report's: white paper, black text, Arial in small sizes.
    static AparenciaGrafico papel();
};

// The two charts of a component, drawn into a plot from worked-out data.
namespace Graficos {

// Puts the legend of the acceleration chart beside the plot, vertically
// centred, taking only the width it needs. Done once per plot.
void posicionarLegenda(QCustomPlot *plot);

// The acceleration chart on a time axis of round times of day.
void desenharLinhas(QCustomPlot *plot, const DadosLinhas &dados, const AparenciaGrafico &a);
// On screen: the wheel zooms and dragging pans the time axis; a
// double-click shows the whole recording again.
void permitirZoom(QCustomPlot *plot);
void desenharBandas(QCustomPlot *plot, const DadosBandas &dados, const AparenciaGrafico &a);

} // namespace Graficos
