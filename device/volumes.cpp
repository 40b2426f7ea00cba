#include "device/volumes.h"

#include <QDir>
#include <QStorageInfo>

QList<Volume> FonteVolumesSistema::volumes() const
{
    QList<Volume> lista;
    const QString simulado = qEnvironmentVariable("KT9400_VOLUME");
    if (!simulado.isEmpty()) {
        const bool existe = QDir(simulado).exists();
        lista.append({QStringLiteral("KT9400"), QDir(simulado).absolutePath(), existe, existe,
                      false});
    }
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes())
        lista.append({s.name(), s.rootPath(), s.isValid(), s.isReady(), s.isReadOnly()});
    return lista;
}
