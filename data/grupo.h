#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QVector>

// A similar-exposure group (GES): "Grupos/NOME.id" in the store, a record
// file of a `descricao` line and one line per member, `jornada;NOME;` (a
// file of "Jornadas" without its extension) or `medida;MEDIDA;` (a
// measurement's folder name).
struct Grupo {
    struct Membro {
        bool jornada = false;
        QString nome;
    };

    QString nome; // the file's name without ".id"
    QString descricao;
    QVector<Membro> membros;

    static QString pasta(const QString &raizArmazem);
    static QString arquivo(const QString &raizArmazem, const QString &nome);
    // False, with "PATH: reason" (or empty when there is no file).
    static bool ler(const QString &arquivo, Grupo *g, QString *erro = nullptr);
    Desfecho gravar(const QString &arquivo) const;
};
