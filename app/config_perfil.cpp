#include "app/config_perfil.h"

#include "platform/perguntador.h"
#include "data/arquivoregistro.h"
#include "data/gravacaosegura.h"
#include "data/perfil.h"
#include "data/perfillaudo.h"

#include "ui_config_perfil.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

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
    PerfilLaudo laudo;
    QString erro;
    if (!PerfilLaudo::ler(pasta(), &laudo, &erro))
        perguntador.informar(parent, windowTitle(), erro);
    ui->lineEdit_Titulo1->setText(laudo.titulo1);
    ui->lineEdit_Registro1->setText(laudo.registro1);
    ui->lineEdit_Titulo2->setText(laudo.titulo2);
    ui->lineEdit_Registro2->setText(laudo.registro2);
    ui->lineEdit_Cnpj->setText(laudo.cnpj);
    ui->lineEdit_Cidade->setText(laudo.cidade);
    logotipo = laudo.caminhoLogotipo(pasta());
    mostrarLogotipo();
}

QString config_perfil::pasta() const
{
    return QFileInfo(caminho).absolutePath();
}

void config_perfil::mostrarLogotipo()
{
    ui->label_Logotipo->setText(logotipo.isEmpty() ? tr("nenhum") : QFileInfo(logotipo).fileName());
}

void config_perfil::on_pushButton_Logotipo_clicked()
{
    const QString escolhido = perguntador.escolherArquivoParaAbrir(this, tr("Logotipo da empresa avaliadora"), pasta(),
                                                                   tr("Imagens (*.png *.jpg *.jpeg *.bmp)"));
    if (escolhido.isEmpty())
        return;
    if (QImage(escolhido).isNull()) {
        perguntador.informar(this, windowTitle(), tr("%1 não é uma imagem que o programa leia.").arg(escolhido));
        return;
    }
    logotipo = escolhido;
    mostrarLogotipo();
}

void config_perfil::on_pushButton_SemLogotipo_clicked()
{
    logotipo.clear();
    mostrarLogotipo();
}

config_perfil::~config_perfil() = default;

void config_perfil::on_pushButton_Salvar_clicked()
{
    Perfil perfil;
    perfil.empresa = ui->lineEdit_EmpAvaliadora->text();
    perfil.responsavel1 = ui->lineEdit_RealizadoPor->text();
    perfil.responsavel2 = ui->lineEdit_RealizadoPor_2->text();
    PerfilLaudo laudo;
    laudo.titulo1 = ui->lineEdit_Titulo1->text().trimmed();
    laudo.registro1 = ui->lineEdit_Registro1->text().trimmed();
    laudo.titulo2 = ui->lineEdit_Titulo2->text().trimmed();
    laudo.registro2 = ui->lineEdit_Registro2->text().trimmed();
    laudo.cnpj = ui->lineEdit_Cnpj->text().trimmed();
    laudo.cidade = ui->lineEdit_Cidade->text().trimmed();
    // A logo chosen elsewhere is copied into the Perfil folder, where the
    // laudo finds it.
    Desfecho gravado;
    if (!logotipo.isEmpty()) {
        laudo.logotipo = QStringLiteral("logotipo.") + QFileInfo(logotipo).suffix().toLower();
        const QString destino = QDir(pasta()).filePath(laudo.logotipo);
        if (QFileInfo(logotipo).absoluteFilePath() != QFileInfo(destino).absoluteFilePath()) {
            QByteArray bytes;
            QString erro;
            gravado = ArquivoRegistro::ler(logotipo, &bytes, &erro) ? GravacaoSegura::gravar(destino, bytes)
                                                                     : Desfecho::falhou(erro);
        }
    }
    if (gravado)
        gravado = perfil.gravar(caminho);
    if (gravado)
        gravado = laudo.gravar(pasta());
    if (!gravado) {
        perguntador.informar(this, tr("Cadastro de Perfil"),
                             tr("Não foi possível salvar o perfil em %1.").arg(caminho) + QLatin1Char('\n')
                                 + gravado.motivo);
        return;
    }
    accept();
}
