#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QApplication>
#include <QStackedWidget>

MainWindow::MainWindow(const QString &diretorioAplicacao, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , pastas(PastasLocais::de(diretorioAplicacao))
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Corvalendis - Medidor de Vibração"));
    pastas.criar();
}

MainWindow::~MainWindow() = default;

void MainWindow::setStackedWidget(QStackedWidget *p)
{
    pilha = p;
}

void MainWindow::on_toolButton_Registros_clicked()
{
    if (pilha)
        pilha->setCurrentIndex(1);
}

void MainWindow::on_actionRegistros_triggered()
{
    on_toolButton_Registros_clicked();
}

void MainWindow::on_actionSair_triggered()
{
    QApplication::quit();
}
