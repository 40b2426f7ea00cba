#pragma once

#include <QString>
#include <QVector>

// Every task of the store's measurements, as the task picker of a
// jornada lists them: one row per task folder and body part that holds its
// partial-exposure file, newest measurement first.
namespace CatalogoTarefas {

struct Linha {
    QString referencia; // MEDIDA/TAREFA/PARTE, as a jornada names it
    QString medida;     // the measurement's folder name
    QString trabalhador;
    QString empresa;    // the evaluated company
    QString setor;
    QString data;       // as the viewer shows it
    QString tarefa;     // the task's name
    bool corpo = false;
    QString arep;
    QString repeticoes;
    QString tempo;      // per repetition, hh:mm:ss
    // Everything a search looks into, lower case, accents kept.
    QString textoDeBusca() const;
};

QVector<Linha> ler(const QString &raizArmazem);

} // namespace CatalogoTarefas
