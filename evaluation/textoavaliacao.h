#pragma once

#include "evaluation/avaliacaoexposicao.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QPair>
#include <QString>
#include <QVector>

// The assessment as the command-line tool writes it: a JSON object for
// evaluate and list, flat columns for the CSV of a store. Numbers are in
// m/s² or m/s^1.75, points, and hours; a time that is never reached is
// "never", one that cannot be computed is null (empty in CSV) with the
// reason beside it.
namespace TextoAvaliacao {

using Campos = QVector<QPair<QString, QJsonValue>>;

QJsonObject json(const AvaliacaoExposicao &a);
// A band as the JSON names it: "acceptable", "action_level", ...
QString faixa(AvaliacaoExposicao::Faixa f);
// The CSV columns, in a fixed order; a body part without results leaves
// its columns empty.
Campos colunas(const AvaliacaoExposicao &a);
QString textoCsv(const QJsonValue &v);

} // namespace TextoAvaliacao
