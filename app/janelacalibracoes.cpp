#include "app/janelacalibracoes.h"

#include "platform/perguntador.h"
#include "ui_calibracoes.h"

#include <QComboBox>
#include <QHeaderView>

namespace {

const QString formatoData = QStringLiteral("dd/MM/yyyy");
const Calibracoes::Tipo tipos[3] = {Calibracoes::Tipo::Instrumento, Calibracoes::Tipo::Acelerometro,
                                    Calibracoes::Tipo::Calibrador};

enum Coluna { Tipo, Identidade, Certificado, Laboratorio, Data, Validade };

} // namespace

JanelaCalibracoes::JanelaCalibracoes(QWidget *pai, const QString &pastaPerfil, Perguntador &perguntador)
    : QDialog(pai)
    , ui(std::make_unique<Ui::JanelaCalibracoes>())
    , pastaPerfil(pastaPerfil)
    , perguntador(perguntador)
{
    ui->setupUi(this);
    ui->tableWidget_Calibracoes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Calibracoes c;
    QString erro;
    if (!Calibracoes::ler(pastaPerfil, &c, &erro))
        perguntador.informar(pai, windowTitle(), erro);
    for (const Calibracoes::Entrada &e : qAsConst(c.entradas))
        acrescentarLinha(e);
}

JanelaCalibracoes::~JanelaCalibracoes() = default;

void JanelaCalibracoes::acrescentarLinha(const Calibracoes::Entrada &e)
{
    QTableWidget *t = ui->tableWidget_Calibracoes;
    const int linha = t->rowCount();
    t->insertRow(linha);
    auto *tipo = new QComboBox(t);
    tipo->addItems({tr("Instrumento"), tr("Acelerômetro"), tr("Calibrador")});
    tipo->setCurrentIndex(int(e.tipo));
    t->setCellWidget(linha, Tipo, tipo);
    const QStringList textos{QString(), e.identidade, e.certificado, e.laboratorio, e.data.toString(formatoData),
                             e.validade.toString(formatoData)};
    for (int c = Identidade; c <= Validade; ++c)
        t->setItem(linha, c, new QTableWidgetItem(textos.at(c)));
}

void JanelaCalibracoes::on_pushButton_Adicionar_clicked()
{
    acrescentarLinha(Calibracoes::Entrada());
    QTableWidget *t = ui->tableWidget_Calibracoes;
    t->setCurrentCell(t->rowCount() - 1, Identidade);
    t->editItem(t->currentItem());
}

void JanelaCalibracoes::on_pushButton_Remover_clicked()
{
    const int linha = ui->tableWidget_Calibracoes->currentRow();
    if (linha >= 0)
        ui->tableWidget_Calibracoes->removeRow(linha);
}

void JanelaCalibracoes::on_pushButton_Salvar_clicked()
{
    QTableWidget *t = ui->tableWidget_Calibracoes;
    Calibracoes c;
    QStringList erros;
    for (int linha = 0; linha < t->rowCount(); ++linha) {
        const auto texto = [&](int coluna) { return t->item(linha, coluna) ? t->item(linha, coluna)->text().trimmed() : QString(); };
        Calibracoes::Entrada e;
        e.tipo = tipos[qBound(0, qobject_cast<QComboBox *>(t->cellWidget(linha, Tipo))->currentIndex(), 2)];
        e.identidade = texto(Identidade);
        e.certificado = texto(Certificado);
        e.laboratorio = texto(Laboratorio);
        e.data = QDate::fromString(texto(Data), formatoData);
        e.validade = QDate::fromString(texto(Validade), formatoData);
        if (e.identidade.isEmpty())
            erros << tr("Linha %1: falta a identificação do equipamento.").arg(linha + 1);
        if (!e.data.isValid() || !e.validade.isValid())
            erros << tr("Linha %1: datas de calibração e de validade como dd/mm/aaaa.").arg(linha + 1);
        c.entradas << e;
    }
    if (!erros.isEmpty()) {
        perguntador.informar(this, windowTitle(), erros.join(QLatin1Char('\n')));
        return;
    }
    const Desfecho gravado = c.gravar(pastaPerfil);
    if (!gravado) {
        perguntador.informar(this, windowTitle(), tr("O registro não foi gravado.") + QLatin1Char('\n') + gravado.motivo);
        return;
    }
    accept();
}
