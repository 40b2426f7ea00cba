#pragma once

#include <QString>

// Copying measurement folders.
namespace Copia {

// Copies the folder's files and sub-folders into `para`, creating it (one
// level). With `substituir`, files already in `para` are replaced;
// without, they are left as they are. False at the first folder or file
// that cannot be made.
bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir);

// Where a measurement is put together before it replaces its old copy.
enum class Base {
    Vazia,       // the new copy holds only what is copied
    CopiaAntiga, // the new copy starts from the old one's files
};

// Copies `origem` as the folder `destino` without ever leaving a half
// copy there: the copy is made in a hidden folder beside `destino` and
// renamed over it only once complete; on failure `destino` is as it was
// and nothing else remains.
bool copiarInteiro(const QString &origem, const QString &destino, bool substituir, Base base);

} // namespace Copia
