#pragma once

#include "evaluation/tabelasavaliacao.h"

#include <QColor>

// The colours of the assessment's band and status cells, the same on the
// screen and on paper: green, amber, orange for the uncertainty region,
// red; grey where nothing was computed.
namespace CoresAvaliacao {

QColor fundo(TabelasAvaliacao::Cor cor);
// White on every ground but amber, where it reads poorly.
QColor texto(TabelasAvaliacao::Cor cor);

} // namespace CoresAvaliacao
