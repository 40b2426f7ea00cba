#include "instrumentoteste.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// The simulated instrument and the command line that writes it.
class TstSimulador : public QObject
{
    Q_OBJECT

private:
    static int executar(const QStringList &args, QByteArray *saida = nullptr)
    {
        QProcess p;
        p.start(KT_CLI, args);
        p.waitForFinished(60000);
        if (saida)
            *saida = p.readAllStandardOutput() + p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void medidasComoOInstrumento()
    {
        QTemporaryDir d;
        OpcoesSimulacao o;
        o.medidas = 5;
        o.componentes = 3;
        o.amostras = 120;
        QString erro;
        QVERIFY2(simularInstrumento(d.path(), o, &erro), qPrintable(erro));
        const QString dados = d.filePath("DATA");
        QVERIFY(QFileInfo(dados + "/Crv_vib.cfg").isFile());
        const QStringList medidas = LayoutMedida::medidas(dados);
        QCOMPARE(medidas.size(), 5);

        QSet<QString> nomesDownload;
        bool viuCorpo = false, viuMao = false;
        for (const QString &m : medidas) {
            nomesDownload << LayoutMedida::nomeDownload(QFileInfo(m).lastModified());
            AcessarArquivo e;
            e.lerExposicao(LayoutMedida::arquivoExposicao(m));
            QVERIFY(e.getNome_exposicao().contains('-'));
            QCOMPARE(e.getJornada_de_trabalho(), QString("08:00"));
            int componentes = 0;
            for (const QString &corpo : LayoutMedida::pastasCorpo(m)) {
                if (!QFileInfo::exists(LayoutMedida::arquivoParcial(corpo)))
                    continue;
                const bool ehCorpo = corpo.endsWith("/corpo");
                (ehCorpo ? viuCorpo : viuMao) = true;
                AcessarArquivo p;
                p.lerExposicaoParcial(LayoutMedida::arquivoParcial(corpo));
                QVERIFY(p.getNum_repeticao().toInt() >= 1);
                QCOMPARE(p.getTempo_amostrado(), QString("00:06:00"));
                for (const QString &base : LayoutMedida::componentes(corpo)) {
                    ++componentes;
                    AcessarArquivo c;
                    c.lerComponente(base + ".head");
                    c.lerDados(base + ".dat");
                    c.lerDados(base + ".res");
                    QCOMPARE(c.getTipo_de_sensor_comp(), QString(ehCorpo ? "corpo" : "mao"));
                    QCOMPARE(c.getColuna1().size(), 120);
                    QCOMPARE(c.getColuna8().size(), 120);
                    QVERIFY2(c.getAmr().toDouble() > 0, qPrintable(c.getAmr()));
                    QVERIFY(c.getFreq().size() >= 3 && c.getFreq().size() == c.getVibracao().size());
                }
            }
            QCOMPARE(LayoutMedida::contarArquivosHead(m), componentes);
        }
        QVERIFY(viuCorpo && viuMao);
        QCOMPARE(nomesDownload.size(), 5); // every measurement downloads under its own name
    }

    void deterministico()
    {
        QTemporaryDir a, b, c;
        OpcoesSimulacao o;
        o.semente = 42;
        QString erro;
        QVERIFY(simularInstrumento(a.path(), o, &erro));
        QVERIFY(simularInstrumento(b.path(), o, &erro));
        o.semente = 43;
        QVERIFY(simularInstrumento(c.path(), o, &erro));
        QCOMPARE(conteudoDe(a.path()), conteudoDe(b.path()));
        QVERIFY(conteudoDe(a.path()) != conteudoDe(c.path()));
    }

    void linhaDeComando_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("nothing") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
        QTest::newRow("no DIR") << QStringList{"simulate"} << 2;
        QTest::newRow("bad number") << QStringList{"simulate", "x", "--samples", "many"} << 2;
        QTest::newRow("negative") << QStringList{"simulate", "x", "--measurements", "-1"} << 2;
        QTest::newRow("missing value") << QStringList{"simulate", "x", "--seed"} << 2;
        QTest::newRow("unknown option") << QStringList{"simulate", "x", "--fast"} << 2;
        QTest::newRow("two DIRs") << QStringList{"simulate", "x", "y"} << 2;
    }

    void linhaDeComando()
    {
        QFETCH(QStringList, args);
        QByteArray saida;
        QTEST(executar(args, &saida), "status");
        QVERIFY(saida.contains("Usage: kt9400-cli"));
    }

    void linhaDeComandoEscreve()
    {
        QTemporaryDir d;
        QCOMPARE(executar({"simulate", d.path(), "--measurements", "2", "--components", "1",
                           "--samples", "10", "--short-config", "--seed", "5"}),
                 0);
        QVERIFY(QFileInfo(d.filePath("DATA/KT9400.cfg")).isFile());
        QVERIFY(!QFileInfo::exists(d.filePath("DATA/Crv_vib.cfg")));
        QCOMPARE(LayoutMedida::medidas(d.filePath("DATA")).size(), 2);
        AcessarArquivo a;
        a.lerConfiguracao(d.filePath("DATA/KT9400.cfg"));
        QVERIFY(a.getId_equipamentoConfig().startsWith("KT"));
    }

    void destinoImpossivel()
    {
        QTemporaryDir d;
        escreverBytes(d.filePath("arquivo"), "x");
        QByteArray saida;
        QCOMPARE(executar({"simulate", d.filePath("arquivo")}, &saida), 1);
        QVERIFY(saida.contains("cannot"));
    }
};

QTEST_GUILESS_MAIN(TstSimulador)
#include "tst_simulador.moc"
