#include "viewer/seletorarmazem.h"

#include "data/acessararquivo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/tabelasavaliacao.h"
#include "platform/trabalhoaolado.h"
#include "ui_seletorarmazem.h"
#include "viewer/modelobusca.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QtConcurrent>

#include <memory>

namespace {

// What the picker lists, read beside the window.
struct Leitura {
    QVector<CatalogoTarefas::Linha> tarefas;
    QStringList medidas;
    QVector<QStringList> linhas;
    QStringList buscas;
};

QStringList linhaDaMedida(const QString &medida)
{
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(medida));
    return {LayoutMedida::nomePasta(medida), e.getFuncionario_avaliado().trimmed(), e.getEmpresa_avaliada().trimmed(),
            LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao()).trimmed(),
            TabelasAvaliacao::textoFaixa(AvaliacaoExposicao::nrArmazenada(e).piorFaixa())};
}

} // namespace

SeletorArmazem::SeletorArmazem(const QString &raizArmazem, Conteudo conteudo, QWidget *pai)
    : QDialog(pai)
    , ui(std::make_unique<Ui::SeletorArmazem>())
    , modelo(new ModeloBusca(this))
    , ordem(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    if (conteudo == Conteudo::Medidas)
        setWindowTitle(tr("Escolher medidas"));
    ordem->setSourceModel(modelo);
    ordem->setSortCaseSensitivity(Qt::CaseInsensitive);
    ui->tableView_Tarefas->setModel(ordem);
    ui->tableView_Tarefas->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ui->label_Estado->setText(tr("Lendo as medidas do armazém..."));
    connect(ui->lineEdit_Busca, &QLineEdit::textChanged, modelo, &ModeloBusca::filtrar);
    const auto lido = std::make_shared<Leitura>();
    TrabalhoAoLado::executar(
        this, windowTitle(), tr("Lendo as medidas do armazém..."),
        [lido, raizArmazem, conteudo] {
            if (conteudo == Conteudo::Tarefas) {
                lido->tarefas = CatalogoTarefas::ler(raizArmazem);
                for (const CatalogoTarefas::Linha &l : qAsConst(lido->tarefas)) {
                    lido->linhas << QStringList{l.medida, l.trabalhador, l.empresa, l.data, l.tarefa,
                                                l.corpo ? tr("Corpo inteiro") : tr("Mãos e braços"), l.arep};
                    lido->buscas << l.textoDeBusca();
                }
                return;
            }
            // A store of years: each measurement read on every core.
            lido->medidas = LayoutMedida::medidasDoArmazem(raizArmazem);
            lido->linhas = QtConcurrent::blockingMapped<QVector<QStringList>>(lido->medidas, linhaDaMedida);
            if (conteudo == Conteudo::MedidasJornadasGrupos) {
                // Each row says what it is; jornadas and groups after the measurements.
                for (QStringList &l : lido->linhas)
                    l.insert(1, tr("Medição"));
                for (const QString &f : QDir(Jornada::pasta(raizArmazem)).entryList({QStringLiteral("*.id")}, QDir::Files, QDir::Name)) {
                    Jornada j;
                    Jornada::ler(QDir(Jornada::pasta(raizArmazem)).filePath(f), &j);
                    lido->medidas << QDir(Jornada::pasta(raizArmazem)).filePath(f);
                    lido->linhas << QStringList{j.nome, tr("Jornada"), j.trabalhador, QString(), j.data};
                }
                for (const QString &f : QDir(Grupo::pasta(raizArmazem)).entryList({QStringLiteral("*.id")}, QDir::Files, QDir::Name)) {
                    lido->medidas << QDir(Grupo::pasta(raizArmazem)).filePath(f);
                    lido->linhas << QStringList{QFileInfo(f).completeBaseName(), tr("Grupo")};
                }
            }
            for (const QStringList &l : qAsConst(lido->linhas))
                lido->buscas << l.join(QLatin1Char(' '));
        },
        [this, lido, conteudo] {
            tarefas = lido->tarefas;
            medidas = lido->medidas;
            modelo->definir(conteudo == Conteudo::Tarefas
                                ? QStringList{tr("Medição"), tr("Trabalhador"), tr("Empresa avaliada"), tr("Data"),
                                              tr("Tarefa"), tr("Região"), tr("arep [m/s²]")}
                                : conteudo == Conteudo::Medidas
                                ? QStringList{tr("Medição"), tr("Trabalhador"), tr("Empresa avaliada"), tr("Data"),
                                              tr("Veredito NR")}
                                : QStringList{tr("Nome"), tr("Tipo"), tr("Trabalhador"), tr("Empresa avaliada"),
                                              tr("Data"), tr("Veredito NR")},
                            lido->linhas, lido->buscas);
            modelo->filtrar(ui->lineEdit_Busca->text());
            // Sized once to what is shown first; a search does not resize them.
            ui->tableView_Tarefas->resizeColumnsToContents();
            ui->label_Estado->setText((conteudo == Conteudo::Tarefas ? tr("Tarefas: %1") : tr("Itens: %1"))
                                          .arg(modelo->total()));
        });
}

SeletorArmazem::~SeletorArmazem() = default;

void SeletorArmazem::escolher(const QString &raizArmazem, Conteudo conteudo, const QString &titulo, QWidget *pai,
                              const std::function<void(const SeletorArmazem &)> &aoEscolher)
{
    auto *seletor = new SeletorArmazem(raizArmazem, conteudo, pai);
    if (!titulo.isEmpty())
        seletor->setWindowTitle(titulo);
    seletor->setAttribute(Qt::WA_DeleteOnClose);
    connect(seletor, &QDialog::accepted, seletor, [seletor, aoEscolher] { aoEscolher(*seletor); });
    seletor->open();
}

QVector<int> SeletorArmazem::escolhidas() const
{
    QVector<int> r;
    for (const QModelIndex &i : ui->tableView_Tarefas->selectionModel()->selectedRows())
        r << modelo->origem(ordem->mapToSource(i).row());
    std::sort(r.begin(), r.end());
    return r;
}

QVector<CatalogoTarefas::Linha> SeletorArmazem::tarefasEscolhidas() const
{
    QVector<CatalogoTarefas::Linha> r;
    for (const int i : escolhidas())
        r << tarefas.value(i);
    return r;
}

QStringList SeletorArmazem::medidasEscolhidas() const
{
    QStringList r;
    for (const int i : escolhidas())
        r << medidas.value(i);
    return r;
}
