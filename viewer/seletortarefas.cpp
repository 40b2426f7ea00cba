#include "viewer/seletortarefas.h"

#include "platform/trabalhoaolado.h"
#include "ui_seletortarefas.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>

#include <memory>

SeletorTarefas::SeletorTarefas(const QString &raizArmazem, QWidget *pai)
    : QDialog(pai)
    , ui(std::make_unique<Ui::SeletorTarefas>())
    , modelo(new ModeloTarefas(this))
    , ordem(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    ordem->setSourceModel(modelo);
    ordem->setSortCaseSensitivity(Qt::CaseInsensitive);
    ui->tableView_Tarefas->setModel(ordem);
    ui->tableView_Tarefas->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ui->tableView_Tarefas->horizontalHeader()->setDefaultSectionSize(130);
    ui->label_Estado->setText(tr("Lendo as medidas do armazém..."));
    connect(ui->lineEdit_Busca, &QLineEdit::textChanged, modelo, &ModeloTarefas::filtrar);
    const auto lidas = std::make_shared<QVector<CatalogoTarefas::Linha>>();
    TrabalhoAoLado::executar(
        this, windowTitle(), tr("Lendo as medidas do armazém..."),
        [lidas, raizArmazem] { *lidas = CatalogoTarefas::ler(raizArmazem); },
        [this, lidas] {
            modelo->definir(*lidas);
            modelo->filtrar(ui->lineEdit_Busca->text());
            ui->label_Estado->setText(tr("Tarefas: %1").arg(modelo->total()));
        });
}

SeletorTarefas::~SeletorTarefas() = default;

QVector<CatalogoTarefas::Linha> SeletorTarefas::escolhidas() const
{
    QVector<CatalogoTarefas::Linha> r;
    for (const QModelIndex &i : ui->tableView_Tarefas->selectionModel()->selectedRows())
        r << modelo->linha(ordem->mapToSource(i).row());
    return r;
}
