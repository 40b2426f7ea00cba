#include "viewer/tabelaavaliacao.h"

#include <QBrush>
#include <QColor>
#include <QStandardItemModel>

namespace {

using Cor = TabelasAvaliacao::Cor;

QColor fundo(Cor c)
{
    switch (c) {
    case Cor::Verde:
        return QColor(0, 140, 60);
    case Cor::Ambar:
        return QColor(230, 150, 0);
    case Cor::Laranja:
        return QColor(200, 80, 0);
    case Cor::Vermelho:
        return QColor(190, 0, 0);
    case Cor::Cinza:
    case Cor::Nenhuma:
        break;
    }
    return QColor(110, 110, 110);
}

} // namespace

namespace TabelaAvaliacao {

void preencher(QStandardItemModel *modelo, const TabelasAvaliacao::Tabela &tabela)
{
    modelo->clear();
    modelo->setHorizontalHeaderLabels(tabela.cabecalhos);
    for (const TabelasAvaliacao::Linha &l : tabela.linhas) {
        QList<QStandardItem *> itens;
        for (int c = 0; c < l.celulas.size(); ++c) {
            auto *item = new QStandardItem(l.celulas.at(c));
            // Names and recommended actions read from the left, figures centred.
            const bool texto = c == 0 || c == tabela.colunaTexto;
            item->setTextAlignment(texto ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c == 0)
                item->setToolTip(l.celulas.at(c));
            if (c == l.colunaCor) {
                item->setBackground(fundo(l.cor));
                // White reads poorly on amber.
                item->setForeground(QBrush(l.cor == Cor::Ambar ? Qt::black : Qt::white));
                item->setToolTip(l.nota);
            }
            itens << item;
        }
        modelo->appendRow(itens);
    }
}

} // namespace TabelaAvaliacao
