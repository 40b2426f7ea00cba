#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class config_perfil;
}
class Perguntador;

// Edits the evaluator profile: the evaluating company and two technicians,
// and for the laudo each technician's title and registration, the
// company's CNPJ and city and its logo (copied into the Perfil folder).
class config_perfil : public QDialog
{
    Q_OBJECT

public:
    config_perfil(QWidget *parent, const QString &caminho, Perguntador &perguntador);
    ~config_perfil() override;

private slots:
    void on_pushButton_Salvar_clicked();
    void on_pushButton_Logotipo_clicked();
    void on_pushButton_SemLogotipo_clicked();

private:
    std::unique_ptr<Ui::config_perfil> ui;
    QString pasta() const;
    void mostrarLogotipo();

    QString caminho;
    Perguntador &perguntador;
    QString logotipo; // the logo's path: the Perfil folder's, or one just chosen; empty for none
};
