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

// Sets `chave` to `valor` in a record file, or drops its line when `valor`
// is null; a key the file lacks is added at the end.
inline bool trocarCampo(const QString &caminho, const QByteArray &chave, const QByteArray &valor)
{
    QByteArray novo;
    bool achou = false;
    for (const QByteArray &linha : lerBytes(caminho).split('\n')) {
        if (linha.startsWith(chave + ';')) {
            achou = true;
            if (!valor.isNull())
                novo += chave + ';' + valor + ";\n";
        } else if (!linha.isEmpty()) {
            novo += linha + '\n';
        }
    }
    if (!achou && !valor.isNull())
        novo += chave + ';' + valor + ";\n";
    return escreverBytes(caminho, novo);
}

#ifdef Q_OS_UNIX
#include <QProcess>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
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

#ifdef Q_OS_UNIX
// A pipe where a file should be: nothing can be copied from it, not even
// by root, as if the instrument were pulled out in the middle of a copy.
inline bool criarFifo(const QString &caminho)
{
    return ::mkfifo(QFile::encodeName(caminho).constData(), 0600) == 0;
}

inline bool ehRoot()
{
    return ::geteuid() == 0;
}

// Makes a file or folder impossible to change while it lives, for root too
// (`chattr +i`; for other users, write permission taken away).
class Imutavel
{
public:
    explicit Imutavel(const QString &caminho) : caminho(caminho)
    {
        if (ehRoot())
            ok = QProcess::execute("chattr", {"+i", caminho}) == 0;
        else
            ok = QFile::setPermissions(caminho, QFile::permissions(caminho)
                                                    & ~(QFile::WriteOwner | QFile::WriteUser
                                                        | QFile::WriteGroup | QFile::WriteOther));
    }
    ~Imutavel()
    {
        if (ehRoot())
            QProcess::execute("chattr", {"-i", caminho});
        else
            QFile::setPermissions(caminho, QFile::permissions(caminho) | QFile::WriteOwner);
    }
    bool ok = false;

private:
    QString caminho;
};

// A small file system that the test fills to the last block: every write
// beyond what is on it fails with "No space left on device". Only root
// can mount it; `ok` is false otherwise.
class DiscoCheio
{
public:
    explicit DiscoCheio(const QString &ponto) : ponto(ponto)
    {
        QDir().mkpath(ponto);
        ok = ehRoot()
            && ::mount("tmpfs", QFile::encodeName(ponto).constData(), "tmpfs", 0, "size=512k") == 0;
    }
    ~DiscoCheio()
    {
        if (ok)
            ::umount2(QFile::encodeName(ponto).constData(), MNT_DETACH);
    }
    // Fills what is left but `deixar` bytes, once the files the test needs
    // are in place.
    void encher(qint64 deixar = 0)
    {
        QFile f(ponto + "/.enchimento");
        f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray bloco(4096, 'x');
        while (f.write(bloco) == bloco.size()) {
        }
        f.resize(qMax<qint64>(0, f.size() - deixar));
    }
    bool ok = false;

private:
    QString ponto;
};
#endif
