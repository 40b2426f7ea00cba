#include "viewer/medidas.h"

#include "evaluation/tabelasavaliacao.h"

#include "platform/avisofinal.h"
#include "platform/trabalhoaolado.h"
#include "platform/perguntador.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/edicao.h"
#include "report/dadosgraficos.h"
#include "report/graficos.h"
#include "viewer/geracaolaudo.h"
#include "viewer/geracaorelatorio.h"
#include "viewer/abaavaliacao.h"
#include "viewer/abasmedida.h"
#include "viewer/tabelasmedida.h"

#include "ui_medidas.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
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

} // namespace

Medidas::Medidas(const QString &diretorio, const Servicos &s, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Medidas>())
    , servicos(s)
    , diretorioQT(diretorio)
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
    tabelas = new TabelasMedida(ui->tableView_ExpResultante, ui->tableView_ExpParcial, ui->tableView_ComponenteExp,
                                this);
    // The store as a register: the filters apply as they are typed or chosen.
    ui->comboBox_Veredito->addItem(tr("Qualquer veredito"), -1);
    for (const AvaliacaoExposicao::Faixa f :
         {AvaliacaoExposicao::Faixa::Aceitavel, AvaliacaoExposicao::Faixa::AcimaNivelAcao,
          AvaliacaoExposicao::Faixa::RegiaoIncerteza, AvaliacaoExposicao::Faixa::AcimaLimite,
          AvaliacaoExposicao::Faixa::NaoCalculada})
        ui->comboBox_Veredito->addItem(TabelasAvaliacao::textoFaixa(f), int(f));
    // The earliest date means no bound ("—").
    for (QDateEdit *d : {ui->dateEdit_De, ui->dateEdit_Ate}) {
        d->setMinimumDate(QDate(2000, 1, 1));
        d->setDate(d->minimumDate());
    }
    const auto filtrar = [this] {
        const auto limite = [](const QDateEdit *d) { return d->date() == d->minimumDate() ? QDate() : d->date(); };
        tabelas->filtrar({ui->lineEdit_BuscaMedidas->text(), limite(ui->dateEdit_De), limite(ui->dateEdit_Ate),
                          ui->comboBox_Veredito->currentData().toInt()});
    };
    connect(ui->lineEdit_BuscaMedidas, &QLineEdit::textChanged, this, filtrar);
    connect(ui->dateEdit_De, &QDateEdit::dateChanged, this, filtrar);
    connect(ui->dateEdit_Ate, &QDateEdit::dateChanged, this, filtrar);
    connect(ui->comboBox_Veredito, QOverload<int>::of(&QComboBox::currentIndexChanged), this, filtrar);
    // A row is selected when it becomes current; a click matters only on
    // the trash icon of the last column.
    connect(tabelas, &TabelasMedida::linhaEscolhida, this, &Medidas::clicarTabela);
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
    valores = std::make_unique<AbasMedida>(ui.get(), this);
    avaliacao = new AbaAvaliacao(ui.get(), this);
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
    tabelas->listarExposicoes(raizListada, [this] {
        if (!pastaExposicao.isEmpty() && !QFileInfo::exists(arquivoExposicao))
            esquecerExposicao();
        marcarMostrados();
    });
}

QStringList Medidas::medidasMostradas() const
{
    return tabelas->exposicoesMostradas();
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



void Medidas::on_pushButton_Sincronizar_clicked()
{
    if (!concluirEdicoesAbertas())
        return;
    const QString sincronizando = tr("Sincronizando dados salvos no computador ...");
    ui->statusbar->showMessage(sincronizando);
    raizListada = diretorioQT;
    tabelas->listarExposicoes(raizListada, [this] {
        tabelas->listarParciais(QString());
        tabelas->listarComponentes(QString());
        marcarMostrados();
        ui->statusbar->showMessage(tr("Dados salvos no computador sincronizados"), 3000);
        AvisoFinal::mostrar(tr("Sincronizar dados do computador"), tr("Dados do computador Sincronizados !!"), true);
    });
}

void Medidas::sincronizarDadosExposicao()
{
    tabelas->listarExposicoes(raizListada, [this] { marcarMostrados(); });
}

void Medidas::sincronizarDadosExposicaoParcial()
{
    tabelas->listarParciais(pastaExposicao);
}

void Medidas::sincronizarDadosComponentes()
{
    tabelas->listarComponentes(pastaExposicaoParcial);
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



void Medidas::marcarMostrados()
{
    tabelas->marcar(ui->tableView_ExpResultante, pastaExposicao);
    tabelas->marcar(ui->tableView_ExpParcial, pastaExposicaoParcial);
    tabelas->marcar(ui->tableView_ComponenteExp, baseComponente);
}


void Medidas::esquecerExposicao()
{
    pastaExposicao.clear();
    arquivoExposicao.clear();
    esquecerParcial();
    ui->tabWidget_Resultados->setEnabled(false);
    ui->tabWidget_Resultados->setCurrentIndex(0);
    ui->pushButton_GerarPDF->setEnabled(false);
    ui->pushButton_GerarLaudo->setEnabled(false);
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

void Medidas::alterar(const std::function<Desfecho()> &alteracao, const QString &titulo, const QString &texto,
                      const std::function<void()> &depois)
{
    const auto r = std::make_shared<Desfecho>();
    TrabalhoAoLado::executar(
        this, titulo, tr("Gravando e recalculando a medida..."), [r, alteracao] { *r = alteracao(); },
        [this, r, titulo, texto, depois] {
            if (r->estado != Desfecho::Estado::Recusado)
                emit armazemAlterado();
            if (!*r)
                servicos.perguntador->informar(this, titulo,
                                               r->motivo.isEmpty() ? texto : texto + QLatin1Char('\n') + r->motivo);
            depois();
        });
}

void Medidas::onTableClicked_Exposicao(const QModelIndex &index)
{
    clicarTabela(ui->tableView_ExpResultante, index);
}

void Medidas::onTableClicked_ExposicaoParcial(const QModelIndex &index)
{
    clicarTabela(ui->tableView_ExpParcial, index);
}

void Medidas::onTableClicked_Componente(const QModelIndex &index)
{
    clicarTabela(ui->tableView_ComponenteExp, index);
}

void Medidas::clicarTabela(QTableView *tabela, const QModelIndex &index)
{
    // The row's folder is only a candidate: the viewer shows another one
    // until the row is selected, and keeps it when a deletion is declined.
    const QString caminho = tabelas->caminhoDaLinha(tabela, index.row());
    if (!caminho.isEmpty() && concluirEdicoesAbertas()) {
        if (index.column() == tabela->model()->columnCount() - 1)
            apagarLinha(tabela, caminho);
        else if (tabela == ui->tableView_ExpResultante)
            mostrarExposicao(caminho);
        else if (tabela == ui->tableView_ExpParcial)
            mostrarParcial(caminho, index.sibling(index.row(), 1).data().toString());
        else
            mostrarComponente(caminho);
    }
    marcarMostrados();
}

void Medidas::apagarLinha(QTableView *tabela, const QString &caminho)
{
    // Each question names what would go.
    AcessarArquivo a;
    QString titulo = tr("Deletar Exposição");
    QString pergunta = tr("Tem certeza que deseja apagar esta exposição em seu computador?") + QLatin1Char('\n');
    QString falha;
    std::function<Desfecho()> apagar;
    if (tabela == ui->tableView_ExpResultante) {
        a.lerExposicao(LayoutMedida::arquivoExposicao(caminho));
        const QString trabalhador = a.getFuncionario_avaliado().trimmed();
        pergunta += tr("Trabalhador: %1; medida %2 de %3.")
                        .arg(trabalhador.isEmpty() ? tr("não informado") : trabalhador,
                             LayoutMedida::nomeMostrado(a.getNome_exposicao()), a.getData_criacao());
        falha = tr("Não foi possível apagar a exposição %1.").arg(LayoutMedida::nomePasta(caminho));
        apagar = [raiz = diretorioQT, caminho] { return Edicao::apagarExposicao(raiz, caminho); };
    } else if (tabela == ui->tableView_ExpParcial) {
        a.lerExposicaoParcial(LayoutMedida::arquivoParcial(caminho));
        const bool mao = LayoutMedida::nomePasta(caminho) == QLatin1String("mao");
        pergunta += tr("Tarefa: %1 (%2).")
                        .arg(a.getNome_exp_parcial().trimmed(), mao ? tr("mãos e braços") : tr("corpo inteiro"));
        falha = tr("Não foi possível apagar a exposição parcial ou recalcular a medida.");
        apagar = [raiz = diretorioQT, caminho, exposicao = arquivoExposicao, pastas = tabelas->pastasParciais()] {
            return Edicao::apagarParcial(raiz, caminho, exposicao, pastas);
        };
    } else {
        a.lerComponente(caminho + QStringLiteral(".head"));
        titulo = tr("Deletar a Exposição Unificada");
        pergunta = tr("Tem certeza que deseja apagar essa exposição em seu computador ?") + QLatin1Char('\n')
            + tr("Componente: %1, %2 s.").arg(a.getNome_componente().trimmed(), a.getDuracao_comp().trimmed());
        falha = tr("Não foi possível apagar a componente ou recalcular a medida.");
        apagar = [raiz = diretorioQT, caminho, exposicao = arquivoExposicao, pastas = tabelas->pastasParciais()] {
            return Edicao::apagarComponente(raiz, caminho, exposicao, pastas);
        };
    }
    if (!perguntar(titulo, pergunta, Perguntador::Padrao::Nao))
        return;
    const bool medida = tabela == ui->tableView_ExpResultante;
    alterar(apagar, titulo, falha, [this, medida, caminho] {
        if (medida) {
            if (caminho == pastaExposicao)
                esquecerExposicao();
            else
                lerMostrados();
            sincronizarDadosExposicao();
            return;
        }
        if (caminho == pastaExposicaoParcial)
            esquecerParcial();
        if (caminho == baseComponente)
            esquecerComponente();
        mostrarReavaliada();
        marcarMostrados();
    });
}

void Medidas::mostrarExposicao(const QString &pasta)
{
    pastaExposicao = pasta;
    arquivoExposicao = LayoutMedida::arquivoExposicao(pastaExposicao);
    ui->tabWidget_Resultados->setStyleSheet(QString::fromLatin1(estiloAbasAtivas));
    ui->tabWidget_Resultados->setEnabled(true);
    ui->pushButton_GerarPDF->setEnabled(true);
    ui->pushButton_GerarLaudo->setEnabled(true);
    esquecerParcial();
    acessarArquivo = AcessarArquivo();
    acessarArquivo.lerExposicao(arquivoExposicao);
    setTabIdentificacao();
    setTabResultados();
    setTabObservacao();
    sincronizarDadosExposicaoParcial();
    sincronizarDadosComponentes();
    ui->tabWidget_Resultados->setCurrentIndex(0);
}

void Medidas::mostrarParcial(const QString &pasta, const QString &sensor)
{
    pastaExposicaoParcial = pasta;
    sensorExposicaoParcial = sensor;
    esquecerComponente();
    ui->tabWidget_Resultados->setTabEnabled(3, true);
    acessarArquivo.limparExposicaoParcial();
    acessarArquivo.lerExposicaoParcial(LayoutMedida::arquivoParcial(pastaExposicaoParcial));
    setTabExpParcial();
    sincronizarDadosComponentes();
    ui->tabWidget_Resultados->setCurrentIndex(3);
}

void Medidas::mostrarComponente(const QString &base)
{
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
    valores->identificacao(acessarArquivo);
}

void Medidas::setTabResultados()
{
    valores->resultados(acessarArquivo);
    // The assessment follows every change of the results.
    setTabAvaliacao();
}

void Medidas::setTabAvaliacao()
{
    // Every component file of the measurement is read: beside the window.
    const auto a = std::make_shared<AvaliacaoExposicao>();
    const QString pasta = pastaExposicao;
    TrabalhoAoLado::executar(
        this, tr("Avaliação"), tr("Avaliando a exposição..."), [a, pasta] { *a = AvaliacaoExposicao::avaliar(pasta); },
        [this, a, pasta] {
            // Another measurement chosen meanwhile has its own assessment coming.
            if (pasta == pastaExposicao)
                avaliacao->mostrar(*a);
        });
}

void Medidas::setTabExpParcial()
{
    valores->parcial(acessarArquivo, sensorExposicaoParcial != QLatin1String("mao"));
}

void Medidas::setTabConfiguracao()
{
    valores->configuracao(acessarArquivo);
}

void Medidas::setTabComponente()
{
    valores->componente(acessarArquivo, sensorExposicaoParcial != QLatin1String("mao"));
}

void Medidas::setTabObservacao()
{
    valores->observacao(acessarArquivo);
}

void Medidas::setTabGrafico1_linhas()
{
    valores->graficoLinhas(acessarArquivo);
}

void Medidas::setTabGrafico2_banda()
{
    valores->graficoBandas(acessarArquivo);
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

void Medidas::on_pushButton_GerarLaudo_clicked()
{
    GeracaoLaudo::gerar(pastaExposicao, *servicos.perguntador, *servicos.areaDeTrabalho, this);
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
        // What the work acts on is taken now, as values.
        const auto salvo = std::make_shared<Desfecho>();
        const QString pasta = pastaExposicaoParcial;
        const QString exposicao = arquivoExposicao;
        const QStringList pastas = tabelas->pastasParciais();
        fecharEdicaoParcial();
        TrabalhoAoLado::executar(
            this, tr("Editar Dados"), tr("Gravando e recalculando a medida..."),
            [salvo, pasta, d, exposicao, pastas] { *salvo = Edicao::salvarParcial(pasta, d, exposicao, pastas); },
            [this, salvo] {
                if (*salvo)
                    emit armazemAlterado();
                else
                    servicos.perguntador->informar(this, tr("Editar Dados"),
                                                   tr("Não foi possível salvar os dados ou recalcular a medida.")
                                                       + QLatin1Char('\n') + salvo->motivo);
                // The table shows the new repetitions and time too.
                sincronizarDadosExposicaoParcial();
                marcarMostrados();
                lerMostrados();
                setTabResultados();
                setTabExpParcial();
            });
        return;
    }
    fecharEdicaoParcial();
    lerMostrados();
    setTabResultados();
    setTabExpParcial();
}

void Medidas::fecharEdicaoParcial()
{
    ui->lineEdit_TempoExpParcial->setInputMask(QString());
    for (QLineEdit *e : {ui->lineEdit_NumRepeticaoParcial, ui->lineEdit_TempoExpParcial, ui->lineEdit_NomeExpParcial})
        e->setEnabled(false);
    aparenciaDoBotao(ui->pushButton_Editar_ExpParcial, false);
}
