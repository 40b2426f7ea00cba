#pragma once

#include <QString>
#include <QStringList>

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
// that cannot be made.
bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir,
                        Relato *relato = nullptr);

// Where a measurement is put together before it replaces its old copy.
enum class Base {
    Vazia,       // the new copy holds only what is copied
    CopiaAntiga, // the new copy starts from the old one's files
};

enum class Resultado {
    Copiada,
    DestinoEhLink, // refused: `destino` is a link, and what it leads to is not ours
    Falhou,        // `destino` is as it was
};

// Copies `origem` as the folder `destino` without ever leaving a half
// copy there: the copy is made in a hidden folder beside `destino` and
// renamed over it only once complete; on failure `destino` is as it was
// and nothing else remains.
Resultado copiarInteiro(const QString &origem, const QString &destino, bool substituir, Base base,
                        Relato *relato = nullptr);

// Removes a folder with everything in it, never what a link leads to: a
// link, at the top or inside, is removed itself.
bool removerPasta(const QString &pasta);

} // namespace Copia
