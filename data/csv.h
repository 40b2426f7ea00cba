#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them: a header row, fields
// separated by ",", records ended by CR LF, a field quoted (its quotes
// doubled) when it holds a comma, a quote or a line break.
namespace Csv {

QString campo(const QString &texto);
QString linha(const QStringList &campos);

enum class Tabela { Escrita, SemComponente, FalhaGravacao, FalhaLeitura };

// Writes the sample table of a component (its path without ".head") to
// `saida` in UTF-8, header row first, as it reads it: row by row, in a
// fixed amount of memory whatever the recording's length. A data file
// that is there but cannot be read whole gives FalhaLeitura, with "PATH:
// reason" in `erro`.
Tabela escreverTabelaComponente(const QString &base, QIODevice *saida, QString *erro = nullptr);

} // namespace Csv
