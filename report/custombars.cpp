#include "report/custombars.h"

#include "data/rastro.h"

#include <QApplication>

CustomBars::CustomBars(QCPAxis *keyAxis, QCPAxis *valueAxis)
    : QCPBars(keyAxis, valueAxis)
    , fonteTexto(QApplication::font().family(), 12)
{
}

QRectF CustomBars::retanguloDoRotulo(const QRectF &barra, const QRectF &texto) const
{
    QRectF r = texto;
    if (mKeyAxis->orientation() == Qt::Horizontal) {
        r.setWidth(barra.width());
        r.moveLeft(barra.left());
        if (mKeyAxis->axisType() == QCPAxis::atTop)
            r.moveTop(barra.bottom() + espacamento);
        else
            r.moveBottom(barra.top() - espacamento);
    } else {
        r.setHeight(barra.height());
        r.moveTop(barra.top());
        if (mKeyAxis->axisType() == QCPAxis::atLeft)
            r.moveLeft(barra.right() + espacamento);
        else
            r.moveRight(barra.left() - espacamento);
    }
    return r;
}

void CustomBars::draw(QCPPainter *painter)
{
    if (!mKeyAxis || !mValueAxis) {
        qCDebug(rastro) << Q_FUNC_INFO << "invalid key or value axis";
        return;
    }
    if (mDataContainer->isEmpty())
        return;

    QCPBarsDataContainer::const_iterator inicioVisivel, fimVisivel;
    getVisibleDataBounds(inicioVisivel, fimVisivel);
    QList<QCPDataRange> selecionados, naoSelecionados;
    getDataSegments(selecionados, naoSelecionados);
    const QList<QCPDataRange> segmentos = naoSelecionados + selecionados;
    for (int i = 0; i < segmentos.size(); ++i) {
        const bool selecionado = i >= naoSelecionados.size();
        auto inicio = inicioVisivel;
        auto fim = fimVisivel;
        mDataContainer->limitIteratorsToDataRange(inicio, fim, segmentos.at(i));
        for (auto it = inicio; it != fim; ++it) {
            if (selecionado && mSelectionDecorator) {
                mSelectionDecorator->applyPen(painter);
                mSelectionDecorator->applyBrush(painter);
            } else {
                painter->setPen(mPen);
                painter->setBrush(mBrush);
            }
            applyDefaultAntialiasingHint(painter);
            const QRectF barra = getBarRect(it->key, it->value);
            painter->drawPolygon(barra);

            const QString texto = QString::number(it->value, 'g', 6);
            painter->setFont(fonteTexto);
            const int bandeiras = alinhamentoTexto | Qt::TextDontClip;
            const QRectF medida = painter->fontMetrics().boundingRect(
                QRect(0, 0, 0, 0), bandeiras, texto);
            painter->drawText(retanguloDoRotulo(barra, medida), bandeiras, texto);
        }
    }
    if (mSelectionDecorator)
        mSelectionDecorator->drawDecoration(painter, selection());
}
