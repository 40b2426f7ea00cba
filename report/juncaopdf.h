#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// A PDF written in parts, each on its own thread, made one document: the
// pages of every part in order, their contents copied as they are (no
// stream is decoded or compressed again).
namespace JuncaoPdf {

// The PDF files `partes` as one document; false, with the reason in `erro`,
// when a part is not a whole PDF or the result cannot be written to
// `destino`.
bool juntar(const QStringList &partes, QIODevice *destino, QString *erro = nullptr);

} // namespace JuncaoPdf
