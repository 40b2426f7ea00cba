#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QIODevice;

// The rows of a register of measurements, one per measurement: its folder,
// name, date, stored results and assessment, the fields of
// `kt9400-cli csv STORE`.
namespace Planilha {

QStringList cabecalho();
QStringList linha(const QString &pastaMedida);

// The rows of `medidas` as a spreadsheet opens them in the interface
// language: UTF-8 with a byte-order mark, CR LF, the list separator of
// `local` (";" where the decimal separator is a comma) and its decimal
// separator in every number. False with the device's reason.
bool escrever(const QStringList &medidas, const QLocale &local, QIODevice *saida, QString *erro = nullptr);

} // namespace Planilha
