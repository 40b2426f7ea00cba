#pragma once

#include "report/juncaopdf.h"

#include <QByteArray>
#include <QPointF>
#include <QRawFont>
#include <QTemporaryFile>
#include <QVector>

#include <array>

class QFont;
class QPaintDevice;

// The cells of the sample tables, written as PDF text by us instead of by
// Qt's PDF engine, which writes and compresses every glyph on its own: a
// 10-day recording has millions of cells. The cells of each page become
// one compressed content stream, kept in a temporary file until the parts
// of the report are joined, and are drawn with a TrueType font of which
// only the glyphs of numbers and times are embedded.
class CelulasPdf
{
public:
    // The font `letra` as the PDF device `dispositivo` sets it. Not usable (see
    // `valida`) when the font is not TrueType or lacks one of the glyphs.
    CelulasPdf(const QFont &letra, QPaintDevice *dispositivo, double alturaPagina);

    bool valida() const { return temFonte; }
    // Whether `texto` can be written here: only characters of numbers and
    // times are.
    bool aceita(const QString &texto) const;
    // `texto` on its baseline at `base`, in points from the top-left corner.
    void escrever(const QPointF &base, const QString &texto);
    // Ends the page `pagina` (counted from 0); false, with `erro`, when its
    // cells could not be kept.
    bool fecharPagina(int pagina, QString *erro);

    // The font, and the stream of each page that has cells, as the joined
    // document takes them.
    const JuncaoPdf::Fonte &fonte() const { return objetosFonte; }
    bool conteudo(int pagina, QByteArray *fluxo, QString *erro);

private:
    JuncaoPdf::Fonte montarFonte() const;

    struct Glifo {
        quint16 indice = 0;
        double avanco = 0;
        bool conhecido = false;
    };
    QRawFont raw;
    JuncaoPdf::Fonte objetosFonte;
    std::array<Glifo, 128> glifos{}; // by character code, ASCII only
    bool temFonte = false;
    double altura;
    QByteArray pagina;       // the page's text not yet compressed
    QPointF anterior;        // where the page's last cell was written, from the bottom
    QTemporaryFile guardado; // every page's stream, one after another
    QVector<QPair<qint64, int>> onde; // by page: where its stream is and how long
};
