#include "viewer/paginajornadas.h"

#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaogrupo.h"
#include "evaluation/avaliacaojornada.h"
#include "evaluation/edicao.h"
#include "evaluation/tabelasavaliacao.h"
#include "platform/perguntador.h"
#include "report/coresavaliacao.h"
#include "ui_jornadas.h"
#include "viewer/geracaolaudo.h"
#include "viewer/seletorarmazem.h"
#include "viewer/tabelaavaliacao.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QStackedWidget>
#include <QStandardItemModel>

namespace {

enum ColunaTarefa { Medicao, NomeTarefa, Regiao, Arep, Repeticoes, Tempo, Total, Situacao };


QTableWidgetItem *celula(const QString &texto, bool editavel = false)
{
    auto *c = new QTableWidgetItem(texto);
    if (!editavel)
        c->setFlags(c->flags() & ~Qt::ItemIsEditable);
    return c;
}

} // namespace

PaginaJornadas::PaginaJornadas(const QString &raizArmazem, const Servicos &servicos, QWidget *pai)
    : QWidget(pai)
    , ui(std::make_unique<Ui::PaginaJornadas>())
    , raiz(raizArmazem)
    , servicos(servicos)
    , modeloNr(std::make_unique<QStandardItemModel>())
    , modeloUe(std::make_unique<QStandardItemModel>())
{
    ui->setupUi(this);
    ui->tableView_Nr->setModel(modeloNr.get());
    ui->tableView_Ue->setModel(modeloUe.get());
    for (QTableView *t : {ui->tableView_Nr, ui->tableView_Ue}) {
        t->verticalHeader()->hide();
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        t->horizontalHeader()->setStretchLastSection(true);
    }
    ui->tableWidget_Tarefas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tableWidget_Tarefas->horizontalHeader()->setStretchLastSection(true);
    ui->tableWidget_Membros->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (const int c : {0, 1})
        ui->tableWidget_Membros->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    ui->tableWidget_Resumo->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(ui->listWidget_Jornadas, &QListWidget::itemClicked, this, [this] { escolher(Tipo::Jornada); });
    connect(ui->listWidget_Grupos, &QListWidget::itemClicked, this, [this] { escolher(Tipo::Grupo); });
    // What-if: a count or a time typed in changes the results at once.
    connect(ui->tableWidget_Tarefas, &QTableWidget::itemChanged, this, [this] {
        if (preenchendo)
            return;
        modificado = true;
        calcularJornada();
    });
    for (QLineEdit *e : {ui->lineEdit_Trabalhador, ui->lineEdit_Funcao, ui->lineEdit_Setor, ui->lineEdit_Data,
                         ui->lineEdit_Descricao})
        connect(e, &QLineEdit::textEdited, this, [this] { modificado = true; });
    listar();
}

PaginaJornadas::~PaginaJornadas() = default;

QString PaginaJornadas::pastaDe(Tipo tipo) const
{
    return tipo == Tipo::Jornada ? Jornada::pasta(raiz) : Grupo::pasta(raiz);
}

QListWidget *PaginaJornadas::listaDe(Tipo tipo) const
{
    return tipo == Tipo::Jornada ? ui->listWidget_Jornadas : ui->listWidget_Grupos;
}

void PaginaJornadas::listar()
{
    for (const Tipo tipo : {Tipo::Jornada, Tipo::Grupo}) {
        QListWidget *lista = listaDe(tipo);
        lista->clear();
        for (const QString &arquivo : QDir(pastaDe(tipo)).entryList({QStringLiteral("*.id")}, QDir::Files, QDir::Name))
            lista->addItem(QFileInfo(arquivo).completeBaseName());
    }
}

void PaginaJornadas::on_voltarMenu_clicked()
{
    if (!podeSair())
        return;
    if (pilha)
        pilha->setCurrentIndex(0);
}

bool PaginaJornadas::podeSair()
{
    if (!emEdicao || !modificado)
        return true;
    const QString nome = tipoAtual == Tipo::Jornada ? jornada.nome : grupo.nome;
    if (!servicos.perguntador->perguntar(this, tr("Jornadas e grupos"),
                                         tr("Salvar as alterações de \"%1\"?").arg(nome), tr("Salvar"),
                                         tr("Descartar"), Perguntador::Padrao::Sim))
        return true;
    return salvar();
}

void PaginaJornadas::escolher(Tipo tipo)
{
    QListWidget *lista = listaDe(tipo);
    if (!lista->currentItem())
        return;
    const QString nome = lista->currentItem()->text();
    if (emEdicao && tipo == tipoAtual && nome == (tipo == Tipo::Jornada ? jornada.nome : grupo.nome))
        return;
    if (!podeSair())
        return;
    (tipo == Tipo::Jornada ? ui->listWidget_Grupos : ui->listWidget_Jornadas)->clearSelection();
    QString erro;
    const QString arquivo = QDir(pastaDe(tipo)).filePath(nome + QStringLiteral(".id"));
    const bool lido = tipo == Tipo::Jornada ? Jornada::ler(arquivo, &jornada, &erro) : Grupo::ler(arquivo, &grupo, &erro);
    if (!lido) {
        servicos.perguntador->informar(this, tr("Jornadas e grupos"), erro.isEmpty() ? arquivo : erro);
        listar();
        return;
    }
    tipoAtual = tipo;
    emEdicao = true;
    modificado = false;
    if (tipo == Tipo::Jornada)
        mostrarJornada();
    else
        mostrarGrupo();
}

QString PaginaJornadas::pedirNome(Tipo tipo, const QString &atual)
{
    QString nome = atual;
    const QString titulo = tipo == Tipo::Jornada ? tr("Jornada") : tr("Grupo");
    if (!servicos.perguntador->pedirTexto(this, titulo, tr("Nome:"), &nome))
        return QString();
    nome = nome.trimmed();
    // A name is a file name of the folder: nothing that leaves it.
    if (nome.isEmpty() || nome.contains(QLatin1Char('/')) || nome.contains(QLatin1Char('\\')) || nome.startsWith(QLatin1Char('.'))) {
        servicos.perguntador->informar(this, titulo, tr("Nome inválido: \"%1\".").arg(nome));
        return QString();
    }
    if (QFileInfo::exists(QDir(pastaDe(tipo)).filePath(nome + QStringLiteral(".id")))) {
        servicos.perguntador->informar(this, titulo, tr("Já existe \"%1\".").arg(nome));
        return QString();
    }
    return nome;
}

void PaginaJornadas::criar(Tipo tipo)
{
    if (!podeSair())
        return;
    const QString nome = pedirNome(tipo, QString());
    if (nome.isEmpty())
        return;
    QDir().mkpath(pastaDe(tipo));
    const QString arquivo = QDir(pastaDe(tipo)).filePath(nome + QStringLiteral(".id"));
    const Desfecho d = tipo == Tipo::Jornada ? Jornada().gravar(arquivo) : Grupo().gravar(arquivo);
    if (!d) {
        servicos.perguntador->informar(this, tr("Jornadas e grupos"), d.motivo);
        return;
    }
    mostrarNaLista(tipo, nome);
}

void PaginaJornadas::mostrarNaLista(Tipo tipo, const QString &nome)
{
    emEdicao = false;
    listar();
    const QList<QListWidgetItem *> achados = listaDe(tipo)->findItems(nome, Qt::MatchExactly);
    if (!achados.isEmpty()) {
        listaDe(tipo)->setCurrentItem(achados.first());
        escolher(tipo);
    }
}

void PaginaJornadas::renomear(Tipo tipo)
{
    QListWidgetItem *atual = listaDe(tipo)->currentItem();
    if (!atual || !podeSair())
        return;
    const QString antigo = atual->text();
    const QString nome = pedirNome(tipo, antigo);
    if (nome.isEmpty())
        return;
    QString erro;
    if (!GravacaoSegura::renomear(QDir(pastaDe(tipo)).filePath(antigo + QStringLiteral(".id")),
                                  QDir(pastaDe(tipo)).filePath(nome + QStringLiteral(".id")), &erro)) {
        servicos.perguntador->informar(this, tr("Jornadas e grupos"), erro);
        return;
    }
    // The groups that held the jornada keep it.
    if (tipo == Tipo::Jornada) {
        const Desfecho d = Grupo::renomearJornada(raiz, antigo, nome);
        if (!d)
            servicos.perguntador->informar(this, tr("Jornadas e grupos"), d.motivo);
    }
    mostrarNaLista(tipo, nome);
}

void PaginaJornadas::apagar(Tipo tipo)
{
    QListWidgetItem *atual = listaDe(tipo)->currentItem();
    if (!atual)
        return;
    const QString nome = atual->text();
    QString pergunta = tipo == Tipo::Jornada ? tr("Apagar a jornada \"%1\"?").arg(nome)
                                             : tr("Apagar o grupo \"%1\"?").arg(nome);
    const QStringList grupos = tipo == Tipo::Jornada ? Grupo::gruposCom(raiz, nome) : QStringList();
    if (!grupos.isEmpty())
        pergunta += QLatin1Char('\n') + tr("Ela é membro de: %1.").arg(grupos.join(QStringLiteral(", ")));
    if (!servicos.perguntador->perguntar(this, tr("Apagar"), pergunta, tr("Sim"), tr("Não"), Perguntador::Padrao::Nao))
        return;
    QFile arquivo(QDir(pastaDe(tipo)).filePath(nome + QStringLiteral(".id")));
    if (!arquivo.remove()) {
        servicos.perguntador->informar(this, tr("Apagar"), arquivo.fileName() + QStringLiteral(": ") + arquivo.errorString());
        return;
    }
    if (emEdicao && tipo == tipoAtual) {
        emEdicao = false;
        modificado = false;
        ui->stackedWidget_Detalhe->setCurrentWidget(ui->page_Vazia);
    }
    listar();
}

void PaginaJornadas::on_pushButton_NovaJornada_clicked() { criar(Tipo::Jornada); }
void PaginaJornadas::on_pushButton_RenomearJornada_clicked() { renomear(Tipo::Jornada); }
void PaginaJornadas::on_pushButton_ApagarJornada_clicked() { apagar(Tipo::Jornada); }
void PaginaJornadas::on_pushButton_NovoGrupo_clicked() { criar(Tipo::Grupo); }
void PaginaJornadas::on_pushButton_RenomearGrupo_clicked() { renomear(Tipo::Grupo); }
void PaginaJornadas::on_pushButton_ApagarGrupo_clicked() { apagar(Tipo::Grupo); }

void PaginaJornadas::mostrarJornada()
{
    preenchendo = true;
    ui->stackedWidget_Detalhe->setCurrentWidget(ui->page_Jornada);
    ui->lineEdit_Trabalhador->setText(jornada.trabalhador);
    ui->lineEdit_Funcao->setText(jornada.funcao);
    ui->lineEdit_Setor->setText(jornada.setor);
    ui->lineEdit_Data->setText(jornada.data);
    QTableWidget *t = ui->tableWidget_Tarefas;
    t->setRowCount(int(jornada.tarefas.size()));
    for (int i = 0; i < jornada.tarefas.size(); ++i) {
        auto *referencia = celula(QString());
        referencia->setData(Qt::UserRole, jornada.tarefas.at(i).referencia);
        t->setItem(i, Medicao, referencia);
        t->setItem(i, Repeticoes, celula(jornada.tarefas.at(i).repeticoes, true));
        t->setItem(i, Tempo, celula(jornada.tarefas.at(i).tempoMedio, true));
    }
    preenchendo = false;
    calcularJornada();
}

Jornada PaginaJornadas::jornadaEditada() const
{
    Jornada j;
    j.nome = jornada.nome;
    j.trabalhador = ui->lineEdit_Trabalhador->text().trimmed();
    j.funcao = ui->lineEdit_Funcao->text().trimmed();
    j.setor = ui->lineEdit_Setor->text().trimmed();
    j.data = ui->lineEdit_Data->text().trimmed();
    const QTableWidget *t = ui->tableWidget_Tarefas;
    for (int i = 0; i < t->rowCount(); ++i)
        j.tarefas.append({t->item(i, Medicao)->data(Qt::UserRole).toString(), t->item(i, Repeticoes)->text().trimmed(),
                          t->item(i, Tempo)->text().trimmed()});
    return j;
}

void PaginaJornadas::calcularJornada()
{
    const AvaliacaoJornada a = AvaliacaoJornada::avaliar(jornadaEditada(), raiz);
    preenchendo = true;
    QTableWidget *t = ui->tableWidget_Tarefas;
    for (int i = 0; i < a.tarefas.size() && i < t->rowCount(); ++i) {
        const AvaliacaoJornada::Tarefa &tarefa = a.tarefas.at(i);
        const QString medida = tarefa.referencia.section(QLatin1Char('/'), 0, 0);
        // Its worker (or, without one, its folder) and date.
        t->item(i, Medicao)->setText(tarefa.dataMedida.isEmpty()
                                         ? medida
                                         : QStringLiteral("%1 — %2").arg(tarefa.trabalhador.isEmpty() ? medida : tarefa.trabalhador,
                                                                         tarefa.dataMedida));
        t->item(i, Medicao)->setToolTip(tarefa.referencia);
        t->setItem(i, NomeTarefa, celula(tarefa.nomeTarefa));
        t->setItem(i, Regiao, celula(tarefa.corpo ? tr("Corpo inteiro") : tr("Mãos e braços")));
        t->setItem(i, Arep, celula(tarefa.usada ? locale().toString(tarefa.arep, 'g', 6) : QString()));
        // The task's own values where none was typed, shown as they count.
        if (tarefa.usada && t->item(i, Repeticoes)->text().trimmed().isEmpty())
            t->item(i, Repeticoes)->setText(QString::number(tarefa.repeticoes));
        if (tarefa.usada && t->item(i, Tempo)->text().trimmed().isEmpty())
            t->item(i, Tempo)->setText(Edicao::textoDuracao(qRound64(tarefa.tempoRepeticao)));
        t->setItem(i, Total, celula(tarefa.usada ? Edicao::textoDuracao(qRound64(tarefa.repeticoes * tarefa.tempoRepeticao)) : QString()));
        t->setItem(i, Situacao, celula(tarefa.usada ? tr("usada") : tr("deixada de fora: %1").arg(tarefa.motivo)));
        t->item(i, Situacao)->setForeground(tarefa.usada ? Qt::black : Qt::red);
    }
    preenchendo = false;
    TabelaAvaliacao::preencher(modeloNr.get(), TabelasAvaliacao::nr(a.avaliacao));
    TabelaAvaliacao::preencher(modeloUe.get(), TabelasAvaliacao::ue(a.avaliacao));
}

void PaginaJornadas::on_pushButton_AdicionarTarefas_clicked()
{
    SeletorArmazem::escolher(raiz, SeletorArmazem::Conteudo::Tarefas, QString(), this,
                             [this](const SeletorArmazem &seletor) {
        QTableWidget *t = ui->tableWidget_Tarefas;
        preenchendo = true;
        for (const CatalogoTarefas::Linha &l : seletor.tarefasEscolhidas()) {
            const int i = t->rowCount();
            t->insertRow(i);
            auto *referencia = celula(l.medida);
            referencia->setData(Qt::UserRole, l.referencia);
            t->setItem(i, Medicao, referencia);
            t->setItem(i, Repeticoes, celula(l.repeticoes, true));
            t->setItem(i, Tempo, celula(l.tempo, true));
        }
        preenchendo = false;
        modificado = true;
        calcularJornada();
    });
}

void PaginaJornadas::on_pushButton_RemoverTarefa_clicked()
{
    const int linha = ui->tableWidget_Tarefas->currentRow();
    if (linha < 0)
        return;
    ui->tableWidget_Tarefas->removeRow(linha);
    modificado = true;
    calcularJornada();
}

bool PaginaJornadas::salvar()
{
    const bool ehJornada = tipoAtual == Tipo::Jornada;
    const QString nome = ehJornada ? jornada.nome : grupo.nome;
    QDir().mkpath(pastaDe(tipoAtual));
    const QString arquivo = QDir(pastaDe(tipoAtual)).filePath(nome + QStringLiteral(".id"));
    Desfecho d;
    if (ehJornada) {
        const Jornada editada = jornadaEditada();
        d = editada.gravar(arquivo);
        if (d)
            jornada = editada;
    } else {
        grupo.descricao = ui->lineEdit_Descricao->text().trimmed();
        d = grupo.gravar(arquivo);
    }
    if (!d) {
        servicos.perguntador->informar(this, tr("Salvar"), tr("\"%1\" não foi gravado.").arg(nome) + QLatin1Char('\n') + d.motivo);
        return false;
    }
    modificado = false;
    return true;
}

void PaginaJornadas::on_pushButton_SalvarJornada_clicked()
{
    salvar();
}

void PaginaJornadas::on_pushButton_LaudoJornada_clicked()
{
    // The laudo is of what is saved: what is shown is saved first.
    if (modificado && !salvar())
        return;
    GeracaoLaudo::gerarDeArquivo(Jornada::arquivo(raiz, jornada.nome), *servicos.perguntador, *servicos.areaDeTrabalho,
                                 this);
}

void PaginaJornadas::on_pushButton_LaudoGrupo_clicked()
{
    if (modificado && !salvar())
        return;
    GeracaoLaudo::gerarDeArquivo(Grupo::arquivo(raiz, grupo.nome), *servicos.perguntador, *servicos.areaDeTrabalho,
                                 this);
}

void PaginaJornadas::mostrarGrupo()
{
    ui->stackedWidget_Detalhe->setCurrentWidget(ui->page_Grupo);
    preenchendo = true;
    ui->lineEdit_Descricao->setText(grupo.descricao);
    preenchendo = false;
    const AvaliacaoGrupo a = AvaliacaoGrupo::avaliar(grupo, raiz);
    QTableWidget *m = ui->tableWidget_Membros;
    m->setRowCount(int(a.membros.size()));
    const auto valor = [this](const AvaliacaoExposicao::FiguraNr *f, bool semMotivo) {
        auto *c = celula(f ? QStringLiteral("%1 — %2").arg(locale().toString(f->valor, 'g', 6),
                                                           TabelasAvaliacao::textoFaixa(f->faixa()))
                           : semMotivo ? QStringLiteral("—") : QString());
        if (f) {
            const TabelasAvaliacao::Cor cor = TabelasAvaliacao::corDaFaixa(f->faixa());
            c->setBackground(CoresAvaliacao::fundo(cor));
            c->setForeground(CoresAvaliacao::texto(cor));
        }
        return c;
    };
    for (int i = 0; i < a.membros.size(); ++i) {
        const AvaliacaoGrupo::Membro &membro = a.membros.at(i);
        m->setItem(i, 0, celula(membro.nome));
        m->setItem(i, 1, celula(membro.jornada ? tr("Jornada") : tr("Medição")));
        for (int g = 0; g < AvaliacaoGrupo::grandezas; ++g)
            m->setItem(i, 2 + g, valor(membro.figura(AvaliacaoGrupo::Grandeza(g)), membro.motivo.isEmpty()));
        m->setSpan(i, 2, 1, membro.motivo.isEmpty() ? 1 : AvaliacaoGrupo::grandezas);
        if (!membro.motivo.isEmpty())
            m->item(i, 2)->setText(tr("deixado de fora: %1").arg(membro.motivo));
    }
    QTableWidget *r = ui->tableWidget_Resumo;
    r->setRowCount(AvaliacaoGrupo::grandezas);
    for (int g = 0; g < AvaliacaoGrupo::grandezas; ++g) {
        const AvaliacaoGrupo::Resumo &s = a.resumo[g];
        const bool tem = s.quantos > 0;
        r->setItem(g, 0, celula(AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::Grandeza(g))));
        r->setItem(g, 1, celula(QString::number(s.quantos)));
        r->setItem(g, 2, celula(tem ? locale().toString(s.media, 'g', 6) : QStringLiteral("—")));
        r->setItem(g, 3, celula(tem ? locale().toString(s.maximo, 'g', 6) : QStringLiteral("—")));
        r->setItem(g, 4, celula(tem ? TabelasAvaliacao::textoFaixa(s.faixa) : QStringLiteral("—")));
    }
    ui->label_Veredito->setText(
        a.maisExposto.isEmpty()
            ? tr("Veredito do grupo: não calculado (nenhum membro avaliado).")
            : tr("Veredito do grupo: %1 — o do membro mais exposto, %2.").arg(TabelasAvaliacao::textoFaixa(a.veredito), a.maisExposto));
}

void PaginaJornadas::on_pushButton_AdicionarJornadas_clicked()
{
    QStringList nomes;
    for (int i = 0; i < ui->listWidget_Jornadas->count(); ++i)
        nomes << ui->listWidget_Jornadas->item(i)->text();
    QString escolhida;
    if (nomes.isEmpty()
        || !servicos.perguntador->escolherItem(this, tr("Adicionar jornadas"), tr("Jornada:"), nomes, &escolhida))
        return;
    grupo.descricao = ui->lineEdit_Descricao->text().trimmed();
    grupo.membros.append({true, escolhida});
    modificado = true;
    mostrarGrupo();
}

void PaginaJornadas::on_pushButton_AdicionarMedidas_clicked()
{
    SeletorArmazem::escolher(raiz, SeletorArmazem::Conteudo::Medidas, tr("Adicionar medidas"), this,
                             [this](const SeletorArmazem &seletor) {
        grupo.descricao = ui->lineEdit_Descricao->text().trimmed();
        QStringList ja;
        for (const Grupo::Membro &m : qAsConst(grupo.membros))
            ja << m.nome;
        for (const QString &pasta : seletor.medidasEscolhidas()) {
            const QString medida = LayoutMedida::nomePasta(pasta);
            if (!ja.contains(medida)) {
                grupo.membros.append({false, medida});
                ja << medida;
            }
        }
        modificado = true;
        mostrarGrupo();
    });
}

void PaginaJornadas::on_pushButton_RemoverMembro_clicked()
{
    const int linha = ui->tableWidget_Membros->currentRow();
    if (linha < 0 || linha >= grupo.membros.size())
        return;
    grupo.descricao = ui->lineEdit_Descricao->text().trimmed();
    grupo.membros.remove(linha);
    modificado = true;
    mostrarGrupo();
}

void PaginaJornadas::on_pushButton_SalvarGrupo_clicked()
{
    salvar();
}
