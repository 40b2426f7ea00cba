#include "app/config_perfil.h"

#include "platform/perguntador.h"
#include "data/perfil.h"

#include "ui_config_perfil.h"

config_perfil::config_perfil(QWidget *parent, const QString &arquivo, Perguntador &p)
    : QDialog(parent)
    , ui(std::make_unique<Ui::config_perfil>())
    , caminho(arquivo)
    , perguntador(p)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Perfil perfil;
    if (Perfil::ler(caminho, &perfil)) {
        ui->lineEdit_EmpAvaliadora->setText(perfil.empresa);
        ui->lineEdit_RealizadoPor->setText(perfil.responsavel1);
        ui->lineEdit_RealizadoPor_2->setText(perfil.responsavel2);
    }
}

config_perfil::~config_perfil() = default;

void config_perfil::on_pushButton_Salvar_clicked()
{
    Perfil perfil;
    perfil.empresa = ui->lineEdit_EmpAvaliadora->text();
    perfil.responsavel1 = ui->lineEdit_RealizadoPor->text();
    perfil.responsavel2 = ui->lineEdit_RealizadoPor_2->text();
    const Desfecho gravado = perfil.gravar(caminho);
    if (!gravado) {
        perguntador.informar(this, tr("Cadastro de Perfil"),
                             tr("Não foi possível salvar o perfil em %1.").arg(caminho) + QLatin1Char('\n')
                                 + gravado.motivo);
        return;
    }
    accept();
}
