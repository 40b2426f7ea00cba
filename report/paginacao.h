#pragma once

#include <QPointF>
#include <QVector>

// Where the report's sample-table rows go on the paper, and where a report
// drawn in parts is cut: plain arithmetic.
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

// A page with a component's two charts weighs this many table pages where
// the parts are cut (measured with the charts drawn as vectors: about 4 ms
// against 3.3 ms for a full table page).
constexpr int pesoDosGraficos = 2;

// Where `partes` parts of a report of `total` pages start so that each has
// about the same work, the chart pages weighing `pesoDosGraficos`: the
// first part starts at 0, the last ends at `total` (the last value).
QVector<int> cortes(int total, const QVector<int> &comGraficos, int partes);

} // namespace LayoutRelatorio
