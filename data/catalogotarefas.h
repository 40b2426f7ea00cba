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
    // Everything a search looks into, as paraBusca makes it.
    QString textoDeBusca() const;
};

QVector<Linha> ler(const QString &raizArmazem);

// A text as searches compare it: lower case, without accents ("João" and
// "joao" alike), so that what is typed finds what was written.
QString paraBusca(const QString &texto);

} // namespace CatalogoTarefas
