#pragma once

#include "evaluation/tabelasavaliacao.h"

class QStandardItemModel;

// The viewer's "Avaliação" tab: a table of the assessment's texts in an
// item model, each band or status cell on its colour (green, amber, orange
// for the uncertainty region, red; grey where nothing was computed).
namespace TabelaAvaliacao {

// Fills `modelo`, headers included; the notes are the table's own.
void preencher(QStandardItemModel *modelo, const TabelasAvaliacao::Tabela &tabela);

} // namespace TabelaAvaliacao
