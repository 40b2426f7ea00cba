#pragma once

#include <qcustomplot.h>

// Bars that write each bar's value above it (beside it, on a vertical key
// axis), in the general format with six significant digits.
class CustomBars : public QCPBars
{
    Q_OBJECT

public:
    CustomBars(QCPAxis *keyAxis, QCPAxis *valueAxis);

    void setValueTextAlignment(int alinhamento) { alinhamentoTexto = alinhamento; }
    void setValueTextSpacing(double espaco) { espacamento = espaco; }
    void setValueTextFont(const QFont &fonte) { fonteTexto = fonte; }

protected:
    void draw(QCPPainter *painter) override;

private:
    // Where a bar's value label goes, outside the end of the bar.
    QRectF retanguloDoRotulo(const QRectF &barra, const QRectF &texto) const;

    int alinhamentoTexto = Qt::AlignCenter;
    double espacamento = 5.0;
    QFont fonteTexto;
};
