#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// A PDF written in parts, each on its own thread, made one document: the
// pages of every part in order, their contents copied as they are (no
// stream is decoded or compressed again).
namespace JuncaoPdf {

// False, with the reason in `erro`, when a part is not a PDF or the result
// cannot be written to `destino`.
bool juntar(const QVector<QByteArray> &partes, QIODevice *destino, QString *erro = nullptr);

} // namespace JuncaoPdf
