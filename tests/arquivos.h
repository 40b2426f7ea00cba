#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

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

#ifdef Q_OS_UNIX
#include <utime.h>
#endif

// Sets a folder's modification time.
inline bool datarPasta(const QString &pasta, const QDateTime &quando)
{
#ifdef Q_OS_UNIX
    const utimbuf t{time_t(quando.toSecsSinceEpoch()), time_t(quando.toSecsSinceEpoch())};
    return utime(QFile::encodeName(pasta).constData(), &t) == 0;
#else
    Q_UNUSED(pasta);
    Q_UNUSED(quando);
    return false;
#endif
}

// A temporary folder that makes files of given bytes.
class PastaTeste : public QTemporaryDir
{
public:
    QString arquivo(const QString &nome, const QByteArray &conteudo)
    {
        const QString caminho = filePath(nome);
        escreverBytes(caminho, conteudo);
        return caminho;
    }
};
