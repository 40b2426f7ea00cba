#pragma once

#include "evaluation/tabelasavaliacao.h"

#include <QVector>

class QStandardItemModel;

// The viewer's "Avaliação" tab: a table of the assessment's texts in an
// item model, each band or status cell on its colour (green, amber, orange
// for the uncertainty region, red; grey where nothing was computed).
namespace TabelaAvaliacao {

// The header role that marks a column whose texts may wrap (names,
// statuses, sentences); figures never do.
constexpr int papelQuebravel = Qt::UserRole + 2;

// Fills `modelo`, headers included; the notes are the table's own.
void preencher(QStandardItemModel *modelo, const TabelasAvaliacao::Tabela &tabela);

// Column widths for `disponivel` pixels: each column its preferred width
// where they all fit, the spare width to the first; otherwise the columns
// that may wrap give up width in proportion to what they can give, down
// to their minimum (their longest word, their header), and no further.
QVector<int> larguras(int disponivel, const QVector<int> &preferidas, const QVector<int> &minimas);

} // namespace TabelaAvaliacao
