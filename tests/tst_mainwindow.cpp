#include "app/inicio.h"
#include "app/mainwindow.h"
#include "arquivos.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/download.h"
#include "device/transferencia.h"
#include "app/janelaconfig.h"
#include "evaluation/edicao.h"
#include "instrumentoteste.h"
#include "platform/guardasaida.h"
#include "platform/trabalhoaolado.h"
#include "servicosteste.h"
#include "viewer/medidas.h"
#include "viewer/seletorarmazem.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <optional>

// Start-up (font, language file and catalog, the page stack and the store)
// and the main window driven through its buttons, with the questions
// answered by a script and a simulated instrument.
class TstMainWindow : public QObject
{
    Q_OBJECT

private:
    struct Janela {
        BancadaTeste bancada;
        ServicosTeste s;
        std::unique_ptr<MainWindow> w;
        explicit Janela(int medidas = 3)
            : bancada(medidas)
        {
            s.volumes.lista = {VolumesTeste::sistema(), VolumesTeste::instrumento(bancada.volume)};
            w = std::make_unique<MainWindow>(LocaisPrograma::para(bancada.dir.filePath("app")), s.servicos());
        }
        // The work the window runs beside it ends before the window goes.
        ~Janela() { TrabalhoAoLado::aguardar(); }
        template<typename T> T *filho(const char *nome) const
        {
            return w->findChild<T *>(QString::fromLatin1(nome));
        }
        QAbstractItemModel *tabela() const { return filho<QTableView>("tableView")->model(); }
        QString status(int linha) const { return tabela()->index(linha, 2).data().toString(); }
        void clicar(int linha, int coluna) const
        {
            auto *v = filho<QTableView>("tableView");
            emit v->clicked(v->model()->index(linha, coluna));
            TrabalhoAoLado::aguardar();
        }
        void conectar() const
        {
            filho<QPushButton>("pushButton_3")->click();
            TrabalhoAoLado::aguardar();
        }
        void baixarTudo() const
        {
            filho<QPushButton>("pushButton_BaixarTudo")->click();
            TrabalhoAoLado::aguardar();
        }
        int sincronizados() const { return TstMainWindow::sincronizados(w.get()); }
    };

    // The instrument's rows paired with a local copy.
    static int sincronizados(const MainWindow *w)
    {
        const QAbstractItemModel *m = w->findChild<QTableView *>("tableView")->model();
        return int(m->match(m->index(0, 2), Qt::DisplayRole, "Sincronizado", -1).size());
    }

    // The text of the progress box still open (there is one at most:
    // the boxes are closed before each operation looked at).
    static QString textoDaCaixa()
    {
        QStringList textos;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *m = qobject_cast<QMessageBox *>(w))
                textos << m->text();
        }
        return textos.size() == 1 ? textos.first() : textos.join(" // ");
    }

private slots:
    void initTestCase()
    {
        Inicio::registrarRecursos();
    }

    void cleanup()
    {
        fecharCaixas();
    }

    // The export's list of the store's measurements, once read: every one
    // chosen (Ctrl+A) and Adicionar, or Cancelar.
    static void escolherMedidas(Janela &j, bool escolher)
    {
        auto *seletor = j.w->findChild<SeletorArmazem *>();
        QVERIFY(seletor);
        TrabalhoAoLado::aguardar();
        auto *lista = seletor->findChild<QTableView *>("tableView_Tarefas");
        QCOMPARE(lista->model()->rowCount(), LayoutMedida::medidasDoArmazem(j.w->getDiretorioQT()).size());
        QTest::keyClick(lista, Qt::Key_A, Qt::ControlModifier);
        seletor->findChild<QPushButton *>(escolher ? "pushButton_Adicionar" : "pushButton_Cancelar")->click();
        QCoreApplication::processEvents();
    }

    // The profile as the window shows it, from the file or typed into its
    // dialog, which writes the file and shows it when opened again; a file
    // that cannot be written is said so, and the dialog stays open.
    void perfil_data()
    {
        QTest::addColumn<QStringList>("digitado"); // empty: the file as the test writes it
        QTest::addColumn<QByteArray>("arquivo");   // null when typed: the file cannot be written
        QTest::addColumn<QStringList>("mostrado");
        const QString h(23, '-');
        const QStringList arquivo;
        QTest::newRow("three") << arquivo << QByteArray("Acme;Ana;Bia") << QStringList{"Acme", "Ana", "Bia"};
        QTest::newRow("company only") << arquivo << QByteArray("Acme") << QStringList{"Acme", h, h};
        QTest::newRow("more pieces") << arquivo << QByteArray("A;B;C;D") << QStringList{"A", "B", "C"};
        QTest::newRow("empty") << arquivo << QByteArray("") << QStringList{h, h, h};
        QTest::newRow("; in the company") << arquivo << QByteArray("Em;presa;Ana;Bia") << QStringList{"Em", "presa", "Ana"};
        QTest::newRow("accents") << arquivo << QByteArray("Higiene S\xe3o Jo\xe3o; ; ")
                                 << QStringList{QString::fromUtf8("Higiene São João"), " ", " "};
        QTest::newRow("typed") << QStringList{"Acme", "Ana", "Bia"} << QByteArray("Acme;Ana;Bia")
                               << QStringList{"Acme", "Ana", "Bia"};
        QTest::newRow("typed, company only") << QStringList{"Acme", "", ""} << QByteArray("Acme; ; ")
                                             << QStringList{"Acme", " ", " "};
        QTest::newRow("typed, nothing") << QStringList{"", "", ""} << QByteArray(" ; ; ") << QStringList{" ", " ", " "};
        QTest::newRow("typed, cannot be written") << QStringList{"Acme", "", ""} << QByteArray() << QStringList{h, h, h};
        // Beside them, for the laudo: technician 1's registration and a
        // logo, copied into the Perfil folder.
        QTest::newRow("typed, a registration and a logo") << QStringList{"Acme", "Ana", "Bia", "CREA-SP 1", "logo"}
                                                           << QByteArray("Acme;Ana;Bia") << QStringList{"Acme", "Ana", "Bia"};
    }

    void perfil()
    {
        QFETCH(QStringList, digitado);
        QFETCH(QByteArray, arquivo);
        QFETCH(QStringList, mostrado);
        Janela j;
        const QString caminho = j.w->getDiretorioPerfil() + "/perfil.id";
        const char *campos[] = {"lineEdit_EmpAvaliadora", "lineEdit_RealizadoPor", "lineEdit_RealizadoPor_2"};
        if (digitado.isEmpty()) {
            escreverBytes(caminho, arquivo);
            j.w->listarPerfil();
        } else {
            if (arquivo.isNull())
                QDir().mkpath(caminho); // a folder where the file goes
            bool ficouAberto = false;
            QTimer::singleShot(0, [&] {
                QWidget *d = QApplication::activeModalWidget();
                QCOMPARE(d->windowTitle(), QString("Cadastro de Perfil"));
                for (int i = 0; i < 3; ++i)
                    d->findChild<QLineEdit *>(campos[i])->setText(digitado.at(i));
                if (digitado.size() > 3) {
                    QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit_Registro1"), digitado.at(3));
                    QImage logo(8, 8, QImage::Format_RGB32);
                    logo.fill(Qt::red);
                    logo.save(j.bancada.dir.filePath("marca.png"));
                    j.s.perguntador.pastas = {j.bancada.dir.filePath("marca.png")};
                    d->findChild<QPushButton *>("pushButton_Logotipo")->click();
                }
                d->findChild<QPushButton *>("pushButton_Salvar")->click();
                ficouAberto = d->isVisible();
                d->findChild<QPushButton *>("pushButton_Cancelar")->click();
            });
            j.filho<QPushButton>("pushButton")->click();
            QCOMPARE(ficouAberto, arquivo.isNull());
            QCOMPARE(j.s.perguntador.mensagens.filter(QString::fromUtf8("Não foi possível salvar o perfil")).size(),
                     arquivo.isNull() ? 1 : 0);
            if (!arquivo.isNull())
                QCOMPARE(lerBytes(caminho), arquivo);
            if (digitado.size() > 3) {
                const QByteArray laudo = lerBytes(j.w->getDiretorioPerfil() + "/perfil_laudo.id");
                QVERIFY2(laudo.contains("registro_1;CREA-SP 1;\n") && laudo.contains("logotipo;logotipo.png;\n"), laudo);
                QCOMPARE(lerBytes(j.w->getDiretorioPerfil() + "/logotipo.png"), lerBytes(j.bancada.dir.filePath("marca.png")));
            }
        }
        QCOMPARE(j.filho<QLabel>("label_TextEmpAvaliadora")->text(), mostrado.at(0));
        QCOMPARE(j.filho<QRadioButton>("radioButton_usuario1")->text(), mostrado.at(1));
        QCOMPARE(j.filho<QRadioButton>("radioButton_usuario2")->text(), mostrado.at(2));
        if (digitado.isEmpty() || arquivo.isNull())
            return;
        QString mostradoNoDialogo;
        QTimer::singleShot(0, [&] {
            QWidget *d = QApplication::activeModalWidget();
            mostradoNoDialogo = d->findChild<QLineEdit *>(campos[0])->text();
            d->findChild<QPushButton *>("pushButton_Cancelar")->click();
        });
        j.filho<QAction>("actionAdicionar_Perfil")->trigger();
        QCOMPARE(mostradoNoDialogo, mostrado.at(0));
    }

    // Ferramentas > Calibrações: a row typed with the keyboard is saved in
    // the register; a date that is not one keeps the dialog open, names the
    // row and writes nothing.
    void calibracoes_data()
    {
        QTest::addColumn<QString>("validade");
        QTest::addColumn<QByteArray>("gravado"); // null: nothing written
        QTest::newRow("saved") << "31/12/2026"
                               << QByteArray("calibracao;acelerometro;SC-9;RBC-77;Lab;2025-01-02;2026-12-31;\n");
        QTest::newRow("not a date") << "31/13/2026" << QByteArray();
    }

    void calibracoes()
    {
        QFETCH(QString, validade);
        QFETCH(QByteArray, gravado);
        Janela j;
        const QString arquivo = j.w->getDiretorioPerfil() + "/calibracoes.id";
        bool ficouAberto = false;
        QTimer::singleShot(0, [&] {
            QWidget *d = QApplication::activeModalWidget();
            QApplication::setActiveWindow(d);
            d->findChild<QPushButton *>("pushButton_Adicionar")->click();
            auto *tabela = d->findChild<QTableWidget *>("tableWidget_Calibracoes");
            QTest::keyClick(qobject_cast<QComboBox *>(tabela->cellWidget(0, 0)), Qt::Key_Down);
            // Each Tab takes the typing to the next cell's editor.
            for (const QString &texto : QStringList{"SC-9", "RBC-77", "Lab", "02/01/2025", validade}) {
                QTest::keyClicks(QApplication::focusWidget(), texto);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            d->findChild<QPushButton *>("pushButton_Salvar")->click();
            ficouAberto = d->isVisible();
            if (ficouAberto)
                d->findChild<QPushButton *>("pushButton_Cancelar")->click();
        });
        j.filho<QAction>("actionCalibracoes")->trigger();
        QCOMPARE(ficouAberto, gravado.isNull());
        QCOMPARE(QFileInfo::exists(arquivo), !gravado.isNull());
        if (!gravado.isNull())
            QCOMPARE(lerBytes(arquivo), gravado);
        else
            QVERIFY2(!j.s.perguntador.mensagens.filter("Linha 1").isEmpty(), qPrintable(j.s.perguntador.mensagens.join('\n')));
    }

    // Each operation through its icon, button or menu, the questions
    // answered and the dialogs filled by the script: how many came, what
    // the program said last, what reached the store (stamped with the
    // profile's company and the chosen technician) or the destination,
    // and what acts on the instrument, enabled only while it is connected.
    void operacoes_data()
    {
        QTest::addColumn<QString>("acao"); // "conectar", "linha" (row 0's download icon), "tudo", "apagar", "configurar",
                                           // "importar", "exportar", "esocial"
        QTest::addColumn<QString>("preparo");     // "", "fifo" (copies break), "desligado" (pulled out after Conectar),
                                                  // "sem DATA" (the instrument without its DATA folder),
                                                  // "baixado" (Baixar Tudo first), "nao" (answered "Não")
        QTest::addColumn<QStringList>("pastas");  // the dialogs' answers, DATA/ on the instrument, DEST a folder
        QTest::addColumn<int>("perguntas");       // how many questions and dialogs
        QTest::addColumn<QString>("dito");        // what the last message or the box left open says, "" nothing
        QTest::addColumn<int>("locais");          // measurements in the store
        const QStringList nada;
        QTest::newRow("connect") << "conectar" << "" << nada << 0 << "Dispositivo conectado!" << 0;
        QTest::newRow("connect, no DATA folder") << "conectar" << "sem DATA" << nada << 0
                                                 << QString::fromUtf8("Dispositivo conectado!\nA pasta DATA não foi encontrada no instrumento.")
                                                 << 0;
        QTest::newRow("connect, pulled out") << "conectar" << "desligado" << nada << 0 << "Dispositivo desconectado!" << 0;
        QTest::newRow("download a row") << "linha" << "" << nada << 1 << "" << 1;
        QTest::newRow("download a row, the copy breaks") << "linha" << "fifo" << nada << 1
                                                         << QString::fromUtf8("a cópia não foi concluída") << 0;
        QTest::newRow("download a row, pulled out")
            << "linha" << "desligado" << nada << 0
            << QString::fromUtf8("Baixar Dado | Instrumento desconectado.\nNão é possivel baixar medida") << 0;
        QTest::newRow("Baixar Tudo, nothing paired: no question") << "tudo" << "" << nada << 0
                                                                  << QString::fromUtf8("Download Concluído !") << 3;
        QTest::newRow("Baixar Tudo, one copy breaks") << "tudo" << "fifo1" << nada << 0
                                                      << QString::fromUtf8("não foram baixadas") << 2;
        // The erase asks plainly once everything is downloaded, and deletes
        // the loose recordings; else (after an erase too) it warns, and
        // "Não" deletes nothing.
        QTest::newRow("erase after Baixar Tudo") << "apagar" << "baixado" << nada << 1 << "Dados deletados!" << 3;
        QTest::newRow("erase, nothing downloaded, Não") << "apagar" << "nao" << nada << 1 << "" << 0;
        QTest::newRow("erase again, Não") << "apagar" << "baixado nao" << nada << 2 << "Dados deletados!" << 3;
        QTest::newRow("erase, pulled out")
            << "apagar" << "desligado" << nada << 0
            << QString::fromUtf8("Deletar Dados | Instrumento desconectado.\nNão é possivel deletar dados") << 0;
        QTest::newRow("configure, pulled out")
            << "configurar" << "desligado" << nada << 0
            << QString::fromUtf8("Configurar Equipamento | Equipamento desconectado.\nNão foi possível abrir as configurações")
            << 0;
        QTest::newRow("import cancelled") << "importar" << "" << nada << 1 << "" << 0;
        QTest::newRow("import a task folder")
            << "importar" << "" << QStringList{"DATA/MED001/T1"} << 1
            << QString::fromUtf8("Importar Arquivo | Esta pasta não é uma medida, selecione a medida correta.") << 0;
        QTest::newRow("import") << "importar" << "" << QStringList{"DATA/MED002"} << 1
                                << "Importar Arquivo | Medida importada com sucesso!" << 1;
        QTest::newRow("import again, Não") << "importar" << "" << QStringList{"DATA/MED002", "DATA/MED002"} << 3
                                           << "Importar Arquivo | Medida importada com sucesso!" << 1;
        // A folder of several: each imported; again, one question for all.
        QTest::newRow("import a folder of several") << "importar" << "" << QStringList{"DATA/"} << 1
                                                    << "Importar Arquivo | Medida importada com sucesso!" << 3;
        QTest::newRow("import a folder of several again, Não") << "importar" << "" << QStringList{"DATA/", "DATA/"} << 3
                                                               << "Importar Arquivo | Medida importada com sucesso!" << 3;
        // Exportar: the store's measurements chosen in its list (all, with
        // Ctrl+A; "cancelar": Cancelar there), then the destination.
        QTest::newRow("export cancelled") << "exportar" << "cancelar" << nada << 0 << "" << 2;
        QTest::newRow("export, no destination") << "exportar" << "" << nada << 1 << "" << 2;
        QTest::newRow("export") << "exportar" << "" << QStringList{"DEST"} << 1
                                << "Exportar Arquivo | Arquivos exportados com sucesso!" << 2;
        // eSocial: the same list, then the XML file.
        QTest::newRow("eSocial S-2240") << "esocial" << "" << QStringList{"DEST/s2240.xml"} << 1
                                        << "valores escritos em" << 2;
        QTest::newRow("export into itself") << "exportar" << "" << QStringList{"STORE/MED001/T1"} << 1
                                            << QString::fromUtf8("não foi concluída") << 2;
    }

    void operacoes()
    {
        QFETCH(QString, acao);
        QFETCH(QString, preparo);
        QFETCH(QStringList, pastas);
        QFETCH(int, locais);
        Janela j;
        const auto conectado = [&](bool sim) {
            QCOMPARE(j.filho<QLabel>("label_Status")->text(), QString(sim ? "Conectado" : "Desconectado"));
            for (QObject *o : QList<QObject *>{j.filho<QPushButton>("pushButton_BaixarTudo"),
                                               j.filho<QToolButton>("toolButton_Configurar"), j.filho<QAction>("actionConfigurar")})
                QVERIFY2(o->property("enabled").toBool() == sim, qPrintable(o->objectName()));
        };
        conectado(false);
        QVERIFY(!j.filho<QAction>("actionDeletar_Tudo")->isVisible());
        escreverBytes(j.w->getDiretorioPerfil() + "/perfil.id", "Acme;Ana;Bia");
        j.w->listarPerfil();
        j.filho<QRadioButton>("radioButton_usuario2")->setChecked(true);
        const QString destino = j.bancada.dir.filePath("DEST");
        QDir().mkpath(destino);
        const QStringList medidas = LayoutMedida::medidas(j.bancada.dados);
        for (int m = 0; preparo.startsWith("fifo") && m < (preparo == "fifo1" ? 1 : 3); ++m)
            QVERIFY(criarFifo(medidas.at(m) + "/Z.dat"));
        // What an export chooses from: two measurements in the store.
        if (acao == "exportar" || acao == "esocial") {
            for (const QString &m : medidas.mid(0, 2))
                QVERIFY(Transferencia::importar(m, j.w->getDiretorioQT(), {"Acme", "Bia"}).resultado
                        == Transferencia::Importacao::Importada);
        }
        for (const char *solto : {"A.head", "A.dat", "A.res"}) // loose recordings, what an erase deletes
            escreverBytes(j.bancada.dados + solto, "x");
        const QString id = j.bancada.id(); // read from DATA
        if (preparo == "sem DATA")
            QVERIFY(QDir(j.bancada.dados).removeRecursively());
        j.conectar();
        if (preparo.startsWith("baixado"))
            j.baixarTudo();
        fecharCaixas();
        if (preparo == "desligado") {
            QDir(j.bancada.volume).removeRecursively();
            j.s.volumes.lista = {VolumesTeste::sistema()};
        }
        for (const QString &p : pastas)
            j.s.perguntador.pastas << QString(p).replace("DATA/", j.bancada.dados).replace("DEST", destino).replace("STORE/", j.w->getDiretorioQT());
        if (acao == "linha")
            j.clicar(0, 0); // not the status column: nothing happens
        QVERIFY(j.s.perguntador.perguntas.isEmpty());
        j.s.perguntador.respostas = {acao != "importar" && preparo != "nao"}; // an import asks only when it would replace
        const auto acionar = [&] {
            if (acao == "conectar")
                j.conectar();
            else if (acao == "linha")
                j.clicar(0, 2);
            else if (acao == "tudo")
                j.baixarTudo();
            else
                j.filho<QAction>(acao == "apagar"       ? "actionDeletar_Tudo"
                                 : acao == "configurar" ? "actionConfigurar"
                                 : acao == "importar"   ? "actionImportar"
                                 : acao == "esocial"    ? "actionExportarESocial"
                                                        : "actionExportar")
                    ->trigger();
            if (acao == "exportar" || acao == "esocial")
                escolherMedidas(j, preparo != "cancelar");
        };
        acionar();
        TrabalhoAoLado::aguardar();
        if ((pastas.size() == 2 && acao == "importar") || preparo.endsWith(" nao")) { // changed on the instrument, then "Não"
            escreverBytes(j.bancada.dados + (acao == "importar" ? "MED002/MED002.id" : "A.dat"), "nome_exposicao;Outra-1;\n");
            acionar();
            TrabalhoAoLado::aguardar();
        }
        QTEST(int(j.s.perguntador.perguntas.size()), "perguntas");
        QFETCH(QString, dito);
        const QString visto = j.s.perguntador.mensagens.value(j.s.perguntador.mensagens.size() - 1, textoDaCaixa());
        QVERIFY2(dito.isEmpty() ? j.s.perguntador.mensagens.isEmpty() : visto.contains(dito), qPrintable(visto));
        const QStringList armazem = LayoutMedida::medidas(j.w->getDiretorioQT());
        QCOMPARE(int(armazem.size()), locais);
        for (const QString &local : armazem) {
            AcessarArquivo a;
            a.lerExposicao(LayoutMedida::arquivoExposicao(local));
            QCOMPARE(a.getEmpresa_avaliadora() + "/" + a.getResponsavel_tecnico(), QString("Acme/Bia"));
            QVERIFY(a.getNome_exposicao() != "Outra-1");
        }
        // The list follows the store: an imported copy pairs like a downloaded one.
        QCOMPARE(j.sincronizados(), locais);
        QCOMPARE(QFileInfo::exists(destino + "/MED001"), dito.contains("exportados"));
        QCOMPARE(QFileInfo::exists(destino + "/s2240.xml"), acao == "esocial");
        conectado(preparo != "desligado");
        if (acao == "conectar") {
            QCOMPARE(j.filho<QLabel>("label_IdEquipamento")->text(), "ID: " + (preparo.isEmpty() ? id : QString()));
            QCOMPARE(j.tabela()->rowCount(), preparo.isEmpty() ? 3 : 0);
            QCOMPARE(j.tabela()->match(j.tabela()->index(0, 2), Qt::DisplayRole, "------------", -1).size(),
                     j.tabela()->rowCount());
        }
        if (acao == "apagar" && preparo != "desligado") {
            QCOMPARE(QFileInfo::exists(j.bancada.dados + "A.dat"), preparo != "baixado");
            QCOMPARE(j.s.perguntador.perguntas.last(),
                     QString::fromUtf8("Deletar todos os dados | %1 | Sim/[Não]")
                         .arg(QString::fromUtf8(preparo == "baixado" ? "Tem certeza que quer deletar todos os arquivos do equipamento?"
                                                                     : "Seus dados não foram baixados, deseja excluir todos os "
                                                                       "arquivos do equipamento mesmo assim?")));
        }
    }

    // A download that would replace a local copy says so, names it and
    // warns that the program's changes are lost; "Não" keeps it as it is.
    void substituicao_data()
    {
        QTest::addColumn<bool>("tudo");     // "Baixar Tudo", else the row's download icon
        QTest::addColumn<bool>("alterada"); // a component deleted locally: no longer "Sincronizado"
        QTest::addColumn<bool>("sim");
        QTest::newRow("one, synchronised, Não") << false << false << false;
        QTest::newRow("one, synchronised, Sim") << false << false << true;
        QTest::newRow("one, changed, Não") << false << true << false;
        QTest::newRow("one, changed, Sim") << false << true << true;
        QTest::newRow("all, Não") << true << true << false;
        QTest::newRow("all, Sim") << true << false << true;
    }

    void substituicao()
    {
        QFETCH(bool, tudo);
        QFETCH(bool, alterada);
        QFETCH(bool, sim);
        Janela j(3);
        j.conectar();
        j.baixarTudo();
        fecharCaixas();
        const QStringList locais = LayoutMedida::medidas(j.w->getDiretorioQT());
        QCOMPARE(locais.size(), 3);
        const QString editada = locais.at(0);
        const QString id = LayoutMedida::arquivoExposicao(editada);
        QVERIFY(Edicao::salvarIdentificacao(id, {"Acme", "Ana", "Cliente X", "Rui", "Prensas", "nota"}));
        const QString corpo = LayoutMedida::pastasCorpo(editada).first();
        if (alterada) {
            for (const char *ext : {".head", ".dat", ".res"})
                QFile::remove(LayoutMedida::componentes(corpo).first() + ext);
        }
        QDir(locais.at(2)).removeRecursively(); // no local copy: downloaded either way
        j.conectar();
        const auto antes = conteudoDe(editada);
        j.s.perguntador.respostas = {sim};
        if (tudo) {
            j.baixarTudo();
        } else {
            AcessarArquivo a;
            a.lerExposicao(id);
            const QString data = LayoutMedida::dataMostrada(a.getData_criacao(), a.getNome_exposicao());
            const int linha = j.tabela()->match(j.tabela()->index(0, 1), Qt::DisplayRole, data, 1, Qt::MatchExactly).value(0).row();
            QCOMPARE(j.status(linha), alterada ? QString("------------") : QString("Sincronizado"));
            j.clicar(linha, 2);
        }
        const QString pergunta = j.s.perguntador.perguntas.last();
        QVERIFY2(pergunta.startsWith(tudo ? "Baixar todos os dados | Deseja substituir as medidas se ja estiveram baixadas?"
                                     : alterada ? "Baixar Dado !! | Tem certeza que deseja baixar esta medida?"
                                                : "Baixar Dado !! | Ja existe uma medida com este nome deseja substituir? "),
                 qPrintable(pergunta));
        QVERIFY(pergunta.contains(LayoutMedida::nomePasta(editada) + ")"));
        QVERIFY(pergunta.contains(QString::fromUtf8("As alterações feitas no programa")));
        QCOMPARE(pergunta.contains(LayoutMedida::nomePasta(locais.at(1))), tudo);
        QVERIFY(!pergunta.contains(LayoutMedida::nomePasta(locais.at(2))));
        // "Sim" replaces the copy (whole: the download's own test), "Não" keeps it.
        AcessarArquivo a;
        a.lerExposicao(id);
        QVERIFY(sim ? a.getEmpresa_avaliada() != "Cliente X" : conteudoDe(editada) == antes);
        QCOMPARE(QFileInfo::exists(locais.at(2)), tudo);
    }

    // Cancelar, or closing the program with "Sim", stops after the
    // measurement at hand (the same guard as for a single download, an
    // import or an export): what was downloaded is whole, the rest is left
    // on the instrument, nothing half copied. Meanwhile the window is
    // disabled and its note stays up; "Não" lets the work run to its end.
    void baixarTudoInterrompido_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<int>("baixadas");
        QTest::newRow("Cancelar") << "cancelar" << 1;
        QTest::newRow("fechar, Sim") << "sim" << 1;
        QTest::newRow("fechar, Não") << "nao" << 4;
    }

    void baixarTudoInterrompido()
    {
        QFETCH(QString, como);
        QFETCH(int, baixadas);
        Janela j(4);
        new GuardaSaida(j.w.get(), j.s.perguntador);
        j.w->show();
        j.conectar();
        fecharCaixas();
        j.filho<QAction>("actionConfigurar")->trigger(); // a window that writes to the instrument
        TrabalhoAoLado::aguardar();
        auto *config = j.w->findChild<JanelaConfig *>();
        QVERIFY(config->isVisible() && !config->isModal());
        QCOMPARE(config->findChild<QComboBox *>("comboBox_PeridoAmos")->count(), 5); // Crv_vib.cfg: the long set
        bool algumaAtiva = false; // the window or the configuration dialog, while the work runs
        bool notaVisivel = false;
        QObject::connect(j.w.get(), &MainWindow::medidaBaixada, j.w.get(), [&](int feitas, int total) {
            QCOMPARE(total, 4);
            algumaAtiva = algumaAtiva || j.w->centralWidget()->isEnabled() || config->isEnabled();
            if (feitas != 1)
                return;
            auto *nota = j.w->findChild<QProgressDialog *>();
            if (como == "cancelar") {
                nota->findChild<QPushButton *>()->click();
            } else {
                j.s.perguntador.respostas = {como == "sim"};
                j.w->close();
            }
            QCoreApplication::processEvents();
            notaVisivel = nota->isVisible();
        });
        j.baixarTudo();
        QVERIFY(!algumaAtiva);
        QVERIFY(notaVisivel);
        QCOMPARE(textoDaCaixa().contains(QString::fromUtf8("Interrompido: 1 de 4")), baixadas == 1);
        QCOMPARE(j.w->statusBar()->currentMessage().startsWith("Interrompido"), baixadas == 1);
        const QStringList locais = LayoutMedida::medidas(j.w->getDiretorioQT());
        QCOMPARE(locais.size(), baixadas);
        for (const QString &local : locais)
            QCOMPARE(LayoutMedida::contarArquivosHead(local),
                     LayoutMedida::contarArquivosHead(j.bancada.dados + LayoutMedida::nomePasta(local)));
        QCOMPARE(QDir(j.w->getDiretorioQT()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).filter(".copiando"),
                 QStringList());
        QCOMPARE(j.sincronizados(), baixadas);
        QVERIFY(j.w->centralWidget()->isEnabled() && config->isEnabled());
        // Closed once the work has ended, and only on "Sim".
        QTRY_COMPARE(j.w->isVisible(), como != "sim");
        QCOMPARE(j.s.perguntador.perguntas.filter("Sair | ").size(), como == "cancelar" ? 0 : 1);
        // "Sim" given once the work has ended still closes: the stop is taken at once.
        bool chamado = false;
        TrabalhoAoLado::pararEDepois([&] { chamado = true; });
        QTRY_VERIFY(chamado);
    }

    // The language asked at the first start and stored (a cancel stores
    // nothing, and the next start asks again); a stored choice is taken
    // without asking, an empty language file or first line is one too.
    // Chosen again from the menu, stored, and the program started again.
    void primeiroInicio_data()
    {
        QTest::addColumn<QByteArray>("antes"); // lingua.lg before, null: none
        QTest::addColumn<bool>("aceitar");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("gravado");
        QTest::addColumn<QString>("sair");
        const QByteArray nenhum;
        QTest::newRow("cancelled") << nenhum << false << "" << QByteArray() << "";
        QTest::newRow("English") << nenhum << true << "English" << QByteArray(":/language/ingles.qm") << "Exit";
        QTest::newRow("Spanish") << nenhum << true << QString::fromUtf8("Español")
                                 << QByteArray(":/language/espanhol.qm") << "Dejar";
        QTest::newRow("Portuguese") << nenhum << true << QString::fromUtf8("Português")
                                    << QByteArray(":/language/portugues.qm") << "Sair";
        // Only the first line counts, without its line end.
        const std::pair<const char *, QByteArray> guardados[] = {
            {"stored, first line empty", "\n:/language/ingles.qm"}, {"stored, empty", ""},
            {"stored, two lines", ":/language/ingles.qm\nresto"}, {"stored, CR LF", ":/language/espanhol.qm\r\n"}};
        for (const auto &[nome, antes] : guardados)
            QTest::newRow(nome) << antes << false << "" << antes
                                << (antes.startsWith(":/language/ingles") ? "Exit" : antes.startsWith(":") ? "Dejar" : "");
        const QByteArray antigo = "antes";
        QTest::newRow("menu, cancelled") << antigo << false << "" << antigo << "";
        QTest::newRow("menu, Spanish") << antigo << true << "Espanhol" << QByteArray(":/language/espanhol.qm") << "";
        QTest::newRow("menu, English") << antigo << true << QString::fromUtf8("Inglês") << QByteArray(":/language/ingles.qm")
                                       << "";
        QTest::newRow("menu, Portuguese") << antigo << true << QString::fromUtf8("Português")
                                          << QByteArray(":/language/portugues.qm") << "";
    }

    void primeiroInicio()
    {
        QFETCH(QByteArray, antes);
        QFETCH(bool, aceitar);
        QFETCH(QString, item);
        QFETCH(QByteArray, gravado);
        const bool menu = QString(QTest::currentDataTag()).startsWith("menu");
        QTemporaryDir app;
        if (!antes.isNull())
            escreverBytes(app.filePath("lingua.lg"), antes);
        ServicosTeste s;
        s.perguntador.aceitar = aceitar;
        s.perguntador.item = item;
        QTranslator t;
        std::optional<MainWindow> w;
        if (menu) {
            w.emplace(LocaisPrograma::para(app.path()), s.servicos());
            w->findChild<QAction *>("actionMudar_Idioma")->trigger();
        } else {
            Inicio::carregarIdioma(&t, app.path(), s.perguntador);
        }
        const QString pergunta = menu ? QString::fromUtf8("Selecione o Idioma | Idioma | Português,Inglês,Espanhol")
                                      : QString::fromUtf8("Selecione o Idioma | Idioma: | Português,English,Español");
        QCOMPARE(s.perguntador.perguntas, menu || antes.isNull() ? QStringList{pergunta} : QStringList());
        QCOMPARE(QFileInfo::exists(app.filePath("lingua.lg")), !gravado.isNull());
        QCOMPARE(lerBytes(app.filePath("lingua.lg")), gravado);
        QTEST(t.translate("MainWindow", "Sair"), "sair");
        const QStringList argumentos = QCoreApplication::arguments();
        QCOMPARE(s.reinicio.pedidos, menu && aceitar ? QStringList{argumentos.first() + " | " + argumentos.join(' ')}
                                                     : QStringList());
        // Back to the source texts for the other tests.
        if (menu && aceitar && item != QString::fromUtf8("Português")) {
            s.perguntador.item = item == "Espanhol" ? QString::fromUtf8("Portugués") : "Portuguese";
            w->findChild<QAction *>("actionMudar_Idioma")->trigger();
        }
    }

    // Where the files go: beside the program when its folder can be
    // written, else the store in the user's data folder and lingua.lg in
    // the configuration folder; when neither can be made, one message
    // naming the folder and the reason, and the store's operations off.
    void locais_data()
    {
        QTest::addColumn<bool>("programaGravavel");
        QTest::addColumn<QString>("usuario"); // XDG_DATA_HOME and XDG_CONFIG_HOME
        QTest::addColumn<QString>("lingua");  // where lingua.lg lands, "app/x": nowhere
        QTest::addColumn<QString>("armazem");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("writable program folder") << true << "u" << "app/lingua.lg" << "app/Z2registros" << QStringList();
        QTest::newRow("read-only program folder") << false << "u" << "u/medidor-vibracao/lingua.lg"
                                                  << "u/medidor-vibracao/Z2registros" << QStringList();
        // Neither: the user's folders under a file, or in one that cannot be changed.
        const QString idioma = QString::fromUtf8("Idioma | Não foi possível salvar a escolha do idioma.\n%1/");
        const QString medidas = QString::fromUtf8("Medidor de Vibração | Não foi possível criar a pasta das medidas, "
                                                  "%1/%2/medidor-vibracao/Z2registros: nada poderá ser baixado, "
                                                  "importado nem consultado.\n%1/");
        QTest::newRow("neither writable")
            << false << "arquivo" << "app/x" << "arquivo/medidor-vibracao/Z2registros"
            << QStringList{idioma + "arquivo: Not a directory", medidas.arg("%1", "arquivo") + "arquivo: Not a directory"};
        const QString negado = QStringLiteral("imutavel/medidor-vibracao: ")
            + (ehRoot() ? "Operation not permitted" : "Permission denied");
        QTest::newRow("neither writable, the user's folder unchangeable")
            << false << "imutavel" << "app/x" << "imutavel/medidor-vibracao/Z2registros"
            << QStringList{idioma + negado, medidas.arg("%1", "imutavel") + negado};
    }

    void locais()
    {
        QFETCH(bool, programaGravavel);
        QFETCH(QString, usuario);
        QFETCH(QString, lingua);
        QFETCH(QString, armazem);
        QFETCH(QStringList, mensagens);
        QTemporaryDir d;
        QDir(d.path()).mkdir("app");
        escreverBytes(d.filePath("arquivo"), "");
        QDir(d.path()).mkdir("imutavel");
        const Imutavel usuarioImutavel(d.filePath("imutavel"));
        qputenv("XDG_DATA_HOME", d.filePath(usuario).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", d.filePath(usuario).toLocal8Bit());
        std::optional<Imutavel> somenteLeitura;
        if (!programaGravavel)
            QVERIFY(somenteLeitura.emplace(d.filePath("app")).ok);
        const LocaisPrograma locais = LocaisPrograma::para(d.filePath("app"));
        ServicosTeste s;
        s.perguntador.item = "English";
        QTranslator t;
        Inicio::carregarIdioma(&t, locais.configuracao, s.perguntador);
        const auto pilha = Inicio::montarJanela(locais, s.servicos());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(lerBytes(d.filePath(lingua)), lingua == "app/x" ? QByteArray() : QByteArray(":/language/ingles.qm"));
        QCOMPARE(QFileInfo(d.filePath(armazem + "/Perfil")).isDir() && QFileInfo(d.filePath(armazem + "/Arquivos PDF")).isDir(),
                 mensagens.isEmpty());
        QCOMPARE(QDir(d.filePath("app")).isEmpty(), !programaGravavel);
        for (QString &m : mensagens)
            m = m.arg(d.path());
        QCOMPARE(s.perguntador.mensagens, mensagens);
        const auto *principal = pilha->widget(0);
        QCOMPARE(principal->findChild<QToolButton *>("toolButton_Registros")->isEnabled(), mensagens.isEmpty());
        QCOMPARE(principal->findChild<QAction *>("actionImportar")->isEnabled(), mensagens.isEmpty());
        QStringList sobre;
        for (const QWidget *janela : QApplication::topLevelWidgets())
            if (const auto *rotulo = janela->findChild<QLabel *>("label_Armazem"))
                sobre << rotulo->text();
        QCOMPARE(sobre, QStringList{QString::fromUtf8("Medidas guardadas em:\n") + d.filePath(armazem)});
    }

    // The page stack; both lists follow the store: Conectar reads it again
    // each time, the viewer lists it when opened, and a deletion there
    // shows in the instrument's list.
    void janela()
    {
        QCOMPARE(Inicio::instalarFonte(), QString("Liberation Sans"));
        QCOMPARE(QApplication::font().family(), QString("Liberation Sans"));
        BancadaTeste b;
        const QString app = b.dir.filePath("app");
        QDir(app).mkpath("Z2registros/e_1");
        escreverBytes(app + "/Z2registros/e_1/e_1.id", "vdvr;1;\n");
        ServicosTeste s;
        s.volumes.lista = {VolumesTeste::instrumento(b.volume)};
        const auto pilha = Inicio::montarJanela(LocaisPrograma::para(app), s.servicos());
        QCOMPARE(pilha->currentIndex(), 0);
        // Never larger than the screen it opens on.
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(pilha->geometry()));
        QCOMPARE(lerBytes(app + "/Z2registros/e_1/e_1.id"), QByteArray("vdvr;1;\n"));

        auto *principal = qobject_cast<MainWindow *>(pilha->widget(0));
        for (const int pareadas : {0, 1}) {
            if (pareadas)
                QCOMPARE(Download::baixar(b.dados + "MED001", app + "/Z2registros/", {}, b.id()).resultado,
                         Download::Resultado::Baixado);
            principal->findChild<QPushButton *>("pushButton_3")->click();
            TrabalhoAoLado::aguardar();
            fecharCaixas();
            QCOMPARE(sincronizados(principal), pareadas);
        }

        principal->findChild<QToolButton *>(QStringLiteral("toolButton_Registros"))->click();
        TrabalhoAoLado::aguardar();
        QCOMPARE(pilha->currentIndex(), 1);
        auto *exposicoes = pilha->widget(1)->findChild<QTableView *>("tableView_ExpResultante");
        QCOMPARE(exposicoes->model()->rowCount(), 2);
        s.perguntador.respostas = {true};
        const int baixada = exposicoes->model()->index(0, 1).data().toString().trimmed().isEmpty() ? 1 : 0;
        emit exposicoes->clicked(exposicoes->model()->index(baixada, 6));
        TrabalhoAoLado::aguardar();
        QCOMPARE(exposicoes->model()->rowCount(), 1);
        QCOMPARE(sincronizados(principal), 0);
        pilha->widget(1)->findChild<QToolButton *>(QStringLiteral("voltarMenu"))->click();
        QCOMPARE(pilha->currentIndex(), 0);

        // Quitting while work runs (what the program does on aboutToQuit)
        // waits for the work, never leaves it running; what was to follow
        // it is not done.
        std::atomic<bool> fim{false};
        bool seguiu = false;
        TrabalhoAoLado::executar(
            pilha.get(), "t", "x",
            [&] {
                QThread::msleep(300);
                fim = true;
            },
            [&] { seguiu = true; });
        TrabalhoAoLado::encerrar();
        QVERIFY(fim);
        TrabalhoAoLado::aguardar();
        QVERIFY(!seguiu);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
