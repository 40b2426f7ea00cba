#include "viewer/medidas.h"

#include "platform/avisofinal.h"
#include "platform/trabalhoaolado.h"
#include "platform/perguntador.h"
#include "data/layoutmedida.h"
#include "evaluation/edicao.h"
#include "report/dadosgraficos.h"
#include "report/graficos.h"
#include "viewer/geracaorelatorio.h"
#include "viewer/tabelaavaliacao.h"

#include "ui_medidas.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const char estiloAbasInativas[] =
    "QTabWidget::pane {border: 1px solid lightgray;top:-1px;background-color: rgb(7, 7, 7);}"
    "QTabBar::tab {color: white;background-color: rgb(176, 176, 176);}"
    "QTabBar::tab:selected {background-color: rgb(176, 176, 176);}"
    "QTabBar::tab {padding: 3px 6px;}";
const char estiloAbasAtivas[] =
    "QTabWidget::pane {border: 1px solid lightgray;top:-1px; background-color: rgb(7, 7, 7);}"
    "QTabBar::tab {color: white;background-color: rgb(7, 7, 7);}"
    "QTabBar::tab:selected { background-color: rgb(230, 0, 0);}"
    "QTabWidget::tab-bar {color: yellow; }"
    "QTabBar::tab:disabled {color: white; background: rgb(176, 176, 176);}"
    "QTabBar::tab {padding: 3px 6px;}";

// What the tables sort by: the value itself, or for a date the moment
// behind its text.
constexpr int papelOrdem = Qt::UserRole + 1;

QStandardItem *centrado(const QVariant &valor, const QVariant &ordem = QVariant())
{
    auto *item = new QStandardItem;
    if (valor.isValid())
        item->setData(valor, Qt::DisplayRole);
    item->setData(ordem.isValid() ? ordem : valor, papelOrdem);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QStandardItem *lixeira(const QIcon &icone)
{
    return new QStandardItem(icone, QString());
}

} // namespace

Medidas::Medidas(const QString &diretorio, const Servicos &s, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Medidas>())
    , servicos(s)
    , diretorioQT(diretorio)
    , iconeLixeira(QStringLiteral(":/icons/Picture3.png"))
{
    ui->setupUi(this);
    setWindowTitle(tr("Corvalendis - Medidor de Vibração"));
    ui->tabWidget_Resultados->setCurrentIndex(0);
    ui->tabWidget_Resultados->setStyleSheet(QString::fromLatin1(estiloAbasInativas));
    // A smaller font and padding (in the styles above) let the ten tabs fit.
    QFont fonteAbas = ui->tabWidget_Resultados->tabBar()->font();
    fonteAbas.setPointSize(9);
    QTabBar *abas = ui->tabWidget_Resultados->tabBar();
    abas->setFont(fonteAbas);
    // Titles are read whole; where the ten do not fit, the bar scrolls.
    abas->setUsesScrollButtons(true);
    abas->setElideMode(Qt::ElideNone);
    Graficos::posicionarLegenda(ui->customPlot_1);
    Graficos::permitirZoom(ui->customPlot_1);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_NumComponentes), static_cast<QWidget *>(ui->lineEdit_NumComponentes),
                       static_cast<QWidget *>(ui->label_NumExpParciais), static_cast<QWidget *>(ui->lineEdit_NumExpParciais)})
        w->hide();
    for (QTableView *t : {ui->tableView_ExpResultante, ui->tableView_ExpParcial, ui->tableView_ComponenteExp})
        t->setModel(new QStandardItemModel(t));
    // A row is selected when it becomes current (linhaEscolhida); a click
    // matters only on the trash icon of the last column.
    const std::pair<QTableView *, void (Medidas::*)(const QModelIndex &)> cliques[] = {
        {ui->tableView_ExpResultante, &Medidas::onTableClicked_Exposicao},
        {ui->tableView_ExpParcial, &Medidas::onTableClicked_ExposicaoParcial},
        {ui->tableView_ComponenteExp, &Medidas::onTableClicked_Componente}};
    for (const auto &[tabela, clique] : cliques) {
        connect(tabela, &QTableView::clicked, this, [this, tabela = tabela, clique = clique](const QModelIndex &i) {
            if (i.column() == tabela->model()->columnCount() - 1)
                (this->*clique)(i);
        });
    }
    // The form's limits stop typing only; stored values are shown whole.
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        if (e->maxLength() < QLineEdit().maxLength())
            limites.insert(e, e->maxLength());
    }
}

Medidas::~Medidas() = default;

void Medidas::setStackedWidget(QStackedWidget *p)
{
    pilha = p;
    // Opened, the viewer shows the store as the files now hold it.
    connect(pilha, &QStackedWidget::currentChanged, this, [this](int) {
        if (pilha->currentWidget() == this)
            listarArmazem();
    });
}

void Medidas::listarArmazem()
{
    raizListada = diretorioQT;
    sincronizarDadosExposicao();
    if (!pastaExposicao.isEmpty() && !QFileInfo::exists(arquivoExposicao))
        esquecerExposicao();
    marcarMostrados();
}

void Medidas::on_voltarMenu_clicked()
{
    if (pilha)
        pilha->setCurrentIndex(0);
}

bool Medidas::perguntar(const QString &titulo, const QString &texto, Perguntador::Padrao padrao)
{
    return servicos.perguntador->perguntar(nullptr, titulo, texto, tr("Sim"), tr("Não"), padrao);
}

QStandardItemModel *Medidas::novoModelo(QTableView *tabela, const QStringList &cabecalhos)
{
    auto *modelo = new QStandardItemModel(0, cabecalhos.size(), tabela);
    modelo->setHorizontalHeaderLabels(cabecalhos);
    modelo->setSortRole(papelOrdem);
    tabela->setStyleSheet(QStringLiteral(
        "QHeaderView::section:enabled { background-color: rgb(230, 0, 0);font-weight: bold;}"
        "QTableView::enabled{color:white;}"));
    QAbstractItemModel *antigo = tabela->model();
    tabela->setModel(modelo);
    marcados.remove(tabela);
    if (antigo)
        antigo->deleteLater(); // a click being handled may still hold an index of it
    return modelo;
}

void Medidas::estilizarTabela(QTableView *tabela, int larguraPrimeira, int colunaIcone)
{
    QHeaderView *h = tabela->horizontalHeader();
    h->setStyleSheet(QStringLiteral("color:white;background-color:  transparent;"));
    for (int c = 1; c < colunaIcone; ++c)
        h->setSectionResizeMode(c, QHeaderView::Stretch);
    h->setSectionResizeMode(0, QHeaderView::Fixed);
    tabela->setColumnWidth(0, larguraPrimeira);
    h->setSectionResizeMode(colunaIcone, QHeaderView::Fixed);
    tabela->setColumnWidth(colunaIcone, 1);
    tabela->verticalHeader()->hide();
    tabela->verticalHeader()->setDefaultSectionSize(10);
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela->setSortingEnabled(true);
    tabela->sortByColumn(0, Qt::AscendingOrder);
    // Queued: handled once the view is done with the key or mouse press
    // that selected the row, so that it cannot undo what follows.
    connect(tabela->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, tabela]() { linhaEscolhida(tabela); }, Qt::QueuedConnection);
}

void Medidas::on_pushButton_Sincronizar_clicked()
{
    if (!concluirEdicoesAbertas())
        return;
    const QString sincronizando = tr("Sincronizando dados salvos no computador ...");
    ui->statusbar->showMessage(sincronizando);
    raizListada = diretorioQT;
    sincronizarDadosExposicao();
    novoModelo(ui->tableView_ExpParcial, {});
    novoModelo(ui->tableView_ComponenteExp, {});
    ui->statusbar->showMessage(tr("Dados salvos no computador sincronizados"), 3000);
    AvisoFinal::mostrar(tr("Sincronizar dados do computador"), tr("Dados do computador Sincronizados !!"), true);
}

void Medidas::sincronizarDadosExposicao()
{
    QStandardItemModel *modelo = novoModelo(ui->tableView_ExpResultante,
                                            {tr("Evento"), tr("Nome"), tr("Data"), QString()});
    struct Linha {
        QString nome;
        QDateTime data;
    };
    QStringList medidas;
    QVector<Linha> linhas;
    const QString raiz = raizListada;
    // A store of thousands of measurements is read on a worker thread.
    TrabalhoAoLado::executar(this, tr("Sincronizar dados do computador"),
                             tr("Sincronizando dados salvos no computador ..."), [&] {
        medidas = raiz.isEmpty() ? QStringList() : LayoutMedida::medidasDoArmazem(raiz);
        for (const QString &medida : qAsConst(medidas)) {
            AcessarArquivo a;
            a.lerExposicao(LayoutMedida::arquivoExposicao(medida));
            const QString nome = a.getNome_exposicao();
            linhas.append({LayoutMedida::nomeMostrado(nome),
                           LayoutMedida::lerDataHora(LayoutMedida::dataMostrada(a.getData_criacao(), nome),
                                                     QStringLiteral("dd/MM/yyyy HH:mm:ss"))});
        }
    });
    for (int n = 0; n < medidas.size(); ++n) {
        if (n < listaExposicoes.size())
            listaExposicoes[n] = medidas.at(n);
        else
            listaExposicoes.append(medidas.at(n));
        // Month names in the interface language; the files keep their own form.
        const QDateTime &data = linhas.at(n).data;
        modelo->appendRow({centrado(n + 1), centrado(linhas.at(n).nome),
                           data.isValid() ? centrado(locale().toString(data, QStringLiteral("d MMM yyyy HH:mm:ss")), data)
                                          : centrado(QVariant()),
                           lixeira(iconeLixeira)});
    }
    estilizarTabela(ui->tableView_ExpResultante, 90, 3);
}

void Medidas::sincronizarDadosExposicaoParcial()
{
    QStandardItemModel *modelo = novoModelo(
        ui->tableView_ExpParcial,
        {tr("Tarefa"), tr("Tipo Sensor"), tr("Repetições"), tr("Tempo Exp."), QString()});
    listaExposicoesParciais.clear();
    const auto linhas = pastaExposicao.isEmpty()
        ? QVector<LayoutMedida::LinhaParcial>()
        : LayoutMedida::parciaisDaExposicao(pastaExposicao);
    for (int t = 0; t < linhas.size(); ++t) {
        listaExposicoesParciais.append(linhas.at(t).pastaCorpo);
        acessarArquivo.limparExposicaoParcial();
        acessarArquivo.lerExposicaoParcial(linhas.at(t).arquivoParcial);
        modelo->appendRow({centrado(t), centrado(linhas.at(t).sensor),
                           centrado(acessarArquivo.getNum_repeticao()),
                           centrado(acessarArquivo.getTempo_exp_total()), lixeira(iconeLixeira)});
    }
    estilizarTabela(ui->tableView_ExpParcial, 70, 4);
}

void Medidas::sincronizarDadosComponentes()
{
    QStandardItemModel *modelo = novoModelo(ui->tableView_ComponenteExp,
                                            {tr("Componente"), tr("Data"), tr("Tempo Comp."), QString()});
    const QStringList bases = pastaExposicaoParcial.isEmpty()
        ? QStringList()
        : LayoutMedida::componentesMaisNovosPrimeiro(pastaExposicaoParcial);
    for (int c = 0; c < bases.size(); ++c) {
        if (c < listaComponentes.size())
            listaComponentes[c] = bases.at(c);
        else
            listaComponentes.append(bases.at(c));
        // The table needs the component file only; its sample table is
        // read when the row is selected.
        acessarArquivo.limparComponente();
        acessarArquivo.lerComponente(bases.at(c) + QStringLiteral(".head"));
        const QDate data = QDate::fromString(acessarArquivo.getData_comp(), QStringLiteral("dd/MM/yyyy"));
        modelo->appendRow({centrado(QString::number(c + 1)),
                           data.isValid() ? centrado(locale().toString(data, QStringLiteral("d MMM yyyy")), data)
                                          : centrado(QVariant()),
                           centrado(acessarArquivo.getDuracao_comp()), lixeira(iconeLixeira)});
    }
    estilizarTabela(ui->tableView_ComponenteExp, 130, 3);
}

bool Medidas::concluirEdicoesAbertas()
{
    for (QPushButton *b : {ui->pushButton_Editar_ExpParcial, ui->pushButton_Editar_Identificacao}) {
        if (b->isChecked())
            b->click();
    }
    // An entry that could not be saved keeps its edit open.
    return !ui->pushButton_Editar_ExpParcial->isChecked() && !ui->pushButton_Editar_Identificacao->isChecked();
}

QString Medidas::caminhoDaLinha(const QTableView *tabela, int linha) const
{
    const QModelIndex chave = tabela->model()->index(linha, 0);
    if (tabela == ui->tableView_ExpResultante)
        return listaExposicoes.value(chave.data().toInt() - 1);
    if (tabela == ui->tableView_ExpParcial)
        return listaExposicoesParciais.value(chave.data().toInt());
    return listaComponentes.value(chave.data().toString().toInt() - 1);
}

void Medidas::marcar(QTableView *tabela, const QString &mostrado)
{
    marcados.insert(tabela, mostrado);
    for (int r = 0; !mostrado.isEmpty() && r < tabela->model()->rowCount(); ++r) {
        if (caminhoDaLinha(tabela, r) == mostrado) {
            tabela->setCurrentIndex(tabela->model()->index(r, 0));
            return;
        }
    }
    tabela->selectionModel()->clear();
}

void Medidas::marcarMostrados()
{
    marcar(ui->tableView_ExpResultante, pastaExposicao);
    marcar(ui->tableView_ExpParcial, pastaExposicaoParcial);
    marcar(ui->tableView_ComponenteExp, baseComponente);
}

void Medidas::linhaEscolhida(QTableView *tabela)
{
    // Only a row the user selected, by mouse or keys, that is not the one
    // shown already; a press on the trash icon is left to the click. A
    // table given the focus makes a row current without selecting it.
    const QModelIndex atual = tabela->currentIndex();
    if (!atual.isValid() || atual.column() == tabela->model()->columnCount() - 1
        || !tabela->selectionModel()->isRowSelected(atual.row(), QModelIndex())
        || caminhoDaLinha(tabela, atual.row()) == marcados.value(tabela))
        return;
    const QModelIndex linha = atual.sibling(atual.row(), 0);
    if (tabela == ui->tableView_ExpResultante)
        onTableClicked_Exposicao(linha);
    else if (tabela == ui->tableView_ExpParcial)
        onTableClicked_ExposicaoParcial(linha);
    else
        onTableClicked_Componente(linha);
}

void Medidas::esquecerExposicao()
{
    pastaExposicao.clear();
    arquivoExposicao.clear();
    esquecerParcial();
    ui->tabWidget_Resultados->setEnabled(false);
    ui->tabWidget_Resultados->setCurrentIndex(0);
    ui->pushButton_GerarPDF->setEnabled(false);
    sincronizarDadosExposicaoParcial();
    sincronizarDadosComponentes();
}

void Medidas::esquecerParcial()
{
    pastaExposicaoParcial.clear();
    esquecerComponente();
    // Away from the tab first: a disabled current tab hands over to any other.
    if (ui->tabWidget_Resultados->currentIndex() == 3)
        ui->tabWidget_Resultados->setCurrentIndex(0);
    ui->tabWidget_Resultados->setTabEnabled(3, false);
}

void Medidas::esquecerComponente()
{
    baseComponente.clear();
    const int atual = ui->tabWidget_Resultados->currentIndex();
    if (atual >= 4 && atual <= 7)
        ui->tabWidget_Resultados->setCurrentIndex(ui->tabWidget_Resultados->isTabEnabled(3) ? 3 : 0);
    for (int t = 4; t <= 7; ++t)
        ui->tabWidget_Resultados->setTabEnabled(t, false);
}

void Medidas::lerMostrados()
{
    acessarArquivo = AcessarArquivo();
    if (!arquivoExposicao.isEmpty())
        acessarArquivo.lerExposicao(arquivoExposicao);
    if (!pastaExposicaoParcial.isEmpty())
        acessarArquivo.lerExposicaoParcial(LayoutMedida::arquivoParcial(pastaExposicaoParcial));
    if (!baseComponente.isEmpty())
        acessarArquivo.lerComponenteCompleto(baseComponente);
}

void Medidas::mostrarReavaliada()
{
    sincronizarDadosExposicaoParcial();
    sincronizarDadosComponentes();
    lerMostrados();
    setTabResultados();
    if (!pastaExposicaoParcial.isEmpty())
        setTabExpParcial();
    if (!baseComponente.isEmpty()) {
        setTabConfiguracao();
        setTabComponente();
    }
}

void Medidas::alterar(const std::function<Desfecho()> &alteracao, const QString &titulo, const QString &texto)
{
    Desfecho r;
    TrabalhoAoLado::executar(this, titulo, tr("Gravando e recalculando a medida..."), [&] { r = alteracao(); });
    if (r.estado != Desfecho::Estado::Recusado)
        emit armazemAlterado();
    if (!r)
        servicos.perguntador->informar(this, titulo,
                                       r.motivo.isEmpty() ? texto : texto + QLatin1Char('\n') + r.motivo);
}

void Medidas::onTableClicked_Exposicao(const QModelIndex &index)
{
    // The row's folder is only a candidate: the viewer shows another one
    // until the row is selected, and keeps it when a deletion is declined.
    const QString pasta = caminhoDaLinha(ui->tableView_ExpResultante, index.row());
    if (pasta.isEmpty() || !concluirEdicoesAbertas()) {
        marcarMostrados();
        return;
    }
    if (index.column() == 3) {
        AcessarArquivo a;
        a.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
        const QString trabalhador = a.getFuncionario_avaliado().trimmed();
        if (perguntar(tr("Deletar Exposição"),
                      tr("Tem certeza que deseja apagar esta exposição em seu computador?") + QLatin1Char('\n')
                          + tr("Trabalhador: %1; medida %2 de %3.")
                                .arg(trabalhador.isEmpty() ? tr("não informado") : trabalhador,
                                     LayoutMedida::nomeMostrado(a.getNome_exposicao()), a.getData_criacao()),
                      Perguntador::Padrao::Nao)) {
            alterar([&] { return Edicao::apagarExposicao(diretorioQT, pasta); }, tr("Deletar Exposição"),
                           tr("Não foi possível apagar a exposição %1.").arg(LayoutMedida::nomePasta(pasta)));
            sincronizarDadosExposicao();
            if (pasta == pastaExposicao)
                esquecerExposicao();
            else
                lerMostrados();
        }
        marcarMostrados();
        return;
    }
    pastaExposicao = pasta;
    arquivoExposicao = LayoutMedida::arquivoExposicao(pastaExposicao);
    ui->tabWidget_Resultados->setStyleSheet(QString::fromLatin1(estiloAbasAtivas));
    ui->tabWidget_Resultados->setEnabled(true);
    ui->pushButton_GerarPDF->setEnabled(true);
    esquecerParcial();
    acessarArquivo = AcessarArquivo();
    acessarArquivo.lerExposicao(arquivoExposicao);
    setTabIdentificacao();
    setTabResultados();
    setTabObservacao();
    sincronizarDadosExposicaoParcial();
    sincronizarDadosComponentes();
    ui->tabWidget_Resultados->setCurrentIndex(0);
    marcarMostrados();
}

void Medidas::onTableClicked_ExposicaoParcial(const QModelIndex &index)
{
    const QString pasta = caminhoDaLinha(ui->tableView_ExpParcial, index.row());
    if (pasta.isEmpty() || !concluirEdicoesAbertas()) {
        marcarMostrados();
        return;
    }
    if (index.column() == 4) {
        AcessarArquivo a;
        a.lerExposicaoParcial(LayoutMedida::arquivoParcial(pasta));
        const bool mao = LayoutMedida::nomePasta(pasta) == QLatin1String("mao");
        if (perguntar(tr("Deletar Exposição"),
                      tr("Tem certeza que deseja apagar esta exposição em seu computador?") + QLatin1Char('\n')
                          + tr("Tarefa: %1 (%2).")
                                .arg(a.getNome_exp_parcial().trimmed(), mao ? tr("mãos e braços") : tr("corpo inteiro")),
                      Perguntador::Padrao::Nao)) {
            alterar([&] { return Edicao::apagarParcial(diretorioQT, pasta, arquivoExposicao, listaExposicoesParciais); },
                    tr("Deletar Exposição"),
                    tr("Não foi possível apagar a exposição parcial ou recalcular a medida."));
            if (pasta == pastaExposicaoParcial)
                esquecerParcial();
            mostrarReavaliada();
        }
        marcarMostrados();
        return;
    }
    pastaExposicaoParcial = pasta;
    sensorExposicaoParcial = index.sibling(index.row(), 1).data().toString();
    esquecerComponente();
    ui->tabWidget_Resultados->setTabEnabled(3, true);
    acessarArquivo.limparExposicaoParcial();
    acessarArquivo.lerExposicaoParcial(LayoutMedida::arquivoParcial(pastaExposicaoParcial));
    setTabExpParcial();
    sincronizarDadosComponentes();
    ui->tabWidget_Resultados->setCurrentIndex(3);
    marcarMostrados();
}

void Medidas::onTableClicked_Componente(const QModelIndex &index)
{
    const QString base = caminhoDaLinha(ui->tableView_ComponenteExp, index.row());
    if (base.isEmpty() || !concluirEdicoesAbertas()) {
        marcarMostrados();
        return;
    }
    if (index.column() == 3) {
        AcessarArquivo a;
        a.lerComponente(base + QStringLiteral(".head"));
        if (perguntar(tr("Deletar a Exposição Unificada"),
                      tr("Tem certeza que deseja apagar essa exposição em seu computador ?") + QLatin1Char('\n')
                          + tr("Componente: %1, %2 s.").arg(a.getNome_componente().trimmed(),
                                                             a.getDuracao_comp().trimmed()),
                      Perguntador::Padrao::Nao)) {
            alterar([&] { return Edicao::apagarComponente(diretorioQT, base, arquivoExposicao, listaExposicoesParciais); },
                    tr("Deletar a Exposição Unificada"),
                    tr("Não foi possível apagar a componente ou recalcular a medida."));
            if (base == baseComponente)
                esquecerComponente();
            mostrarReavaliada();
        }
        marcarMostrados();
        return;
    }
    baseComponente = base;
    for (int t = 4; t <= 6; ++t)
        ui->tabWidget_Resultados->setTabEnabled(t, true);
    acessarArquivo.lerComponenteCompleto(baseComponente);
    setTabConfiguracao();
    setTabComponente();
    setTabGrafico1_linhas();
    const bool bandas = acessarArquivo.getFreq().size() >= 3;
    ui->tabWidget_Resultados->setTabEnabled(7, bandas);
    if (bandas)
        setTabGrafico2_banda();
    ui->tabWidget_Resultados->setCurrentIndex(4);
    marcarMostrados();
}

QString Medidas::splitByLines2(const QTextDocument *doc)
{
    if (!doc)
        return QStringLiteral(" ");
    QString texto;
    for (QTextBlock bloco = doc->begin(); bloco.isValid(); bloco = bloco.next()) {
        const QTextLayout *layout = bloco.layout();
        // A block not laid out yet (the tab never shown) counts as one line.
        if (!layout || layout->lineCount() == 0) {
            texto += bloco.text() + QLatin1Char('\n');
            continue;
        }
        // The block's text once: taken again for every line, a long
        // observation would cost the square of its length.
        const QString textoBloco = bloco.text();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine linha = layout->lineAt(i);
            texto += textoBloco.midRef(linha.textStart(), linha.textLength()) + QLatin1Char('\n');
        }
    }
    return texto;
}

void Medidas::setTabIdentificacao()
{
    const QStringList jornada = acessarArquivo.getJornada_de_trabalho().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    mostrar(ui->lineEdit_JornadaTrabalho_1, jornada.value(0));
    mostrar(ui->lineEdit_JornadaTrabalho_2, jornada.value(1));
    mostrar(ui->lineEdit_EmpAvaliadora, acessarArquivo.getEmpresa_avaliadora());
    mostrar(ui->lineEdit_ResponsavelTecnico, acessarArquivo.getResponsavel_tecnico());
    mostrar(ui->lineEdit_EmpAvaliada, acessarArquivo.getEmpresa_avaliada());
    mostrar(ui->lineEdit_FuncAvaliado, acessarArquivo.getFuncionario_avaliado());
    mostrar(ui->lineEdit_Setor, acessarArquivo.getSetor());
    mostrar(ui->lineEdit_NomeExp, acessarArquivo.getNome_exposicao());
    mostrar(ui->lineEdit_DataCriacao, acessarArquivo.getData_criacao());
    ui->lineEdit_NumExpParciais->clear();
    ui->lineEdit_NumComponentes->clear();
}

void Medidas::setTabResultados()
{
    const bool mao = acessarArquivo.getEnable_mao().toInt() != 0;
    ui->tabWidget_Resultados->setTabEnabled(2, mao);
    if (mao) {
        ui->lineEdit_Are_Mao->setText(acessarArquivo.getAre_mao());
        ui->lineEdit_Aren_Mao->setText(acessarArquivo.getAren_mao());
    }
    const bool corpo = acessarArquivo.getEnable_corpo().toInt() != 0;
    ui->tabWidget_Resultados->setTabEnabled(1, corpo);
    if (corpo) {
        ui->lineEdit_Are_Corpo->setText(acessarArquivo.getAre_corpo());
        ui->lineEdit_Aren_Corpo->setText(acessarArquivo.getAren_corpo());
        ui->lineEdit_VDVR->setText(acessarArquivo.getVdvr());
        ui->lineEdit_VDVexpx->setText(acessarArquivo.getVdvexpx());
        ui->lineEdit_VDVexpy->setText(acessarArquivo.getVdvexpy());
        ui->lineEdit_VDVexpz->setText(acessarArquivo.getVdvexpz());
        ui->lineEdit_FC_X_resultante->setText(acessarArquivo.getFC_x_resultante());
        ui->lineEdit_FC_Y_resultante->setText(acessarArquivo.getFC_y_resultante());
        ui->lineEdit_FC_Z_resultante->setText(acessarArquivo.getFC_z_resultante());
    }
    // The assessment follows every change of the results.
    setTabAvaliacao();
}

void Medidas::setTabAvaliacao()
{
    // Every component file of the measurement is read: beside the window.
    AvaliacaoExposicao a;
    const QString pasta = pastaExposicao;
    TrabalhoAoLado::executar(this, tr("Avaliação"), tr("Avaliando a exposição..."),
                             [&] { a = AvaliacaoExposicao::avaliar(pasta); });
    const TabelasAvaliacao::Tabela nr = TabelasAvaliacao::nr(a);
    const TabelasAvaliacao::Tabela ue = TabelasAvaliacao::ue(a);
    const auto mostrarTabela = [this](QTableView *tabela, QLabel *rotulo, const TabelasAvaliacao::Tabela &t) {
        rotulo->setText(QStringLiteral("<b>%1</b><br>%2").arg(t.titulo.toHtmlEscaped(), t.fonte.toHtmlEscaped()));
        TabelaAvaliacao::preencher(novoModelo(tabela, {}), t);
        QHeaderView *h = tabela->horizontalHeader();
        h->setStyleSheet(QStringLiteral("color:white;background-color:  transparent;"));
        h->setSectionResizeMode(QHeaderView::Fixed);
        tabela->verticalHeader()->hide();
        tabela->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tabela->setWordWrap(true);
        tabela->setTextElideMode(Qt::ElideNone);
        // The whole tab scrolls; each table is as tall as its rows.
        tabela->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tabela->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tabela->setSelectionMode(QAbstractItemView::NoSelection);
        tabela->installEventFilter(this);
        ajustarAltura(tabela);
    };
    mostrarTabela(ui->tableView_AvaliacaoNr, ui->label_AvaliacaoNr, nr);
    mostrarTabela(ui->tableView_Avaliacao, ui->label_AvaliacaoUe, ue);
    QStringList notas = nr.notas() + ue.notas();
    if (!a.temMao && !a.temCorpo)
        notas << tr("Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.");
    ui->label_AvaliacaoNotas->setText(notas.join(QLatin1Char('\n')));
    ui->label_AvaliacaoNotas->setVisible(!notas.isEmpty());
    ui->label_AvaliacaoCriterios->setText(TabelasAvaliacao::diferencaDosCriterios());
}

void Medidas::ajustarAltura(QTableView *tabela)
{
    // Figures and headers keep their width; names, statuses and sentences
    // wrap at their words where the width runs short, never shortened.
    const QAbstractItemModel *m = tabela->model();
    const QFontMetrics fm(tabela->font());
    const int margem = 2 * tabela->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabela) + 8;
    QVector<int> preferidas;
    QVector<int> minimas;
    for (int c = 0; c < m->columnCount(); ++c) {
        const int cabecalho = tabela->horizontalHeader()->sectionSizeHint(c);
        int conteudo = 0;
        int palavra = 0;
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString texto = m->index(r, c).data().toString();
            conteudo = std::max(conteudo, fm.horizontalAdvance(texto) + margem);
            for (const QString &p : texto.split(QLatin1Char(' ')))
                palavra = std::max(palavra, fm.horizontalAdvance(p) + margem);
        }
        preferidas << std::max(cabecalho, conteudo);
        minimas << (m->headerData(c, Qt::Horizontal, TabelaAvaliacao::papelQuebravel).toBool()
                        ? std::max(cabecalho, palavra)
                        : preferidas.last());
    }
    const QVector<int> l = TabelaAvaliacao::larguras(tabela->viewport()->width(), preferidas, minimas);
    for (int c = 0; c < l.size(); ++c)
        tabela->setColumnWidth(c, l.at(c));
    tabela->resizeRowsToContents();
    tabela->setFixedHeight(tabela->horizontalHeader()->sizeHint().height() + tabela->verticalHeader()->length()
                           + 2 * tabela->frameWidth());
}

bool Medidas::eventFilter(QObject *objeto, QEvent *evento)
{
    // Wrapped rows grow or shrink with the table's width.
    if (evento->type() == QEvent::Resize
        && (objeto == ui->tableView_AvaliacaoNr || objeto == ui->tableView_Avaliacao)) {
        auto *tabela = static_cast<QTableView *>(objeto);
        if (static_cast<QResizeEvent *>(evento)->oldSize().width() != tabela->width())
            QMetaObject::invokeMethod(this, [this, tabela] { ajustarAltura(tabela); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void Medidas::mostrar(QLineEdit *edicao, const QString &valor)
{
    if (limites.contains(edicao))
        edicao->setMaxLength(qMax(limites.value(edicao), int(valor.size())));
    edicao->setText(valor);
}

void Medidas::mostrarLinhasDeCorpo(const QList<QWidget *> &widgets, bool mostrar)
{
    for (QWidget *w : widgets)
        w->setVisible(mostrar);
}

void Medidas::setTabExpParcial()
{
    mostrar(ui->lineEdit_NomeExpParcial, acessarArquivo.getNome_exp_parcial());
    mostrar(ui->lineEdit_NumRepeticaoParcial, acessarArquivo.getNum_repeticao());
    mostrar(ui->lineEdit_TempoExpParcial, acessarArquivo.getTempo_exp());
    ui->lineEdit_TempoExpParcialTotal->setText(acessarArquivo.getTempo_exp_total());
    ui->lineEdit_TempoExpAmostrado->setText(acessarArquivo.getTempo_amostrado());
    ui->lineEdit_Arep->setText(acessarArquivo.getArep());
    const bool corpo = sensorExposicaoParcial != QLatin1String("mao");
    mostrarLinhasDeCorpo({ui->label_VDViX, ui->lineEdit_VDViX, ui->label_VDViY, ui->lineEdit_VDViY,
                          ui->label_VDViZ, ui->lineEdit_VDViZ, ui->label_VDVexpX, ui->lineEdit_VDVexpX,
                          ui->label_VDVexpY, ui->lineEdit_VDVexpY, ui->label_VDVexpZ, ui->lineEdit_VDVexpZ,
                          ui->label_FC_X_parcial, ui->lineEdit_FC_X_parcial, ui->label_FC_Y_parcial,
                          ui->lineEdit_FC_Y_parcial, ui->label_FC_Z_parcial, ui->lineEdit_FC_Z_parcial},
                         corpo);
    if (!corpo)
        return;
    ui->lineEdit_VDViX->setText(acessarArquivo.getVdvix());
    ui->lineEdit_VDViY->setText(acessarArquivo.getVdviy());
    ui->lineEdit_VDViZ->setText(acessarArquivo.getVdviz());
    ui->lineEdit_VDVexpX->setText(acessarArquivo.getVdvexpx_parcial());
    ui->lineEdit_VDVexpY->setText(acessarArquivo.getVdvexpy_parcial());
    ui->lineEdit_VDVexpZ->setText(acessarArquivo.getVdvexpz_parcial());
    ui->lineEdit_FC_X_parcial->setText(acessarArquivo.getFC_x_parcial());
    ui->lineEdit_FC_Y_parcial->setText(acessarArquivo.getFC_y_parcial());
    ui->lineEdit_FC_Z_parcial->setText(acessarArquivo.getFC_z_parcial());
}

void Medidas::setTabConfiguracao()
{
    ui->lineEdit_NomeComponente->setText(acessarArquivo.getNome_componente());
    ui->lineEdit_InicioComponente->setText(acessarArquivo.getInicio_comp());
    ui->lineEdit_FimComponente->setText(acessarArquivo.getFim_comp());
    ui->lineEdit_DuracaoComponente->setText(acessarArquivo.getDuracao_comp());
    ui->lineEdit_PeriodoAmostragem->setText(acessarArquivo.getPeriodo_amostragem_comp());
    ui->lineEdit_TipoSensor->setText(acessarArquivo.getTipo_de_sensor_comp());
    ui->lineEdit_SensibilidadeX->setText(acessarArquivo.getSensibilidade_x());
    ui->lineEdit_SensibilidadeY->setText(acessarArquivo.getSensibilidade_y());
    ui->lineEdit_SensibilidadeZ->setText(acessarArquivo.getSensibilidade_z());
    ui->lineEdit_Filtros->setText(QStringLiteral("x = ") + acessarArquivo.getPonderacao_frequencia_x()
                                  + QStringLiteral("   y = ") + acessarArquivo.getPonderacao_frequencia_y()
                                  + QStringLiteral("  z = ") + acessarArquivo.getPonderacao_frequencia_z());
}

void Medidas::setTabComponente()
{
    ui->lineEdit_Amx->setText(acessarArquivo.getAmx());
    ui->lineEdit_Amy->setText(acessarArquivo.getAmy());
    ui->lineEdit_Amz->setText(acessarArquivo.getAmz());
    ui->lineEdit_Picox->setText(acessarArquivo.getPicox());
    ui->lineEdit_Picoy->setText(acessarArquivo.getPicoy());
    ui->lineEdit_Picoz->setText(acessarArquivo.getPicoz());
    const bool corpo = sensorExposicaoParcial != QLatin1String("mao");
    mostrarLinhasDeCorpo({ui->label_VdvX, ui->lineEdit_VdvX, ui->label_VdvY, ui->lineEdit_VdvY,
                          ui->label_VdvZ, ui->lineEdit_VdvZ, ui->label_FC_X_comp, ui->lineEdit_FC_X_comp,
                          ui->label_FC_Y_comp, ui->lineEdit_FC_Y_comp, ui->label_FC_Z_comp,
                          ui->lineEdit_FC_Z_comp},
                         corpo);
    if (!corpo)
        return;
    ui->lineEdit_VdvX->setText(acessarArquivo.getVdvx());
    ui->lineEdit_VdvY->setText(acessarArquivo.getVdvy());
    ui->lineEdit_VdvZ->setText(acessarArquivo.getVdvz());
    ui->lineEdit_FC_X_comp->setText(acessarArquivo.getFC_x());
    ui->lineEdit_FC_Y_comp->setText(acessarArquivo.getFC_y());
    ui->lineEdit_FC_Z_comp->setText(acessarArquivo.getFC_z());
}

void Medidas::setTabObservacao()
{
    ui->textEdit_Observacao->setPlainText(acessarArquivo.getObservacoes());
}

void Medidas::setTabGrafico1_linhas()
{
    Graficos::desenharLinhas(ui->customPlot_1, DadosGraficos::linhas(acessarArquivo),
                             AparenciaGrafico::tela());
}

void Medidas::setTabGrafico2_banda()
{
    Graficos::desenharBandas(ui->customPlot_2,
                             DadosGraficos::bandas(acessarArquivo.getFreq(), acessarArquivo.getVibracao()),
                             AparenciaGrafico::tela());
}

QString Medidas::observacaoMostrada()
{
    // Stored without a line end of its own, so that saving again does not
    // make the text grow.
    QString texto = splitByLines2(ui->textEdit_Observacao->document());
    texto.chop(1);
    return texto;
}

void Medidas::on_pushButton_GerarPDF_clicked()
{
    const Desfecho salva = Edicao::salvarObservacoes(arquivoExposicao, observacaoMostrada());
    if (!salva)
        servicos.perguntador->informar(this, tr("Gerar Relatorio"),
                                       tr("Não foi possível salvar a observação em %1.").arg(arquivoExposicao)
                                           + QLatin1Char('\n') + salva.motivo);
    GeracaoRelatorio::gerar(pastaExposicao, *servicos.perguntador, *servicos.areaDeTrabalho, this);
}

void Medidas::aparenciaDoBotao(QPushButton *botao, bool editando)
{
    botao->setText(editando ? tr("Salvar") : tr("Editar"));
    botao->setStyleSheet(editando ? QStringLiteral("background-color: rgb(32, 152, 32);")
                                  : QStringLiteral("background-color: rgb(230, 0, 0);"));
}

void Medidas::on_pushButton_Editar_Identificacao_toggled(bool checked)
{
    QLineEdit *const edicoes[] = {ui->lineEdit_EmpAvaliadora, ui->lineEdit_ResponsavelTecnico,
                                  ui->lineEdit_EmpAvaliada, ui->lineEdit_FuncAvaliado, ui->lineEdit_Setor};
    if (checked) {
        aparenciaDoBotao(ui->pushButton_Editar_Identificacao, true);
        for (QLineEdit *e : edicoes)
            e->setEnabled(true);
        ui->lineEdit_EmpAvaliadora->setFocus();
        ui->lineEdit_EmpAvaliadora->selectAll();
        return;
    }
    if (perguntar(tr("Editar Identificação"), tr("Salvar dados Identificação ?"))) {
        Edicao::Identificacao d;
        d.empresaAvaliadora = ui->lineEdit_EmpAvaliadora->text();
        d.responsavelTecnico = ui->lineEdit_ResponsavelTecnico->text();
        d.empresaAvaliada = ui->lineEdit_EmpAvaliada->text();
        d.funcionarioAvaliado = ui->lineEdit_FuncAvaliado->text();
        d.setor = ui->lineEdit_Setor->text();
        d.observacoes = observacaoMostrada();
        const Desfecho salva = Edicao::salvarIdentificacao(arquivoExposicao, d);
        if (salva)
            emit armazemAlterado();
        else
            servicos.perguntador->informar(this, tr("Editar Identificação"),
                                           tr("Não foi possível salvar a identificação em %1.").arg(arquivoExposicao)
                                               + QLatin1Char('\n') + salva.motivo);
        acessarArquivo.lerExposicao(arquivoExposicao);
        setTabObservacao();
    } else {
        // Only the identification goes back: an observation typed and not
        // saved yet stays as typed.
        acessarArquivo.lerExposicao(arquivoExposicao);
    }
    setTabIdentificacao();
    for (QLineEdit *e : edicoes)
        e->setEnabled(false);
    aparenciaDoBotao(ui->pushButton_Editar_Identificacao, false);
}

void Medidas::on_pushButton_Editar_ExpParcial_toggled(bool checked)
{
    QLineEdit *const edicoes[] = {ui->lineEdit_NumRepeticaoParcial, ui->lineEdit_TempoExpParcial,
                                  ui->lineEdit_NomeExpParcial};
    if (checked) {
        aparenciaDoBotao(ui->pushButton_Editar_ExpParcial, true);
        for (QLineEdit *e : edicoes)
            e->setEnabled(true);
        // The mask helps typing but would cut a time it cannot hold
        // ("100:00:00"); such a value is edited without it.
        static const QRegularExpression cabeNaMascara(QStringLiteral("^[^:]{0,2}:[^:]{0,2}:[^:]{0,2}$"));
        if (cabeNaMascara.match(ui->lineEdit_TempoExpParcial->text()).hasMatch())
            ui->lineEdit_TempoExpParcial->setInputMask(QStringLiteral("nn:nn:nn"));
        ui->lineEdit_NumRepeticaoParcial->setFocus();
        ui->lineEdit_NumRepeticaoParcial->selectAll();
        return;
    }
    if (perguntar(tr("Editar Dados"), tr("Deseja alterar os dados para recalcular ?"))) {
        Edicao::Parcial d;
        d.nome = ui->lineEdit_NomeExpParcial->text();
        d.repeticoes = ui->lineEdit_NumRepeticaoParcial->text();
        d.tempoExp = ui->lineEdit_TempoExpParcial->text();
        const QString problema = Edicao::problemaParcial(d);
        if (!problema.isEmpty()) {
            // Nothing written; the edit stays open with what was typed.
            servicos.perguntador->informar(this, tr("Editar Dados"), problema);
            const QSignalBlocker calado(ui->pushButton_Editar_ExpParcial);
            ui->pushButton_Editar_ExpParcial->setChecked(true);
            return;
        }
        Desfecho salvo;
        TrabalhoAoLado::executar(this, tr("Editar Dados"), tr("Gravando e recalculando a medida..."), [&] {
            salvo = Edicao::salvarParcial(pastaExposicaoParcial, d, arquivoExposicao, listaExposicoesParciais);
        });
        if (salvo)
            emit armazemAlterado();
        else
            servicos.perguntador->informar(this, tr("Editar Dados"),
                                           tr("Não foi possível salvar os dados ou recalcular a medida.")
                                               + QLatin1Char('\n') + salvo.motivo);
        // The table shows the new repetitions and time too.
        sincronizarDadosExposicaoParcial();
        marcarMostrados();
    }
    lerMostrados();
    setTabResultados();
    ui->lineEdit_TempoExpParcial->setInputMask(QString());
    setTabExpParcial();
    for (QLineEdit *e : edicoes)
        e->setEnabled(false);
    aparenciaDoBotao(ui->pushButton_Editar_ExpParcial, false);
}
