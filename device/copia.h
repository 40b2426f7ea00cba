#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QStringList>

#include <functional>

// Copying measurement folders.
namespace Copia {

// What a copy tells besides its outcome.
struct Relato {
    // Links met in the source: they are never followed, deleted or
    // copied, so they are missing from the copy ("PATH" of each).
    QStringList links;
    // "PATH: reason" of what could not be copied.
    QString erro;
};

// Copies the folder's files and sub-folders into `para`, creating it (one
// level). With `substituir`, files already in `para` are replaced;
// without, they are left as they are. Links and the temporary files an
// interrupted save leaves beside a file ("NAME.XXXXXX") are left out; the
// copies are writable by their owner. False at the first folder or file
// that cannot be made, and at the first that is there but cannot be read
// (or whose name this system cannot spell): nothing is taken for empty.
bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir,
                        Relato *relato = nullptr);

// What is done to the copy before it is published (an evaluation, a
// stamp), in its hidden folder under the name it will have; false, with
// "PATH: reason" in `erro`, keeps it from being published.
using Preparo = std::function<bool(const QString &copia, QString *erro)>;

// Copies `origem` as the folder `destino` without ever leaving a half copy
// there (refused when `destino` is a link, for what it leads to is not
// ours; failed, `destino` as it was, with the reason also in `relato`): the copy is made and prepared in a hidden folder of its own
// beside `destino`, whose name nobody can foresee, and renamed to
// `destino` only once complete. `destino` then holds exactly what was
// copied, an older folder of that name being replaced whole. On failure
// `destino` is as it was and nothing else remains; a `destino` that
// another copy published meanwhile is not replaced. Hidden folders that
// copies killed midway left beside `destino` are removed, once older than
// any copy still running could be.
Desfecho copiarInteiro(const QString &origem, const QString &destino, Relato *relato = nullptr,
                       const Preparo &preparar = {});

// Removes a folder with everything in it, never what a link leads to: a
// link, at the top or inside, is removed itself.
bool removerPasta(const QString &pasta);

} // namespace Copia
