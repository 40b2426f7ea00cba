#pragma once

#include "platform/perguntador.h"
#include "platform/servicos.h"
#include "data/acessararquivo.h"
#include "evaluation/edicao.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

namespace Ui {
class Medidas;
}
class AbaAvaliacao;
class AbasMedida;
class TabelasMedida;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QStackedWidget;
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
    // The measurement folders of the exposures' table as it is shown
    // (filtered and sorted); empty before the store was listed.
    QStringList medidasMostradas() const;
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
    void on_pushButton_GerarLaudo_clicked();
    void on_pushButton_Editar_ExpParcial_toggled(bool checked);
    void on_pushButton_Editar_Identificacao_toggled(bool checked);

private:
    // The three tables' clicks: a row shown, or its trash icon's deletion.
    void clicarTabela(QTableView *tabela, const QModelIndex &index);
    void apagarLinha(QTableView *tabela, const QString &caminho);
    void mostrarExposicao(const QString &pasta);
    void mostrarParcial(const QString &pasta, const QString &sensor);
    void mostrarComponente(const QString &base);
    // Asks the open edits' questions; false when one stays open.
    bool concluirEdicoesAbertas();
    // Highlights the rows whose data are shown.
    void marcarMostrados();
    void esquecerExposicao();
    void esquecerParcial();
    void esquecerComponente();
    // The shown records read again: a table rebuild reads every row's
    // record into the same accessor.
    void lerMostrados();
    // Tables and tabs after a deletion evaluated the measurement again.
    void mostrarReavaliada();
    // Runs a change that evaluates the measurement again on a worker
    // thread; tells `texto` when it failed.
    // `depois` runs once it has ended.
    void alterar(const std::function<Desfecho()> &alteracao, const QString &titulo, const QString &texto,
                 const std::function<void()> &depois);
    bool perguntar(const QString &titulo, const QString &texto,
                   Perguntador::Padrao padrao = Perguntador::Padrao::Sim);
    void aparenciaDoBotao(QPushButton *botao, bool editando);
    // The task's fields no longer editable, the button back to "Editar".
    void fecharEdicaoParcial();
    // The observation as shown, one stored line per displayed line.
    QString observacaoMostrada();

    std::unique_ptr<Ui::Medidas> ui;
    Servicos servicos;
    QStackedWidget *pilha = nullptr;
    const QString diretorioQT;
    QString raizListada; // empty until "Sincronizar" is pressed
    AcessarArquivo acessarArquivo;
    QString pastaExposicao;
    QString arquivoExposicao;
    QString pastaExposicaoParcial;
    QString baseComponente;
    QString sensorExposicaoParcial = QStringLiteral(" ");
    TabelasMedida *tabelas = nullptr;
    std::unique_ptr<AbasMedida> valores;
    AbaAvaliacao *avaliacao = nullptr;
};
