#pragma once

#include "data/catalogotarefas.h"

#include <QAbstractTableModel>

// The store's tasks as the picker's table shows them, only those whose
// texts hold every word searched for. A model rather than items: a store
// of years lists tens of thousands of tasks, and the window must not wait
// while they are shown or filtered.
class ModeloTarefas : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void definir(const QVector<CatalogoTarefas::Linha> &linhas);
    // Shows only the tasks whose texts contain every word of `texto`, any case.
    void filtrar(const QString &texto);
    const CatalogoTarefas::Linha &linha(int linhaDoModelo) const;
    int total() const { return int(todas.size()); }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

private:
    QVector<CatalogoTarefas::Linha> todas;
    QVector<QString> buscas;  // each task's searched text, lower case
    QVector<int> visiveis;    // the rows shown, as indices of `todas`
};
