#include "viewer/seletortarefas.h"

#include "platform/trabalhoaolado.h"
#include "ui_seletortarefas.h"

#include <QHeaderView>

#include <memory>

SeletorTarefas::SeletorTarefas(const QString &raizArmazem, QWidget *pai)
    : QDialog(pai)
    , ui(std::make_unique<Ui::SeletorTarefas>())
{
    ui->setupUi(this);
    ui->tableWidget_Tarefas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->label_Estado->setText(tr("Lendo as medidas do armazém..."));
    connect(ui->lineEdit_Busca, &QLineEdit::textChanged, this, &SeletorTarefas::filtrar);
    const auto lidas = std::make_shared<QVector<CatalogoTarefas::Linha>>();
    TrabalhoAoLado::executar(
        this, windowTitle(), tr("Lendo as medidas do armazém..."),
        [lidas, raizArmazem] { *lidas = CatalogoTarefas::ler(raizArmazem); }, [this, lidas] { mostrar(*lidas); });
}

SeletorTarefas::~SeletorTarefas() = default;

void SeletorTarefas::mostrar(const QVector<CatalogoTarefas::Linha> &novas)
{
    linhas = novas;
    QTableWidget *t = ui->tableWidget_Tarefas;
    t->setSortingEnabled(false);
    t->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        const CatalogoTarefas::Linha &l = linhas.at(i);
        const QStringList textos{l.medida, l.trabalhador, l.empresa, l.data, l.tarefa,
                                 l.corpo ? tr("Corpo inteiro") : tr("Mãos e braços"), l.arep};
        for (int c = 0; c < textos.size(); ++c) {
            auto *celula = new QTableWidgetItem(textos.at(c));
            celula->setData(Qt::UserRole, i); // the row of `linhas`, whatever the sorting
            t->setItem(i, c, celula);
        }
    }
    t->setSortingEnabled(true);
    ui->label_Estado->setText(tr("Tarefas: %1").arg(linhas.size()));
    filtrar(ui->lineEdit_Busca->text());
}

void SeletorTarefas::filtrar(const QString &texto)
{
    const QStringList palavras = texto.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QTableWidget *t = ui->tableWidget_Tarefas;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QString busca = linhas.at(t->item(r, 0)->data(Qt::UserRole).toInt()).textoDeBusca();
        const bool mostra = std::all_of(palavras.cbegin(), palavras.cend(),
                                        [&](const QString &p) { return busca.contains(p); });
        t->setRowHidden(r, !mostra);
    }
}

QVector<CatalogoTarefas::Linha> SeletorTarefas::escolhidas() const
{
    QVector<CatalogoTarefas::Linha> r;
    const QModelIndexList selecionadas = ui->tableWidget_Tarefas->selectionModel()->selectedRows();
    for (const QModelIndex &i : selecionadas) {
        if (!ui->tableWidget_Tarefas->isRowHidden(i.row()))
            r << linhas.at(ui->tableWidget_Tarefas->item(i.row(), 0)->data(Qt::UserRole).toInt());
    }
    return r;
}
