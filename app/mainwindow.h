#pragma once

#include "platform/perguntador.h"
#include "platform/servicos.h"
#include "data/locaisprograma.h"
#include "data/pastaslocais.h"
#include "device/deteccao.h"
#include "device/download.h"
#include "device/sincronizacao.h"

#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class MainWindow;
}
class QModelIndex;
class QStackedWidget;
class QStandardItemModel;
class sobre;

// Page 0 of the page stack: the instrument link and the evaluator profile.
// Every change of files goes through the core (device/, data/); the window
// asks, shows and rebuilds.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The local store is made in `locais.dados`; a language change is
    // stored in `locais.configuracao`.
    MainWindow(const LocaisPrograma &locais, const Servicos &servicos, QWidget *parent = nullptr);
    ~MainWindow() override;

    void setStackedWidget(QStackedWidget *pilha);
    void listarMedidas();

    QString getDiretorioQT() const { return pastas.raiz; }
    QString getDiretorioPerfil() const { return pastas.perfil; }

signals:
    // "Baixar Tudo" has finished the measurement `feitas` of `total`.
    void medidaBaixada(int feitas, int total);

public slots:
    void onTableClicked(const QModelIndex &index);
    bool verificaPenDrive();
    void set_Id_Equipamento();
    void listarPerfil();
    void baixarDado(QString nomePasta, QString diretorio, bool coverFileIfExist);

private slots:
    void on_actionAdicionar_Perfil_triggered();
    void on_actionCalibracoes_triggered();
    void on_pushButton_Jornadas_clicked();
    void on_actionExportarPlanilha_triggered();
    void on_actionExportarESocial_triggered();
    void on_toolButton_Registros_clicked();
    void on_actionSair_triggered();
    void on_actionImportar_triggered();
    void on_actionManual_triggered();
    void on_pushButton_Manual_clicked();
    void on_pushButton_BaixarTudo_clicked();
    void on_actionRegistros_triggered();
    void on_actionConfigurar_triggered();
    void on_toolButton_Configurar_clicked();
    void on_actionDeletar_Tudo_triggered();
    void on_pushButton_clicked();
    void on_actionExportar_triggered();
    void on_pushButton_3_clicked();
    void on_actionSobre_triggered();
    void on_actionMudar_Idioma_triggered();

private:
    // Copies each of `origens` into `destino` beside the window and says
    // what became of each.
    void exportar(const QStringList &origens, const QString &destino);
    // "Baixar Tudo" once the instrument's list is read; then what it did.
    void baixarTodas();
    void mostrarBaixadas(const QVector<Download::Relatorio> &feitos, int pedidas, int mantidasNoComputador,
                         const QString &titulo);
    // The table of the instrument's measurements, from what the listing read.
    void mostrarMedidas(const Sincronizacao::Comparacao &c, const QVector<Sincronizacao::LinhaMedida> &linhas);
    void aparenciaConectada(bool mensagem);
    void aparenciaDesconectada(bool mensagem);
    // Turns off every operation that reads or writes the store.
    void desabilitarArmazem();
    // A question with the "Sim" and "Não" buttons; true for "Sim".
    bool perguntar(const QString &titulo, const QString &texto,
                   Perguntador::Padrao padrao = Perguntador::Padrao::Sim);
    // The company and the chosen technician a download stamps.
    Avaliador avaliador() const;

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<sobre> dialogoSobre;
    Servicos servicos;
    QStackedWidget *pilha = nullptr;
    PastasLocais pastas;
    const QString configuracao;
    // False when the store could not be created: what needs it stays off.
    bool armazemCriado = true;
    EstadoConexao estado;
    QString caminhoDados;
    QString idEquipamento;
    QStringList dadosIguais;
    QStringList dadosTabelaMedidas;
    QStringList linhasTabela;
    QStandardItemModel *modelo = nullptr;
    // Decoded once, not for every row of every rebuild.
    const QIcon iconeBaixar{QStringLiteral(":/icons/baixar.png")};
    // Whether a "Baixar Tudo" completed since the last erase.
    bool dadosBaixados = false;
};
