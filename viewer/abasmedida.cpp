#include "viewer/abasmedida.h"

#include "data/acessararquivo.h"
#include "report/dadosgraficos.h"
#include "report/graficos.h"

#include "ui_medidas.h"

AbasMedida::AbasMedida(Ui::Medidas *ui, QWidget *janela)
    : ui(ui)
{
    // The form's limits stop typing only; stored values are shown whole.
    for (QLineEdit *e : janela->findChildren<QLineEdit *>()) {
        if (e->maxLength() < QLineEdit().maxLength())
            limites.insert(e, e->maxLength());
    }
}

void AbasMedida::identificacao(const AcessarArquivo &a)
{
    const QStringList jornada = a.getJornada_de_trabalho().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    mostrar(ui->lineEdit_JornadaTrabalho_1, jornada.value(0));
    mostrar(ui->lineEdit_JornadaTrabalho_2, jornada.value(1));
    mostrar(ui->lineEdit_EmpAvaliadora, a.getEmpresa_avaliadora());
    mostrar(ui->lineEdit_ResponsavelTecnico, a.getResponsavel_tecnico());
    mostrar(ui->lineEdit_EmpAvaliada, a.getEmpresa_avaliada());
    mostrar(ui->lineEdit_FuncAvaliado, a.getFuncionario_avaliado());
    mostrar(ui->lineEdit_Setor, a.getSetor());
    mostrar(ui->lineEdit_NomeExp, a.getNome_exposicao());
    mostrar(ui->lineEdit_DataCriacao, a.getData_criacao());
    ui->lineEdit_NumExpParciais->clear();
    ui->lineEdit_NumComponentes->clear();
}

void AbasMedida::resultados(const AcessarArquivo &a)
{
    const bool mao = a.getEnable_mao().toInt() != 0;
    ui->tabWidget_Resultados->setTabEnabled(2, mao);
    if (mao) {
        ui->lineEdit_Are_Mao->setText(a.getAre_mao());
        ui->lineEdit_Aren_Mao->setText(a.getAren_mao());
    }
    const bool corpo = a.getEnable_corpo().toInt() != 0;
    ui->tabWidget_Resultados->setTabEnabled(1, corpo);
    if (corpo) {
        ui->lineEdit_Are_Corpo->setText(a.getAre_corpo());
        ui->lineEdit_Aren_Corpo->setText(a.getAren_corpo());
        ui->lineEdit_VDVR->setText(a.getVdvr());
        ui->lineEdit_VDVexpx->setText(a.getVdvexpx());
        ui->lineEdit_VDVexpy->setText(a.getVdvexpy());
        ui->lineEdit_VDVexpz->setText(a.getVdvexpz());
        ui->lineEdit_FC_X_resultante->setText(a.getFC_x_resultante());
        ui->lineEdit_FC_Y_resultante->setText(a.getFC_y_resultante());
        ui->lineEdit_FC_Z_resultante->setText(a.getFC_z_resultante());
    }
}

void AbasMedida::mostrar(QLineEdit *edicao, const QString &valor)
{
    if (limites.contains(edicao))
        edicao->setMaxLength(qMax(limites.value(edicao), int(valor.size())));
    edicao->setText(valor);
}

void AbasMedida::mostrarLinhasDeCorpo(const QList<QWidget *> &widgets, bool mostrar)
{
    for (QWidget *w : widgets)
        w->setVisible(mostrar);
}

void AbasMedida::parcial(const AcessarArquivo &a, bool corpo)
{
    mostrar(ui->lineEdit_NomeExpParcial, a.getNome_exp_parcial());
    mostrar(ui->lineEdit_NumRepeticaoParcial, a.getNum_repeticao());
    mostrar(ui->lineEdit_TempoExpParcial, a.getTempo_exp());
    ui->lineEdit_TempoExpParcialTotal->setText(a.getTempo_exp_total());
    ui->lineEdit_TempoExpAmostrado->setText(a.getTempo_amostrado());
    ui->lineEdit_Arep->setText(a.getArep());
    mostrarLinhasDeCorpo({ui->label_VDViX, ui->lineEdit_VDViX, ui->label_VDViY, ui->lineEdit_VDViY,
                          ui->label_VDViZ, ui->lineEdit_VDViZ, ui->label_VDVexpX, ui->lineEdit_VDVexpX,
                          ui->label_VDVexpY, ui->lineEdit_VDVexpY, ui->label_VDVexpZ, ui->lineEdit_VDVexpZ,
                          ui->label_FC_X_parcial, ui->lineEdit_FC_X_parcial, ui->label_FC_Y_parcial,
                          ui->lineEdit_FC_Y_parcial, ui->label_FC_Z_parcial, ui->lineEdit_FC_Z_parcial},
                         corpo);
    if (!corpo)
        return;
    ui->lineEdit_VDViX->setText(a.getVdvix());
    ui->lineEdit_VDViY->setText(a.getVdviy());
    ui->lineEdit_VDViZ->setText(a.getVdviz());
    ui->lineEdit_VDVexpX->setText(a.getVdvexpx_parcial());
    ui->lineEdit_VDVexpY->setText(a.getVdvexpy_parcial());
    ui->lineEdit_VDVexpZ->setText(a.getVdvexpz_parcial());
    ui->lineEdit_FC_X_parcial->setText(a.getFC_x_parcial());
    ui->lineEdit_FC_Y_parcial->setText(a.getFC_y_parcial());
    ui->lineEdit_FC_Z_parcial->setText(a.getFC_z_parcial());
}

void AbasMedida::configuracao(const AcessarArquivo &a)
{
    ui->lineEdit_NomeComponente->setText(a.getNome_componente());
    ui->lineEdit_InicioComponente->setText(a.getInicio_comp());
    ui->lineEdit_FimComponente->setText(a.getFim_comp());
    ui->lineEdit_DuracaoComponente->setText(a.getDuracao_comp());
    ui->lineEdit_PeriodoAmostragem->setText(a.getPeriodo_amostragem_comp());
    ui->lineEdit_TipoSensor->setText(a.getTipo_de_sensor_comp());
    ui->lineEdit_SensibilidadeX->setText(a.getSensibilidade_x());
    ui->lineEdit_SensibilidadeY->setText(a.getSensibilidade_y());
    ui->lineEdit_SensibilidadeZ->setText(a.getSensibilidade_z());
    ui->lineEdit_Filtros->setText(QStringLiteral("x = ") + a.getPonderacao_frequencia_x()
                                  + QStringLiteral("   y = ") + a.getPonderacao_frequencia_y()
                                  + QStringLiteral("  z = ") + a.getPonderacao_frequencia_z());
}

void AbasMedida::componente(const AcessarArquivo &a, bool corpo)
{
    ui->lineEdit_Amx->setText(a.getAmx());
    ui->lineEdit_Amy->setText(a.getAmy());
    ui->lineEdit_Amz->setText(a.getAmz());
    ui->lineEdit_Picox->setText(a.getPicox());
    ui->lineEdit_Picoy->setText(a.getPicoy());
    ui->lineEdit_Picoz->setText(a.getPicoz());
    mostrarLinhasDeCorpo({ui->label_VdvX, ui->lineEdit_VdvX, ui->label_VdvY, ui->lineEdit_VdvY,
                          ui->label_VdvZ, ui->lineEdit_VdvZ, ui->label_FC_X_comp, ui->lineEdit_FC_X_comp,
                          ui->label_FC_Y_comp, ui->lineEdit_FC_Y_comp, ui->label_FC_Z_comp,
                          ui->lineEdit_FC_Z_comp},
                         corpo);
    if (!corpo)
        return;
    ui->lineEdit_VdvX->setText(a.getVdvx());
    ui->lineEdit_VdvY->setText(a.getVdvy());
    ui->lineEdit_VdvZ->setText(a.getVdvz());
    ui->lineEdit_FC_X_comp->setText(a.getFC_x());
    ui->lineEdit_FC_Y_comp->setText(a.getFC_y());
    ui->lineEdit_FC_Z_comp->setText(a.getFC_z());
}

void AbasMedida::observacao(const AcessarArquivo &a)
{
    ui->textEdit_Observacao->setPlainText(a.getObservacoes());
}

void AbasMedida::graficoLinhas(const AcessarArquivo &a)
{
    Graficos::desenharLinhas(ui->customPlot_1, DadosGraficos::linhas(a),
                             AparenciaGrafico::tela());
}

void AbasMedida::graficoBandas(const AcessarArquivo &a)
{
    Graficos::desenharBandas(ui->customPlot_2,
                             DadosGraficos::bandas(a.getFreq(), a.getVibracao()),
                             AparenciaGrafico::tela());
}
