#include "viewer/janeladadoslaudo.h"

#include "platform/perguntador.h"
#include "ui_dadoslaudo.h"

#include <QLocale>

#include <cmath>

JanelaDadosLaudo::JanelaDadosLaudo(const Laudo &laudo, const QString &arquivoDados, Perguntador &perguntador,
                                   QWidget *pai)
    : QDialog(pai)
    , ui(std::make_unique<Ui::JanelaDadosLaudo>())
    , arquivoDados(arquivoDados)
    , perguntador(perguntador)
    , atual(laudo)
{
    ui->setupUi(this);
    // Charts are a measurement's.
    ui->checkBox_Graficos->setVisible(!atual.pastaMedida.isEmpty());
    const auto ou = [](const QString &t) { return t.isEmpty() ? tr("não informado") : t; };
    ui->label_Medida->setText(tr("Medição %1 de %2 — trabalhador: %3; empresa avaliada: %4; setor: %5; "
                                 "responsável técnico: %6; instrumento: %7.")
                                  .arg(ou(atual.nomeMedida), ou(atual.dataMedicaoTexto), ou(atual.funcionario),
                                       ou(atual.empresaAvaliada), ou(atual.setor), ou(atual.responsavel),
                                       ou(atual.instrumento)));
    const DadosLaudo &d = atual.dados;
    ui->lineEdit_Numero->setText(d.numero);
    ui->plainTextEdit_Objetivo->setPlainText(d.objetivo);
    ui->lineEdit_Funcao->setText(d.funcao);
    ui->lineEdit_Ges->setText(d.ges);
    ui->plainTextEdit_Atividades->setPlainText(d.atividades);
    ui->plainTextEdit_Protecao->setPlainText(d.protecao);
    ui->plainTextEdit_Conclusao->setPlainText(atual.conclusao());
    ui->lineEdit_Local->setText(d.local.isEmpty() ? atual.cidade : d.local);
    const QDate emissao = QDate::fromString(d.data, QStringLiteral("dd/MM/yyyy"));
    ui->dateEdit_Emissao->setDate(emissao.isValid() ? emissao : QDate::currentDate());
    ui->lineEdit_SensorCorpo->setText(d.sensorCorpo);
    ui->lineEdit_SensorMao->setText(d.sensorMao);
    ui->comboBox_Calibrador->addItems(atual.calibradores());
    ui->comboBox_Calibrador->setCurrentText(atual.calibradorUsado());
    ui->lineEdit_ReferenciaCorpo->setText(d.verificacaoCorpo.referencia);
    ui->lineEdit_AntesCorpo->setText(d.verificacaoCorpo.antes);
    ui->lineEdit_DepoisCorpo->setText(d.verificacaoCorpo.depois);
    ui->lineEdit_ReferenciaMao->setText(d.verificacaoMao.referencia);
    ui->lineEdit_AntesMao->setText(d.verificacaoMao.antes);
    ui->lineEdit_DepoisMao->setText(d.verificacaoMao.depois);
    // A body part the measurement lacks has no accelerometer to name.
    const bool corpo = atual.avaliacao.temCorpo;
    const bool mao = atual.avaliacao.temMao;
    for (QWidget *w : std::initializer_list<QWidget *>{ui->lineEdit_SensorCorpo, ui->lineEdit_ReferenciaCorpo,
                                                       ui->lineEdit_AntesCorpo, ui->lineEdit_DepoisCorpo})
        w->setEnabled(corpo);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->lineEdit_SensorMao, ui->lineEdit_ReferenciaMao,
                                                       ui->lineEdit_AntesMao, ui->lineEdit_DepoisMao})
        w->setEnabled(mao);
    for (QLineEdit *e : findChildren<QLineEdit *>())
        connect(e, &QLineEdit::textChanged, this, &JanelaDadosLaudo::atualizar);
    connect(ui->comboBox_Calibrador, &QComboBox::currentTextChanged, this, &JanelaDadosLaudo::atualizar);
    atualizar();
}

JanelaDadosLaudo::~JanelaDadosLaudo() = default;

bool JanelaDadosLaudo::anexarGraficos() const
{
    return !atual.pastaMedida.isEmpty() && ui->checkBox_Graficos->isChecked();
}

DadosLaudo JanelaDadosLaudo::digitados() const
{
    DadosLaudo d = atual.dados;
    d.numero = ui->lineEdit_Numero->text().trimmed();
    d.objetivo = ui->plainTextEdit_Objetivo->toPlainText().trimmed();
    d.funcao = ui->lineEdit_Funcao->text().trimmed();
    d.ges = ui->lineEdit_Ges->text().trimmed();
    d.atividades = ui->plainTextEdit_Atividades->toPlainText().trimmed();
    d.protecao = ui->plainTextEdit_Protecao->toPlainText().trimmed();
    d.conclusao = ui->plainTextEdit_Conclusao->toPlainText().trimmed();
    // The default stays the default: it follows the assessment.
    if (d.conclusao == Laudo::conclusaoPadrao(atual.avaliacao))
        d.conclusao.clear();
    d.local = ui->lineEdit_Local->text().trimmed();
    d.data = ui->dateEdit_Emissao->date().toString(QStringLiteral("dd/MM/yyyy"));
    d.sensorCorpo = ui->lineEdit_SensorCorpo->text().trimmed();
    d.sensorMao = ui->lineEdit_SensorMao->text().trimmed();
    d.calibrador = ui->comboBox_Calibrador->currentText().trimmed();
    d.verificacaoCorpo = {ui->lineEdit_ReferenciaCorpo->text().trimmed(), ui->lineEdit_AntesCorpo->text().trimmed(),
                          ui->lineEdit_DepoisCorpo->text().trimmed()};
    d.verificacaoMao = {ui->lineEdit_ReferenciaMao->text().trimmed(), ui->lineEdit_AntesMao->text().trimmed(),
                        ui->lineEdit_DepoisMao->text().trimmed()};
    return d;
}

void JanelaDadosLaudo::atualizar()
{
    atual.aplicar(digitados());
    const auto diferenca = [this](const DadosLaudo::Verificacao &v) {
        const double d = v.diferenca();
        return std::isnan(d) ? QString() : locale().toString(d, 'f', 1) + QStringLiteral(" %");
    };
    ui->label_DiferencaCorpo->setText(diferenca(atual.dados.verificacaoCorpo));
    ui->label_DiferencaMao->setText(diferenca(atual.dados.verificacaoMao));
    ui->listWidget_Avisos->clear();
    ui->listWidget_Avisos->addItems(atual.avisos);
}

void JanelaDadosLaudo::on_pushButton_Gerar_clicked()
{
    atualizar();
    const Desfecho gravado = atual.dados.gravarArquivo(arquivoDados);
    if (!gravado) {
        perguntador.informar(this, windowTitle(),
                             tr("Os dados do laudo não foram gravados.") + QLatin1Char('\n') + gravado.motivo);
        return;
    }
    accept();
}
