#include "viewer/modelobusca.h"

#include "data/catalogotarefas.h"

#include <algorithm>
#include <numeric>

void ModeloBusca::definir(const QStringList &novosCabecalhos, const QVector<QStringList> &novas, const QStringList &novasBuscas)
{
    beginResetModel();
    cabecalhos = novosCabecalhos;
    linhas = novas;
    buscas.clear();
    for (const QString &b : novasBuscas)
        buscas << CatalogoTarefas::paraBusca(b);
    visiveis.resize(linhas.size());
    std::iota(visiveis.begin(), visiveis.end(), 0);
    endResetModel();
}

void ModeloBusca::filtrar(const QString &texto)
{
    const QStringList palavras = CatalogoTarefas::paraBusca(texto).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    beginResetModel();
    visiveis.clear();
    for (int i = 0; i < buscas.size(); ++i) {
        const QString &busca = buscas.at(i);
        if (std::all_of(palavras.cbegin(), palavras.cend(), [&](const QString &p) { return busca.contains(p); }))
            visiveis << i;
    }
    endResetModel();
}

int ModeloBusca::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(visiveis.size());
}

int ModeloBusca::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(cabecalhos.size());
}

QVariant ModeloBusca::data(const QModelIndex &indice, int papel) const
{
    if (papel != Qt::DisplayRole || !indice.isValid())
        return QVariant();
    return linhas.at(origem(indice.row())).value(indice.column());
}

QVariant ModeloBusca::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return cabecalhos.value(secao);
}
