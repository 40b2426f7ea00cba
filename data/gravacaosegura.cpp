#include "data/gravacaosegura.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

GravacaoSegura::GravacaoSegura(const QString &caminho)
    : arquivo(caminho)
    , caminho(caminho)
{
}

QString GravacaoSegura::falha(const QString &caminho, const QString &motivo)
{
    return QDir::toNativeSeparators(caminho) + QStringLiteral(": ") + motivo;
}

bool GravacaoSegura::falhou(const QString &motivo)
{
    mensagem = falha(caminho, motivo);
    if (arquivo.isOpen())
        arquivo.cancelWriting();
    return false;
}

bool GravacaoSegura::abrir()
{
    const QFileInfo info(caminho);
    if (info.isSymLink())
        return falhou(tr("é um link; nada é gravado através de links"));
    if (info.isDir())
        return falhou(tr("é uma pasta"));
    if (!arquivo.open(QIODevice::WriteOnly))
        return falhou(arquivo.errorString());
    return true;
}

bool GravacaoSegura::concluir()
{
    if (!arquivo.isOpen())
        return false;
    if (arquivo.error() != QFileDevice::NoError || !arquivo.flush())
        return falhou(arquivo.errorString());
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data reach it.
    if (::fsync(arquivo.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return falhou(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    if (!arquivo.commit()) {
        mensagem = falha(caminho, arquivo.errorString());
        return false;
    }
    return true;
}

bool GravacaoSegura::gravar(const QString &caminho, const QByteArray &bytes, QString *erro)
{
    GravacaoSegura g(caminho);
    bool ok = g.abrir();
    if (ok) {
        g.dispositivo()->write(bytes); // a failure stays on the file, and concluir() sees it
        ok = g.concluir();
    }
    if (!ok && erro)
        *erro = g.erro();
    return ok;
}
