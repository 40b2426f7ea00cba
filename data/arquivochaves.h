#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A record file of the program's own (the laudo's data, the technicians'
// registrations, the calibration register): `key;value;` lines, and lines
// of several values, `key;value;value;…;`, in the record code page. A
// value may hold any text: "%", ";" and line breaks are written as "%25",
// "%3B", "%0A" and "%0D", so that it comes back as it was typed.
class ArquivoChaves
{
public:
    struct Linha {
        QString chave;
        QStringList valores;
    };

    // False when nothing readable is at `caminho` (with `erro` "PATH:
    // reason" when something unreadable is there).
    bool ler(const QString &caminho, QString *erro = nullptr);
    // Creates or replaces the file whole.
    Desfecho gravar(const QString &caminho) const;

    // The first value of the last line with `chave`; empty when none.
    QString valor(const QString &chave) const;
    // Sets the single line of `chave` (the first, others removed), or adds it.
    void definir(const QString &chave, const QString &valor);
    // The values of every line with `chave`, in file order.
    QVector<QStringList> todas(const QString &chave) const;
    void remover(const QString &chave);
    void acrescentar(const QString &chave, const QStringList &valores) { linhas.append({chave, valores}); }

    QVector<Linha> linhas;
};
