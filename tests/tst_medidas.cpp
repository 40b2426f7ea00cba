#include "app/inicio.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaoexposicao.h"
#include "instrumentoteste.h"
#include "platform/guardasaida.h"
#include "platform/trabalhoaolado.h"
#include "servicosteste.h"
#include "data/catalogotarefas.h"
#include "data/dadoslaudo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "viewer/medidas.h"
#include "viewer/janeladadoslaudo.h"
#include "viewer/paginajornadas.h"
#include "viewer/seletorarmazem.h"
#include "viewer/tabelaavaliacao.h"
#include "report/coresavaliacao.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

#include <qcustomplot.h>

Q_DECLARE_METATYPE(TabelasAvaliacao::Cor)

// The viewer driven through its tables and buttons, on a store of simulated
// measurements, evaluated.
class TstMedidas : public QObject
{
    Q_OBJECT

private:
    struct Visor {
        BancadaTeste bancada;
        const QString raiz = bancada.armazem;
        ServicosTeste s;
        std::unique_ptr<Medidas> w;

        explicit Visor(int medidas = 3)
            : bancada(medidas, 60)
        {
            QDir().mkpath(raiz + "Perfil");
            QDir().mkpath(raiz + "Arquivos PDF");
            bancada.levarAoArmazem();
            w = std::make_unique<Medidas>(raiz, s.servicos());
            w->resize(1366, 768);
            w->show();
        }
        // The work the viewer runs beside it ends before the viewer goes.
        ~Visor() { TrabalhoAoLado::aguardar(); }
        template<typename T> T *filho(const char *nome) const
        {
            return w->findChild<T *>(QString::fromLatin1(nome));
        }
        QTableView *tabela(const char *nome) const { return filho<QTableView>(nome); }
        QTabWidget *abas() const { return filho<QTabWidget>("tabWidget_Resultados"); }
        // The tab shown and those enabled, as "4:0123456789".
        QString abasVistas() const
        {
            QString habilitadas;
            for (int t = 0; t < abas()->count(); ++t)
                habilitadas += abas()->isTabEnabled(t) ? QString::number(t) : QString();
            return QString::number(abas()->currentIndex()) + ':' + habilitadas;
        }
        QString texto(const char *edicao) const { return filho<QLineEdit>(edicao)->text(); }
        // A mouse click on a cell, and what the viewer does once the view is done with it.
        void clicar(const char *nome, int linha, int coluna) const
        {
            QTableView *t = tabela(nome);
            const QModelIndex i = t->model()->index(linha, coluna);
            t->scrollTo(i);
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(i).center());
            QCoreApplication::processEvents();
            TrabalhoAoLado::aguardar();
        }
        void sincronizar() const
        {
            filho<QPushButton>("pushButton_Sincronizar")->click();
            TrabalhoAoLado::aguardar();
        }
        int linhas(const char *nome) const { return tabela(nome)->model()->rowCount(); }
        QString celula(const char *nome, int l, int c) const
        {
            return tabela(nome)->model()->index(l, c).data().toString();
        }
        // The row of the partial table for a sensor.
        int linhaParcial(const QString &sensor) const
        {
            for (int r = 0; r < linhas("tableView_ExpParcial"); ++r)
                if (celula("tableView_ExpParcial", r, 1) == sensor)
                    return r;
            return -1;
        }
        // The listed store, its newest measurement and that one's whole-body task.
        void selecionarCorpo() const
        {
            sincronizar();
            clicar("tableView_ExpResultante", 0, 1);
            clicar("tableView_ExpParcial", linhaParcial("corpo"), 0);
        }
        QString pastaDoEvento(int linha) const
        {
            return LayoutMedida::medidasDoArmazem(raiz).at(celula("tableView_ExpResultante", linha, 0).toInt() - 1);
        }
    };

private slots:
    void initTestCase()
    {
        Inicio::registrarRecursos();
    }

    void cleanup()
    {
        fecharCaixas();
    }

    void selecionarAteComponente()
    {
        Visor v(3);
        v.w->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
        v.sincronizar();
        // Dates in the interface language.
        QVERIFY2(QRegularExpression("^\\d{1,2} jan\\. 2024 \\d\\d:\\d\\d:\\d\\d$")
                     .match(v.celula("tableView_ExpResultante", 0, 2)).hasMatch(),
                 qPrintable(v.celula("tableView_ExpResultante", 0, 2)));
        // The newest, MED003, has whole body and hand-arm. The table given the
        // focus has made its first row current, not selected: a click on
        // it still selects it.
        QTableView *exposicoes = v.tabela("tableView_ExpResultante");
        exposicoes->selectionModel()->setCurrentIndex(exposicoes->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        QCoreApplication::processEvents();
        QVERIFY(!v.abas()->isEnabled());
        v.clicar("tableView_ExpResultante", 0, 1);
        QVERIFY(v.abas()->isEnabled() && v.filho<QPushButton>("pushButton_GerarPDF")->isEnabled());
        QCOMPARE(v.abasVistas(), QString("0:01289"));
        QVERIFY(v.linhaParcial("corpo") >= 0 && v.linhaParcial("mao") >= 0);
        QCOMPARE(v.linhas("tableView_ComponenteExp"), 0);

        v.clicar("tableView_ExpParcial", v.linhaParcial("mao"), 0);
        QCOMPARE(v.abasVistas(), QString("3:012389"));
        QVERIFY(v.filho<QLineEdit>("lineEdit_VDViX")->isHidden() && v.filho<QLineEdit>("lineEdit_FC_Z_parcial")->isHidden());
        QVERIFY(!v.texto("lineEdit_Arep").trimmed().isEmpty());

        v.clicar("tableView_ExpParcial", v.linhaParcial("corpo"), 1);
        QVERIFY(!v.filho<QLineEdit>("lineEdit_VDViX")->isHidden());
        QVERIFY(v.texto("lineEdit_VDViX").toDouble() > 0);
        QCOMPARE(v.linhas("tableView_ComponenteExp"), 2);

        v.clicar("tableView_ComponenteExp", 0, 0);
        QCOMPARE(v.abasVistas(), QString("4:0123456789"));
        QVERIFY(v.texto("lineEdit_Filtros").startsWith("x = wd   y = wd  z = wk"));

        auto *linhas = v.filho<QCustomPlot>("customPlot_1");
        QCOMPARE(linhas->graphCount(), 4);
        QCOMPARE(linhas->graph(0)->dataCount(), 60);
        // A time axis from the first sample's time of day to the last's (60
        // samples a second apart), labelled as times, the unit on the y label.
        const QTime inicio = QTime::fromString(v.texto("lineEdit_InicioComponente"), "hh:mm:ss");
        QCOMPARE(linhas->xAxis->range().lower, double(inicio.msecsSinceStartOfDay() / 1000));
        QCOMPARE(linhas->xAxis->range().upper - linhas->xAxis->range().lower, 59.0);
        QVERIFY(dynamic_cast<QCPAxisTickerDateTime *>(linhas->xAxis->ticker().data()));
        QCOMPARE(linhas->yAxis->label(), QString::fromUtf8("Aceleração Total dos Eixos [m/s²]"));
        // Zoomed in, a double-click shows the whole recording again.
        const QCPRange inteira = linhas->xAxis->range();
        linhas->xAxis->setRange(inteira.lower + 10, inteira.lower + 20);
        QMouseEvent duplo(QEvent::MouseButtonDblClick, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        emit linhas->mouseDoubleClick(&duplo);
        QCOMPARE(linhas->xAxis->range(), inteira);

        auto *bandas = v.filho<QCustomPlot>("customPlot_2");
        auto *barras = qobject_cast<QCPBars *>(bandas->plottable(0));
        QCOMPARE(barras->dataCount(), 23); // every whole-body band, the last included
        // Selected again: one set of bars, not two.
        v.clicar("tableView_ComponenteExp", 1, 0);
        QCOMPARE(bandas->plottableCount(), 1);
        QCOMPARE(linhas->graphCount(), 4);
    }

    // The identification and a task edited with the keys, a stored value
    // longer than its edit's limit shown and kept whole. "Sim" saves what
    // was typed (the identification with the observation) and shows the
    // measurement evaluated again; a refused entry writes nothing and keeps
    // the edit open with what was typed. "Não" writes nothing and shows
    // the stored values again, the observation typed left as it is; so does
    // choosing another task with the arrow keys while the edit is open.
    // "Sim" to closing the viewer while the measurement is evaluated again
    // closes it once the work has ended, the edit saved whole.
    void editar_data()
    {
        QTest::addColumn<bool>("parcial");          // the task's edit, else the identification's
        QTest::addColumn<QString>("armazenado");    // "EDIT KEY=VALUE" stored before
        QTest::addColumn<QStringList>("teclas");    // "EDIT=KEYS" typed over each edit's text
        QTest::addColumn<QString>("fim");           // "sim", "nao", "seta" (another task chosen), "fechar"
        QTest::addColumn<QString>("problema");      // the reason a refused entry is told
        QTest::addColumn<QStringList>("escritos");  // lines the file then holds
        const QString rep = "lineEdit_NumRepeticaoParcial=", tempo = "lineEdit_TempoExpParcial=", setor = "lineEdit_Setor=Forjaria";
        const QStringList identificacao{"setor;Forjaria;", "observacoes;Motor ligado;"};
        QTest::newRow("13 x 2 h") << true << "" << QStringList{rep + "13", tempo + "020000"} << "sim" << ""
                                  << QStringList{"num_repeticao;13;", "tempo_exp;02:00:00;", "tempo_exp_total;26:00:00;"};
        QTest::newRow("repetitions abc") << true << "" << QStringList{rep + "abc", tempo + "001000"} << "sim"
                                         << QString::fromUtf8("N° de repetições: \"abc\"") << QStringList();
        QTest::newRow("duration 12:ab:00") << true << "" << QStringList{rep + "2", tempo + "12ab00"} << "sim"
                                           << QString::fromUtf8("Tempo Exposição Médio: \"12:ab:00\"") << QStringList();
        QTest::newRow("name with ;") << true << "" << QStringList{rep + "2", tempo + "001000", "lineEdit_NomeExpParcial=Prensa; turno 2"}
                                     << "sim" << QString::fromUtf8("Exposição Parcial: o nome") << QStringList();
        QTest::newRow("another task chosen, Não") << true << "" << QStringList{rep + "5"} << "seta" << "" << QStringList();
        QTest::newRow("viewer closed meanwhile") << true << "" << QStringList{rep + "9"} << "fechar" << ""
                                                 << QStringList{"num_repeticao;9;"};
        QTest::newRow("company") << false
                                 << QString::fromUtf8("lineEdit_EmpAvaliadora empresa_avaliadora=Metalúrgica Exemplo de "
                                                      "Componentes Automotivos do Vale Ltda.")
                                 << QStringList{setor} << "sim" << "" << identificacao;
        const QString trabalhador = QString::fromUtf8("lineEdit_FuncAvaliado funcionario_avaliado=Maria Aparecida dos Santos "
                                                      "Oliveira de Souza e Albuquerque");
        QTest::newRow("worker") << false << trabalhador << QStringList{setor} << "sim" << "" << identificacao;
        QTest::newRow("worker, Não") << false << trabalhador << QStringList{setor} << "nao" << "" << QStringList();
        QTest::newRow("task") << true << QString::fromUtf8("lineEdit_NomeExpParcial nome_exp_parcial=Operação de prensa")
                              << QStringList{rep + "3"} << "sim" << "" << QStringList{"num_repeticao;3;"};
        QTest::newRow("mean time past the mask") << true << "lineEdit_TempoExpParcial tempo_exp=100:00:00"
                                                 << QStringList{rep + "3"} << "sim" << "" << QStringList{"num_repeticao;3;"};
    }

    void editar()
    {
        QFETCH(bool, parcial);
        QFETCH(QString, armazenado);
        QFETCH(QStringList, teclas);
        QFETCH(QString, fim);
        QFETCH(QString, problema);
        QFETCH(QStringList, escritos);
        Visor v(3);
        new GuardaSaida(v.w.get(), v.s.perguntador);
        const QString pasta = LayoutMedida::medidasDoArmazem(v.raiz).at(0);
        const QString arquivo = parcial ? pasta + "/T1/corpo/T1.id" : LayoutMedida::arquivoExposicao(pasta);
        const QString longa = armazenado.section(' ', 0, 0), chave = armazenado.section(' ', 1).section('=', 0, 0),
                      valor = armazenado.section('=', 1);
        if (!armazenado.isEmpty()) {
            QVERIFY(trocarCampo(arquivo, chave.toLatin1(), valor.toLatin1()));
            escritos << chave + ';' + valor + ';';
        }
        const auto antes = conteudoDe(pasta);
        v.selecionarCorpo();
        QCOMPARE(v.pastaDoEvento(0), pasta);
        const QString areAntes = v.texto("lineEdit_Are_Corpo"), a8Antes = v.celula("tableView_Avaliacao", 4, 1);
        auto *botao = v.filho<QPushButton>(parcial ? "pushButton_Editar_ExpParcial" : "pushButton_Editar_Identificacao");
        botao->click();
        QCOMPARE(botao->text(), QString("Salvar"));
        QLineEdit *primeira = v.filho<QLineEdit>(qPrintable(teclas.first().section('=', 0, 0)));
        QVERIFY(primeira->isEnabled() && !v.filho<QLineEdit>("lineEdit_JornadaTrabalho_1")->isEnabled());
        for (const QString &t : teclas) {
            auto *e = v.filho<QLineEdit>(qPrintable(t.section('=', 0, 0)));
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, t.section('=', 1));
        }
        v.filho<QTextEdit>("textEdit_Observacao")->setPlainText("Motor ligado");
        v.s.perguntador.respostas = fim == "fechar" ? QList<bool>{true, true} : QList<bool>{fim == "sim"};
        QTableView *tarefas = v.tabela("tableView_ExpParcial");
        if (fim == "seta") {
            tarefas->setFocus();
            QTest::keyClick(tarefas, v.linhaParcial("mao") > v.linhaParcial("corpo") ? Qt::Key_Down : Qt::Key_Up);
            QCoreApplication::processEvents();
        } else {
            botao->click();
        }
        if (fim == "fechar") {
            QVERIFY(TrabalhoAoLado::emAndamento());
            v.w->close();
        }
        TrabalhoAoLado::aguardar();
        QTRY_COMPARE(v.w->isVisible(), fim != "fechar");
        if (parcial)
            QCOMPARE(v.s.perguntador.perguntas.first(),
                     QString::fromUtf8("Editar Dados | Deseja alterar os dados para recalcular ? | Sim/Não"));
        QCOMPARE(v.s.perguntador.perguntas.last().startsWith("Sair | "), fim == "fechar");
        if (!problema.isEmpty()) {
            QCOMPARE(v.s.perguntador.mensagens.size(), 1);
            QVERIFY2(v.s.perguntador.mensagens.first().startsWith("Editar Dados | " + problema),
                     qPrintable(v.s.perguntador.mensagens.first()));
            QCOMPARE(conteudoDe(pasta), antes);
            QVERIFY(botao->isChecked() && botao->text() == "Salvar" && primeira->isEnabled());
            QCOMPARE(primeira->text(), teclas.first().section('=', 1));
            return;
        }
        QCOMPARE(botao->text(), QString("Editar"));
        QVERIFY(!primeira->isEnabled() && v.s.perguntador.mensagens.isEmpty());
        if (!armazenado.isEmpty())
            QCOMPARE(v.texto(qPrintable(longa)), valor);
        if (fim == "nao" || fim == "seta") {
            QCOMPARE(conteudoDe(pasta), antes);
            // Shown as stored again: the identification, or the task now chosen.
            QVERIFY(primeira->text() != teclas.first().section('=', 1));
            QVERIFY(fim == "seta" ? primeira->text() == v.celula("tableView_ExpParcial", v.linhaParcial("mao"), 2)
                                  : lerBytes(arquivo).contains("\nsetor;" + primeira->text().toLatin1() + ";\n"));
            QCOMPARE(v.filho<QTextEdit>("textEdit_Observacao")->toPlainText(), QString("Motor ligado"));
            QCOMPARE(tarefas->currentIndex().row(), v.linhaParcial(fim == "seta" ? "mao" : "corpo"));
            QCOMPARE(v.filho<QLineEdit>("lineEdit_VDViX")->isHidden(), fim == "seta"); // a hand-arm task
            return;
        }
        const QByteArray escrito = "\n" + lerBytes(arquivo);
        for (const QString &linha : escritos)
            QVERIFY2(escrito.contains("\n" + linha.toLatin1() + "\n"), qPrintable(linha));
        if (!parcial || fim == "fechar")
            return;
        // The table shows what the file now holds, the measurement evaluated again.
        const int corpo = v.linhaParcial("corpo");
        QCOMPARE(v.celula("tableView_ExpParcial", corpo, 2), v.texto("lineEdit_NumRepeticaoParcial"));
        QCOMPARE(v.celula("tableView_ExpParcial", corpo, 3), v.texto("lineEdit_TempoExpParcialTotal"));
        QVERIFY(escrito.contains("\ntempo_exp_total;" + v.texto("lineEdit_TempoExpParcialTotal").toLatin1() + ";\n"));
        AcessarArquivo e;
        e.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
        QVERIFY(e.getAre_corpo() != areAntes);
        QCOMPARE(v.texto("lineEdit_Are_Corpo"), e.getAre_corpo());
        QVERIFY(v.celula("tableView_Avaliacao", 4, 1) != a8Antes);
    }

    // The trash icons; the question names what it would delete, and Enter
    // answers "Não". "Sim" deletes what its row shows (a component; a task,
    // its tabs gone with it; the exposure, the store's own folders staying)
    // and the row; one that vanished behind the viewer's back is said so.
    // "Não" on another row leaves the viewer as it was, and later edits
    // still go to the measurement and task shown.
    void deletar_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<int>("icone");
        QTest::addColumn<QString>("pergunta"); // its second line
        QTest::addColumn<QString>("caso");     // "sim" on the row shown, "sumida" and "nao" on another
        const QString exposicao = "Trabalhador: [^;]+; medida .+ de \\d\\d/\\d\\d/\\d{4}\\.";
        const QString tarefa = "Tarefa: \\w.*\\((corpo inteiro|mãos e braços)\\)\\.";
        const QString componente = "Componente: \\w+, \\d+(\\.\\d+)? s\\.";
        QTest::newRow("a component") << "tableView_ComponenteExp" << 3 << componente << "sim";
        QTest::newRow("a task") << "tableView_ExpParcial" << 4 << tarefa << "sim";
        QTest::newRow("an exposure") << "tableView_ExpResultante" << 6 << exposicao << "sim";
        QTest::newRow("an exposure already gone") << "tableView_ExpResultante" << 6 << "Trabalhador: .*" << "sumida";
        QTest::newRow("exposures, Não") << "tableView_ExpResultante" << 6 << exposicao << "nao";
        QTest::newRow("tasks, Não") << "tableView_ExpParcial" << 4 << tarefa << "nao";
        QTest::newRow("components, Não") << "tableView_ComponenteExp" << 3 << componente << "nao";
    }

    void deletar()
    {
        QFETCH(QString, tabela);
        QFETCH(int, icone);
        QFETCH(QString, caso);
        Visor v(3);
        v.selecionarCorpo();
        v.clicar("tableView_ComponenteExp", 0, 0);
        const QString pasta = v.pastaDoEvento(0);
        const QString outra = v.pastaDoEvento(1);
        const QString corpo = pasta + "/T1/corpo";
        const auto antes = conteudoDe(v.raiz);
        const auto outraAntes = conteudoDe(outra);
        const QByteArray mao = lerBytes(pasta + "/T1/mao/T1.id");
        const QString componente = v.texto("lineEdit_NomeComponente");
        QTableView *t = v.tabela(qPrintable(tabela));
        const int linha = t->currentIndex().row();
        const int linhas = v.linhas(qPrintable(tabela));
        if (caso == "sumida")
            QVERIFY(QDir(outra).removeRecursively());
        v.s.perguntador.respostas = {caso != "nao"};
        v.clicar(qPrintable(tabela), caso == "sim" ? linha : linha == 0 ? 1 : 0, icone);
        QFETCH(QString, pergunta);
        QVERIFY2(QRegularExpression("^Deletar[^|]+\\| [^\\n]+\\?\\n" + pergunta + " \\| Sim/\\[Não\\]$")
                     .match(v.s.perguntador.perguntas.last()).hasMatch(),
                 qPrintable(v.s.perguntador.perguntas.last()));
        if (caso != "nao") {
            QCOMPARE(v.linhas(qPrintable(tabela)), linhas - 1);
            QCOMPARE(v.s.perguntador.mensagens.size(), caso == "sumida" ? 1 : 0);
            const bool exposicao = tabela.endsWith("ExpResultante");
            if (tabela.endsWith("ComponenteExp"))
                QCOMPARE(LayoutMedida::componentes(corpo).size(), 1);
            else
                QVERIFY(!QFileInfo::exists(caso == "sumida" ? outra : exposicao ? pasta : corpo));
            QCOMPARE(QFileInfo::exists(pasta + "/T1/mao/T1.id"), caso == "sumida" || !exposicao);
            if (tabela.endsWith("ExpParcial"))
                QCOMPARE(v.abasVistas(), QString("0:01289"));
            QVERIFY(QFileInfo(v.raiz + "Perfil").isDir() && QFileInfo(v.raiz + "Arquivos PDF").isDir());
            return;
        }
        QCOMPARE(conteudoDe(v.raiz), antes);
        QCOMPARE(t->currentIndex().row(), linha);
        QCOMPARE(v.abasVistas(), QString("4:0123456789"));
        QCOMPARE(v.texto("lineEdit_NomeComponente"), componente);

        auto *identificacao = v.filho<QPushButton>("pushButton_Editar_Identificacao");
        identificacao->click();
        v.filho<QLineEdit>("lineEdit_Setor")->selectAll();
        QTest::keyClicks(v.filho<QLineEdit>("lineEdit_Setor"), "Forjaria");
        v.s.perguntador.respostas = {true};
        identificacao->click();
        auto *parcial = v.filho<QPushButton>("pushButton_Editar_ExpParcial");
        parcial->click();
        QTest::keyClicks(v.filho<QLineEdit>("lineEdit_NumRepeticaoParcial"), "7");
        v.s.perguntador.respostas = {true};
        parcial->click();
        TrabalhoAoLado::aguardar();
        QVERIFY(lerBytes(LayoutMedida::arquivoExposicao(pasta)).contains("\nsetor;Forjaria;\n"));
        QVERIFY(lerBytes(pasta + "/T1/corpo/T1.id").contains("\nnum_repeticao;7;\n"));
        QCOMPARE(lerBytes(pasta + "/T1/mao/T1.id"), mao);
        QCOMPARE(conteudoDe(outra), outraAntes);
    }

    // The assessment tables' columns: all at their preferred width where
    // they fit, the spare to the names; otherwise the columns that wrap
    // give up width in proportion to what they can, never below their
    // minimum.
    void larguras_data()
    {
        QTest::addColumn<int>("disponivel");
        QTest::addColumn<QVector<int>>("larguras");
        QTest::newRow("room to spare") << 300 << QVector<int>{200, 50, 50};
        QTest::newRow("20 px short of 200") << 180 << QVector<int>{84, 50, 46};
        QTest::newRow("less than the minimums") << 100 << QVector<int>{60, 50, 40};
    }

    void larguras()
    {
        QFETCH(int, disponivel);
        QTEST(TabelaAvaliacao::larguras(disponivel, {100, 50, 50}, {60, 50, 40}), "larguras");
    }

    // Both criteria on the Avaliação tab: the Brazilian bands of the stored
    // aren_mao, each on its colour with its action, then the European
    // figures.
    void avaliacao_data()
    {
        QTest::addColumn<QByteArray>("arenMao");
        QTest::addColumn<QString>("faixa");
        QTest::addColumn<QString>("acao");
        QTest::addColumn<TabelasAvaliacao::Cor>("cor");
        QTest::addColumn<QString>("nota");
        QTest::newRow("acceptable") << QByteArray("1.5") << "Aceitável" << "No mínimo manutenção da condição existente"
                                    << TabelasAvaliacao::Cor::Verde << "";
        QTest::newRow("above the action level") << QByteArray("3") << "Acima do nível de ação"
                                                << "No mínimo adoção de medidas preventivas" << TabelasAvaliacao::Cor::Ambar << "";
        QTest::newRow("uncertainty region")
            << QByteArray("3.5") << "Região de incerteza"
            << "Adoção de medidas preventivas e corretivas visando à redução da exposição diária" << TabelasAvaliacao::Cor::Laranja
            << "";
        QTest::newRow("above the limit") << QByteArray("6") << "Acima do limite de exposição"
                                         << "Adoção imediata de medidas corretivas" << TabelasAvaliacao::Cor::Vermelho << "";
        QTest::newRow("not a number")
            << QByteArray("abc") << "Não calculado" << "—" << TabelasAvaliacao::Cor::Cinza
            << "Mãos e braços: aren [m/s²]: o resultado armazenado aren_mao não é um número";
    }

    void avaliacao()
    {
        QFETCH(QByteArray, arenMao);
        QFETCH(QString, faixa);
        Visor v(3);
        const QString pasta = LayoutMedida::medidasDoArmazem(v.raiz).at(0); // MED003, both body parts
        QVERIFY(trocarCampo(LayoutMedida::arquivoExposicao(pasta), "aren_mao", arenMao));
        v.sincronizar();
        v.clicar("tableView_ExpResultante", 0, 1);

        // Brazil: hand-arm aren, whole-body aren and VDVR, the worse of those two.
        QCOMPARE(v.linhas("tableView_AvaliacaoNr"), 4);
        QCOMPARE(v.celula("tableView_AvaliacaoNr", 0, 0), QString::fromUtf8("Mãos e braços: aren [m/s²]"));
        QCOMPARE(v.celula("tableView_AvaliacaoNr", 0, 1), faixa == "Não calculado" ? QString::fromUtf8("—") : QString(arenMao));
        QCOMPARE(v.celula("tableView_AvaliacaoNr", 0, 2), QString("2.5 / 3.5 / 5.0"));
        QCOMPARE(v.celula("tableView_AvaliacaoNr", 0, 3), faixa);
        QTEST(v.celula("tableView_AvaliacaoNr", 0, 4), "acao");
        QFETCH(TabelasAvaliacao::Cor, cor);
        QCOMPARE(v.tabela("tableView_AvaliacaoNr")->model()->index(0, 3).data(Qt::BackgroundRole).value<QBrush>().color(),
                 CoresAvaliacao::fundo(cor));
        QTEST(v.filho<QLabel>("label_AvaliacaoNotas")->text(), "nota");

        // European Union: hand-arm, the three axes, the dominant axis, the
        // largest VDV, which has no points: no standard gives them for a dose.
        QCOMPARE(v.linhas("tableView_Avaliacao"), 6);
        QVERIFY(!v.celula("tableView_Avaliacao", 4, 4).isEmpty()); // the dominant axis
        QCOMPARE(v.celula("tableView_Avaliacao", 5, 4), QString());
    }

    void entradaRuim()
    {
        Visor v(1);
        const QString lixo = v.raiz + "e_291231090000";
        QDir().mkpath(lixo + "/T1/corpo");
        escreverBytes(lixo + "/e_291231090000.id",
                      "nome_exposicao;\xff\xfe;\njornada_de_trabalho;0800;\nenable_corpo;abc;\n"
                      "enable_mao;1;\nare_mao;;\n");
        escreverBytes(lixo + "/T1/corpo/T1.id", "num_repeticao;;\n");
        QByteArray grande = "Tempo;\n";
        for (int i = 0; i < 100000; ++i)
            grande += QByteArray::number(i) + ";1;2;3;4;5;6;7;\n";
        escreverBytes(lixo + "/T1/corpo/C1.head", "inicio_comp;x;\n");
        escreverBytes(lixo + "/T1/corpo/C1.dat", grande);
        escreverBytes(lixo + "/T1/corpo/C1.res", "freq;1;2;3;4;\nvibracao;9;\n");
        escreverBytes(lixo + "/T1/corpo/C2.head", "x;y;\n");
        escreverBytes(lixo + "/T1/corpo/C2.dat", "Tempo;\n");
        escreverBytes(lixo + "/T1/corpo/C2.res", "freq;1;\n");
        const auto antes = conteudoDe(v.raiz);
        v.sincronizar();
        QCOMPARE(v.linhas("tableView_ExpResultante"), 2);
        v.clicar("tableView_ExpResultante", 0, 0);
        QCOMPARE(v.texto("lineEdit_JornadaTrabalho_1"), QString("0800")); // shown whole, past the limit
        QCOMPARE(v.texto("lineEdit_JornadaTrabalho_2"), QString());
        QCOMPARE(v.abasVistas(), QString("0:0289"));
        v.clicar("tableView_ExpParcial", 0, 0);
        for (int r = 0; r < v.linhas("tableView_ComponenteExp"); ++r)
            v.clicar("tableView_ComponenteExp", r, 0);
        auto *linhas = v.filho<QCustomPlot>("customPlot_1");
        QVERIFY(linhas->graph(0)->dataCount() <= 1000);
        QCOMPARE(conteudoDe(v.raiz), antes); // browsing writes nothing
    }


    // Jornadas e grupos, by keystrokes and clicks: a new jornada named as
    // typed, every task of the store added from the picker (Ctrl+A), a count
    // typed into the table changes the results before anything is saved
    // (what-if), Salvar writes it; a group of it shows its member and
    // verdict; deleting asks naming the item.
    void jornadasEGrupos()
    {
        BancadaTeste b(3, 60);
        b.levarAoArmazem();
        ServicosTeste s;
        PaginaJornadas p(b.armazem, s.servicos());
        p.show();
        QApplication::setActiveWindow(&p);
        s.perguntador.textos = {"Ana"};
        p.findChild<QPushButton *>("pushButton_NovaJornada")->click();
        const QString arquivo = Jornada::arquivo(b.armazem, "Ana");
        QVERIFY(QFile::exists(arquivo));
        p.findChild<QPushButton *>("pushButton_AdicionarTarefas")->click();
        auto *seletor = p.findChild<SeletorArmazem *>();
        QVERIFY(seletor);
        TrabalhoAoLado::aguardar();
        auto *lista = seletor->findChild<QTableView *>("tableView_Tarefas");
        const int todas = lista->model()->rowCount();
        QCOMPARE(todas, CatalogoTarefas::ler(b.armazem).size());
        // The search keeps the tasks holding every word typed, any case.
        auto *busca = seletor->findChild<QLineEdit *>("lineEdit_Busca");
        const QString tarefa = lista->model()->index(0, 4).data().toString();
        QTest::keyClicks(busca, tarefa.toUpper().section(' ', 0, 0) + " " + lista->model()->index(0, 0).data().toString());
        QVERIFY(lista->model()->rowCount() >= 1 && lista->model()->rowCount() < todas);
        for (int r = 0; r < lista->model()->rowCount(); ++r)
            QVERIFY(lista->model()->index(r, 4).data().toString().contains(tarefa.section(' ', 0, 0), Qt::CaseInsensitive));
        QTest::keyClicks(busca, "zzz");
        QCOMPARE(lista->model()->rowCount(), 0);
        busca->clear();
        QCOMPARE(lista->model()->rowCount(), todas);
        QTest::keyClick(lista, Qt::Key_A, Qt::ControlModifier);
        seletor->findChild<QPushButton *>("pushButton_Adicionar")->click();
        auto *tarefas = p.findChild<QTableWidget *>("tableWidget_Tarefas");
        QCOMPARE(tarefas->rowCount(), todas);
        auto *nr = p.findChild<QTableView *>("tableView_Nr")->model();
        const auto valores = [nr] {
            QStringList v;
            for (int r = 0; r < nr->rowCount(); ++r)
                v << nr->index(r, 1).data().toString();
            return v.join(' ');
        };
        const QString antes = valores();
        tarefas->setCurrentCell(0, 4);
        QTest::keyClick(tarefas, Qt::Key_F2);
        auto *editor = tarefas->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "99");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits on the next turn
        QCOMPARE(tarefas->item(0, 4)->text(), QString("99"));
        QVERIFY2(valores() != antes, qPrintable(antes));
        QVERIFY(!lerBytes(arquivo).contains(";99;"));
        p.findChild<QPushButton *>("pushButton_SalvarJornada")->click();
        QVERIFY(lerBytes(arquivo).contains(";99;"));
        // Its laudo: typed in its dialog, kept beside it, written (what it
        // says is the command line's to check).
        p.findChild<QPushButton *>("pushButton_LaudoJornada")->click();
        auto *dialogo = p.findChild<JanelaDadosLaudo *>();
        QVERIFY(dialogo && dialogo->isVisible());
        QTest::keyClicks(dialogo->findChild<QLineEdit *>("lineEdit_Numero"), "8/2026");
        const QString pdf = b.dir.filePath("dia.pdf");
        s.perguntador.pastas = {pdf};
        dialogo->findChild<QPushButton *>("pushButton_Gerar")->click();
        TrabalhoAoLado::aguardar();
        QVERIFY(lerBytes(DadosLaudo::arquivoAoLado(arquivo)).contains("numero_laudo;8/2026;"));
        QVERIFY(QFileInfo(pdf).size() > 0);

        s.perguntador.textos = {"GES 1"};
        p.findChild<QPushButton *>("pushButton_NovoGrupo")->click();
        s.perguntador.item = "Ana";
        p.findChild<QPushButton *>("pushButton_AdicionarJornadas")->click();
        QCOMPARE(p.findChild<QTableWidget *>("tableWidget_Membros")->rowCount(), 1);
        QVERIFY(p.findChild<QLabel *>("label_Veredito")->text().contains("Ana"));
        p.findChild<QPushButton *>("pushButton_SalvarGrupo")->click();
        QVERIFY(lerBytes(Grupo::arquivo(b.armazem, "GES 1")).contains("jornada;Ana;"));

        // Renamed, the jornada stays in its group; deleting it names both.
        auto *jornadas = p.findChild<QListWidget *>("listWidget_Jornadas");
        jornadas->setCurrentRow(0);
        s.perguntador.textos = {"Ana B"};
        p.findChild<QPushButton *>("pushButton_RenomearJornada")->click();
        const QString renomeado = Jornada::arquivo(b.armazem, "Ana B");
        QVERIFY(QFile::exists(renomeado) && !QFile::exists(arquivo));
        QVERIFY(lerBytes(Grupo::arquivo(b.armazem, "GES 1")).contains("jornada;Ana B;"));
        s.perguntador.respostas = {false};
        p.findChild<QPushButton *>("pushButton_ApagarJornada")->click();
        QVERIFY(s.perguntador.perguntas.last().contains("\"Ana B\"") && s.perguntador.perguntas.last().contains("GES 1"));
        QVERIFY(QFile::exists(renomeado));
        s.perguntador.respostas = {true};
        p.findChild<QPushButton *>("pushButton_ApagarJornada")->click();
        QVERIFY(!QFile::exists(renomeado));
        QCOMPARE(jornadas->count(), 0);
        QVERIFY(s.perguntador.mensagens.isEmpty());
    }

    // The store as a register: the exposures shown for a search typed (any
    // case or accent, every word, over companies, worker, sector, task names
    // and observation), a date range and an NR band; events keep their numbers.
    void filtros_data()
    {
        QTest::addColumn<QString>("busca");
        QTest::addColumn<int>("de"); // day of January 2024, 0: no bound
        QTest::addColumn<int>("ate");
        QTest::addColumn<int>("faixa"); // -1: any
        QTest::addColumn<QStringList>("mostrados"); // evaluated companies shown
        QTest::newRow("nothing") << "" << 0 << 0 << -1 << QStringList{"Construtora São João", "Metalúrgica Ribeiro", "Construtora Horizonte"};
        QTest::newRow("other case, no accents") << "SAO joao" << 0 << 0 << -1 << QStringList{"Construtora São João"};
        QTest::newRow("two words, both") << "construtora horizonte" << 0 << 0 << -1 << QStringList{"Construtora Horizonte"};
        QTest::newRow("the worker") << "maria" << 0 << 0 << -1 << QStringList{"Metalúrgica Ribeiro"};
        QTest::newRow("the observation") << "VIBRACAO" << 0 << 0 << -1 << QStringList{"Construtora Horizonte"};
        QTest::newRow("no such word") << "zzz" << 0 << 0 << -1 << QStringList{};
        QTest::newRow("from the 3rd") << "" << 3 << 0 << -1 << QStringList{"Metalúrgica Ribeiro", "Construtora Horizonte"};
        QTest::newRow("up to the 3rd") << "" << 0 << 3 << -1 << QStringList{"Construtora São João", "Metalúrgica Ribeiro"};
        QTest::newRow("not computed") << "" << 0 << 0 << int(AvaliacaoExposicao::Faixa::NaoCalculada) << QStringList{};
    }

    void filtros()
    {
        QFETCH(QString, busca);
        QFETCH(int, de);
        QFETCH(int, ate);
        QFETCH(int, faixa);
        QFETCH(QStringList, mostrados);
        Visor v(3);
        const QStringList empresas{"Construtora São João", "Metalúrgica Ribeiro", "Construtora Horizonte"};
        const QStringList trabalhadores{"José", "Maria", "Rui"};
        const QStringList medidas = LayoutMedida::medidasDoArmazem(v.raiz);
        for (const QString &m : medidas) {
            AcessarArquivo e;
            e.lerExposicao(LayoutMedida::arquivoExposicao(m));
            // The simulator's measurements are of the 2nd, 3rd and 4th of January.
            const int i = QDate::fromString(e.getData_criacao().left(10), "dd/MM/yyyy").day() - 2;
            e.setEmpresa_avaliada(empresas.value(i));
            e.setFuncionario_avaliado(trabalhadores.value(i));
            e.setObservacoes(i == 2 ? QString::fromUtf8("Vibração excessiva") : QString());
            QVERIFY(e.salvarExposicao(LayoutMedida::arquivoExposicao(m)));
        }
        v.sincronizar();
        QTest::keyClicks(v.filho<QLineEdit>("lineEdit_BuscaMedidas"), busca);
        if (de)
            v.filho<QDateEdit>("dateEdit_De")->setDate(QDate(2024, 1, de));
        if (ate)
            v.filho<QDateEdit>("dateEdit_Ate")->setDate(QDate(2024, 1, ate));
        auto *vereditos = v.filho<QComboBox>("comboBox_Veredito");
        vereditos->setCurrentIndex(vereditos->findData(faixa));
        QTableView *t = v.tabela("tableView_ExpResultante");
        QStringList vistos;
        for (int r = 0; r < t->model()->rowCount(); ++r) {
            if (!t->isRowHidden(r))
                vistos << t->model()->index(r, 3).data().toString();
        }
        std::sort(vistos.begin(), vistos.end());
        std::sort(mostrados.begin(), mostrados.end());
        QCOMPARE(vistos, mostrados);
        QCOMPARE(t->model()->index(0, 0).data().toInt() + t->model()->index(1, 0).data().toInt()
                     + t->model()->index(2, 0).data().toInt(),
                 6); // events keep their numbers
    }
};

QTEST_MAIN(TstMedidas)
#include "tst_medidas.moc"
