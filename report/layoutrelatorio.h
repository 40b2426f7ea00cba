#pragma once

#include "evaluation/tabelasavaliacao.h"
#include "report/paginacao.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <functional>
#include <limits>

// Where everything of the PDF report goes, in points from the top-left
// corner of an A4 page (595 x 842), worked out without painting: the
// layout walks the measurement's files and tells a DestinoRelatorio what
// to draw, page after page, so that no page is held once it is done.

enum class FonteRelatorio {
    Titulo,          // Arial 10 italic
    Normal,          // Arial 12
    Secao,           // Arial 12 bold
    CabecalhoTabela, // Arial 8 bold
    CelulaTabela,    // Arial 8
};

class DestinoRelatorio
{
public:
    virtual ~DestinoRelatorio() = default;
    // Ends the page drawn so far and starts the next one.
    virtual void novaPagina() = 0;
    // With `largura` above 0, a text that would be wider is drawn smaller
    // (a label must not run into its value).
    virtual void texto(const QPointF &base, FonteRelatorio fonte, const QString &texto,
                       double largura = 0) = 0;
    virtual void linha(const QPointF &de, const QPointF &ate) = 0;
    // A band or status cell: `texto` centred on the ground of its colour,
    // as the viewer's Avaliação tab shows it.
    virtual void celulaColorida(const QRectF &onde, TabelasAvaliacao::Cor cor, const QString &texto) = 0;
    virtual void logotipo(const QRectF &onde) = 0;
    // The charts of the component `base` (its path without ".head").
    virtual void graficoLinhas(const QString &base, const QPointF &canto) = 0;
    virtual void graficoBandas(const QString &base, const QPointF &canto) = 0;
};

namespace LayoutRelatorio {

// An observation line longer than this is broken at a blank, so that it
// stays on the paper.
constexpr int caracteresPorLinhaObservacao = 80;

// Called before each component's pages with the components done and
// their total; false stops the report there.
using Progresso = std::function<bool(int feitos, int total)>;

// The components whose pages the report draws (with their charts), in its
// order: the whole body's, then the hand-arm's.
QStringList componentesDoRelatorio(const QString &pastaExposicao);

// The report of an exposure folder, whole or only its pages [de, ate)
// (counted from 0 in the order they are drawn); false when `progresso`
// stopped it, or with `erro` ("PATH: reason") when a data file could not
// be read whole while its rows were drawn.
bool compor(const QString &pastaExposicao, DestinoRelatorio &destino, QString *erro = nullptr,
            const Progresso &progresso = {}, int de = 0, int ate = std::numeric_limits<int>::max());
// How many pages the report has, worked out without drawing, and which of
// them (from 0) hold a component's charts.
int contarPaginas(const QString &pastaExposicao, QVector<int> *comGraficos = nullptr);

} // namespace LayoutRelatorio
