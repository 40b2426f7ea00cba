#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class Medidas;
}
class QStackedWidget;

// Page 1 of the page stack: the evaluated measurements of the local store.
class Medidas : public QMainWindow
{
    Q_OBJECT

public:
    // `diretorioQT` is the local store root the start-up code made.
    explicit Medidas(const QString &diretorioQT, QWidget *parent = nullptr);
    ~Medidas() override;

    void setStackedWidget(QStackedWidget *pilha);

private slots:
    void on_voltarMenu_clicked();

private:
    std::unique_ptr<Ui::Medidas> ui;
    QStackedWidget *pilha = nullptr;
    QString diretorioQT;
};
