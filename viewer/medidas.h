#pragma once

#include "platform/perguntador.h"
#include "platform/servicos.h"
#include "data/acessararquivo.h"
#include "evaluation/edicao.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

namespace Ui {
class Medidas;
}
class QLineEdit;
class QModelIndex;
class QPushButton;
class QStackedWidget;
class QStandardItemModel;
class QTableView;
class QTextDocument;

// Page 1 of the page stack: the evaluated measurements of the local store,
// in three linked tables (exposures, partial exposures, components) with
// the details of the selection in ten tabs. Changes to files go through
// the core (Edicao); the window asks, shows and rebuilds from disk.
class Medidas : public QMainWindow
{
    Q_OBJECT

public:
    // `diretorioQT` is the local store root the start-up code made.
    Medidas(const QString &diretorioQT, const Servicos &servicos, QWidget *parent = nullptr);
    ~Medidas() override;

    void setStackedWidget(QStackedWidget *pilha);
    // The store's measurements listed again from the files, the shown one
    // kept when it is still there.
    void listarArmazem();

signals:
    // A deletion or an edit changed the store.
    void armazemAlterado();

private slots:
    void on_voltarMenu_clicked();
    void on_pushButton_Sincronizar_clicked();
    void sincronizarDadosExposicao();
    void onTableClicked_Exposicao(const QModelIndex &index);
    void sincronizarDadosExposicaoParcial();
    void onTableClicked_ExposicaoParcial(const QModelIndex &index);
    void sincronizarDadosComponentes();
    void onTableClicked_Componente(const QModelIndex &index);
    QString splitByLines2(const QTextDocument *doc);
    void setTabIdentificacao();
    void setTabConfiguracao();
    void setTabResultados();
    void setTabExpParcial();
    void setTabComponente();
    void setTabObservacao();
    void setTabAvaliacao();
    void setTabGrafico1_linhas();
    void setTabGrafico2_banda();
    void on_pushButton_GerarPDF_clicked();
    void on_pushButton_Editar_ExpParcial_toggled(bool checked);
    void on_pushButton_Editar_Identificacao_toggled(bool checked);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // An assessment table as tall as its rows as they wrap at its width.
    void ajustarAltura(QTableView *tabela);
    // A new model for a table, the old one released.
    QStandardItemModel *novoModelo(QTableView *tabela, const QStringList &cabecalhos);
    void estilizarTabela(QTableView *tabela, int larguraPrimeira, int colunaIcone);
    // Asks the open edits' questions; false when one stays open.
    bool concluirEdicoesAbertas();
    // The folder or component base of a table row (by its key column).
    QString caminhoDaLinha(const QTableView *tabela, int linha) const;
    // Highlights the row whose data are shown, none when none is.
    void marcar(QTableView *tabela, const QString &mostrado);
    void marcarMostrados();
    // The current row of a table, once the user selected it with the
    // mouse or the keys.
    void linhaEscolhida(QTableView *tabela);
    void esquecerExposicao();
    void esquecerParcial();
    void esquecerComponente();
    // The shown records read again: a table rebuild reads every row's
    // record into the same accessor.
    void lerMostrados();
    // Tables and tabs after a deletion evaluated the measurement again.
    void mostrarReavaliada();
    void mostrar(QLineEdit *edicao, const QString &valor);
    // Runs a change that evaluates the measurement again on a worker
    // thread; tells `texto` when it failed.
    void alterar(const std::function<Desfecho()> &alteracao, const QString &titulo, const QString &texto);
    bool perguntar(const QString &titulo, const QString &texto,
                   Perguntador::Padrao padrao = Perguntador::Padrao::Sim);
    void aparenciaDoBotao(QPushButton *botao, bool editando);
    void mostrarLinhasDeCorpo(const QList<QWidget *> &widgets, bool mostrar);
    // The observation as shown, one stored line per displayed line.
    QString observacaoMostrada();

    std::unique_ptr<Ui::Medidas> ui;
    Servicos servicos;
    QStackedWidget *pilha = nullptr;
    const QString diretorioQT;
    // Decoded once: a store of thousands of measurements has as many rows.
    const QIcon iconeLixeira;
    QString raizListada; // empty until "Sincronizar" is pressed
    AcessarArquivo acessarArquivo;
    QStringList listaExposicoes;
    QString pastaExposicao;
    QString arquivoExposicao;
    QStringList listaExposicoesParciais;
    QString pastaExposicaoParcial;
    QStringList listaComponentes;
    QString baseComponente;
    QString sensorExposicaoParcial = QStringLiteral(" ");
    QHash<const QTableView *, QString> marcados; // what each table highlights
    QHash<const QLineEdit *, int> limites;       // the form's length limits
};
