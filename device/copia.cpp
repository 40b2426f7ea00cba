#include "device/copia.h"

#include <QDir>
#include <QFileInfo>

namespace Copia {

bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir)
{
    const QDir origem(de);
    QDir alvo(para);
    if (!alvo.exists() && !alvo.mkdir(alvo.absolutePath()))
        return false;
    const QFileInfoList entradas = origem.entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &e : entradas) {
        const QString destino = alvo.filePath(e.fileName());
        if (e.isDir()) {
            if (e.isSymLink()) // a link may lead out of the measurement, or round in a loop
                continue;
            if (!copyDirectoryFiles(e.filePath(), destino, substituir))
                return false;
            continue;
        }
        if (substituir && QFileInfo::exists(destino))
            QFile::remove(destino);
        if (QFileInfo::exists(destino))
            continue;
        if (!QFile::copy(e.filePath(), destino))
            return false;
    }
    return true;
}

bool copiarInteiro(const QString &origem, const QString &destino, bool substituir, Base base)
{
    if (!QFileInfo(origem).isDir())
        return false;
    const QFileInfo info(destino);
    const QString pai = info.absolutePath();
    const QString nome = info.fileName();
    const QString temporaria = pai + QStringLiteral("/.copiando-") + nome;
    const QString antiga = pai + QStringLiteral("/.antiga-") + nome;
    QDir(temporaria).removeRecursively();
    QDir(antiga).removeRecursively();

    const bool existe = info.isDir();
    bool ok = true;
    if (existe && base == Base::CopiaAntiga)
        ok = copyDirectoryFiles(destino, temporaria, true);
    ok = ok && copyDirectoryFiles(origem, temporaria, substituir);
    if (!ok) {
        QDir(temporaria).removeRecursively();
        return false;
    }
    QDir dir(pai);
    if (existe && !dir.rename(nome, QFileInfo(antiga).fileName())) {
        QDir(temporaria).removeRecursively();
        return false;
    }
    if (!dir.rename(QFileInfo(temporaria).fileName(), nome)) {
        if (existe)
            dir.rename(QFileInfo(antiga).fileName(), nome);
        QDir(temporaria).removeRecursively();
        return false;
    }
    QDir(antiga).removeRecursively();
    return true;
}

} // namespace Copia
