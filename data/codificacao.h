#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;

// Text encoding of record files and of the two settings files.
//
// The instrument and the Windows program store text in the PC's 8-bit code
// page. On a host whose locale codec is an 8-bit code page that codec is
// used; elsewhere (UTF-8 Linux) the files are read and written as
// Windows-1252, so that every byte of a field nobody changed survives a
// read-and-save cycle. The five byte values that Windows-1252 leaves
// undefined map to the C1 control characters and back, so even they
// survive.
namespace Codificacao {

QString decodificar(const char *dados, int tamanho);
QString decodificar(const QByteArray &dados);
QByteArray codificar(const QString &texto);

// True when the codec maps each of the 256 byte values to one character
// and back to the same byte.
bool ehOitoBits(QTextCodec *codec);

} // namespace Codificacao
