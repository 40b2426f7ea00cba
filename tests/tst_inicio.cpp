#include "app/inicio.h"
#include "app/mainwindow.h"
#include "arquivos.h"
#include "servicosteste.h"
#include "viewer/medidas.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

// Start-up: font, language file and catalog, the page stack and the store.
class TstInicio : public QObject
{
    Q_OBJECT

private slots:
    void fonte()
    {
        const QString familia = Inicio::instalarFonte();
        QCOMPARE(familia, QString("Liberation Sans"));
        QCOMPARE(QApplication::font().family(), familia);
    }

    void primeiroInicio_data()
    {
        QTest::addColumn<bool>("aceitar");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("gravado");
        QTest::addColumn<QString>("sair");
        QTest::newRow("cancelled") << false << "" << QByteArray() << "";
        QTest::newRow("English") << true << "English" << QByteArray(":/language/ingles.qm")
                                 << "Exit";
        QTest::newRow("Spanish") << true << QString::fromUtf8("Español")
                                 << QByteArray(":/language/espanhol.qm") << "Dejar";
        QTest::newRow("Portuguese") << true << QString::fromUtf8("Português")
                                    << QByteArray(":/language/portugues.qm") << "Sair";
    }

    void primeiroInicio()
    {
        QFETCH(bool, aceitar);
        QFETCH(QString, item);
        QFETCH(QByteArray, gravado);
        QTemporaryDir app;
        PerguntadorTeste p;
        p.aceitar = aceitar;
        p.item = item;
        QTranslator t;
        Inicio::carregarIdioma(&t, app.path(), p);
        QCOMPARE(p.perguntas,
                 QStringList{QString::fromUtf8("Selecione o Idioma | Idioma: | Português,English,Español")});
        QCOMPARE(QFileInfo::exists(app.filePath("lingua.lg")), aceitar);
        QCOMPARE(lerBytes(app.filePath("lingua.lg")), gravado);
        QTEST(t.translate("MainWindow", "Sair"), "sair");

        // The next start takes the stored choice and asks nothing; after a
        // cancel it asks again.
        PerguntadorTeste depois;
        depois.aceitar = false;
        QTranslator t2;
        Inicio::carregarIdioma(&t2, app.path(), depois);
        QCOMPARE(depois.perguntas.size(), aceitar ? 0 : 1);
        QTEST(t2.translate("MainWindow", "Sair"), "sair");
    }

    void linguaComPrimeiraLinhaVazia()
    {
        QTemporaryDir app;
        escreverBytes(app.filePath("lingua.lg"), "\n:/language/ingles.qm");
        PerguntadorTeste p;
        QTranslator t;
        Inicio::carregarIdioma(&t, app.path(), p);
        QVERIFY(p.perguntas.isEmpty());
        QVERIFY(t.isEmpty());
        QCOMPARE(lerBytes(app.filePath("lingua.lg")), QByteArray("\n:/language/ingles.qm"));
    }

    // 1600 x 900 in the middle of a screen that has room, else the screen.
    void geometriaInicial_data()
    {
        QTest::addColumn<QRect>("disponivel");
        QTest::addColumn<QRect>("janela");
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080) << QRect(160, 90, 1600, 900);
        QTest::newRow("1600 x 900") << QRect(0, 0, 1600, 900) << QRect(0, 0, 1600, 900);
        QTest::newRow("1366 x 768, a panel on top") << QRect(0, 28, 1366, 740) << QRect(0, 28, 1366, 740);
        QTest::newRow("1280 x 720") << QRect(0, 0, 1280, 720) << QRect(0, 0, 1280, 720);
        QTest::newRow("second screen, wide but short") << QRect(1920, 0, 2560, 800) << QRect(1920, 0, 2560, 800);
    }

    void geometriaInicial()
    {
        QFETCH(QRect, disponivel);
        QTEST(Inicio::geometriaInicial(disponivel), "janela");
    }

    void janela()
    {
        QTemporaryDir app;
        escreverBytes(app.filePath("marca"), "");
        QDir(app.path()).mkpath("Z2registros/e_1");
        escreverBytes(app.filePath("Z2registros/e_1/e_1.id"), "vdvr;1;\n");
        ServicosTeste s;
        const auto pilha = Inicio::montarJanela(app.path(), s.servicos());
        QCOMPARE(pilha->currentIndex(), 0);
        QCOMPARE(pilha->geometry(), Inicio::geometriaInicial(QGuiApplication::primaryScreen()->availableGeometry()));
        QVERIFY(QFileInfo(app.filePath("Z2registros/Arquivos PDF")).isDir());
        QVERIFY(QFileInfo(app.filePath("Z2registros/Perfil")).isDir());
        QCOMPARE(lerBytes(app.filePath("Z2registros/e_1/e_1.id")), QByteArray("vdvr;1;\n"));

        pilha->widget(0)->findChild<QToolButton *>(QStringLiteral("toolButton_Registros"))->click();
        QCOMPARE(pilha->currentIndex(), 1);
        pilha->widget(1)->findChild<QToolButton *>(QStringLiteral("voltarMenu"))->click();
        QCOMPARE(pilha->currentIndex(), 0);
    }
};

QTEST_MAIN(TstInicio)
#include "tst_inicio.moc"
