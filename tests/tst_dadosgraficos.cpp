#include "arquivos.h"
#include "data/acessararquivo.h"
#include "report/dadosgraficos.h"

#include <QtTest>

// What the two charts show, worked out without drawing.
class TstDadosGraficos : public QObject
{
    Q_OBJECT

private:
    // A component read from a data file of n samples with the given values.
    static AcessarArquivo componente(int n, const std::function<QString(int)> &valor)
    {
        PastaTeste d;
        QByteArray dat = "Tempo;\n";
        for (int i = 0; i < n; ++i) {
            const QByteArray v = valor(i).toLatin1();
            dat += QTime(8, 0).addSecs(i).toString("HH:mm:ss").toLatin1() + ';' + v + ';' + v
                + ';' + v + ';' + v + ";0;0;0;\n";
        }
        AcessarArquivo a;
        a.lerComponente(d.arquivo("c.head", "inicio_comp;08:00:00;\nfim_comp;FIM;\n"));
        a.lerDados(d.arquivo("c.dat", dat));
        return a;
    }

private slots:
    void desbastar_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("ficam");
        QTest::addColumn<QVector<int>>("inicio");
        QTest::addColumn<int>("ultima");
        QTest::newRow("none") << 0 << 0 << QVector<int>{} << -1;
        QTest::newRow("600: not thinned") << 600 << 600 << QVector<int>{0, 1, 2} << 599;
        QTest::newRow("1000: not thinned") << 1000 << 1000 << QVector<int>{0, 1} << 999;
        QTest::newRow("1001: one pass") << 1001 << 667 << QVector<int>{1, 3, 5} << 1000;
        QTest::newRow("1500: one pass") << 1500 << 999 << QVector<int>{1, 3, 5} << 1499;
        QTest::newRow("2000: two passes") << 2000 << 888 << QVector<int>{} << 1999;
        QTest::newRow("24 h at 1 s") << 86400 << -1 << QVector<int>{} << 86399;
    }

    void desbastar()
    {
        QFETCH(int, n);
        QFETCH(int, ficam);
        QFETCH(QVector<int>, inicio);
        QFETCH(int, ultima);
        const QVector<int> k = DadosGraficos::desbastar(n);
        if (ficam >= 0)
            QCOMPARE(k.size(), ficam);
        QVERIFY(k.size() <= maximoAmostrasGrafico);
        QCOMPARE(k.mid(0, inicio.size()), inicio);
        QCOMPARE(k.isEmpty() ? -1 : k.last(), ultima);
        for (int i = 1; i < k.size(); ++i)
            QVERIFY(k.at(i - 1) < k.at(i));
    }

    // 1500 samples keep the samples 1, 3, ... 999, then the last 499.
    void desbastar1500()
    {
        const QVector<int> k = DadosGraficos::desbastar(1500);
        QCOMPARE(k.at(499), 999);
        QCOMPARE(k.at(500), 1001);
        QCOMPARE(k.size() - 500, 499);
    }

    void rotulos_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("rotulados");
        QTest::newRow("600") << 600 << QList<int>{0, 150, 300, 450, 599};
        QTest::newRow("3") << 3 << QList<int>{0, 2};
        QTest::newRow("2") << 2 << QList<int>{0};
        QTest::newRow("1") << 1 << QList<int>{};
    }

    void rotulos()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, rotulados);
        const DadosLinhas d = DadosGraficos::linhas(componente(n, [](int) { return "0.5"; }));
        QCOMPARE(d.chaves.size(), n);
        QCOMPARE(d.rotulos.size(), n);
        for (int i = 0; i < n; ++i) {
            if (!rotulados.contains(i))
                QCOMPARE(d.rotulos.at(i), QString(" "));
        }
        if (rotulados.isEmpty())
            return;
        QCOMPARE(d.rotulos.at(0), QString("08:00:00"));
        if (rotulados.size() > 1)
            QCOMPARE(d.rotulos.at(rotulados.last()), QString("FIM"));
        for (int i : rotulados.mid(1, rotulados.size() - 2))
            QCOMPARE(d.rotulos.at(i), QTime(8, 0).addSecs(i).toString("HH:mm:ss"));
        QCOMPARE(d.faixaX, qMakePair(0.5, n + 0.5));
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
        QCOMPARE(d.chaves, QVector<double>({1, 2, 3, 4}));
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

