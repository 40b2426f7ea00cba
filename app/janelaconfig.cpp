#include "app/janelaconfig.h"

#include "platform/perguntador.h"

#include "ui_janelaconfig.h"

#include <QSignalBlocker>

#include <cmath>

namespace {

const QStringList ponderacoes = {"Wb", "Wc", "Wd", "We", "Wf", "Wh", "Wj", "Wk", "Wm"};

// The item whose code is `codigo`; the first one when none is.
int indiceDoCodigo(const QStringList &codigos, const QString &codigo)
{
    const int i = int(codigos.indexOf(codigo));
    return i < 0 ? 0 : i;
}

// The slider position of a sensitivity: value x 1000, truncated; the
// small margin keeps 1.23 at 1230 despite its binary rounding.
int posicaoDoSlider(double valor)
{
    return int(std::trunc(valor * 1000 + 1e-6));
}

} // namespace

JanelaConfig::JanelaConfig(QWidget *parent, const QString &arquivo, bool longo, Perguntador &p)
    : QDialog(parent)
    , ui(std::make_unique<Ui::JanelaConfig>())
    , caminho(arquivo)
    , completo(longo)
    , perguntador(p)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QStringList periodos = {"1 s", "3 s", "5 s", "8 s", "10 s", "20 s", "30 s", "60 s"};
    ui->comboBox_PeridoAmos->addItems(periodos.mid(0, codigosPeriodo().size()));
    if (completo)
        ui->comboBox_TempoProg->addItems({tr("manual"), "30 min", "1 h", "2 h", "4 h", "8 h", "24 h"});
    else
        ui->comboBox_TempoProg->addItems({tr("manual"), "5 min", "10 min", "30 min", "1 h", "2 h", "4 h", "8 h"});

    eixos = {
        {ui->comboBox_PondFreqX_mao, ui->comboBox_FatorKX_mao, ui->horizontalSlider_SensibX_mao,
         ui->doubleSpinBox_SensibX_mao, &AcessarArquivo::getPonderacao_fx_mao,
         &AcessarArquivo::setPonderacao_fx_mao, &AcessarArquivo::getKx_mao, &AcessarArquivo::setKx_mao,
         &AcessarArquivo::getSensibilidade_x_mao, &AcessarArquivo::setSensibilidade_x_mao},
        {ui->comboBox_PondFreqY_mao, ui->comboBox_FatorKY_mao, ui->horizontalSlider_SensibY_mao,
         ui->doubleSpinBox_SensibY_mao, &AcessarArquivo::getPonderacao_fy_mao,
         &AcessarArquivo::setPonderacao_fy_mao, &AcessarArquivo::getKy_mao, &AcessarArquivo::setKy_mao,
         &AcessarArquivo::getSensibilidade_y_mao, &AcessarArquivo::setSensibilidade_y_mao},
        {ui->comboBox_PondFreqZ_mao, ui->comboBox_FatorKZ_mao, ui->horizontalSlider_SensibZ_mao,
         ui->doubleSpinBox_SensibZ_mao, &AcessarArquivo::getPonderacao_fz_mao,
         &AcessarArquivo::setPonderacao_fz_mao, &AcessarArquivo::getKz_mao, &AcessarArquivo::setKz_mao,
         &AcessarArquivo::getSensibilidade_z_mao, &AcessarArquivo::setSensibilidade_z_mao},
        {ui->comboBox_PondFreqX_corpo, ui->comboBox_FatorKX_corpo, ui->horizontalSlider_SensibX_corpo,
         ui->doubleSpinBox_SensibX_corpo, &AcessarArquivo::getPonderacao_fx_corpo,
         &AcessarArquivo::setPonderacao_fx_corpo, &AcessarArquivo::getKx_corpo,
         &AcessarArquivo::setKx_corpo, &AcessarArquivo::getSensibilidade_x_corpo,
         &AcessarArquivo::setSensibilidade_x_corpo},
        {ui->comboBox_PondFreqY_corpo, ui->comboBox_FatorKY_corpo, ui->horizontalSlider_SensibY_corpo,
         ui->doubleSpinBox_SensibY_corpo, &AcessarArquivo::getPonderacao_fy_corpo,
         &AcessarArquivo::setPonderacao_fy_corpo, &AcessarArquivo::getKy_corpo,
         &AcessarArquivo::setKy_corpo, &AcessarArquivo::getSensibilidade_y_corpo,
         &AcessarArquivo::setSensibilidade_y_corpo},
        {ui->comboBox_PondFreqZ_corpo, ui->comboBox_FatorKZ_corpo, ui->horizontalSlider_SensibZ_corpo,
         ui->doubleSpinBox_SensibZ_corpo, &AcessarArquivo::getPonderacao_fz_corpo,
         &AcessarArquivo::setPonderacao_fz_corpo, &AcessarArquivo::getKz_corpo,
         &AcessarArquivo::setKz_corpo, &AcessarArquivo::getSensibilidade_z_corpo,
         &AcessarArquivo::setSensibilidade_z_corpo},
    };
    for (const Eixo &e : eixos) {
        e.ponderacao->addItems(ponderacoes);
        e.fator->addItems({"1.0", "1.4"});
    }
    carregar();

    const QVector<void (JanelaConfig::*)(int)> paraSpin = {
        &JanelaConfig::updateSpin_Sensib_x_mao,   &JanelaConfig::updateSpin_Sensib_y_mao,
        &JanelaConfig::updateSpin_Sensib_z_mao,   &JanelaConfig::updateSpin_Sensib_x_corpo,
        &JanelaConfig::updateSpin_Sensib_y_corpo, &JanelaConfig::updateSpin_Sensib_z_corpo};
    const QVector<void (JanelaConfig::*)(double)> paraSlider = {
        &JanelaConfig::updateSlider_Sensib_x_mao,   &JanelaConfig::updateSlider_Sensib_y_mao,
        &JanelaConfig::updateSlider_Sensib_z_mao,   &JanelaConfig::updateSlider_Sensib_x_corpo,
        &JanelaConfig::updateSlider_Sensib_y_corpo, &JanelaConfig::updateSlider_Sensib_z_corpo};
    for (int i = 0; i < eixos.size(); ++i) {
        connect(eixos[i].slider, &QSlider::valueChanged, this, paraSpin[i]);
        connect(eixos[i].sensibilidade, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                paraSlider[i]);
    }
}

JanelaConfig::~JanelaConfig() = default;

QStringList JanelaConfig::codigosTempo() const
{
    return completo ? QStringList{"0", "30", "1", "2", "4", "8", "24"}
                    : QStringList{"0", "300", "600", "1800", "3600", "7200", "14400", "28800"};
}

QStringList JanelaConfig::codigosPeriodo() const
{
    if (completo)
        return {"1", "3", "5", "8", "10"};
    return {"1", "3", "5", "8", "10", "20", "30", "60"};
}

void JanelaConfig::carregar()
{
    acessarArquivo = AcessarArquivo();
    acessarArquivo.lerConfiguracao(caminho);
    for (const Eixo &e : eixos) {
        e.fator->setCurrentIndex((acessarArquivo.*e.getFator)() == QLatin1String("1.0") ? 0 : 1);
        e.sensibilidade->setValue((acessarArquivo.*e.getSensibilidade)().toDouble());
        e.slider->setValue(posicaoDoSlider(e.sensibilidade->value()));
        const QString ponderacao = (acessarArquivo.*e.getPonderacao)();
        int item = 0;
        for (int i = 0; i < ponderacoes.size(); ++i) {
            if (ponderacoes.at(i).toLower() == ponderacao)
                item = i;
        }
        e.ponderacao->setCurrentIndex(item);
    }
    ui->comboBox_TempoProg->setCurrentIndex(
        indiceDoCodigo(codigosTempo(), acessarArquivo.getTempo_programado()));
    ui->comboBox_PeridoAmos->setCurrentIndex(
        indiceDoCodigo(codigosPeriodo(), acessarArquivo.getPeriodo_amostragemConfig()));
}

void JanelaConfig::on_pushButton_Salvar_clicked()
{
    acessarArquivo.setTempo_programado(codigosTempo().value(ui->comboBox_TempoProg->currentIndex()));
    acessarArquivo.setPeriodo_amostragemConfig(
        codigosPeriodo().value(ui->comboBox_PeridoAmos->currentIndex()));
    for (const Eixo &e : eixos) {
        // A number still being typed counts as typed.
        e.sensibilidade->interpretText();
        (acessarArquivo.*e.setPonderacao)(e.ponderacao->currentText().toLower());
        (acessarArquivo.*e.setFator)(e.fator->currentText());
        (acessarArquivo.*e.setSensibilidade)(QString::number(e.sensibilidade->value(), 'g', 6));
    }
    // The user must know when the instrument was not configured.
    if (!acessarArquivo.salvarConfiguracao(caminho, completo)) {
        perguntador.informar(this, tr("Configuração de Instrumento"),
                             tr("Não foi possível gravar a configuração em %1. "
                                "O instrumento não foi configurado.").arg(caminho)
                                 + QLatin1Char('\n') + acessarArquivo.erroGravacao());
        return;
    }
    close();
}

// Each side follows the other without answering back: set again from
// the slider while the user types, the spin box would round "0.5" of
// "0.57" and lose the rest of the number.
#define KT_ACOPLAR(eixo, sensor, i)                                                           \
    void JanelaConfig::updateSpin_Sensib_##eixo##_##sensor(int posicao)                         \
    {                                                                                          \
        const QSignalBlocker calado(eixos[i].sensibilidade);                                   \
        eixos[i].sensibilidade->setValue(posicao / 1000.0);                                    \
    }                                                                                          \
    void JanelaConfig::updateSlider_Sensib_##eixo##_##sensor(double valor)                     \
    {                                                                                          \
        const QSignalBlocker calado(eixos[i].slider);                                          \
        eixos[i].slider->setValue(posicaoDoSlider(valor));                                    \
    }
KT_ACOPLAR(x, mao, 0)
KT_ACOPLAR(y, mao, 1)
KT_ACOPLAR(z, mao, 2)
KT_ACOPLAR(x, corpo, 3)
KT_ACOPLAR(y, corpo, 4)
KT_ACOPLAR(z, corpo, 5)
#undef KT_ACOPLAR
