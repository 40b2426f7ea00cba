#pragma once

#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

// Replaces a file so that it lands whole or not at all. The new content
// goes to a temporary file beside it, is flushed and synced, and only then
// renamed over the old one. A write that fails at any step (a full disk,
// a volume pulled out) leaves the old file as it was, and the reason is
// kept for the user.
//
// Qt's QSaveFile alone is not enough: its buffered data is written out only
// when it commits, and Qt 5 then renames the file although that last write
// failed, leaving an empty or cut file under the old name.
class GravacaoSegura
{
    Q_DECLARE_TR_FUNCTIONS(GravacaoSegura)

public:
    explicit GravacaoSegura(const QString &caminho);

    // False when the path is a link (nothing is ever written through one)
    // or a folder, or the temporary file cannot be made.
    bool abrir();
    // Where the content goes, between abrir() and concluir().
    QIODevice *dispositivo() { return &arquivo; }
    // Writes out, syncs and renames; false, the old file untouched, when
    // anything written failed.
    bool concluir();
    // The path and the system's reason for the failure: "PATH: reason".
    QString erro() const { return mensagem; }

    // The whole of `bytes` as the new content of `caminho`.
    static bool gravar(const QString &caminho, const QByteArray &bytes, QString *erro = nullptr);
    // "PATH: reason", as every failed save reports it.
    static QString falha(const QString &caminho, const QString &motivo);

private:
    bool falhou(const QString &motivo);

    QSaveFile arquivo;
    const QString caminho;
    QString mensagem;
};
