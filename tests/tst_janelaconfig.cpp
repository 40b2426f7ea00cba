#include "data/arquivolingua.h"
#include "app/config_perfil.h"
#include "app/inicio.h"
#include "app/mainwindow.h"
#include "app/sobre.h"
#include "device/download.h"
#include "app/janelaconfig.h"
#include "instrumentoteste.h"
#include "servicosteste.h"
#include "viewer/medidas.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTableView>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QString textoSimples(const QString &t)
{
    if (!Qt::mightBeRichText(t))
        return t;
    QTextDocument d;
    d.setHtml(t);
    return d.toPlainText();
}

} // namespace

// The instrument configuration dialog and the language change, through
// real files; the three catalogs: what they translate, and that every
// window in English shows no Portuguese text but the ones left alike on
// purpose.
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

    QTranslator tradutor;

    void instalar(const QString &catalogo)
    {
        QCoreApplication::removeTranslator(&tradutor);
        QVERIFY(tradutor.load(catalogo));
        QCoreApplication::installTranslator(&tradutor);
    }

    // Every text a window shows: labels, buttons, actions, menus, group
    // and tab titles, table headers.
    static QStringList textos(QWidget *w)
    {
        QStringList t;
        for (QLabel *l : w->findChildren<QLabel *>())
            t << l->text();
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            t << b->text();
        for (QAction *a : w->findChildren<QAction *>())
            t << a->text();
        for (QMenu *m : w->findChildren<QMenu *>())
            t << m->title();
        for (QGroupBox *g : w->findChildren<QGroupBox *>())
            t << g->title();
        for (QTabWidget *tw : w->findChildren<QTabWidget *>())
            for (int i = 0; i < tw->count(); ++i)
                t << tw->tabText(i);
        for (QTableView *v : w->findChildren<QTableView *>())
            if (v->model())
                for (int c = 0; c < v->model()->columnCount(); ++c)
                    t << v->model()->headerData(c, Qt::Horizontal).toString();
        return t;
    }

private slots:
    void initTestCase()
    {
        Inicio::registrarRecursos();
    }

    // What the dialog shows of a file: the programmed time in the long set
    // in hours, in the short one in seconds, "manual" for none or one without
    // an item; numbers as the controls hold them, the sliders following.
    // What is saved, in the long or the short key set: the choices made, a
    // sensitivity typed into its spin box key by key saved as typed with the
    // slider following, or set by moving the slider. Cancelar writes
    // nothing; a configuration that could not be written is reported, and
    // the dialog stays open with the user's choices.
    void configuracao_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QByteArray>("conteudo");    // null: no file
        QTest::addColumn<QStringList>("mostrados");  // "CONTROL=VALUE" shown
        QTest::addColumn<QString>("periodo");        // "": the sampling period and weightings left as read
        QTest::addColumn<QString>("teclas");         // "": the slider moved
        QTest::addColumn<int>("slider");             // -1: nothing changed nor saved
        QTest::addColumn<QStringList>("esperadas");  // lines saved
        const QStringList nada;
        QTest::newRow("long file") << true << longo()
                                   << QStringList{"comboBox_TempoProg=24 h", "comboBox_PeridoAmos=3 s",
                                                  "comboBox_PondFreqX_mao=Wh", "comboBox_PondFreqZ_corpo=Wk",
                                                  "comboBox_FatorKX_mao=1.0", "comboBox_FatorKZ_mao=1.4",
                                                  "doubleSpinBox_SensibX_mao=1.23", "horizontalSlider_SensibX_mao=1230",
                                                  "doubleSpinBox_SensibY_mao=2", "horizontalSlider_SensibY_mao=2000"}
                                   << "" << "" << -1 << nada;
        QTest::newRow("long 300, no item") << true << QByteArray("tempo_programado;300;\n")
                                           << QStringList{"comboBox_TempoProg=manual"} << "" << "" << -1 << nada;
        QTest::newRow("short 28800") << false << QByteArray("tempo_programado;28800;\n")
                                     << QStringList{"comboBox_TempoProg=8 h"} << "" << "" << -1 << nada;
        QTest::newRow("short 300") << false << QByteArray("tempo_programado;300;\n") << QStringList{"comboBox_TempoProg=5 min"}
                                   << "" << "" << -1 << nada;
        QTest::newRow("no programmed time") << false << QByteArray("idioma;pt;\n") << QStringList{"comboBox_TempoProg=manual"}
                                            << "" << "" << -1 << nada;
        QTest::newRow("no file") << false << QByteArray() << QStringList{"comboBox_FatorKX_mao=1.4", "doubleSpinBox_SensibX_mao=0"}
                                 << "" << "" << -1 << nada;
        QTest::newRow("long, 10 s, 0.57 typed")
            << true << longo() << nada << "10 s" << "0.57" << 570
            << QStringList{"periodo_amostragem;10;", "sensibilidade_x_mao;1.23;", "sensibilidade_y_mao;2;", "kz_mao;1.4;",
                           "jornada_de_trabalhoConfig;07:00;", "tempo_programado;24;", "ponderacao_fz_corpo;wm;",
                           "id_sensor_mao;SM;", "sensibilidade_z_corpo;0.57;"};
        QTest::newRow("1.23 typed") << true << longo() << nada << "" << "1.23" << 1230 << QStringList{"sensibilidade_z_corpo;1.23;"};
        QTest::newRow("2 typed") << true << longo() << nada << "" << "2" << 2000 << QStringList{"sensibilidade_z_corpo;2;"};
        QTest::newRow("short, 60 s, slider moved")
            << false << longo() << nada << "60 s" << "" << 850
            << QStringList{"periodo_de_amostragem;60;", "wz_corpo;wm;", "sensibilidade_x_mao;1.23;", "tempo_programado;0;",
                           "sensibilidade_z_corpo;0.85;"};
        QTest::newRow("Cancelar") << true << longo() << nada << "10 s" << "" << 850 << nada;
        QTest::newRow("no file to write") << false << QByteArray() << nada << "60 s" << "" << 850 << nada;
    }

    void configuracao()
    {
        QFETCH(bool, completo);
        QFETCH(QByteArray, conteudo);
        QFETCH(QStringList, mostrados);
        QFETCH(QString, periodo);
        QFETCH(QString, teclas);
        QFETCH(int, slider);
        QFETCH(QStringList, esperadas);
        PastaTeste d;
        PerguntadorTeste p;
        const bool semArquivo = conteudo.isNull();
        const QString caminho = semArquivo ? d.filePath("KT9400.cfg") : d.arquivo("c.cfg", conteudo);
        JanelaConfig j(nullptr, caminho, completo, p);
        j.show();
        for (const QString &esperado : mostrados) {
            QWidget *w = j.findChild<QWidget *>(esperado.section('=', 0, 0));
            const QVariant valor = w->property(qobject_cast<QComboBox *>(w) ? "currentText" : "value");
            QCOMPARE(esperado.section('=', 0, 0) + '=' + valor.toString(), esperado);
        }
        if (slider < 0)
            return;
        if (!periodo.isEmpty()) {
            filho<QComboBox>(&j, "comboBox_PeridoAmos")->setCurrentText(periodo);
            filho<QComboBox>(&j, "comboBox_PondFreqZ_corpo")->setCurrentText("Wm");
        }
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
        const bool cancelar = QTest::currentDataTag() == QLatin1String("Cancelar");
        QTest::mouseClick(filho<QPushButton>(&j, cancelar ? "pushButton_2" : "pushButton_Salvar"), Qt::LeftButton);
        QCOMPARE(j.isVisible(), semArquivo);
        if (cancelar || semArquivo) {
            QCOMPARE(QFileInfo::exists(caminho), cancelar);
            QVERIFY(semArquivo || lerBytes(caminho) == longo());
            QCOMPARE(p.mensagens.filter(QString::fromUtf8("não foi configurado")).size(), int(semArquivo));
            QCOMPARE(filho<QComboBox>(&j, "comboBox_PeridoAmos")->currentText(), periodo);
            return;
        }
        QVERIFY(p.mensagens.isEmpty());
        const QStringList l = QString::fromLatin1(lerBytes(caminho)).split('\n', Qt::SkipEmptyParts);
        // The short set keeps the four keys of the long file it does not write.
        QCOMPARE(l.size(), completo ? 30 : 31);
        for (const QString &e : esperadas)
            QVERIFY2(l.contains(e), qPrintable(e + " in\n" + l.join('\n')));
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&tradutor);
    }

    // In each language: Qt's own catalog for its dialogs and buttons is in
    // the program, and at 1280 x 720 every tab of the viewer is in sight, a
    // shortened title whole in its tooltip.
    void idiomas_data()
    {
        QTest::addColumn<QString>("catalogo");
        QTest::newRow("Portuguese") << ":/language/portugues.qm";
        QTest::newRow("Spanish") << ":/language/espanhol.qm";
        QTest::newRow("English") << ":/language/ingles.qm";
    }

    void idiomas()
    {
        QFETCH(QString, catalogo);
        const QString doQt = ArquivoLingua::catalogoDoQt(catalogo);
        QCOMPARE(doQt.isEmpty(), catalogo.contains("ingles"));
        QTranslator qt;
        QVERIFY(doQt.isEmpty() || qt.load(doQt));
        instalar(catalogo);
        ServicosTeste s;
        Medidas m(QDir::tempPath(), s.servicos());
        m.resize(1280, 720);
        m.show();
        QCoreApplication::processEvents();
        QVERIFY2(m.width() <= 1280 && m.height() <= 720, qPrintable(QString("%1 x %2").arg(m.width()).arg(m.height())));
        const QTabBar *abas = m.findChild<QTabWidget *>("tabWidget_Resultados")->tabBar();
        QCOMPARE(abas->count(), 10);
        // Every title whole; the bar scrolls where they do not all fit.
        int largura = 0;
        for (int t = 0; t < abas->count(); ++t) {
            QVERIFY2(abas->tabRect(t).width() > abas->fontMetrics().horizontalAdvance(abas->tabText(t)),
                     qPrintable(abas->tabText(t)));
            largura += abas->tabRect(t).width();
        }
        bool setas = false;
        for (const QToolButton *seta : abas->findChildren<QToolButton *>())
            setas = setas || seta->isVisible();
        QCOMPARE(setas, largura > abas->width());
    }

    // No window shown in English keeps a Portuguese text, but those the
    // catalogs leave alike in every language.
    void janelasEmIngles()
    {
        instalar(":/language/ingles.qm");
        BancadaTeste b(2);
        ServicosTeste s;
        s.volumes.lista = {VolumesTeste::instrumento(b.volume)};
        auto principal = std::make_unique<MainWindow>(LocaisPrograma::para(b.dir.filePath("app")), s.servicos());
        principal->findChild<QAbstractButton *>("pushButton_3")->click();
        QCOMPARE(Download::baixar(b.dados + "MED001", principal->getDiretorioQT(), {}, {}).resultado,
                 Download::Resultado::Baixado);
        auto medidas = std::make_unique<Medidas>(principal->getDiretorioQT(), s.servicos());
        medidas->findChild<QAbstractButton *>("pushButton_Sincronizar")->click();
        auto config = std::make_unique<JanelaConfig>(nullptr, b.dados + "Crv_vib.cfg", true, s.perguntador);
        auto perfil = std::make_unique<config_perfil>(nullptr, b.dir.filePath("perfil.id"), s.perguntador);
        auto dialogo = std::make_unique<sobre>(principal->getDiretorioQT());
        const QList<QPair<QString, QWidget *>> janelas = {
            {"MainWindow", principal.get()}, {"Medidas", medidas.get()}, {"JanelaConfig", config.get()},
            {"config_perfil", perfil.get()}, {"sobre", dialogo.get()}};
        QStringList emPortugues;
        for (const auto &[contexto, janela] : janelas) {
            // A text shown as it stands in the source, though the catalog
            // has another for it.
            const QStringList mostrados = textos(janela) << janela->windowTitle();
            for (const QString &t : mostrados) {
                const QString traducao = tradutor.translate(contexto.toLatin1().constData(), t.toUtf8().constData());
                if (!traducao.isEmpty() && traducao != t)
                    emPortugues << contexto + ": " + textoSimples(t);
            }
        }
        QVERIFY2(emPortugues.isEmpty(), qPrintable(emPortugues.join('\n')));
        // And the texts do change: the English interface is not the source.
        QCOMPARE(principal->findChild<QAbstractButton *>("pushButton_BaixarTudo")->text(), QString("Download All"));
        const char *plural = "%n arquivo(s) não puderam ser deletados.";
        QCOMPARE(QCoreApplication::translate("MainWindow", plural, "", 1), QString("1 file could not be deleted."));
        QCOMPARE(QCoreApplication::translate("MainWindow", plural, "", 3), QString("3 files could not be deleted."));
        fecharCaixas();
    }
};

QTEST_MAIN(TstJanelaConfig)
#include "tst_janelaconfig.moc"
