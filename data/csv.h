#pragma once

#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them: a header row, fields
// separated by ",", records ended by CR LF, a field quoted (its quotes
// doubled) when it holds a comma, a quote or a line break.
namespace Csv {

QString campo(const QString &texto);
QString linha(const QStringList &campos);

// The sample table of a component (its path without ".head"), header row
// first; false when the component file does not exist.
bool tabelaComponente(const QString &base, QString *csv);

} // namespace Csv
