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

    void plurais()
    {
        instalar(":/language/ingles.qm");
        QCOMPARE(QCoreApplication::translate("MainWindow", "%n arquivo(s) não puderam ser deletados.", "", 1),
                 QString("1 file could not be deleted."));
        QCOMPARE(QCoreApplication::translate("MainWindow", "%n arquivo(s) não puderam ser deletados.", "", 3),
                 QString("3 files could not be deleted."));
    }

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

    // No window shown in English keeps a Portuguese text, but those the
    // catalogs leave alike in every language.
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
        fecharCaixas();
    }
};

QTEST_MAIN(TstCatalogos)
#include "tst_catalogos.moc"
