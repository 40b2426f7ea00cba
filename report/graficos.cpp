#include "report/graficos.h"

#include "report/custombars.h"

#include <QApplication>

#include <qcustomplot.h>

AparenciaGrafico AparenciaGrafico::tela()
{
    AparenciaGrafico a;
    a.fundo = Qt::black;
    a.texto = Qt::white;
    a.familia = QApplication::font().family();
    return a;
}

AparenciaGrafico AparenciaGrafico::papel()
{
    AparenciaGrafico a;
    a.fundo = Qt::white;
    a.texto = Qt::black;
    a.familia = QStringLiteral("Arial");
    a.pontosRotulos = 7;
    a.pontosRotulosX = 5;
    a.pontosLegenda = 7;
    a.pontosValores = 5;
    return a;
}

namespace Graficos {

namespace {

QSharedPointer<QCPAxisTickerText> ticker(const QVector<double> &chaves, const QStringList &rotulos)
{
    QSharedPointer<QCPAxisTickerText> t(new QCPAxisTickerText);
    t->addTicks(chaves, rotulos.toVector());
    return t;
}

// Round times of day, equally spaced: the keys are seconds since the first
// midnight, read as a UTC date-time of 1 January 1970.
QSharedPointer<QCPAxisTickerDateTime> tickerDeHoras()
{
    QSharedPointer<QCPAxisTickerDateTime> t(new QCPAxisTickerDateTime);
    t->setDateTimeFormat(QStringLiteral("HH:mm:ss"));
    t->setDateTimeSpec(Qt::UTC);
    t->setTickCount(5);
    return t;
}

void estiloDoEixo(QCPAxis *eixo, const AparenciaGrafico &a)
{
    const QFont fonte(a.familia, a.pontosRotulos);
    eixo->setBasePen(QPen(a.texto, 1));
    eixo->setTickLabelColor(a.texto);
    eixo->setTickLabelFont(fonte);
    eixo->setLabelFont(fonte);
    eixo->setLabelColor(a.texto);
}

} // namespace

void posicionarLegenda(QCustomPlot *plot)
{
    auto *grade = new QCPLayoutGrid;
    plot->plotLayout()->addElement(0, 1, grade);
    grade->addElement(0, 0, new QCPLayoutElement(plot));
    grade->addElement(1, 0, plot->legend);
    grade->addElement(2, 0, new QCPLayoutElement(plot));
    plot->plotLayout()->setColumnStretchFactor(1, 0.001);
}

void desenharLinhas(QCustomPlot *plot, const DadosLinhas &d, const AparenciaGrafico &a)
{
    plot->clearGraphs();
    const struct {
        const char *nome;
        QColor cor;
    } series[4] = {{"amx", Qt::red}, {"amy", Qt::green}, {"amz", Qt::blue}, {"amr", Qt::yellow}};
    for (int s = 0; s < 4; ++s) {
        QCPGraph *g = plot->addGraph(plot->xAxis, plot->yAxis);
        g->setData(d.chaves, d.series[s], true);
        g->setName(QString::fromLatin1(series[s].nome));
        g->setPen(QPen(series[s].cor, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    }
    plot->xAxis->setTicker(tickerDeHoras());
    plot->xAxis->setTickLabelRotation(0.0001);
    estiloDoEixo(plot->xAxis, a);
    plot->xAxis->setTickPen(QPen(Qt::black, 0));
    plot->xAxis->setLabel(QString());
    estiloDoEixo(plot->yAxis, a);
    plot->yAxis->setTickPen(QPen(a.texto, 1));
    plot->yAxis->setSubTickPen(QPen(a.texto, 1));
    plot->yAxis->setLabel(QObject::tr("Aceleração Total dos Eixos") + QStringLiteral(" [m/s²]"));
    for (QCPAxis *eixo : {plot->xAxis, plot->yAxis}) {
        eixo->grid()->setVisible(false);
        eixo->setUpperEnding(QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10));
    }
    plot->setBackground(QBrush(a.fundo));
    plot->legend->setVisible(true);
    plot->legend->setBrush(QBrush(QColor(QStringLiteral("transparent"))));
    plot->legend->setBorderPen(Qt::NoPen);
    plot->legend->setFont(QFont(a.familia, a.pontosLegenda));
    plot->legend->setTextColor(a.texto);
    plot->xAxis->setRange(d.faixaX.first, d.faixaX.second);
    plot->yAxis->setRange(d.faixaY.first, d.faixaY.second);
    plot->replot();
}

void permitirZoom(QCustomPlot *plot)
{
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->axisRect()->setRangeDrag(Qt::Horizontal);
    plot->axisRect()->setRangeZoom(Qt::Horizontal);
    QObject::connect(plot, &QCustomPlot::mouseDoubleClick, plot, [plot] {
        plot->xAxis->rescale();
        plot->replot();
    });
}

void desenharBandas(QCustomPlot *plot, const DadosBandas &d, const AparenciaGrafico &a)
{
    plot->clearPlottables();
    plot->setBackground(QBrush(a.fundo));
    auto *barras = new CustomBars(plot->xAxis, plot->yAxis);
    barras->setAntialiased(false);
    barras->setAntialiasedFill(false);
    barras->setStackingGap(1.0);
    barras->setPen(QPen(Qt::green));
    barras->setBrush(QBrush(Qt::green));
    barras->setValueTextFont(QFont(a.familia, a.pontosValores));
    barras->setValueTextSpacing(5.0);

    plot->xAxis->setTicker(ticker(d.chaves, d.rotulos));
    plot->xAxis->setTickLabelRotation(0);
    plot->xAxis->setSubTicks(false);
    plot->xAxis->setTickLength(0, 4);
    estiloDoEixo(plot->xAxis, a);
    plot->xAxis->setTickLabelFont(QFont(a.familia, a.pontosRotulosX));
    plot->xAxis->setTickPen(QPen(a.texto));
    plot->xAxis->setLabel(QObject::tr("Frequência [Hz]"));
    plot->xAxis->grid()->setVisible(false);

    plot->yAxis->setPadding(5);
    estiloDoEixo(plot->yAxis, a);
    plot->yAxis->setTickPen(QPen(a.texto));
    plot->yAxis->setLabel(QObject::tr("Vibração [dB]"));
    plot->yAxis->setLabelFont(QFont(a.familia, a.pontosLegenda));

    barras->setData(d.chaves, d.valores, true);
    barras->setWidth(0.4);
    plot->yAxis->setRange(d.faixaY.first, d.faixaY.second);
    plot->xAxis->setRange(d.faixaX.first, d.faixaX.second);
    plot->replot();
}

} // namespace Graficos
