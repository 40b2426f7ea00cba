#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QStringList>
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
    // A file of a store's "Grupos" folder.
    static bool ehArquivoDeGrupo(const QString &caminho);
    // The groups of the store that hold the jornada `jornada`.
    static QStringList gruposCom(const QString &raizArmazem, const QString &jornada);
    // A jornada renamed: the groups that held it hold it under its new name.
    static Desfecho renomearJornada(const QString &raizArmazem, const QString &antigo, const QString &novo);
    static QString arquivo(const QString &raizArmazem, const QString &nome);
    // False, with "PATH: reason" (or empty when there is no file).
    static bool ler(const QString &arquivo, Grupo *g, QString *erro = nullptr);
    Desfecho gravar(const QString &arquivo) const;
};
