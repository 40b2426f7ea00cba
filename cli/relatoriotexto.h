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
Valores resultadosParcial(const AcessarArquivo &a);

QJsonObject json(const Valores &valores);
// key=value lines, each key behind the prefix.
void escrever(QTextStream &saida, const Valores &valores, const QString &prefixo = QString());

} // namespace RelatorioTexto
