#pragma once

#include "data/acessararquivo.h"
#include "data/pastaslocais.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
class QStackedWidget;

// Page 0 of the page stack: the instrument link and the evaluator profile.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The local store is made beside the program, in `diretorioAplicacao`.
    explicit MainWindow(const QString &diretorioAplicacao, QWidget *parent = nullptr);
    ~MainWindow() override;

    void setStackedWidget(QStackedWidget *pilha);

    QString getDiretorioQT() const { return pastas.raiz; }
    QString getDiretorioPDF() const { return pastas.pdf; }
    QString getDiretorioPerfil() const { return pastas.perfil; }
    QString getCaminhoDados() const { return caminhoDados; }
    QString getCaminhoPenDrive() const { return caminhoPenDrive; }

private slots:
    void on_toolButton_Registros_clicked();
    void on_actionRegistros_triggered();
    void on_actionSair_triggered();

private:
    std::unique_ptr<Ui::MainWindow> ui;
    QStackedWidget *pilha = nullptr;
    PastasLocais pastas;
    AcessarArquivo acessarArquivo;
    QString caminhoDados;
    QString caminhoPenDrive;
};
