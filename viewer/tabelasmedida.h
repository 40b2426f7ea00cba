#pragma once

#include <QDate>
#include <QHash>
#include <QIcon>
#include <QObject>
#include <QStringList>

#include <functional>

class QModelIndex;
class QStandardItemModel;
class QTableView;

// The viewer's three linked tables (exposures, partial exposures,
// components): their rows read from the store, the folder or component
// behind each row, and the row each one highlights.
class TabelasMedida : public QObject
{
    Q_OBJECT

public:
    // `janela` is disabled while the store is read, and gives the locale
    // the dates are written in.
    TabelasMedida(QTableView *exposicoes, QTableView *parciais, QTableView *componentes, QWidget *janela);

    // The measurements of the store `raiz` (none when it is empty), read
    // beside the window: newest first, with name and date; `depois` runs
    // once they are in the table.
    void listarExposicoes(const QString &raiz, const std::function<void()> &depois = {});
    // Which measurements the exposures' table shows: those whose texts
    // (name, companies, worker, sector, observation, task names) hold every
    // word of `texto`, any case or accent, recorded between `de` and `ate`
    // (either invalid: no bound), of the NR band `faixa` (below 0: any).
    // Events keep their numbers.
    struct Filtro {
        QString texto;
        QDate de;
        QDate ate;
        int faixa = -1;
    };
    void filtrar(const Filtro &f);
    // The measurement folders of the exposures' rows shown, in their order.
    QStringList exposicoesMostradas() const;

    // A measurement's body folders that hold a task, "corpo" and "mao".
    void listarParciais(const QString &pastaExposicao);
    // A body folder's components, newest first.
    void listarComponentes(const QString &pastaCorpo);

    // The body folders of the task table, as the edits evaluate them.
    QStringList pastasParciais() const { return listaParciais; }
    // The folder or component base of a table row (by its key column).
    QString caminhoDaLinha(const QTableView *tabela, int linha) const;
    // Highlights the row whose data are shown, none when none is.
    void marcar(QTableView *tabela, const QString &mostrado);

signals:
    // The user selected a row, by mouse or keys, other than the one shown.
    void linhaEscolhida(QTableView *tabela, const QModelIndex &linha);

private:
    // A new model for a table, the old one released.
    QStandardItemModel *novoModelo(QTableView *tabela, const QStringList &cabecalhos);
    void estilizarTabela(QTableView *tabela, int larguraPrimeira, int colunaIcone);
    void selecionada(QTableView *tabela);

    static constexpr int colunaLixeiraExposicoes = 6;
    Filtro filtro;
    QTableView *exposicoes;
    QTableView *parciais;
    QTableView *componentes;
    QWidget *janela;
    // Decoded once: a store of thousands of measurements has as many rows.
    const QIcon iconeLixeira;
    QStringList listaExposicoes;
    QStringList listaParciais;
    QStringList listaComponentes;
    QHash<const QTableView *, QString> marcados; // what each table highlights
};
