#include "app/mainwindow.h"

#include "app/textosinstrumento.h"
#include "data/rastro.h"
#include "platform/areadetrabalho.h"
#include "platform/avisofinal.h"
#include "app/config_perfil.h"
#include "app/janelacalibracoes.h"
#include "data/gravacaosegura.h"
#include "evaluation/esocial.h"
#include "evaluation/planilha.h"
#include "viewer/medidas.h"
#include "viewer/paginajornadas.h"
#include "viewer/seletorarmazem.h"
#include "platform/perguntador.h"
#include "data/arquivolingua.h"
#include "app/reinicio.h"
#include "app/sobre.h"
#include "platform/trabalhoaolado.h"
#include "app/janelaconfig.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "data/perfil.h"
#include "device/copia.h"
#include "device/sincronizacao.h"
#include "device/transferencia.h"

#include "ui_mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QProgressDialog>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTranslator>

#include <atomic>

namespace {

const char paginaDoProduto[] = "https://www.corvalendis.com.br/kt9400";
const QString sincronizado = QStringLiteral("Sincronizado");

QStandardItem *itemCentrado(const QString &texto)
{
    auto *item = new QStandardItem(texto);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

MainWindow::MainWindow(const LocaisPrograma &locais, const Servicos &s, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , servicos(s)
    , pastas(PastasLocais::de(locais.dados))
    , configuracao(locais.configuracao)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Corvalendis - Medidor de Vibração"));
    const QString armazem = QDir::toNativeSeparators(QDir::cleanPath(pastas.raiz));
    dialogoSobre = std::make_unique<sobre>(armazem);
    const Desfecho criadas = pastas.criar();
    armazemCriado = criadas.feito();
    aparenciaDesconectada(false);
    if (!armazemCriado) {
        desabilitarArmazem();
        servicos.perguntador->informar(nullptr, tr("Medidor de Vibração"),
                                       tr("Não foi possível criar a pasta das medidas, %1: nada poderá ser "
                                          "baixado, importado nem consultado.")
                                               .arg(armazem)
                                           + QLatin1Char('\n') + criadas.motivo);
    }
    listarPerfil();
    connect(ui->tableView, &QTableView::clicked, this, &MainWindow::onTableClicked,
            Qt::UniqueConnection);
}

MainWindow::~MainWindow() = default;

void MainWindow::setStackedWidget(QStackedWidget *p)
{
    pilha = p;
}

void MainWindow::desabilitarArmazem()
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui->pushButton_BaixarTudo, ui->toolButton_Registros,
                                                       ui->pushButton_Jornadas, ui->pushButton})
        w->setEnabled(false);
    for (QAction *a : {ui->actionRegistros, ui->actionImportar, ui->actionExportar, ui->actionExportarPlanilha,
                       ui->actionExportarESocial, ui->actionAdicionar_Perfil, ui->actionCalibracoes})
        a->setEnabled(false);
}

void MainWindow::aparenciaConectada(bool mensagem)
{
    ui->pushButton_BaixarTudo->setEnabled(armazemCriado);
    ui->pushButton_BaixarTudo->setStyleSheet(QStringLiteral(
        "QPushButton{ color:white; border-radius: 10px; background-color: rgb(230, 0, 0); }"
        "QPushButton:pressed{ background-color: rgb(150, 0, 0);}"));
    ui->label_Status->setText(tr("Conectado"));
    ui->toolButton_Configurar->setEnabled(true);
    ui->toolButton_Configurar->setStyleSheet(QStringLiteral("background-color: rgb(230, 0, 0); "));
    ui->toolButton_Configurar->setIcon(QIcon(QStringLiteral(":/icons/ICON_CONFIG2.png")));
    ui->actionConfigurar->setEnabled(true);
    if (mensagem)
        ui->statusBar->showMessage(tr("Dispositivo conectado"), 1000);
}

void MainWindow::aparenciaDesconectada(bool mensagem)
{
    ui->pushButton_BaixarTudo->setEnabled(false);
    ui->pushButton_BaixarTudo->setStyleSheet(QStringLiteral(
        "color:white;\nborder-radius: 10px;\nbackground-color: rgb(176, 176, 176);"));
    ui->label_Status->setText(tr("Desconectado"));
    ui->toolButton_Configurar->setEnabled(false);
    ui->toolButton_Configurar->setStyleSheet(QStringLiteral("background-color: rgb(176, 176, 176);"));
    ui->toolButton_Configurar->setIcon(QIcon(QStringLiteral(":/icons/ICON_CONFIG2_off.png")));
    ui->actionConfigurar->setEnabled(false);
    if (mensagem)
        ui->statusBar->showMessage(tr("Dispositivo desconectado"), 1000);
}

bool MainWindow::verificaPenDrive()
{
    estado = Deteccao::verificar(servicos.volumes->volumes(), estado);
    if (estado.aparencia == EstadoConexao::Aparencia::Conectada)
        aparenciaConectada(true);
    else if (estado.aparencia == EstadoConexao::Aparencia::Desconectada)
        aparenciaDesconectada(true);
    if (estado.instrumentos > 1)
        ui->statusBar->showMessage(
            tr("Há mais de um instrumento KT9400 conectado; usando o de %1.")
                .arg(estado.caminhoPenDrive),
            5000);
    if (estado.atualizacaoPendente) {
        caminhoDados = estado.caminhoPenDrive + QStringLiteral("/DATA/");
        set_Id_Equipamento();
        listarMedidas();
        estado.atualizacaoPendente = false;
    }
    return estado.conectado;
}

void MainWindow::set_Id_Equipamento()
{
    qCDebug(rastro) << caminhoDados + QStringLiteral("/Crv_vib.cfg");
    idEquipamento = Deteccao::lerIdentidade(caminhoDados);
    ui->label_IdEquipamento->setText(QStringLiteral("ID: ") + idEquipamento);
}

void MainWindow::on_pushButton_3_clicked()
{
    ui->statusBar->showMessage(tr("Procurando e conectando com o instrumento..."), 1000);
    // Every press reads the instrument and the store again.
    estado.atualizacaoPendente = true;
    const bool conectado = verificaPenDrive();
    QString texto = conectado ? tr("Dispositivo conectado!") : tr("Dispositivo desconectado!");
    if (conectado && !QFileInfo(caminhoDados).isDir())
        texto += QLatin1Char('\n') + tr("A pasta DATA não foi encontrada no instrumento.");
    AvisoFinal::mostrar(tr("Conectar"), texto, true, false);
}

void MainWindow::on_actionConfigurar_triggered()
{
    if (!verificaPenDrive()) {
        servicos.perguntador->informar(
            nullptr, tr("Configurar Equipamento"),
            tr("Equipamento desconectado.\nNão foi possível abrir as configurações"));
        return;
    }
    const QString longo = caminhoDados + QStringLiteral("/Crv_vib.cfg");
    const bool completo = QFileInfo(longo).isFile();
    // A new dialog each time; an earlier one still open stays as it is.
    auto *janelaConfig = new JanelaConfig(this, completo ? longo : caminhoDados + QStringLiteral("/KT9400.cfg"),
                                    completo, *servicos.perguntador);
    janelaConfig->setAttribute(Qt::WA_DeleteOnClose);
    janelaConfig->show();
}

void MainWindow::on_actionSobre_triggered()
{
    dialogoSobre->show();
    dialogoSobre->raise();
}

void MainWindow::on_actionMudar_Idioma_triggered()
{
    // Installed on top of the start-up catalog, for the moment until the
    // restart.
    static QTranslator tradutor;
    const QStringList itens = {tr("Português"), tr("Inglês"), tr("Espanhol")};
    QString escolhido;
    if (!servicos.perguntador->escolherItem(nullptr, tr("Selecione o Idioma"), tr("Idioma"), itens,
                                            &escolhido))
        return;
    QString catalogo = QStringLiteral(":/language/portugues.qm");
    if (escolhido == tr("Espanhol"))
        catalogo = QStringLiteral(":/language/espanhol.qm");
    else if (escolhido == tr("Inglês"))
        catalogo = QStringLiteral(":/language/ingles.qm");
    tradutor.load(catalogo);
    QCoreApplication::removeTranslator(&tradutor);
    QCoreApplication::installTranslator(&tradutor);
    ui->retranslateUi(this);
    // The form's texts came back as designed: show the state again.
    setWindowTitle(QStringLiteral("Corvalendis - Medidor de Vibração"));
    if (estado.conectado)
        aparenciaConectada(false);
    else
        aparenciaDesconectada(false);
    ui->label_IdEquipamento->setText(QStringLiteral("ID: ") + idEquipamento);
    listarPerfil();
    const Desfecho gravado = ArquivoLingua::gravar(configuracao, catalogo);
    if (!gravado)
        servicos.perguntador->informar(nullptr, tr("Idioma"),
                                       tr("Não foi possível salvar a escolha do idioma.") + QLatin1Char('\n')
                                           + gravado.motivo);
    listarMedidas();
    const QStringList argumentos = QCoreApplication::arguments();
    if (servicos.reinicio && !argumentos.isEmpty())
        servicos.reinicio->reiniciar(argumentos.first(), argumentos);
}

void MainWindow::on_toolButton_Configurar_clicked()
{
    on_actionConfigurar_triggered();
}

void MainWindow::listarMedidas()
{
    // The pairing and the rows are read on a worker thread, behind one
    // note: an instrument on a slow stick with thousands of measurements
    // takes a while to read.
    const auto c = std::make_shared<Sincronizacao::Comparacao>();
    const auto linhas = std::make_shared<QVector<Sincronizacao::LinhaMedida>>();
    const QString dados = caminhoDados;
    const QString raiz = pastas.raiz;
    const QString id = idEquipamento;
    TrabalhoAoLado::executar(
        this, tr("Medidas"), tr("Lendo as medidas do instrumento e do computador..."),
        [c, linhas, dados, raiz, id] {
            *c = Sincronizacao::compararDiretorios(dados, raiz, id);
            *linhas = Sincronizacao::linhas(dados, c->dadosIguais);
        },
        [this, c, linhas] { mostrarMedidas(*c, *linhas); });
}

void MainWindow::mostrarMedidas(const Sincronizacao::Comparacao &c, const QVector<Sincronizacao::LinhaMedida> &linhas)
{
    auto *novo = new QStandardItemModel(0, 3, this);
    novo->setHorizontalHeaderLabels({tr("Nome da Medição"), tr("Data de Criação"), tr("Status")});
    ui->tableView->setStyleSheet(QStringLiteral(
        "QHeaderView::section:enabled { background-color: rgb(230, 0, 0);font-weight: bold }"
        "QTableView::enabled{color:white}"));
    dadosIguais = c.dadosIguais;
    dadosTabelaMedidas = c.dadosTabelaMedidas;
    for (int r = 0; r < linhas.size(); ++r) {
        const Sincronizacao::LinhaMedida &l = linhas.at(r);
        if (r < linhasTabela.size())
            linhasTabela[r] = l.pasta;
        else
            linhasTabela.append(l.pasta);
        QStandardItem *status = itemCentrado(l.sincronizado ? sincronizado : QStringLiteral("------------"));
        if (!l.sincronizado)
            status->setIcon(iconeBaixar);
        novo->appendRow({itemCentrado(l.nome), itemCentrado(l.data), status});
    }
    ui->tableView->setModel(novo);
    if (modelo)
        modelo->deleteLater(); // a click may still hold an index of it
    modelo = novo;
    ui->tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tableView->verticalHeader()->setDefaultSectionSize(10);
    ui->tableView->horizontalHeader()->setStyleSheet(
        QStringLiteral("color:white;background-color:  transparent;"));
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableView->verticalHeader()->hide();
}

bool MainWindow::perguntar(const QString &titulo, const QString &texto, Perguntador::Padrao padrao)
{
    return servicos.perguntador->perguntar(nullptr, titulo, texto, tr("Sim"), tr("Não"), padrao);
}

Avaliador MainWindow::avaliador() const
{
    return {ui->label_TextEmpAvaliadora->text(),
            ui->radioButton_usuario1->isChecked() ? ui->radioButton_usuario1->text()
                                                  : ui->radioButton_usuario2->text()};
}

void MainWindow::baixarDado(QString nomePasta, QString diretorio, bool coverFileIfExist)
{
    qCDebug(rastro) << nomePasta << diretorio;
    // A download replaces the local copy whole, with exactly what the
    // instrument holds: there is nothing left to keep or to cover.
    Q_UNUSED(coverFileIfExist);
    const auto r = std::make_shared<Download::Relatorio>();
    const Avaliador quem = avaliador();
    const QString raiz = pastas.raiz;
    const QString id = idEquipamento;
    TrabalhoAoLado::executar(
        this, tr("Baixar Dado"), tr("Baixando %1...").arg(nomePasta),
        [r, diretorio, raiz, quem, id] { *r = Download::baixar(diretorio, raiz, quem, id); },
        [this, r] {
            listarMedidas();
            const QString texto = TextosInstrumento::comLinks(TextosInstrumento::falha(*r), r->links);
            if (!texto.isEmpty())
                servicos.perguntador->informar(nullptr, tr("Baixar Dado"), texto);
        });
}

void MainWindow::onTableClicked(const QModelIndex &index)
{
    qCDebug(rastro) << index.data().toString();
    if (!armazemCriado)
        return;
    // Taken before the check, which may rebuild the table.
    const int coluna = index.column();
    const QString pasta = linhasTabela.value(index.row());
    const bool jaSincronizado =
        index.sibling(index.row(), 2).data().toString() == sincronizado;
    if (!verificaPenDrive()) {
        servicos.perguntador->informar(nullptr, tr("Baixar Dado"),
                                       tr("Instrumento desconectado.\nNão é possivel baixar medida"));
        return;
    }
    if (coluna != 2 || pasta.isEmpty())
        return;
    QString texto = jaSincronizado ? tr("Ja existe uma medida com este nome deseja substituir? ")
                                   : tr("Tem certeza que deseja baixar esta medida?");
    const QString local = Download::copiaLocal(pasta, pastas.raiz);
    if (!local.isEmpty())
        texto += QStringLiteral("\n\n") + TextosInstrumento::avisoDeSubstituicao({local});
    if (perguntar(tr("Baixar Dado !!"), texto, local.isEmpty() ? Perguntador::Padrao::Sim : Perguntador::Padrao::Nao))
        baixarDado(LayoutMedida::nomePasta(pasta), pasta, jaSincronizado);
}

void MainWindow::on_pushButton_BaixarTudo_clicked()
{
    const QString titulo = tr("Baixar todos os dados");
    if (!verificaPenDrive()) {
        servicos.perguntador->informar(nullptr, titulo,
                                       tr("Instrumento desconectado.\nNão foi possível baixar dados"));
        listarMedidas();
        return;
    }
    // The instrument's list as the check above reads it again.
    TrabalhoAoLado::emSeguida([this] { baixarTodas(); });
}

void MainWindow::baixarTodas()
{
    const QString titulo = tr("Baixar todos os dados");
    // One question for every measurement that has a local copy already;
    // the others are downloaded whatever the answer.
    const Download::Plano plano = Download::planejar(dadosTabelaMedidas, pastas.raiz);
    const QStringList existentes = plano.existentes;
    const bool substituir =
        !existentes.isEmpty()
        && perguntar(titulo, tr("Deseja substituir as medidas se ja estiveram baixadas?") + QStringLiteral("\n\n")
                                 + TextosInstrumento::avisoDeSubstituicao(existentes), Perguntador::Padrao::Nao);
    const QStringList medidas = substituir ? plano.todas : plano.novas;
    const QString baixando = tr("Baixando dados do instrumento...");
    ui->statusBar->showMessage(baixando);
    // The downloads run on a worker thread, so that the window keeps
    // painting; what they need from the window is taken here, as values.
    const Avaliador quem = avaliador();
    const QString raiz = pastas.raiz;
    const QString id = idEquipamento;
    auto *progresso = new QProgressDialog(QString(), tr("Cancelar"), 0, int(medidas.size()), window());
    TrabalhoAoLado::preparar(progresso, titulo, baixando, true);
    progresso->setMinimumDuration(0);
    progresso->setAutoClose(false);
    progresso->setAutoReset(false);
    progresso->setValue(0);
    // Cancelar stops after the measurement at hand, which ends whole.
    const auto cancelado = std::make_shared<std::atomic<bool>>(false);
    connect(progresso, &QProgressDialog::canceled, progresso, [progresso] {
        progresso->setLabelText(tr("Interrompendo: a medida em andamento termina inteira..."));
    });
    const auto feitos = std::make_shared<QVector<Download::Relatorio>>();
    const QPointer<QProgressDialog> nota = progresso;
    TrabalhoAoLado::esperar(
        progresso,
        [this, nota, cancelado, feitos, medidas, raiz, quem, id] {
            *feitos = Download::baixarTodas(medidas, raiz, quem, id, [&](int feitas, int total, const QString &proxima) {
                // Waits for the window to show it: a Cancelar clicked
                // meanwhile is seen before the next measurement starts.
                if (feitas > 0)
                    QMetaObject::invokeMethod(
                        this,
                        [this, nota, cancelado, feitas, total] {
                            emit medidaBaixada(feitas, total);
                            if (!nota)
                                return;
                            nota->setValue(feitas);
                            *cancelado = nota->wasCanceled();
                        },
                        Qt::BlockingQueuedConnection);
                if (proxima.isEmpty() || *cancelado || TrabalhoAoLado::paradaPedida())
                    return false;
                QMetaObject::invokeMethod(nota, [nota, feitas, total, proxima] {
                    nota->setLabelText(tr("Baixando %1 de %2: %3").arg(feitas + 1).arg(total).arg(proxima));
                });
                return true;
            });
        },
        [this, nota, feitos, medidas, substituir, existentes, titulo] {
            if (nota)
                nota->close();
            mostrarBaixadas(*feitos, int(medidas.size()), substituir ? 0 : int(existentes.size()), titulo);
        });
}

void MainWindow::mostrarBaixadas(const QVector<Download::Relatorio> &feitos, int pedidas, int mantidasNoComputador,
                                 const QString &titulo)
{
    QStringList falhas;
    QStringList links;
    for (const Download::Relatorio &r : feitos) {
        if (r.resultado != Download::Resultado::Baixado)
            falhas << TextosInstrumento::falha(r);
        links += r.links;
    }
    const int baixadas = int(feitos.size());
    const QString interrompido = baixadas < pedidas
        ? tr("Interrompido: %1 de %2 medidas baixadas.").arg(baixadas).arg(pedidas)
        : QString();
    const QString mantidas = mantidasNoComputador == 0
        ? QString()
        : QLatin1Char('\n') + tr("%n medida(s) já no computador mantida(s) como estava(m).", "", mantidasNoComputador);
    dadosBaixados = falhas.isEmpty() && interrompido.isEmpty();
    if (falhas.isEmpty()) {
        // Links left out must be read: the box then waits for its OK.
        AvisoFinal::mostrar(titulo,
                            TextosInstrumento::comLinks((interrompido.isEmpty() ? tr("Download Concluído !") : interrompido) + mantidas,
                                     links),
                            links.isEmpty() && interrompido.isEmpty());
        ui->statusBar->showMessage(interrompido.isEmpty() ? tr("Dados do instrumento foram baixados no computador !!")
                                                          : interrompido,
                                   interrompido.isEmpty() ? 2000 : 5000);
    } else {
        AvisoFinal::mostrar(titulo,
                            TextosInstrumento::comLinks(tr("%n medida(s) não foram baixadas:", "", falhas.size()) + QLatin1Char('\n')
                                         + falhas.join(QLatin1Char('\n'))
                                         + (interrompido.isEmpty() ? QString() : QLatin1Char('\n') + interrompido)
                                         + mantidas,
                                     links),
                            false);
        ui->statusBar->showMessage(tr("Nem todas as medidas foram baixadas."), 5000);
    }
    listarMedidas();
}

void MainWindow::on_actionImportar_triggered()
{
    const QString escolhida = servicos.perguntador->escolherPasta(
        this, QStringLiteral("Importar Arquivos - Selecione a pasta da medida que deseja importar"),
        QDir::homePath());
    if (escolhida.isEmpty())
        return;
    qCDebug(rastro) << LayoutMedida::arquivoExposicao(escolhida);
    const QString titulo = tr("Importar Arquivo");
    // A measurement, or a folder holding several (another store, a backup).
    const QStringList origens = LayoutMedida::ehMedida(escolhida) ? QStringList{escolhida} : LayoutMedida::medidas(escolhida);
    if (origens.isEmpty()) {
        servicos.perguntador->informar(nullptr, titulo,
                                       tr("Esta pasta não é uma medida, selecione a medida correta."));
        return;
    }
    // Those already in the store are asked about once, as Baixar Tudo does.
    QStringList existentes;
    for (const QString &origem : origens) {
        const QString local = Transferencia::destinoCopia(origem, pastas.raiz);
        if (QFileInfo(local).exists())
            existentes << local;
    }
    QStringList aImportar = origens;
    if (!existentes.isEmpty()) {
        const bool substituir = origens.size() == 1
            ? perguntar(tr("Importar Arquivos"), tr("Esta medida ja existe, deseja substitui-la no seu computador ?"),
                        Perguntador::Padrao::Nao)
            : perguntar(tr("Importar Arquivos"),
                        tr("Deseja substituir as medidas que já estão no computador?") + QStringLiteral("\n\n")
                            + TextosInstrumento::avisoDeSubstituicao(existentes),
                        Perguntador::Padrao::Nao);
        if (!substituir) {
            aImportar.clear();
            for (const QString &origem : origens) {
                if (!existentes.contains(Transferencia::destinoCopia(origem, pastas.raiz)))
                    aImportar << origem;
            }
        }
    }
    if (aImportar.isEmpty())
        return;
    const auto textos = std::make_shared<QStringList>();
    const Avaliador quem = avaliador();
    const QString raiz = pastas.raiz;
    TrabalhoAoLado::executar(
        this, titulo, tr("Importando a medida..."),
        [textos, aImportar, raiz, quem] {
            for (const QString &origem : aImportar)
                *textos << TextosInstrumento::importacao(Transferencia::importar(origem, raiz, quem));
        },
        [this, textos, titulo] {
            // A copy of an instrument's measurement may now pair with it.
            listarMedidas();
            servicos.perguntador->informar(nullptr, titulo, textos->join(QStringLiteral("\n\n")));
        });
}

void MainWindow::on_actionExportar_triggered()
{
    // The store's measurements by worker, company, date and verdict, never
    // its own folders; several at once.
    SeletorArmazem::escolher(pastas.raiz, SeletorArmazem::Conteudo::Medidas, tr("Exportar Arquivo"), this,
                             [this](const SeletorArmazem &seletor) {
        const QStringList origens = seletor.medidasEscolhidas();
        if (origens.isEmpty())
            return;
        const QString destino = servicos.perguntador->escolherPasta(
            this, tr("Exportar Arquivos - Selecione o destino das medidas"), QDir::homePath());
        if (destino.isEmpty())
            return;
        exportar(origens, destino);
    });
}

void MainWindow::exportar(const QStringList &origens, const QString &destino)
{
    // Each measurement whole or not at all; what failed is named, with why.
    const QString titulo = tr("Exportar Arquivo");
    const auto textos = std::make_shared<QStringList>();
    TrabalhoAoLado::executar(
        this, titulo, tr("Exportando as medidas..."),
        [textos, origens, destino] {
            for (const QString &origem : origens) {
                Copia::Relato relato;
                const Desfecho resultado = Transferencia::exportar(origem, destino, &relato);
                *textos << TextosInstrumento::exportacao(resultado, relato, Transferencia::destinoCopia(origem, destino));
            }
        },
        [this, textos, titulo] { servicos.perguntador->informar(nullptr, titulo, textos->join(QStringLiteral("\n\n"))); });
}

void MainWindow::on_actionExportarPlanilha_triggered()
{
    // The rows the viewer shows, as filtered and sorted there; the whole
    // store before it was ever listed.
    auto *visor = pilha && pilha->count() > 1 ? qobject_cast<Medidas *>(pilha->widget(1)) : nullptr;
    QStringList medidas = visor ? visor->medidasMostradas() : QStringList();
    if (medidas.isEmpty())
        medidas = LayoutMedida::medidasDoArmazem(pastas.raiz);
    const QString arquivo = servicos.perguntador->escolherArquivoParaSalvar(
        this, tr("Exportar planilha"), pastas.raiz + QStringLiteral("registro.csv"), tr("Planilha CSV (*.csv)"),
        QStringLiteral("csv"));
    if (arquivo.isEmpty())
        return;
    const QLocale local = visor ? visor->locale() : locale();
    const auto erro = std::make_shared<QString>();
    TrabalhoAoLado::executar(
        this, tr("Exportar planilha"), tr("Escrevendo a planilha..."),
        [erro, arquivo, medidas, local] {
            GravacaoSegura gravacao(arquivo);
            if (!gravacao.abrir() || !Planilha::escrever(medidas, local, gravacao.dispositivo(), erro.get())
                || !gravacao.concluir())
                *erro = gravacao.erro().isEmpty() ? GravacaoSegura::falha(arquivo, *erro) : gravacao.erro();
        },
        [this, erro, arquivo, n = medidas.size()] {
            servicos.perguntador->informar(this, tr("Exportar planilha"),
                                           erro->isEmpty() ? tr("%1 medições escritas em %2.").arg(n).arg(arquivo) : *erro);
        });
}

void MainWindow::on_actionExportarESocial_triggered()
{
    // The exposure part of event S-2240 of the measurements, jornadas and
    // groups chosen, as agNoc elements for an SST system.
    SeletorArmazem::escolher(pastas.raiz, SeletorArmazem::Conteudo::MedidasJornadasGrupos,
                             tr("Exportar para eSocial (S-2240)"), this, [this](const SeletorArmazem &seletor) {
        const QStringList itens = seletor.medidasEscolhidas();
        if (itens.isEmpty())
            return;
        const QString arquivo = servicos.perguntador->escolherArquivoParaSalvar(
            this, tr("Exportar para eSocial (S-2240)"), pastas.raiz + QStringLiteral("s2240.xml"), tr("XML (*.xml)"),
            QStringLiteral("xml"));
        if (arquivo.isEmpty())
            return;
        struct Escrita {
            int valores = 0;
            QStringList falhas;
            Desfecho gravado;
        };
        const auto e = std::make_shared<Escrita>();
        TrabalhoAoLado::executar(
            this, tr("Exportar para eSocial (S-2240)"), tr("Lendo os valores..."),
            [e, itens, arquivo] {
                QVector<ESocial::Entrada> entradas;
                for (const QString &item : itens) {
                    QVector<ESocial::Entrada> delas;
                    QString erro;
                    if (ESocial::entradas(item, &delas, &erro))
                        entradas += delas;
                    else
                        e->falhas << erro;
                }
                e->valores = entradas.size();
                e->gravado = GravacaoSegura::gravar(arquivo, ESocial::xml(entradas).toUtf8());
            },
            [this, e, arquivo] {
                servicos.perguntador->informar(
                    this, tr("Exportar para eSocial (S-2240)"),
                    (e->gravado ? tr("%1 valores escritos em %2.").arg(e->valores).arg(arquivo) : e->gravado.motivo)
                        + (e->falhas.isEmpty() ? QString() : QStringLiteral("\n") + e->falhas.join(QLatin1Char('\n'))));
            });
    });
}

void MainWindow::on_actionDeletar_Tudo_triggered()
{
    if (!verificaPenDrive()) {
        servicos.perguntador->informar(nullptr, tr("Deletar Dados"),
                                       tr("Instrumento desconectado.\nNão é possivel deletar dados"));
        return;
    }
    const QString texto = dadosBaixados
        ? tr("Tem certeza que quer deletar todos os arquivos do equipamento?")
        : tr("Seus dados não foram baixados, deseja excluir todos os arquivos do equipamento mesmo assim?");
    const QString titulo = tr("Deletar todos os dados");
    if (!perguntar(titulo, texto, Perguntador::Padrao::Nao))
        return;
    const QString deletando = tr("Deletando dados do Instrumento ...");
    ui->statusBar->showMessage(deletando);
    const auto r = std::make_shared<Transferencia::Apagamento>();
    const QString dados = caminhoDados;
    TrabalhoAoLado::executar(
        this, titulo, deletando, [r, dados] { *r = Transferencia::apagarArquivosSoltos(dados); },
        [this, r, titulo] {
        dadosBaixados = false;
        if (r->falhas == 0) {
            AvisoFinal::mostrar(titulo, tr("Dados deletados!"), false);
            ui->statusBar->showMessage(tr("Dados deletados!"), 2000);
        } else {
            const QString falha = tr("%n arquivo(s) não puderam ser deletados.", "", r->falhas);
            AvisoFinal::mostrar(titulo, falha, false);
            ui->statusBar->showMessage(falha, 5000);
        }
        listarMedidas();
        });
}

void MainWindow::listarPerfil()
{
    Perfil perfil;
    if (!Perfil::ler(pastas.perfil + QStringLiteral("/perfil.id"), &perfil))
        return;
    if (perfil.pedacos >= 1)
        ui->label_TextEmpAvaliadora->setText(perfil.empresa);
    if (perfil.pedacos >= 2)
        ui->radioButton_usuario1->setText(perfil.responsavel1);
    if (perfil.pedacos >= 3)
        ui->radioButton_usuario2->setText(perfil.responsavel2);
}

void MainWindow::on_actionAdicionar_Perfil_triggered()
{
    config_perfil dialogo(this, pastas.perfil + QStringLiteral("/perfil.id"),
                          *servicos.perguntador);
    dialogo.exec();
    listarPerfil();
}

void MainWindow::on_pushButton_Jornadas_clicked()
{
    if (pilha && pilha->count() > 2) {
        if (auto *pagina = qobject_cast<PaginaJornadas *>(pilha->widget(2)))
            pagina->listar();
        pilha->setCurrentIndex(2);
    }
}

void MainWindow::on_actionCalibracoes_triggered()
{
    JanelaCalibracoes dialogo(this, pastas.perfil, *servicos.perguntador);
    dialogo.exec();
}

void MainWindow::on_pushButton_clicked()
{
    on_actionAdicionar_Perfil_triggered();
}

void MainWindow::on_actionManual_triggered()
{
    servicos.areaDeTrabalho->abrirOuAvisar(
        QUrl(QString::fromLatin1(paginaDoProduto)), *servicos.perguntador, this, tr("Manual"),
        tr("A área de trabalho não tem um navegador que abra o manual. Abra o endereço à mão:"));
}

void MainWindow::on_pushButton_Manual_clicked()
{
    on_actionManual_triggered();
}

void MainWindow::on_toolButton_Registros_clicked()
{
    if (pilha)
        pilha->setCurrentIndex(1);
}

void MainWindow::on_actionRegistros_triggered()
{
    on_toolButton_Registros_clicked();
}

void MainWindow::on_actionSair_triggered()
{
    QApplication::quit();
}
