#include "app/arquivolingua.h"
#include "arquivos.h"
#include "data/layoutmedida.h"

#include <QTemporaryDir>
#include <QtTest>

// Measurement folders, download names, the local store and the language file.
class TstLayoutMedida : public QObject
{
    Q_OBJECT

private:
    static void criar(const QString &raiz, const QStringList &arquivos)
    {
        for (const QString &a : arquivos) {
            QDir().mkpath(QFileInfo(raiz + '/' + a).path());
            escreverBytes(raiz + '/' + a, "x;y;\n");
        }
    }

private slots:
    void nomes_data()
    {
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<QString>("pasta");
        QTest::newRow("2 Jan 2024") << QDateTime(QDate(2024, 1, 2), QTime(9, 5, 7))
                                    << "e_240102090507";
        QTest::newRow("21 Mar 2023") << QDateTime(QDate(2023, 3, 21), QTime(14, 22, 10))
                                     << "e_230321142210";
        QTest::newRow("end of century") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))
                                        << "e_991231235959";
    }

    void nomes()
    {
        QFETCH(QDateTime, momento);
        QTEST(LayoutMedida::nomeDownload(momento), "pasta");
    }

    void momentoDaPasta_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QDateTime>("esperado");
        const QDateTime modificada(QDate(2025, 5, 6), QTime(7, 8, 9));
        QTest::newRow("downloaded") << "e_240102090507" << QDateTime(QDate(2024, 1, 2), QTime(9, 5, 7));
        QTest::newRow("instrument name") << "MED001" << modificada;
        QTest::newRow("not a stamp") << "e_991399999999" << modificada;
        QTest::newRow("too long") << "e_2401020905071" << modificada;
    }

    void momentoDaPasta()
    {
        QFETCH(QString, nome);
        QTemporaryDir d;
        QDir(d.path()).mkdir(nome);
        QVERIFY(datarPasta(d.filePath(nome), QDateTime(QDate(2025, 5, 6), QTime(7, 8, 9))));
        QTEST(LayoutMedida::momentoDaPasta(QFileInfo(d.filePath(nome))), "esperado");
    }

    // The hand-made reading gives what Qt's parser gives, wrong texts included.
    void lerDataHora_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("formato");
        const QString carimbo = "yyMMddHHmmss", data = "dd/MM/yyyy HH:mm:ss";
        for (const char *t : {"240102090507", "991231235959", "000229120000", "010229120000", "241301090507",
                              "240102250000", "24010209050", "2401020905071", "24010209050a", " 40102090507"})
            QTest::addRow("%s %s", t, "stamp") << QString(t) << carimbo;
        for (const char *t : {"02/01/2024 09:05:07", "29/02/2023 09:05:07", "31/12/1999 23:59:59",
                              "2/01/2024 09:05:07", "02-01-2024 09:05:07", "02/01/2024 24:00:00", "", "02/01/2024"})
            QTest::addRow("%s %s", t, "date") << QString(t) << data;
        QTest::newRow("other format") << "2024-01-02" << "yyyy-MM-dd";
    }

    void lerDataHora()
    {
        QFETCH(QString, texto);
        QFETCH(QString, formato);
        QCOMPARE(LayoutMedida::lerDataHora(texto, formato), QDateTime::fromString(texto, formato));
    }

    void renomearExposicao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("with stamp") << "Prensa-1" << "Prensa-240102090507";
        QTest::newRow("no dash") << "Prensa" << "Prensa-240102090507";
        QTest::newRow("leading dash") << "-Prensa-2301" << "Prensa-240102090507";
        QTest::newRow("many pieces") << "Linha-A-230321142210" << "Linha-240102090507";
        QTest::newRow("unset") << " " << " -240102090507";
        QTest::newRow("only dashes") << "--" << "---240102090507";
        QTest::newRow("accents") << QString::fromUtf8("Operação-1")
                                 << QString::fromUtf8("Operação-240102090507");
    }

    void renomearExposicao()
    {
        QFETCH(QString, nome);
        QTEST(LayoutMedida::renomearExposicao(nome, "240102090507"), "esperado");
    }

    void reconhecerMedidas()
    {
        QTemporaryDir d;
        criar(d.path(), {"M1/M1.id", "M1/T1/corpo/T1.id", "Sem/outro.id",
                         "Com espaço e ção/Com espaço e ção.id", "Arquivos PDF/x.pdf",
                         "Perfil/perfil.id", "solto.id"});
        QDir(d.path()).mkpath("Pasta/Pasta.id"); // a folder, not a file
        QCOMPARE(LayoutMedida::medidas(d.path()),
                 QStringList({d.filePath(QString::fromUtf8("Com espaço e ção")), d.filePath("M1")}));
        QVERIFY(LayoutMedida::ehMedida(d.filePath("M1") + "/"));
        QVERIFY(!LayoutMedida::ehMedida(d.filePath("Perfil")));
        QVERIFY(!LayoutMedida::ehMedida(d.filePath("nao-existe")));
        QCOMPARE(LayoutMedida::arquivoExposicao(d.filePath("M1")), d.filePath("M1/M1.id"));
        QVERIFY(LayoutMedida::medidas(d.filePath("nao-existe")).isEmpty());
    }

    void pastasCorpoEComponentes()
    {
        QTemporaryDir d;
        const QString m = d.filePath("M");
        criar(m, {"M.id", "T2/mao/T2.id", "T2/mao/C1.head", "T1/corpo/T1.id", "T1/corpo/C2.head",
                  "T1/corpo/C2.dat", "T1/corpo/C1.head", "T1/corpo/C1.res", "T1/corpo/x.head.bak",
                  "T1/corpo/fundo/C9.head"});
        QCOMPARE(LayoutMedida::pastasCorpo(m),
                 QStringList({m + "/T1/corpo", m + "/T1/mao", m + "/T2/corpo", m + "/T2/mao"}));
        QCOMPARE(LayoutMedida::arquivoParcial(m + "/T1/corpo"), m + "/T1/corpo/T1.id");
        QCOMPARE(LayoutMedida::componentes(m + "/T1/corpo"),
                 QStringList({m + "/T1/corpo/C1", m + "/T1/corpo/C2"}));
        QVERIFY(LayoutMedida::componentes(m + "/T1/mao").isEmpty());
        QCOMPARE(LayoutMedida::contarArquivosHead(m), 4);
        QCOMPARE(LayoutMedida::contarArquivosHead(d.filePath("nada")), 0);
    }

    void arquivoLinguaPrimeiraLinha_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("two lines") << QByteArray(":/language/ingles.qm\nresto") << ":/language/ingles.qm";
        QTest::newRow("CR LF") << QByteArray(":/language/espanhol.qm\r\n") << ":/language/espanhol.qm";
        QTest::newRow("empty first line") << QByteArray("\n:/language/ingles.qm") << "";
        QTest::newRow("empty file") << QByteArray() << "";
    }

    void arquivoLinguaPrimeiraLinha()
    {
        QFETCH(QByteArray, conteudo);
        QTemporaryDir d;
        escreverBytes(d.filePath("lingua.lg"), conteudo);
        QString lido = "antes";
        QVERIFY(ArquivoLingua::ler(d.path(), &lido));
        QTEST(lido, "esperado");
        QTemporaryDir vazio;
        QVERIFY(!ArquivoLingua::ler(vazio.path(), &lido));
    }
};

QTEST_GUILESS_MAIN(TstLayoutMedida)
#include "tst_layoutmedida.moc"
