#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class config_perfil;
}
class Perguntador;

// Edits the evaluator profile: the evaluating company and two technicians.
class config_perfil : public QDialog
{
    Q_OBJECT

public:
    config_perfil(QWidget *parent, const QString &caminho, Perguntador &perguntador);
    ~config_perfil() override;

private slots:
    void on_pushButton_Salvar_clicked();

private:
    std::unique_ptr<Ui::config_perfil> ui;
    QString caminho;
    Perguntador &perguntador;
};
