#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QIODevice;

// A PDF written in parts, each on its own thread, made one document: the
// pages of every part in order, their contents copied as they are (no
// stream is decoded or compressed again).
namespace JuncaoPdf {

// An object written as it is given: a dictionary's entries, and a
// stream's compressed bytes when there is one. A reference "k 0 R" in the
// dictionary names the k-th object of its list, counted from 1.
struct Objeto {
    QByteArray dicionario;
    QByteArray fluxo;
};

// A font the pages draw with besides their own, as `/nome` in their
// resources; its first object is the font dictionary.
struct Fonte {
    QByteArray nome;
    QVector<Objeto> objetos;
};

// What some pages get beside their own content: one more content stream
// (compressed), drawn before it, with `fonte`. `conteudo` gives the stream
// of page `pagina` (from 0) of part `parte`, empty for none; false, with
// the reason, when it cannot.
struct Acrescimo {
    Fonte fonte;
    std::function<bool(int parte, int pagina, QByteArray *fluxo, QString *erro)> conteudo;
};

// The PDF files `partes` as one document; false, with the reason in `erro`,
// when a part is not a whole PDF or the result cannot be written to
// `destino`.
bool juntar(const QStringList &partes, QIODevice *destino, QString *erro = nullptr,
            const Acrescimo &acrescimo = {});

} // namespace JuncaoPdf
