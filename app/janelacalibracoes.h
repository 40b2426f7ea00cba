#pragma once

#include "data/calibracoes.h"

#include <QDialog>

#include <memory>

namespace Ui {
class JanelaCalibracoes;
}
class Perguntador;

// Ferramentas → Calibrações: the calibration register of the Perfil
// folder, one row per device, edited in place and saved whole.
class JanelaCalibracoes : public QDialog
{
    Q_OBJECT

public:
    JanelaCalibracoes(QWidget *pai, const QString &pastaPerfil, Perguntador &perguntador);
    ~JanelaCalibracoes() override;

private slots:
    void on_pushButton_Adicionar_clicked();
    void on_pushButton_Remover_clicked();
    void on_pushButton_Salvar_clicked();

private:
    void acrescentarLinha(const Calibracoes::Entrada &e);

    std::unique_ptr<Ui::JanelaCalibracoes> ui;
    QString pastaPerfil;
    Perguntador &perguntador;
};
