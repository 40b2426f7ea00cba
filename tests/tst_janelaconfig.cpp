#include "app/inicio.h"
#include "app/mainwindow.h"
#include "device/janelaconfig.h"
#include "instrumentoteste.h"
#include "servicosteste.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTranslator>
#include <QtTest>

// The instrument configuration dialog, the about dialog and the language
// change, through real files.
class TstJanelaConfig : public QObject
{
    Q_OBJECT

private:
    static QByteArray longo(const QByteArray &extra = QByteArray())
    {
        return "id_equipamento;KT1;\nid_medicao;5;\nidioma;pt;\njornada_de_trabalho;07:00;\n"
               "tempo_programado;24;\nperiodo_amostragem;3;\nunidade;m/s2;\nid_sensor_mao;SM;\n"
               "ponderacao_fx_mao;wh;\nponderacao_fy_mao;wh;\nponderacao_fz_mao;wh;\n"
               "kx_mao;1.0;\nky_mao;1.0;\nkz_mao;1.40;\nsensibilidade_x_mao;1.234;\n"
               "sensibilidade_y_mao;2.5;\nsensibilidade_z_mao;0.5;\nid_sensor_corpo;SC;\n"
               "ponderacao_fx_corpo;wd;\nponderacao_fy_corpo;wd;\nponderacao_fz_corpo;wk;\n"
               "kx_corpo;1.4;\nky_corpo;1.4;\nkz_corpo;1.0;\nsensibilidade_x_corpo;1;\n"
               "sensibilidade_y_corpo;0.99;\nsensibilidade_z_corpo;1.03;\nbanda_oitava;1/3;\n"
               "canal_oitava;1;\neixo_oitava;z;\n" + extra;
    }
    template<typename T> static T *filho(QWidget *w, const char *nome)
    {
        return w->findChild<T *>(QString::fromLatin1(nome));
    }
    static QStringList linhas(const QString &caminho)
    {
        return QString::fromLatin1(lerBytes(caminho)).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        Inicio::registrarRecursos();
    }

    void carregarLongo()
    {
        PastaTeste d;
        PerguntadorTeste p;
        JanelaConfig j(nullptr, d.arquivo("Crv_vib.cfg", longo()), true, p);
        QCOMPARE(filho<QComboBox>(&j, "comboBox_TempoProg")->currentText(), QString("24 h"));
        QCOMPARE(filho<QComboBox>(&j, "comboBox_PeridoAmos")->currentText(), QString("3 s"));
        QCOMPARE(filho<QComboBox>(&j, "comboBox_PondFreqX_mao")->currentText(), QString("Wh"));
        QCOMPARE(filho<QComboBox>(&j, "comboBox_PondFreqZ_corpo")->currentText(), QString("Wk"));
        QCOMPARE(filho<QComboBox>(&j, "comboBox_FatorKX_mao")->currentText(), QString("1.0"));
        QCOMPARE(filho<QComboBox>(&j, "comboBox_FatorKZ_mao")->currentText(), QString("1.4")); // "1.40"
        QCOMPARE(filho<QDoubleSpinBox>(&j, "doubleSpinBox_SensibX_mao")->value(), 1.23);
        QCOMPARE(filho<QSlider>(&j, "horizontalSlider_SensibX_mao")->value(), 1230);
        QCOMPARE(filho<QDoubleSpinBox>(&j, "doubleSpinBox_SensibY_mao")->value(), 2.0);
        QCOMPARE(filho<QSlider>(&j, "horizontalSlider_SensibY_mao")->value(), 2000);
    }

    void tempoProgramado_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QByteArray>("linha");
        QTest::addColumn<QString>("item");
        QTest::newRow("long 24") << true << QByteArray("tempo_programado;24;\n") << "24 h";
        QTest::newRow("long 300, no item") << true << QByteArray("tempo_programado;300;\n") << "manual";
        QTest::newRow("short 28800") << false << QByteArray("tempo_programado;28800;\n") << "8 h";
        QTest::newRow("short 300") << false << QByteArray("tempo_programado;300;\n") << "5 min";
        QTest::newRow("missing") << false << QByteArray("idioma;pt;\n") << "manual";
    }

    void tempoProgramado()
    {
        QFETCH(bool, completo);
        QFETCH(QByteArray, linha);
        PastaTeste d;
        PerguntadorTeste p;
        JanelaConfig j(nullptr, d.arquivo("c.cfg", linha), completo, p);
        QTEST(filho<QComboBox>(&j, "comboBox_TempoProg")->currentText(), "item");
    }

    // Typed into the spin box, key by key, the number is saved as typed and
    // the slider follows; moved, the slider sets the spin box.
    void acoplamento_data()
    {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("gravada");
        QTest::newRow("0.57") << "0.57" << 570 << "sensibilidade_z_corpo;0.57;";
        QTest::newRow("1.23") << "1.23" << 1230 << "sensibilidade_z_corpo;1.23;";
        QTest::newRow("2") << "2" << 2000 << "sensibilidade_z_corpo;2;";
        QTest::newRow("slider moved") << "" << 850 << "sensibilidade_z_corpo;0.85;";
    }

    void acoplamento()
    {
        QFETCH(QString, teclas);
        QFETCH(int, slider);
        PastaTeste d;
        PerguntadorTeste p;
        const QString caminho = d.arquivo("c.cfg", longo());
        JanelaConfig j(nullptr, caminho, true, p);
        j.show();
        auto *barra = filho<QSlider>(&j, "horizontalSlider_SensibZ_corpo");
        auto *spin = filho<QDoubleSpinBox>(&j, "doubleSpinBox_SensibZ_corpo");
        if (teclas.isEmpty()) {
            barra->setValue(slider);
        } else {
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, teclas);
        }
        QCOMPARE(barra->value(), slider);
        QTest::mouseClick(filho<QPushButton>(&j, "pushButton_Salvar"), Qt::LeftButton);
        QTEST(linhas(caminho).filter("sensibilidade_z_corpo;").value(0), "gravada");
    }

    void salvar_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<QStringList>("esperadas");
        QTest::newRow("long") << true << "10 s"
                              << QStringList{"periodo_amostragem;10;", "sensibilidade_x_mao;1.23;",
                                             "sensibilidade_y_mao;2;", "kz_mao;1.4;",
                                             "jornada_de_trabalhoConfig;07:00;", "tempo_programado;24;",
                                             "ponderacao_fz_corpo;wm;", "id_sensor_mao;SM;"};
        QTest::newRow("short, 60 s") << false << "60 s"
                                     << QStringList{"periodo_de_amostragem;60;", "wz_corpo;wm;",
                                                    "sensibilidade_x_mao;1.23;", "tempo_programado;0;"};
    }

    void salvar()
    {
        QFETCH(bool, completo);
        QFETCH(QString, periodo);
        QFETCH(QStringList, esperadas);
        PastaTeste d;
        PerguntadorTeste p;
        const QString caminho = d.arquivo("c.cfg", longo());
        JanelaConfig j(nullptr, caminho, completo, p);
        j.show();
        filho<QComboBox>(&j, "comboBox_PeridoAmos")->setCurrentText(periodo);
        filho<QComboBox>(&j, "comboBox_PondFreqZ_corpo")->setCurrentText("Wm");
        filho<QPushButton>(&j, "pushButton_Salvar")->click();
        QVERIFY(!j.isVisible());
        QVERIFY(p.mensagens.isEmpty());
        const QStringList l = linhas(caminho);
        // The short set keeps the four keys of the long file it does not write.
        QCOMPARE(l.size(), completo ? 30 : 31);
        for (const QString &e : esperadas)
            QVERIFY2(l.contains(e), qPrintable(e + " in\n" + l.join('\n')));
    }

    void cancelarNaoGrava()
    {
        PastaTeste d;
        PerguntadorTeste p;
        const QString caminho = d.arquivo("c.cfg", longo());
        JanelaConfig j(nullptr, caminho, true, p);
        j.show();
        filho<QComboBox>(&j, "comboBox_PeridoAmos")->setCurrentIndex(4);
        filho<QPushButton>(&j, "pushButton_2")->click();
        QVERIFY(!j.isVisible());
        QCOMPARE(lerBytes(caminho), longo());
    }

    // A configuration that could not be written is reported, and the dialog
    // stays open with the user's choices.
    void salvarSemArquivo()
    {
        PastaTeste d;
        PerguntadorTeste p;
        JanelaConfig j(nullptr, d.filePath("KT9400.cfg"), false, p);
        j.show();
        QCOMPARE(filho<QComboBox>(&j, "comboBox_FatorKX_mao")->currentText(), QString("1.4"));
        QCOMPARE(filho<QDoubleSpinBox>(&j, "doubleSpinBox_SensibX_mao")->value(), 0.0);
        filho<QPushButton>(&j, "pushButton_Salvar")->click();
        QVERIFY(j.isVisible());
        QCOMPARE(p.mensagens.size(), 1);
        QVERIFY(p.mensagens.at(0).contains(QString::fromUtf8("não foi configurado")));
        QVERIFY(!QFileInfo::exists(d.filePath("KT9400.cfg")));
    }

    void abrirPelaJanelaPrincipal()
    {
        BancadaTeste b(1);
        ServicosTeste s;
        s.volumes.lista = {VolumesTeste::instrumento(b.volume)};
        MainWindow w(b.dir.filePath("app"), s.servicos());
        w.findChild<QAction *>("actionConfigurar")->trigger();
        auto *j = w.findChild<JanelaConfig *>();
        QVERIFY(j && j->isVisible());
        QVERIFY(!j->isModal());
        QCOMPARE(filho<QComboBox>(j, "comboBox_PeridoAmos")->count(), 5); // Crv_vib.cfg: long set

        s.volumes.lista = {VolumesTeste::sistema()};
        w.findChild<QAction *>("actionConfigurar")->trigger();
        QCOMPARE(s.perguntador.mensagens.last(),
                 QString::fromUtf8("Configurar Equipamento | Equipamento desconectado.\nNão foi possível abrir as configurações"));
    }

    void sobre()
    {
        ServicosTeste s;
        QTemporaryDir d;
        MainWindow w(d.path(), s.servicos());
        w.findChild<QAction *>("actionSobre")->trigger();
        w.findChild<QAction *>("actionSobre")->trigger();
        QDialog *dialogo = nullptr;
        int abertos = 0;
        for (QWidget *t : QApplication::topLevelWidgets()) {
            if (t->objectName() == "sobre" && t->isVisible()) {
                dialogo = qobject_cast<QDialog *>(t);
                ++abertos;
            }
        }
        QCOMPARE(abertos, 1); // asked twice, shown once
        QVERIFY(!dialogo->isModal());
        dialogo->close();
    }

    void mudarIdioma_data()
    {
        QTest::addColumn<bool>("aceitar");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("gravado");
        QTest::newRow("cancelled") << false << "" << QByteArray("antes");
        QTest::newRow("Spanish") << true << "Espanhol" << QByteArray(":/language/espanhol.qm");
        QTest::newRow("English") << true << QString::fromUtf8("Inglês") << QByteArray(":/language/ingles.qm");
        QTest::newRow("Portuguese") << true << QString::fromUtf8("Português") << QByteArray(":/language/portugues.qm");
    }

    void mudarIdioma()
    {
        QFETCH(bool, aceitar);
        QFETCH(QString, item);
        QTemporaryDir d;
        escreverBytes(d.filePath("lingua.lg"), "antes");
        ServicosTeste s;
        s.perguntador.aceitar = aceitar;
        s.perguntador.item = item;
        MainWindow w(d.path(), s.servicos());
        w.findChild<QAction *>("actionMudar_Idioma")->trigger();
        QCOMPARE(s.perguntador.perguntas,
                 QStringList{QString::fromUtf8("Selecione o Idioma | Idioma | Português,Inglês,Espanhol")});
        QTEST(lerBytes(d.filePath("lingua.lg")), "gravado");
        QCOMPARE(s.reinicio.pedidos.size(), aceitar ? 1 : 0);
        if (aceitar)
            QCOMPARE(s.reinicio.pedidos.at(0),
                     QCoreApplication::arguments().first() + " | " + QCoreApplication::arguments().join(' '));
        // Back to the source texts for the other tests.
        if (aceitar && item != QString::fromUtf8("Português")) {
            s.perguntador.item = item == "Espanhol" ? QString::fromUtf8("Portugués") : "Portuguese";
            w.findChild<QAction *>("actionMudar_Idioma")->trigger();
        }
    }
};

QTEST_MAIN(TstJanelaConfig)
#include "tst_janelaconfig.moc"
