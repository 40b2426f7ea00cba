#include "viewer/modelotarefas.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int colunas = 7;

} // namespace

void ModeloTarefas::definir(const QVector<CatalogoTarefas::Linha> &linhas)
{
    beginResetModel();
    todas = linhas;
    buscas.clear();
    buscas.reserve(todas.size());
    for (const CatalogoTarefas::Linha &l : qAsConst(todas))
        buscas << l.textoDeBusca();
    visiveis.resize(todas.size());
    std::iota(visiveis.begin(), visiveis.end(), 0);
    endResetModel();
}

void ModeloTarefas::filtrar(const QString &texto)
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

const CatalogoTarefas::Linha &ModeloTarefas::linha(int linhaDoModelo) const
{
    return todas.at(visiveis.at(linhaDoModelo));
}

int ModeloTarefas::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(visiveis.size());
}

int ModeloTarefas::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : colunas;
}

QVariant ModeloTarefas::data(const QModelIndex &indice, int papel) const
{
    if (papel != Qt::DisplayRole || !indice.isValid())
        return QVariant();
    const CatalogoTarefas::Linha &l = linha(indice.row());
    switch (indice.column()) {
    case 0:
        return l.medida;
    case 1:
        return l.trabalhador;
    case 2:
        return l.empresa;
    case 3:
        return l.data;
    case 4:
        return l.tarefa;
    case 5:
        return l.corpo ? tr("Corpo inteiro") : tr("Mãos e braços");
    default:
        return l.arep;
    }
}

QVariant ModeloTarefas::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    const QString titulos[colunas] = {tr("Medição"), tr("Trabalhador"), tr("Empresa avaliada"), tr("Data"),
                                      tr("Tarefa"), tr("Região"), tr("arep [m/s²]")};
    return secao >= 0 && secao < colunas ? titulos[secao] : QVariant();
}
