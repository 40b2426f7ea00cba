#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QVector>

// A worker's day composed of tasks of stored measurements, each with this
// day's repetitions and time per repetition: "Jornadas/NOME.id" in the
// store, a record file of `trabalhador`, `funcao`, `setor` and `data`
// lines and one line per task, `tarefa;MEDIDA/TAREFA/PARTE;REPETIÇÕES;TEMPO_MÉDIO;`
// (PARTE "corpo" or "mao", the time hh:mm:ss; either left empty: the
// task's own).
struct Jornada {
    struct Tarefa {
        QString referencia; // MEDIDA/TAREFA/PARTE
        QString repeticoes;
        QString tempoMedio;
    };

    QString nome; // the file's name without ".id"
    QString trabalhador;
    QString funcao;
    QString setor;
    QString data; // dd/MM/yyyy
    QVector<Tarefa> tarefas;

    static QString pasta(const QString &raizArmazem);
    static QString arquivo(const QString &raizArmazem, const QString &nome);
    // A file of a store's "Jornadas" folder.
    static bool ehArquivoDeJornada(const QString &caminho);
    // The store a jornada or group file belongs to: two folders up.
    static QString armazemDe(const QString &arquivo);
    // False, with "PATH: reason" (or empty when there is no file).
    static bool ler(const QString &arquivo, Jornada *j, QString *erro = nullptr);
    Desfecho gravar(const QString &arquivo) const;
};
