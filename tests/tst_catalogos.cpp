#include "app/arquivolingua.h"
#include "app/config_perfil.h"
#include "app/inicio.h"
#include "app/mainwindow.h"
#include "app/sobre.h"
#include "device/download.h"
#include "device/janelaconfig.h"
#include "instrumentoteste.h"
#include "servicosteste.h"
#include "viewer/medidas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTableView>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The source texts of a catalog by context, and those left empty on purpose.
struct Catalogo {
    QMap<QString, QSet<QString>> fontes;
    QMap<QString, QSet<QString>> vazias;
};

Catalogo lerCatalogo(const QString &arquivo)
{
    Catalogo c;
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    QXmlStreamReader x(&f);
    QString contexto, fonte;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("name"))
            contexto = x.readElementText();
        else if (x.name() == QLatin1String("source"))
            fonte = x.readElementText();
        else if (x.name() == QLatin1String("translation")) {
            const QString t = x.readElementText(QXmlStreamReader::IncludeChildElements);
            c.fontes[contexto].insert(fonte);
            if (t.isEmpty())
                c.vazias[contexto].insert(fonte);
        }
    }
    return c;
}

QString textoSimples(const QString &t)
{
    if (!Qt::mightBeRichText(t))
        return t;
    QTextDocument d;
    d.setHtml(t);
    return d.toPlainText();
}

} // namespace

// The three catalogs: what they translate, and that every window in
// English shows no Portuguese text but the ones left alike on purpose.
class TstCatalogos : public QObject
{
    Q_OBJECT

private:
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
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&tradutor);
    }

    void entradas_data()
    {
        QTest::addColumn<QString>("contexto");
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QString>("pt");
        QTest::addColumn<QString>("en");
        QTest::addColumn<QString>("es");
        QTest::newRow("MainWindow Arquivo") << "MainWindow" << "Arquivo" << "Arquivo" << "Archive" << "Archivo";
        QTest::newRow("MainWindow Sair") << "MainWindow" << "Sair" << "Sair" << "Exit" << "Dejar";
        QTest::newRow("MainWindow Não") << "MainWindow" << QString::fromUtf8("Não") << QString::fromUtf8("Não") << "Not" << "No";
        QTest::newRow("MainWindow Baixar Tudo") << "MainWindow" << "Baixar Tudo" << "Baixar Tudo" << "Download All" << "Descargar todo";
        QTest::newRow("MainWindow Inglês") << "MainWindow" << QString::fromUtf8("Inglês") << QString::fromUtf8("Inglês") << "English" << "Ingles";
        QTest::newRow("Medidas Gerar Relatorio") << "Medidas" << "Gerar Relatorio" << QString::fromUtf8("Gerar Relatório") << "Generate Report" << "Generar Informe";
        QTest::newRow("Medidas Volta lá") << "Medidas" << QString::fromUtf8("Volta lá") << QString::fromUtf8("Volta lá") << "Back there" << QString::fromUtf8("Volver allí");
        QTest::newRow("Medidas recalcular") << "Medidas" << "Deseja alterar os dados para recalcular ?" << "Deseja alterar os dados para recalcular?" << "Do you want to change the data to recalculate?" << QString::fromUtf8("¿Desea cambiar los datos para volver a calcular?");
        QTest::newRow("Medidas FC, alike") << "Medidas" << "FC (X):" << "FC (X):" << "FC (X):" << "FC (X):";
        QTest::newRow("QObject Vibração") << "QObject" << QString::fromUtf8("Vibração [dB]") << QString::fromUtf8("Vibração [dB]") << "Vibration [dB]" << QString::fromUtf8("Vibración [dB]");
        QTest::newRow("QObject Período") << "QObject" << QString::fromUtf8("Período de Amostragem: ") << "Periodo de Amostragem: " << "Sampling Period: " << "Periodo de Muestreo: ";
        QTest::newRow("JanelaConfig title") << "JanelaConfig" << QString::fromUtf8("Configuração de Instrumento") << QString::fromUtf8("Configuração de Instrumento") << "Instrument Configuration" << QString::fromUtf8("Configuración del instrumento");
        QTest::newRow("JanelaConfig corrected") << "JanelaConfig" << "Sensor de Corpo inteiro" << "Sensor de Corpo Inteiro" << "Whole-Body Sensor" << "Sensor de Cuerpo Entero";
        QTest::newRow("config_perfil corrected") << "config_perfil" << "Responsavel 1:" << QString::fromUtf8("Responsável 1:") << "Responsible 1:" << "Responsable 1:";
        QTest::newRow("sobre title") << "sobre" << "Sobre" << "Sobre" << "About" << "Acerca";
        QTest::newRow("Medidas Avaliação") << "Medidas" << QString::fromUtf8("Avaliação") << QString::fromUtf8("Avaliação") << "Assessment" << QString::fromUtf8("Evaluación");
        QTest::newRow("TabelasAvaliacao limit") << "TabelasAvaliacao" << QString::fromUtf8("Limite de exposição atingido") << QString::fromUtf8("Limite de exposição atingido") << "Limit value reached" << QString::fromUtf8("Valor límite alcanzado");
        QTest::newRow("AvaliacaoExposicao reason") << "AvaliacaoExposicao" << QString::fromUtf8("o resultado armazenado %1 não é um número") << QString::fromUtf8("o resultado armazenado %1 não é um número") << "the stored result %1 is not a number" << QString::fromUtf8("el resultado almacenado %1 no es un número");
        QTest::newRow("TabelasAvaliacao band") << "TabelasAvaliacao" << QString::fromUtf8("Região de incerteza") << QString::fromUtf8("Região de incerteza") << "Uncertainty region" << QString::fromUtf8("Región de incertidumbre");
        QTest::newRow("sobre standard, alike") << "sobre" << "NR-15" << "NR-15" << "NR-15" << "NR-15";
    }

    void entradas()
    {
        QFETCH(QString, contexto);
        QFETCH(QString, fonte);
        for (const auto &[catalogo, coluna] : {std::pair{":/language/portugues.qm", "pt"},
                                                std::pair{":/language/ingles.qm", "en"},
                                                std::pair{":/language/espanhol.qm", "es"}}) {
            instalar(catalogo);
            const QString t = QCoreApplication::translate(contexto.toUtf8().constData(), fonte.toUtf8().constData());
            QTEST(t, coluna);
        }
    }

    void plurais()
    {
        instalar(":/language/ingles.qm");
        QCOMPARE(QCoreApplication::translate("MainWindow", "%n arquivo(s) não puderam ser deletados.", "", 1),
                 QString("1 file could not be deleted."));
        QCOMPARE(QCoreApplication::translate("MainWindow", "%n arquivo(s) não puderam ser deletados.", "", 3),
                 QString("3 files could not be deleted."));
    }

    // No window shown in English keeps a Portuguese text, but those the
    // catalogs leave alike in every language.
    // Qt's own dialogs and buttons follow the chosen language.
    void textosDoQt_data()
    {
        QTest::addColumn<QString>("catalogo");
        QTest::addColumn<QString>("procurarEm");
        QTest::addColumn<QString>("cancelar");
        QTest::newRow("Portuguese") << ":/language/portugues.qm" << "Procurar em:" << "Cancelar";
        QTest::newRow("Spanish") << ":/language/espanhol.qm" << "Ver en:" << "Cancelar";
        QTest::newRow("English") << ":/language/ingles.qm" << "Look in:" << "Cancel";
    }

    void textosDoQt()
    {
        QFETCH(QString, catalogo);
        QTranslator qt;
        const QString doQt = ArquivoLingua::catalogoDoQt(catalogo);
        QCOMPARE(doQt.isEmpty(), catalogo.contains("ingles"));
        if (!doQt.isEmpty()) {
            QVERIFY(qt.load(doQt));
            QCoreApplication::installTranslator(&qt);
        }
        QFileDialog dialogo;
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        QTEST(dialogo.findChild<QLabel *>("lookInLabel")->text(), "procurarEm");
        QDialogButtonBox botoes(QDialogButtonBox::Cancel);
        QTEST(botoes.button(QDialogButtonBox::Cancel)->text(), "cancelar");
        QCoreApplication::removeTranslator(&qt);
    }

    // At 1280 x 720 every tab of the viewer is in sight, in each language.
    void abasA1280_data()
    {
        QTest::addColumn<QString>("catalogo");
        QTest::newRow("Portuguese") << ":/language/portugues.qm";
        QTest::newRow("English") << ":/language/ingles.qm";
        QTest::newRow("Spanish") << ":/language/espanhol.qm";
    }

    void abasA1280()
    {
        QFETCH(QString, catalogo);
        instalar(catalogo);
        ServicosTeste s;
        Medidas m(QDir::tempPath(), s.servicos());
        m.resize(1280, 720);
        m.show();
        QCoreApplication::processEvents();
        QVERIFY2(m.width() <= 1280 && m.height() <= 720, qPrintable(QString("%1 x %2").arg(m.width()).arg(m.height())));
        const QTabBar *abas = m.findChild<QTabWidget *>("tabWidget_Resultados")->tabBar();
        QCOMPARE(abas->count(), 10);
        for (int t = 0; t < abas->count(); ++t)
            QVERIFY2(abas->rect().contains(abas->tabRect(t)), qPrintable(abas->tabText(t)));
        for (const QToolButton *seta : abas->findChildren<QToolButton *>())
            QVERIFY(!seta->isVisible());
        // A shortened title is whole in its tooltip.
        for (int t = 0; t < abas->count(); ++t)
            QVERIFY(!abas->tabToolTip(t).isEmpty());
    }

    void janelasEmIngles()
    {
        instalar(":/language/ingles.qm");
        const Catalogo c = lerCatalogo(QStringLiteral(KT_FONTES "/resources/language/ingles.ts"));
        BancadaTeste b(2);
        ServicosTeste s;
        s.volumes.lista = {VolumesTeste::instrumento(b.volume)};
        auto principal = std::make_unique<MainWindow>(b.dir.filePath("app"), s.servicos());
        principal->findChild<QAbstractButton *>("pushButton_3")->click();
        QCOMPARE(Download::baixar(b.dados + "MED001", principal->getDiretorioQT(), false, true, {}, {}).resultado,
                 Download::Resultado::Baixado);
        auto medidas = std::make_unique<Medidas>(principal->getDiretorioQT(), s.servicos());
        medidas->findChild<QAbstractButton *>("pushButton_Sincronizar")->click();
        auto config = std::make_unique<JanelaConfig>(nullptr, b.dados + "Crv_vib.cfg", true, s.perguntador);
        auto perfil = std::make_unique<config_perfil>(nullptr, b.dir.filePath("perfil.id"), s.perguntador);
        auto dialogo = std::make_unique<sobre>();
        const QList<QPair<QString, QWidget *>> janelas = {
            {"MainWindow", principal.get()}, {"Medidas", medidas.get()}, {"JanelaConfig", config.get()},
            {"config_perfil", perfil.get()}, {"sobre", dialogo.get()}};
        QStringList emPortugues;
        for (const auto &[contexto, janela] : janelas) {
            QStringList mostrados = textos(janela);
            mostrados << janela->windowTitle();
            for (const QString &t : mostrados) {
                if (c.fontes.value(contexto).contains(t) && !c.vazias.value(contexto).contains(t))
                    emPortugues << contexto + ": " + textoSimples(t);
            }
        }
        QVERIFY2(emPortugues.isEmpty(), qPrintable(emPortugues.join('\n')));
        // And the texts do change: the English interface is not the source.
        QCOMPARE(principal->findChild<QAbstractButton *>("pushButton_BaixarTudo")->text(), QString("Download All"));
        QCOMPARE(medidas->findChild<QTabWidget *>()->tabText(6), QString("Line Chart"));
        QCOMPARE(medidas->findChild<QTabWidget *>()->tabText(9), QString("Assessment"));
        // The assessment of the first exposure, in English.
        auto *exposicoes = medidas->findChild<QTableView *>("tableView_ExpResultante");
        QVERIFY(exposicoes->model()->rowCount() > 0);
        exposicoes->setCurrentIndex(exposicoes->model()->index(0, 1));
        QCoreApplication::processEvents();
        const QAbstractItemModel *avaliacao = medidas->findChild<QTableView *>("tableView_Avaliacao")->model();
        QCOMPARE(avaliacao->headerData(3, Qt::Horizontal).toString(), QString("Status"));
        QVERIFY(avaliacao->rowCount() > 0);
        QVERIFY2(QStringList({"Below the action value", "Action value reached", "Limit value reached"})
                     .contains(avaliacao->index(avaliacao->rowCount() - 1, 3).data().toString()),
                 qPrintable(avaliacao->index(avaliacao->rowCount() - 1, 3).data().toString()));
        QVERIFY(avaliacao->index(0, 0).data().toString().contains("A(8)"));
        const QAbstractItemModel *nr = medidas->findChild<QTableView *>("tableView_AvaliacaoNr")->model();
        QCOMPARE(nr->headerData(4, Qt::Horizontal).toString(), QString("Recommended action"));
        QVERIFY2(QStringList({"Acceptable", "Above the action level", "Uncertainty region", "Above the exposure limit"})
                     .contains(nr->index(nr->rowCount() - 1, 3).data().toString()),
                 qPrintable(nr->index(nr->rowCount() - 1, 3).data().toString()));
        QVERIFY(!avaliacao->index(0, 0).data().toString().contains(QString::fromUtf8("ã")));
        fecharCaixas();
    }
};

QTEST_MAIN(TstCatalogos)
#include "tst_catalogos.moc"
