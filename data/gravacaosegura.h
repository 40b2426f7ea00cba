#pragma once

#include "data/desfecho.h"

#include <QCoreApplication>
#include <QPair>
#include <QSaveFile>
#include <QString>
#include <QVector>

#include <memory>

// Replaces a file so that it lands whole or not at all. The new content
// goes to a temporary file beside it, is flushed and synced, and only then
// renamed over the old one. A write that fails at any step (a full disk,
// a volume pulled out) leaves the old file as it was, and the reason is
// kept for the user.
//
// Qt's QSaveFile alone is not enough: its buffered data is written out only
// when it commits, and Qt 5 then renames the file although that last write
// failed, leaving an empty or cut file under the old name; and a write that
// the system cuts short (a disk with a little space left) is not an error
// to Qt. Here every byte meant is counted as written, or the save fails.
class GravacaoSegura
{
    Q_DECLARE_TR_FUNCTIONS(GravacaoSegura)

public:
    explicit GravacaoSegura(const QString &caminho);
    ~GravacaoSegura();

    // False when the path is a link (nothing is ever written through one)
    // or a folder, or the temporary file cannot be made.
    bool abrir();
    // Where the content goes, between abrir() and concluir().
    QIODevice *dispositivo();
    // Writes out and syncs the temporary file; false, the old file
    // untouched, when anything written failed.
    bool preparar();
    // Renames the prepared file over the old one.
    bool publicar();
    // Both.
    bool concluir() { return preparar() && publicar(); }
    // The path and the system's reason for the failure: "PATH: reason".
    QString erro() const { return mensagem; }

    // The whole of `bytes` as the new content of `caminho`; failed with
    // "PATH: reason" when it was not written.
    static Desfecho gravar(const QString &caminho, const QByteArray &bytes);
    // Several files together: none is replaced unless every one could be
    // written out first.
    static Desfecho gravarTodos(const QVector<QPair<QString, QByteArray>> &arquivos);
    // "PATH: reason", as every failed save reports it.
    static QString falha(const QString &caminho, const QString &motivo);
    // Renames a file or folder, never over something already there; false,
    // with "PATH: reason", when it was not renamed.
    static bool renomear(const QString &de, const QString &para, QString *erro);
    // Creates the folder and the parents it lacks; an existing one is left
    // as it is. Failed with "PATH: reason" of the level that could not be
    // made.
    static Desfecho criarPasta(const QString &pasta);
    // One folder level, its parent already there (an existing folder is
    // fine); failed with "PATH: reason" (no space, no inodes left, no
    // permission, a file of that name).
    static Desfecho criarNivel(const QString &pasta);

    // Writes all `n` bytes to an open file, again after a short write, so
    // that a full disk shows as the file's error; false when not all went.
    static bool escreverTudo(QIODevice &arquivo, const char *dados, qint64 n);

    // While one lives on a thread, the saves of that thread are not synced
    // one by one: they go into a folder that is synced whole, once, before
    // it is published (a copy of a measurement).
    class SincroniaAdiada
    {
    public:
        SincroniaAdiada();
        ~SincroniaAdiada();
        SincroniaAdiada(const SincroniaAdiada &) = delete;
        SincroniaAdiada &operator=(const SincroniaAdiada &) = delete;
    };
    // Makes everything written in the file system of `pasta` durable, with
    // the system's reason ("PATH: reason") when it cannot.
    static bool sincronizar(const QString &pasta, QString *erro);

private:
    class Saida;

    bool falhou(const QString &motivo);

    QSaveFile arquivo;
    std::unique_ptr<Saida> saida;
    const QString caminho;
    QString mensagem;
};
