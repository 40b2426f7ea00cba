#include "arquivos.h"
#include "data/acessararquivo.h"
#include "data/csv.h"

#include <QBuffer>

#include <QTemporaryDir>
#include <QtTest>

// Data and result files: header values, band lists and the sample table.
class TstLerDados : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int n = 0;
    QString arquivo(const QByteArray &conteudo)
    {
        const QString caminho = dir.filePath(QString("d%1.dat").arg(++n));
        escreverBytes(caminho, conteudo);
        return caminho;
    }

private slots:
    void cabecalho_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("amr");
        QTest::addColumn<QString>("vdvx");
        QTest::addColumn<QString>("fcz");
        QTest::newRow("plain keys") << QByteArray("amr(acc);0.51;\nvdvx;2.1;\nFC_z;4.2;\n")
                                    << "0.51" << "2.1" << "4.2";
        QTest::newRow("(acc) form, later wins")
            << QByteArray("vdvx;2.1;\nvdvx(acc);2.5;\n") << " " << "2.5" << " ";
        QTest::newRow("plain form after (acc)")
            << QByteArray("vdvx(acc);2.5;\nvdvx;2.2;\n") << " " << "2.2" << " ";
        QTest::newRow("capitals ignored") << QByteArray("VDVX;9;\nAMR(acc);9;\nfc_z;9;\n")
                                          << " " << " " << " ";
        QTest::newRow("CR LF") << QByteArray("amr(acc);0.7;\r\nFC_z;3.000;\r\n") << "0.7" << " "
                               << "3.000";
        QTest::newRow("key only") << QByteArray("amr(acc);;\n") << "amr(acc)" << " " << " ";
        QTest::newRow("values in the table are not keys")
            << QByteArray("Tempo;a;\namr(acc);1;2;3;4;5;6;7;\n") << " " << " " << " ";
    }

    void cabecalho()
    {
        QFETCH(QByteArray, conteudo);
        AcessarArquivo a;
        a.lerDados(arquivo(conteudo));
        QTEST(a.getAmr(), "amr");
        QTEST(a.getVdvx(), "vdvx");
        QTEST(a.getFC_z(), "fcz");
    }

    void bandas()
    {
        AcessarArquivo a;
        a.lerDados(arquivo("freq;1;1.25;1.6;2;2.5;3.15;4;5;6.3;8;\nvibracao;90;91;92;;93;\n"));
        QCOMPARE(a.getFreq().size(), 10);
        QCOMPARE(a.getFreq().first(), QString("1"));
        QCOMPARE(a.getFreq().last(), QString("8"));
        QCOMPARE(a.getVibracao(), QStringList({"90", "91", "92", "93"}));
        // A result file without bands empties them: the lists hold the last file's.
        a.lerDados(arquivo("vdvx(acc);1;\n"));
        QVERIFY(a.getFreq().isEmpty());
        QVERIFY(a.getVibracao().isEmpty());
    }

    void datEntaoRes()
    {
        AcessarArquivo a;
        a.lerDados(arquivo("amr(acc);0.4;\namx(acc);0.2;\nTempo;amx;\n"
                           "00:00:01;1;2;3;4;5;6;7;\n00:00:02;1;2;3;4;5;6;7;\n"));
        a.lerDados(arquivo("amr(acc);0.45;\nFC_x;3.1;\nfreq;1;2;3;\n"));
        QCOMPARE(a.getAmr(), QString("0.45")); // the result file's value stands
        QCOMPARE(a.getAmx(), QString("0.2"));  // only the data file has it
        QCOMPARE(a.getFC_x(), QString("3.1"));
        QCOMPARE(a.getColuna1(), QStringList({"00:00:01", "00:00:02"}));
        QCOMPARE(a.getFreq().size(), 3);
    }

    void tabela_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QStringList>("coluna1");
        QTest::addColumn<QStringList>("coluna8");
        QTest::newRow("two rows") << QByteArray("Tempo;a;b;\n00:00:01;1;2;3;4;5;6;7;\n"
                                                "00:00:02;1;2;3;4;5;6;8;\n")
                                  << QStringList{"00:00:01", "00:00:02"}
                                  << QStringList{"7", "8"};
        QTest::newRow("header, no rows") << QByteArray("Tempo;amx;\n") << QStringList()
                                         << QStringList();
        QTest::newRow("short row skipped")
            << QByteArray("Tempo;\n00:00:01;1;2;3;4;5;6;7;\n00:00:02;1;2;3;\n"
                          "00:00:03;1;2;3;4;5;6;9;\n")
            << QStringList{"00:00:01", "00:00:03"} << QStringList{"7", "9"};
        QTest::newRow("truncated last row")
            << QByteArray("Tempo;\n00:00:01;1;2;3;4;5;6;7;\n00:00:02;1;2;3;4;5")
            << QStringList{"00:00:01"} << QStringList{"7"};
        QTest::newRow("extra values ignored")
            << QByteArray("Tempo;\n00:00:01;1;2;3;4;5;6;7;99;100;\n") << QStringList{"00:00:01"}
            << QStringList{"7"};
        QTest::newRow("empty cell shifts left")
            << QByteArray("Tempo;\n00:00:01;1;;2;3;4;5;6;7;\n") << QStringList{"00:00:01"}
            << QStringList{"7"};
        QTest::newRow("blank lines and CR LF")
            << QByteArray("Tempo;\r\n\r\n00:00:01;1;2;3;4;5;6;7;\r\n;;\r\n")
            << QStringList{"00:00:01"} << QStringList{"7"};
        QTest::newRow("no final line end") << QByteArray("Tempo;\n00:00:01;1;2;3;4;5;6;7;")
                                           << QStringList{"00:00:01"} << QStringList{"7"};
        QTest::newRow("lone CR, byte-order mark")
            << QByteArray("\xEF\xBB\xBFTempo;\r00:00:01;1;2;3;4;5;6;7;\r00:00:02;1;2;3;4;5;6;8;\r")
            << QStringList{"00:00:01", "00:00:02"} << QStringList{"7", "8"};
        QTest::newRow("comma, quote and code-page letter")
            << QByteArray("Tempo;\n00:00:01;1,5;\"2\";\xe7;4;5;6;7;\n") << QStringList{"00:00:01"}
            << QStringList{"7"};
        // CR LF pairs falling across the blocks a long recording is read in.
        QByteArray longa = "amr(acc);0.5;\r\nTempo;\r\n";
        QStringList tempos, ultimas;
        for (int i = 0; i < 12000; ++i) {
            const QByteArray t = QByteArray::number(i);
            longa += t + ";0.1;0.2;0.3;0.4;0.5;0.6;" + QByteArray::number(i % 7) + ";\r\n";
            tempos << QString(t);
            ultimas << QString::number(i % 7);
        }
        QTest::newRow("12,000 rows in CR LF") << longa << tempos << ultimas;
    }

    void tabela()
    {
        QFETCH(QByteArray, conteudo);
        AcessarArquivo a;
        a.lerDados(arquivo("Tempo;\n1;1;1;1;1;1;1;1;\n9;9;9;9;9;9;9;9;\n9;9;9;9;9;9;9;9;\n"));
        a.lerDados(arquivo(conteudo));
        // Cell by cell, as the charts and the report read the table.
        QFETCH(QStringList, coluna1);
        QCOMPARE(a.amostras(), coluna1.size());
        QStringList registros{Csv::linha({"time (hh:mm:ss)", QString::fromUtf8("amx (m/s²)"),
                                          QString::fromUtf8("amy (m/s²)"), QString::fromUtf8("amz (m/s²)"),
                                          QString::fromUtf8("amr (m/s²)"), "vdvx (m/s^1.75)",
                                          "vdvy (m/s^1.75)", "vdvz (m/s^1.75)"})};
        for (int l = 0; l < a.amostras(); ++l) {
            QCOMPARE(a.celula(l, 0), coluna1.at(l));
            registros << Csv::linha(a.celulas(l));
        }
        // Streamed as CSV, the same rows.
        const QString base = dir.filePath(QString("d%1").arg(n));
        escreverBytes(base + ".head", "nome_componente;C;\n");
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QCOMPARE(Csv::escreverTabelaComponente(base, &csv), Csv::Tabela::Escrita);
        QCOMPARE(QString::fromUtf8(csv.data()), registros.join(QString()));
        // The values above the table alone, without the table.
        AcessarArquivo valores;
        valores.lerValoresDados(base + ".dat");
        QCOMPARE(valores.getAmr(), AcessarArquivo(a).getAmr());
        QCOMPARE(valores.amostras(), 0);

        QTEST(a.getColuna1(), "coluna1");
        QTEST(a.getColuna8(), "coluna8");
        const int linhas = a.getColuna1().size();
        for (const QStringList &c : {a.getColuna2(), a.getColuna3(), a.getColuna4(),
                                     a.getColuna5(), a.getColuna6(), a.getColuna7(),
                                     a.getColuna8()})
            QCOMPARE(c.size(), linhas);
    }

    // A file without a table keeps the columns of the file read before it.
    void semTabelaMantemColunas()
    {
        AcessarArquivo a;
        a.lerDados(arquivo("Tempo;\n00:00:01;1;2;3;4;5;6;7;\n"));
        a.lerDados(arquivo("amr(acc);1;\nfreq;1;2;\n"));
        QCOMPARE(a.getColuna1(), QStringList{"00:00:01"});
        QCOMPARE(a.getColuna5(), QStringList{"4"});
    }

    // The table is turned into text on first use; a copy taken before that
    // keeps its own table whatever the original reads next.
    void copiaMantemTabela()
    {
        AcessarArquivo a;
        a.lerDados(arquivo("Tempo;\n00:00:01;1;2;3;4;5;6;7;\n"));
        const AcessarArquivo copia = a;
        a.lerDados(arquivo("Tempo;\n00:00:09;9;9;9;9;9;9;9;\n00:00:10;9;9;9;9;9;9;9;\n"));
        QCOMPARE(copia.getColuna1(), QStringList{"00:00:01"});
        QCOMPARE(a.getColuna1(), QStringList({"00:00:09", "00:00:10"}));
        a.limparComponente();
        QVERIFY(a.getColuna1().isEmpty());
        QCOMPARE(copia.getColuna4(), QStringList{"3"});
    }

    void arquivoAusenteNaoMuda()
    {
        AcessarArquivo a;
        a.lerDados(arquivo("amr(acc);1;\nfreq;1;2;\nTempo;\n0;1;2;3;4;5;6;7;\n"));
        a.lerDados(dir.filePath("nao-existe.res"));
        a.lerDados(dir.path());
        QCOMPARE(a.getAmr(), QString("1"));
        QCOMPARE(a.getFreq().size(), 2);
        QCOMPARE(a.getColuna1().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstLerDados)
#include "tst_lerdados.moc"
