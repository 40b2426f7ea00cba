#pragma once

#include "evaluation/tabelasavaliacao.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <functional>
#include <limits>

class AcessarArquivo;

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
    // The charts of the component `base` (its path without ".head"), whose
    // files were just read into `componente`.
    virtual void graficoLinhas(const QString &base, const AcessarArquivo &componente, const QPointF &canto) = 0;
    virtual void graficoBandas(const QString &base, const AcessarArquivo &componente, const QPointF &canto) = 0;
};

namespace LayoutRelatorio {

// Rows of one half (whole body) or one block (hand-arm) of a sample-table
// page: from y 184 down in steps of 12 while the row stays above y 819.
constexpr int linhasPorBloco = 53;
constexpr int linhasPorPaginaCorpo = 2 * linhasPorBloco;
constexpr int linhasPorPaginaMao = 4 * linhasPorBloco;
constexpr int blocosPorPaginaResumo = 4;

// Sample-table pages of a component with `amostras` rows (at least one).
int paginasDeTabela(int amostras, bool corpo);
// Where row `linha` (from 0) of a component's table goes on its page, and
// the page (from 0) it goes on; `coluna` counts the printed columns.
QPointF celula(int linha, int coluna, bool corpo);
int paginaDaLinha(int linha, bool corpo);

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
// stopped it.
bool compor(const QString &pastaExposicao, DestinoRelatorio &destino, const Progresso &progresso = {}, int de = 0,
            int ate = std::numeric_limits<int>::max());
// How many pages the report has, worked out without drawing, and which of
// them (from 0) hold a component's charts.
int contarPaginas(const QString &pastaExposicao, QVector<int> *comGraficos = nullptr);

// A page with a component's two charts takes about as long to draw and
// compress as this many table pages: the charts are pictures of 1590 x 540
// pixels (seen on a report of 86,400 samples).
constexpr int pesoDosGraficos = 300;

// Where `partes` parts of a report of `total` pages start so that each has
// about the same work, the chart pages weighing `pesoDosGraficos`: the
// first part starts at 0, the last ends at `total` (the last value).
QVector<int> cortes(int total, const QVector<int> &comGraficos, int partes);

} // namespace LayoutRelatorio
