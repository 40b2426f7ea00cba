#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Raw file access for the tests: what is on disk, byte for byte.
inline bool escreverBytes(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray lerBytes(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
