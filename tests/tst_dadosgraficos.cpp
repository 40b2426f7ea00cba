#include "arquivos.h"
#include "data/acessararquivo.h"
#include "report/dadosgraficos.h"

#include <QtTest>

// What the two charts show, worked out without drawing.
class TstDadosGraficos : public QObject
{
    Q_OBJECT

private:
    // A component read from a data file of n samples with the given values,
    // one a second from 08:00:00 unless `hora` says otherwise.
    static AcessarArquivo componente(int n, const std::function<QString(int)> &valor,
                                     const std::function<QString(int)> &hora = {})
    {
        PastaTeste d;
        QByteArray dat = "Tempo;\n";
        for (int i = 0; i < n; ++i) {
            const QByteArray v = valor(i).toLatin1();
            dat += (hora ? hora(i) : QTime(8, 0).addSecs(i).toString("HH:mm:ss")).toLatin1() + ';' + v + ';' + v
                + ';' + v + ';' + v + ";0;0;0;\n";
        }
        AcessarArquivo a;
        a.lerComponente(d.arquivo("c.head", "inicio_comp;08:00:00;\nfim_comp;FIM;\n"));
        a.lerDados(d.arquivo("c.dat", dat));
        return a;
    }

private slots:
    // At most 1000 rows kept, evenly spaced from the first, the last kept.
    void desbastar_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("ficam");
        QTest::addColumn<int>("passo");
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("600: not thinned") << 600 << 600 << 1;
        QTest::newRow("1000: not thinned") << 1000 << 1000 << 1;
        QTest::newRow("1001: every other") << 1001 << 501 << 2;
        QTest::newRow("24 h at 1 s") << 86400 << 995 << 87;
        QTest::newRow("10 days at 1 s") << 864000 << 1000 << 865;
    }

    void desbastar()
    {
        QFETCH(int, n);
        QFETCH(int, passo);
        const QVector<int> k = DadosGraficos::desbastar(n);
        QTEST(int(k.size()), "ficam");
        QVERIFY(k.size() <= maximoAmostrasGrafico);
        if (k.isEmpty())
            return;
        QCOMPARE(k.first(), 0);
        QCOMPARE(k.last(), n - 1);
        for (int i = 1; i + 1 < k.size(); ++i)
            QCOMPARE(k.at(i) - k.at(i - 1), passo);
        QVERIFY(k.size() < 2 || k.last() - k.at(k.size() - 2) <= passo);
    }

    // The keys are the samples' times of day in seconds, so that the axis
    // is true to time; the next day goes on past 86,400.
    void chaves_data()
    {
        QTest::addColumn<QStringList>("horas");
        QTest::addColumn<QVector<double>>("chaves");
        QTest::addColumn<double>("fim");
        QTest::newRow("one a second") << QStringList{"08:00:00", "08:00:01", "08:00:02"}
                                      << QVector<double>{28800, 28801, 28802} << 28802.0;
        QTest::newRow("uneven") << QStringList{"08:35:26", "08:48:45", "09:05:26"}
                                << QVector<double>{30926, 31725, 32726} << 32726.0;
        QTest::newRow("across midnight") << QStringList{"23:59:58", "23:59:59", "00:00:00", "00:00:01"}
                                         << QVector<double>{86398, 86399, 86400, 86401} << 86401.0;
        QTest::newRow("not a time") << QStringList{"08:00:00", "x", "08:00:05"}
                                    << QVector<double>{28800, 28801, 28805} << 28805.0;
        QTest::newRow("one sample") << QStringList{"10:00:00"} << QVector<double>{36000} << 36001.0;
    }

    void chaves()
    {
        QFETCH(QStringList, horas);
        const DadosLinhas d = DadosGraficos::linhas(
            componente(int(horas.size()), [](int) { return "0.5"; }, [&](int i) { return horas.at(i); }));
        QTEST(d.chaves, "chaves");
        QCOMPARE(d.faixaX.first, d.chaves.first());
        QTEST(d.faixaX.second, "fim");
    }

    void faixas_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<double>("baixo");
        QTest::addColumn<double>("alto");
        QTest::newRow("0.2 to 1.0") << 3 << QStringList{"0.2", "1.0", "0.5"} << 0.18 << 1.1;
        QTest::newRow("not a number counts as 0") << 3 << QStringList{"0.5", "x", "1.0"} << 0.0 << 1.1;
        QTest::newRow("flat") << 2 << QStringList{"0", "0"} << -1.0 << 1.0;
        QTest::newRow("empty") << 0 << QStringList{} << 0.0 << 1.0;
    }

    void faixas()
    {
        QFETCH(int, n);
        QFETCH(QStringList, valores);
        QFETCH(double, baixo);
        QFETCH(double, alto);
        const DadosLinhas d = DadosGraficos::linhas(componente(n, [&](int i) { return valores.at(i); }));
        QVERIFY2(qAbs(d.faixaY.first - baixo) < 1e-12, qPrintable(QString::number(d.faixaY.first)));
        QVERIFY2(qAbs(d.faixaY.second - alto) < 1e-12, qPrintable(QString::number(d.faixaY.second)));
    }

    void series()
    {
        const DadosLinhas d = DadosGraficos::linhas(componente(4, [](int i) { return QString::number(i); }));
        for (int s = 0; s < 4; ++s)
            QCOMPARE(d.series[s], QVector<double>({0, 1, 2, 3}));
        QCOMPARE(d.chaves, QVector<double>({28800, 28801, 28802, 28803}));
    }

    void bandas_data()
    {
        QTest::addColumn<QStringList>("freq");
        QTest::addColumn<QStringList>("vibracao");
        QTest::addColumn<QVector<double>>("valores");
        QTest::addColumn<double>("alto");
        QTest::addColumn<double>("direita");
        QTest::newRow("three bands") << QStringList{"8", "16", "31.5"} << QStringList{"0.5", "1.2", "0.9"}
                                     << QVector<double>{0.5, 1.2, 0.9} << 1.56 << 4.0;
        QTest::newRow("fewer values") << QStringList{"8", "16", "31.5"} << QStringList{"0.5", "1.2"}
                                      << QVector<double>{0.5, 1.2} << 1.56 << 3.0;
        QTest::newRow("fewer labels") << QStringList{"8"} << QStringList{"0.5", "1.2"}
                                      << QVector<double>{0.5} << 0.65 << 2.0;
        QTest::newRow("zeros and words") << QStringList{"1", "2", "3"} << QStringList{"0", "x", "0"}
                                         << QVector<double>{0, 0, 0} << 1.0 << 4.0;
    }

    void bandas()
    {
        QFETCH(QStringList, freq);
        QFETCH(QStringList, vibracao);
        QFETCH(QVector<double>, valores);
        QFETCH(double, alto);
        QFETCH(double, direita);
        const DadosBandas d = DadosGraficos::bandas(freq, vibracao);
        QCOMPARE(d.valores, valores);
        QCOMPARE(d.chaves.size(), valores.size());
        QCOMPARE(d.rotulos, freq.mid(0, valores.size()));
        QVERIFY2(qAbs(d.faixaY.second - alto) < 1e-12, qPrintable(QString::number(d.faixaY.second)));
        QCOMPARE(d.faixaY.first, 0.0);
        QCOMPARE(d.faixaX, qMakePair(0.0, direita));
    }
};

QTEST_GUILESS_MAIN(TstDadosGraficos)
#include "tst_dadosgraficos.moc"

