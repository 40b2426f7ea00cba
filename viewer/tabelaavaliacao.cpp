#include "viewer/tabelaavaliacao.h"

#include "report/coresavaliacao.h"

#include <QStandardItemModel>

#include <algorithm>
#include <cmath>

namespace TabelaAvaliacao {

void preencher(QStandardItemModel *modelo, const TabelasAvaliacao::Tabela &tabela)
{
    modelo->clear();
    modelo->setHorizontalHeaderLabels(tabela.cabecalhos);
    for (int c = 0; c < tabela.cabecalhos.size(); ++c) {
        bool quebravel = c == 0 || c == tabela.colunaTexto;
        for (const TabelasAvaliacao::Linha &l : tabela.linhas)
            quebravel = quebravel || c == l.colunaCor;
        modelo->setHeaderData(c, Qt::Horizontal, quebravel, papelQuebravel);
    }
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
                item->setBackground(CoresAvaliacao::fundo(l.cor));
                item->setForeground(CoresAvaliacao::texto(l.cor));
                item->setToolTip(l.nota);
            }
            itens << item;
        }
        modelo->appendRow(itens);
    }
}

QVector<int> larguras(int disponivel, const QVector<int> &preferidas, const QVector<int> &minimas)
{
    QVector<int> r = preferidas;
    int total = 0;
    int folga = 0; // what the columns can give up
    for (int c = 0; c < r.size(); ++c) {
        total += preferidas.at(c);
        folga += std::max(0, preferidas.at(c) - minimas.at(c));
    }
    if (r.isEmpty())
        return r;
    if (total <= disponivel) {
        r[0] += disponivel - total;
        return r;
    }
    const double parte = folga > 0 ? std::min(1.0, double(total - disponivel) / folga) : 0.0;
    for (int c = 0; c < r.size(); ++c)
        r[c] -= int(std::ceil(parte * std::max(0, preferidas.at(c) - minimas.at(c))));
    return r;
}

} // namespace TabelaAvaliacao
