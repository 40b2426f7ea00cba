#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// Rows of texts as a picker's table shows them, only those whose texts
// hold every word searched for (any case or accent). A model rather than
// items: a store of years lists tens of thousands of rows, and the window
// must not wait while they are shown or filtered.
class ModeloBusca : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Each row's texts (one per column) and what a search looks into.
    void definir(const QStringList &cabecalhos, const QVector<QStringList> &linhas, const QStringList &buscas);
    void filtrar(const QString &texto);
    // The row of `definir` behind a row shown.
    int origem(int linhaDoModelo) const { return visiveis.at(linhaDoModelo); }
    int total() const { return int(linhas.size()); }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

private:
    QStringList cabecalhos;
    QVector<QStringList> linhas;
    QStringList buscas;    // as CatalogoTarefas::paraBusca makes them
    QVector<int> visiveis; // the rows shown, as indices of `linhas`
};
