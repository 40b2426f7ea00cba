#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QVector>

class AcessarArquivo;
class QTextStream;

// The stored values the command-line tool prints, in a fixed order, as
// key=value lines or as JSON.
using Valores = QVector<QPair<QString, QString>>;

namespace RelatorioTexto {

Valores resultadosExposicao(const AcessarArquivo &a);
// What list and csv show of a measurement of the store: its folder, name,
// date and stored results; the keys alone for an empty folder name.
Valores valoresDaMedida(const QString &pasta);
Valores resultadosParcial(const AcessarArquivo &a);

QJsonObject json(const Valores &valores);
// key=value lines, each key behind the prefix.
void escrever(QTextStream &saida, const Valores &valores, const QString &prefixo = QString());

} // namespace RelatorioTexto
