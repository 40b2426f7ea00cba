#include "viewer/tabelasmedida.h"

#include "data/acessararquivo.h"
#include "data/catalogotarefas.h"
#include "data/layoutmedida.h"
#include "evaluation/tabelasavaliacao.h"
#include "report/coresavaliacao.h"
#include "platform/trabalhoaolado.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QtConcurrent>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <memory>

namespace {

// What the tables sort by: the value itself, or for a date the moment
// behind its text.
constexpr int papelOrdem = Qt::UserRole + 1;
// What the exposures' filter reads of a row, on its first cell.
constexpr int papelBusca = Qt::UserRole + 2;
constexpr int papelDia = Qt::UserRole + 3;
constexpr int papelFaixa = Qt::UserRole + 4;

QStandardItem *centrado(const QVariant &valor, const QVariant &ordem = QVariant())
{
    auto *item = new QStandardItem;
    if (valor.isValid())
        item->setData(valor, Qt::DisplayRole);
    item->setData(ordem.isValid() ? ordem : valor, papelOrdem);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QStandardItem *lixeira(const QIcon &icone)
{
    return new QStandardItem(icone, QString());
}

} // namespace

TabelasMedida::TabelasMedida(QTableView *exposicoes, QTableView *parciais, QTableView *componentes, QWidget *janela)
    : QObject(janela)
    , exposicoes(exposicoes)
    , parciais(parciais)
    , componentes(componentes)
    , janela(janela)
    , iconeLixeira(QStringLiteral(":/icons/Picture3.png"))
{
    for (QTableView *t : {exposicoes, parciais, componentes})
        t->setModel(new QStandardItemModel(t));
}

QStandardItemModel *TabelasMedida::novoModelo(QTableView *tabela, const QStringList &cabecalhos)
{
    auto *modelo = new QStandardItemModel(0, cabecalhos.size(), tabela);
    modelo->setHorizontalHeaderLabels(cabecalhos);
    modelo->setSortRole(papelOrdem);
    tabela->setStyleSheet(QStringLiteral(
        "QHeaderView::section:enabled { background-color: rgb(230, 0, 0);font-weight: bold;}"
        "QTableView::enabled{color:white;}"));
    QAbstractItemModel *antigo = tabela->model();
    tabela->setModel(modelo);
    marcados.remove(tabela);
    if (antigo)
        antigo->deleteLater(); // a click being handled may still hold an index of it
    return modelo;
}

void TabelasMedida::estilizarTabela(QTableView *tabela, int larguraPrimeira, int colunaIcone)
{
    QHeaderView *h = tabela->horizontalHeader();
    h->setStyleSheet(QStringLiteral("color:white;background-color:  transparent;"));
    // Columns share the width; a table with more than it holds (the
    // exposures' register) keeps each column whole and scrolls instead.
    for (int c = 1; c < colunaIcone; ++c)
        h->setSectionResizeMode(c, colunaIcone > 4 ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    h->setSectionResizeMode(0, QHeaderView::Fixed);
    tabela->setColumnWidth(0, larguraPrimeira);
    h->setSectionResizeMode(colunaIcone, QHeaderView::Fixed);
    tabela->setColumnWidth(colunaIcone, 1);
    tabela->verticalHeader()->hide();
    tabela->verticalHeader()->setDefaultSectionSize(10);
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela->setSortingEnabled(true);
    tabela->sortByColumn(0, Qt::AscendingOrder);
    // Queued: handled once the view is done with the key or mouse press
    // that selected the row, so that it cannot undo what follows.
    connect(tabela->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, tabela]() { selecionada(tabela); }, Qt::QueuedConnection);
}

void TabelasMedida::listarExposicoes(const QString &raiz, const std::function<void()> &depois)
{
    struct Linha {
        QString medida;
        QString nome;
        QDateTime data;
        QString empresaAvaliada;
        QString setor;
        AvaliacaoExposicao::Faixa faixa = AvaliacaoExposicao::Faixa::NaoCalculada;
        QString busca; // what a search looks into
    };
    const auto linhas = std::make_shared<QVector<Linha>>();
    // A store of thousands of measurements is read on a worker thread.
    TrabalhoAoLado::executar(
        janela, QCoreApplication::translate("Medidas", "Sincronizar dados do computador"),
        QCoreApplication::translate("Medidas", "Sincronizando dados salvos no computador ..."),
        [linhas, raiz] {
            // Each measurement's files read on every core, kept in the store's order.
            const auto lerLinha = [](const QString &medida) {
                AcessarArquivo a;
                a.lerExposicao(LayoutMedida::arquivoExposicao(medida));
                const QString nome = a.getNome_exposicao();
                Linha l{medida, LayoutMedida::nomeMostrado(nome),
                        LayoutMedida::lerDataHora(LayoutMedida::dataMostrada(a.getData_criacao(), nome),
                                                  QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                        a.getEmpresa_avaliada().trimmed(), a.getSetor().trimmed(),
                        AvaliacaoExposicao::nrArmazenada(a).piorFaixa(), QString()};
                QStringList textos{l.nome, a.getEmpresa_avaliadora(), l.empresaAvaliada, a.getFuncionario_avaliado(),
                                   l.setor, a.getObservacoes()};
                for (const LayoutMedida::LinhaParcial &p : LayoutMedida::parciaisDaExposicao(medida)) {
                    AcessarArquivo t;
                    t.lerExposicaoParcial(p.arquivoParcial);
                    textos << t.getNome_exp_parcial();
                }
                l.busca = CatalogoTarefas::paraBusca(textos.join(QLatin1Char(' ')));
                return l;
            };
            const QStringList medidas = raiz.isEmpty() ? QStringList() : LayoutMedida::medidasDoArmazem(raiz);
            *linhas = QtConcurrent::blockingMapped<QVector<Linha>>(medidas, std::function<Linha(const QString &)>(lerLinha));
        },
        [this, linhas, depois] {
            QStandardItemModel *modelo =
                novoModelo(exposicoes, {QCoreApplication::translate("Medidas", "Evento"),
                                        QCoreApplication::translate("Medidas", "Nome"),
                                        QCoreApplication::translate("Medidas", "Data"),
                                        QCoreApplication::translate("Medidas", "Empresa avaliada"),
                                        QCoreApplication::translate("Medidas", "Setor"),
                                        QCoreApplication::translate("Medidas", "Veredito NR"), QString()});
            listaExposicoes.clear();
            for (int n = 0; n < linhas->size(); ++n) {
                const Linha &l = linhas->at(n);
                listaExposicoes << l.medida;
                QStandardItem *evento = centrado(n + 1);
                evento->setData(l.busca, papelBusca);
                evento->setData(l.data.date(), papelDia);
                evento->setData(int(l.faixa), papelFaixa);
                QStandardItem *veredito = centrado(TabelasAvaliacao::textoFaixa(l.faixa), int(l.faixa));
                const TabelasAvaliacao::Cor cor = TabelasAvaliacao::corDaFaixa(l.faixa);
                veredito->setBackground(CoresAvaliacao::fundo(cor));
                veredito->setForeground(CoresAvaliacao::texto(cor));
                // Month names in the interface language; the files keep their own form.
                modelo->appendRow({evento, centrado(l.nome),
                                   l.data.isValid() ? centrado(janela->locale().toString(
                                                                   l.data, QStringLiteral("d MMM yyyy HH:mm:ss")),
                                                               l.data)
                                                    : centrado(QVariant()),
                                   centrado(l.empresaAvaliada), centrado(l.setor), veredito, lixeira(iconeLixeira)});
            }
            estilizarTabela(exposicoes, 90, colunaLixeiraExposicoes);
            filtrar(filtro);
            if (depois)
                depois();
        });
}

void TabelasMedida::filtrar(const Filtro &f)
{
    filtro = f;
    const QStringList palavras = CatalogoTarefas::paraBusca(f.texto).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QAbstractItemModel *modelo = exposicoes->model();
    for (int r = 0; r < modelo->rowCount(); ++r) {
        const QModelIndex i = modelo->index(r, 0);
        const QString busca = i.data(papelBusca).toString();
        const QDate dia = i.data(papelDia).toDate();
        const bool mostra = std::all_of(palavras.cbegin(), palavras.cend(), [&](const QString &p) { return busca.contains(p); })
            && (!f.de.isValid() || (dia.isValid() && dia >= f.de)) && (!f.ate.isValid() || (dia.isValid() && dia <= f.ate))
            && (f.faixa < 0 || i.data(papelFaixa).toInt() == f.faixa);
        if (exposicoes->isRowHidden(r) == mostra)
            exposicoes->setRowHidden(r, !mostra);
    }
}

QStringList TabelasMedida::exposicoesMostradas() const
{
    QStringList r;
    const QAbstractItemModel *modelo = exposicoes->model();
    for (int linha = 0; linha < modelo->rowCount(); ++linha) {
        if (!exposicoes->isRowHidden(linha))
            r << listaExposicoes.value(modelo->index(linha, 0).data().toInt() - 1);
    }
    return r;
}

void TabelasMedida::listarParciais(const QString &pastaExposicao)
{
    QStandardItemModel *modelo = novoModelo(
        parciais,
        {QCoreApplication::translate("Medidas", "Tarefa"), QCoreApplication::translate("Medidas", "Tipo Sensor"), QCoreApplication::translate("Medidas", "Repetições"), QCoreApplication::translate("Medidas", "Tempo Exp."), QString()});
    listaParciais.clear();
    const auto linhas = pastaExposicao.isEmpty()
        ? QVector<LayoutMedida::LinhaParcial>()
        : LayoutMedida::parciaisDaExposicao(pastaExposicao);
    for (int t = 0; t < linhas.size(); ++t) {
        listaParciais.append(linhas.at(t).pastaCorpo);
        AcessarArquivo a;
        a.lerExposicaoParcial(linhas.at(t).arquivoParcial);
        modelo->appendRow({centrado(t), centrado(linhas.at(t).sensor),
                           centrado(a.getNum_repeticao()),
                           centrado(a.getTempo_exp_total()), lixeira(iconeLixeira)});
    }
    estilizarTabela(parciais, 70, 4);
}

void TabelasMedida::listarComponentes(const QString &pastaCorpo)
{
    QStandardItemModel *modelo = novoModelo(componentes,
                                            {QCoreApplication::translate("Medidas", "Componente"), QCoreApplication::translate("Medidas", "Data"), QCoreApplication::translate("Medidas", "Tempo Comp."), QString()});
    const QStringList bases = pastaCorpo.isEmpty()
        ? QStringList()
        : LayoutMedida::componentesMaisNovosPrimeiro(pastaCorpo);
    for (int c = 0; c < bases.size(); ++c) {
        if (c < listaComponentes.size())
            listaComponentes[c] = bases.at(c);
        else
            listaComponentes.append(bases.at(c));
        // The table needs the component file only; its sample table is
        // read when the row is selected.
        AcessarArquivo a;
        a.lerComponente(bases.at(c) + QStringLiteral(".head"));
        const QDate data = QDate::fromString(a.getData_comp(), QStringLiteral("dd/MM/yyyy"));
        modelo->appendRow({centrado(QString::number(c + 1)),
                           data.isValid() ? centrado(janela->locale().toString(data, QStringLiteral("d MMM yyyy")), data)
                                          : centrado(QVariant()),
                           centrado(a.getDuracao_comp()), lixeira(iconeLixeira)});
    }
    estilizarTabela(componentes, 130, 3);
}

QString TabelasMedida::caminhoDaLinha(const QTableView *tabela, int linha) const
{
    const QModelIndex chave = tabela->model()->index(linha, 0);
    if (tabela == exposicoes)
        return listaExposicoes.value(chave.data().toInt() - 1);
    if (tabela == parciais)
        return listaParciais.value(chave.data().toInt());
    return listaComponentes.value(chave.data().toString().toInt() - 1);
}

void TabelasMedida::marcar(QTableView *tabela, const QString &mostrado)
{
    marcados.insert(tabela, mostrado);
    for (int r = 0; !mostrado.isEmpty() && r < tabela->model()->rowCount(); ++r) {
        if (caminhoDaLinha(tabela, r) == mostrado) {
            tabela->setCurrentIndex(tabela->model()->index(r, 0));
            return;
        }
    }
    tabela->selectionModel()->clear();
}

void TabelasMedida::selecionada(QTableView *tabela)
{
    // Only a row the user selected, by mouse or keys, that is not the one
    // shown already; a press on the trash icon is left to the click. A
    // table given the focus makes a row current without selecting it.
    const QModelIndex atual = tabela->currentIndex();
    if (!atual.isValid() || atual.column() == tabela->model()->columnCount() - 1
        || !tabela->selectionModel()->isRowSelected(atual.row(), QModelIndex())
        || caminhoDaLinha(tabela, atual.row()) == marcados.value(tabela))
        return;
    emit linhaEscolhida(tabela, atual.sibling(atual.row(), 0));
}
