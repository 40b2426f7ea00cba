#include "data/acessararquivo.h"
#include "medidateste.h"
#include "report/dadosgraficos.h"
#include "report/layoutrelatorio.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the layout draws, page by page.
struct Pagina {
    QStringList textos;               // "x,y:text"
    QMap<QString, QPointF> posicoes;  // text -> where (the first one)
    int linhas = 0;
    int graficosLinhas = 0;
    int graficosBandas = 0;
};

class Gravador : public DestinoRelatorio
{
public:
    QVector<Pagina> paginas{Pagina()};

    std::function<void(int)> aoVirar; // told of each new page's index
    void novaPagina() override
    {
        paginas.append(Pagina());
        if (aoVirar)
            aoVirar(int(paginas.size()) - 1);
    }
    void texto(const QPointF &base, FonteRelatorio, const QString &t, double) override
    {
        paginas.last().textos << QString("%1,%2:%3").arg(base.x()).arg(base.y()).arg(t);
        if (!paginas.last().posicoes.contains(t))
            paginas.last().posicoes.insert(t, base);
    }
    void linha(const QPointF &, const QPointF &) override { ++paginas.last().linhas; }
    void celulaColorida(const QRectF &onde, TabelasAvaliacao::Cor cor, const QString &t) override
    {
        texto(onde.topLeft(), FonteRelatorio::CelulaTabela, QString("[%1]%2").arg(int(cor)).arg(t), 0);
    }
    void logotipo(const QRectF &) override {}
    void graficoLinhas(const QString &, const QPointF &) override
    {
        ++paginas.last().graficosLinhas;
    }
    void graficoBandas(const QString &, const QPointF &) override
    {
        ++paginas.last().graficosBandas;
    }

    // The first line of each page after the header, to tell pages apart.
    QStringList titulos() const
    {
        QStringList t;
        for (const Pagina &p : paginas)
            t << (p.textos.size() > 1 ? p.textos.at(1).section(':', 1) : QString());
        return t;
    }
};

QByteArray tabela(int amostras)
{
    QByteArray t = "Tempo;\n";
    for (int i = 0; i < amostras; ++i)
        t += "t" + QByteArray::number(i) + ";1;2;3;4;5;6;7;\n";
    return t;
}

} // namespace

// The report's pages and the two charts, worked out without a printer.
class TstLayoutRelatorio : public QObject
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

    // A measurement with `parciais` partial exposures of one component of
    // `amostras` samples each, on the given body parts.
    static QString medida(QTemporaryDir &d, int parciais, int amostras, bool corpo, bool mao,
                          const QByteArray &res = "freq;1;2;3;\nvibracao;9;8;7;\n",
                          const QByteArray &observacoes = "Nada a observar")
    {
        MedidaTeste m(d.filePath("e_240102090507"));
        m.exposicao("nome_exposicao;Prensa-240102090507;\nid_equipamento;KT7;\nenable_corpo;"
                    + QByteArray(corpo ? "1" : "0") + ";\nenable_mao;" + QByteArray(mao ? "1" : "0")
                    + ";\nresponsavel_tecnico;Ana;\nobservacoes;" + observacoes + ";\n");
        for (int p = 1; p <= parciais; ++p) {
            const QString nome = QString("T%1").arg(p);
            for (const char *s : {"corpo", "mao"}) {
                if ((QByteArray(s) == "corpo" && !corpo) || (QByteArray(s) == "mao" && !mao))
                    continue;
                const QString pasta = m.parcial(nome, s, parcialInstrumento("Tarefa", 2, "00:10:00", "00:20:00", "00:05:00"));
                MedidaTeste::componente(pasta, "C1", "amx(acc);0.4;\n" + tabela(amostras), res);
            }
        }
        return m.pasta;
    }

private slots:
    // The page a table row goes on, and how many pages a table of that many
    // rows takes (one, without rows); no two rows of a page on one cell,
    // none off the A4 page.
    void numeros_data()
    {
        QTest::addColumn<int>("linha");
        QTest::addColumn<bool>("corpo");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("paginas"); // of a table ending at this row
        QTest::newRow("first row") << 0 << true << 0 << 1;
        QTest::newRow("106th row") << 105 << true << 0 << 1;
        QTest::newRow("107th row, next page") << 106 << true << 1 << 2;
        QTest::newRow("86,400th row") << 86399 << true << 815 << 816;
        QTest::newRow("hand-arm, 212th row") << 211 << false << 0 << 1;
        QTest::newRow("hand-arm, 213th row") << 212 << false << 1 << 2;
    }

    void numeros()
    {
        QFETCH(int, linha);
        QFETCH(bool, corpo);
        QTEST(LayoutRelatorio::paginaDaLinha(linha, corpo), "pagina");
        QTEST(LayoutRelatorio::paginasDeTabela(linha + 1, corpo), "paginas");
        QCOMPARE(LayoutRelatorio::paginasDeTabela(0, corpo), 1);
        QSet<QPair<double, double>> celulas;
        const int porPagina = corpo ? 106 : 212;
        for (int r = 0; r < porPagina; ++r) {
            const QPointF c = LayoutRelatorio::celula(r, 0, corpo);
            QVERIFY(QRectF(0, 0, 595, 842).contains(c));
            celulas.insert({c.x(), c.y()});
        }
        QCOMPARE(celulas.size(), porPagina);
        QCOMPARE(LayoutRelatorio::celula(porPagina, 0, corpo), LayoutRelatorio::celula(0, 0, corpo));
    }

    // Page order: first page, summaries, then per component its details
    // page and its table pages; the hand-arm section after the body's. Told
    // of each component before its pages; stopped, the report ends there,
    // without the assessment page. The first page: the instrument, a block
    // for each body part measured, the observation (one too long for it
    // going on to the next page) and, where it ends, the technician signing
    // under it; on a details page, the line chart always and the bands'
    // chart when the result file has two bands or more.
    void ordemDasPaginas_data()
    {
        QTest::addColumn<int>("paraEm"); // the component it is stopped before, -1: none
        QTest::addColumn<int>("parciais");
        QTest::addColumn<int>("amostras");
        QTest::addColumn<bool>("corpo");
        QTest::addColumn<bool>("mao");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<bool>("cortado"); // the data file cut to a few rows as its table starts
        QTest::addColumn<QByteArray>("res");
        QTest::addColumn<QByteArray>("observacoes");
        const QString id = QString::fromUtf8("Identificação: ");
        const QString av = QString::fromUtf8("Avaliação da exposição");
        const QString resumoCorpo = QString::fromUtf8("Exposições Parciais de Corpo");
        const QString resumoMao = QString::fromUtf8("Exposições Parciais de Mãos e Braços");
        const auto comp = [](int n) { return QString::fromUtf8(" Componentes de Corpo - Exposição Parcial %1").arg(n); };
        const auto compMao = [](int n) { return QString::fromUtf8(" Componentes de Mãos e Braços - Exposição Parcial %1").arg(n); };
        const auto linha = [](const char *nome, int paraEm, int parciais, int amostras, bool corpo, bool mao,
                              const QStringList &titulos, bool cortado = false,
                              const QByteArray &res = "freq;1;2;3;\nvibracao;9;8;7;\n",
                              const QByteArray &observacoes = "Nada a observar") {
            QTest::newRow(nome) << paraEm << parciais << amostras << corpo << mao << titulos << cortado << res << observacoes;
        };
        linha("four partials, one summary page", -1, 4, 10, true, false,
              {id, resumoCorpo, comp(1), comp(1), comp(2), comp(2), comp(3), comp(3), comp(4), comp(4), av});
        linha("five partials, two summary pages", -1, 5, 10, true, false,
              {id, resumoCorpo, resumoCorpo, comp(1), comp(1), comp(2), comp(2), comp(3), comp(3), comp(4), comp(4), comp(5),
               comp(5), av});
        linha("106 samples", -1, 1, 106, true, false, {id, resumoCorpo, comp(1), comp(1), av});
        linha("107 samples", -1, 1, 107, true, false, {id, resumoCorpo, comp(1), comp(1), comp(1), av});
        linha("hand-arm only", -1, 1, 213, false, true, {id, resumoMao, compMao(1), compMao(1), compMao(1), av});
        linha("both", -1, 1, 10, true, true, {id, resumoCorpo, comp(1), comp(1), resumoMao, compMao(1), compMao(1), av});
        linha("no results", -1, 1, 10, false, false, {id, av});
        linha("stopped before the first component", 0, 2, 10, true, false, {id, resumoCorpo});
        linha("stopped before the second", 1, 2, 10, true, false, {id, resumoCorpo, comp(1), comp(1)});
        // Read as they are drawn, rows that stop coming fail the report.
        linha("data file cut while drawn", -1, 1, 30000, true, false, {id, resumoCorpo, comp(1), comp(1)}, true);
        linha("one band", -1, 1, 10, false, true, {id, resumoMao, compMao(1), compMao(1), av}, false, "freq;1;\nvibracao;1;\n");
        linha("no bands", -1, 1, 10, false, true, {id, resumoMao, compMao(1), compMao(1), av}, false, "FC_x;2;\n");
        QByteArray longa;
        for (int i = 0; i < 30; ++i)
            longa += "linha " + QByteArray::number(i) + "\n";
        linha("a long observation", -1, 1, 10, false, true, {id, "", resumoMao, compMao(1), compMao(1), av}, false,
              "FC_x;2;\n", longa + QByteArray(200, 'x'));
    }

    void ordemDasPaginas()
    {
        QFETCH(int, paraEm);
        QFETCH(int, parciais);
        QFETCH(int, amostras);
        QFETCH(bool, corpo);
        QFETCH(bool, mao);
        QFETCH(bool, cortado);
        QFETCH(QByteArray, res);
        QFETCH(QByteArray, observacoes);
        QTemporaryDir d;
        Gravador g;
        const QString pasta = medida(d, parciais, amostras, corpo, mao, res, observacoes);
        const QString dat = LayoutRelatorio::componentesDoRelatorio(pasta).value(0) + ".dat";
        if (cortado)
            g.aoVirar = [&](int pagina) {
                if (pagina == 3)
                    QFile(dat).resize(200);
            };
        QVector<QPoint> chamadas;
        QString erro;
        const bool inteiro = LayoutRelatorio::compor(pasta, g, &erro, [&](int feitos, int total) {
            chamadas << QPoint(feitos, total);
            return feitos != paraEm;
        });
        const bool longa = observacoes.size() > 200;
        QStringList titulos = cortado ? g.titulos().mid(0, 4) : g.titulos();
        if (longa)
            titulos[1].clear(); // the observation going on
        QTEST(titulos, "titulos");
        // Hand-arm components have no dose values.
        for (int p = 0; p < g.paginas.size(); ++p)
            QVERIFY(!g.titulos().at(p).contains(QString::fromUtf8("Mãos e Braços - Exposição"))
                    || g.paginas.at(p).textos.filter("VDV").isEmpty());
        QCOMPARE(inteiro, paraEm < 0 && !cortado);
        QCOMPARE(erro.startsWith(dat + ": "), cortado);
        // The verdict page: band and status cells on their colours, and why
        // the two criteria differ.
        if (inteiro) {
            QCOMPARE(g.paginas.last().textos.filter(QRegularExpression(":\\[[1-5]\\]")).isEmpty(), !corpo && !mao);
            QCOMPARE(g.paginas.last().textos.filter(QString::fromUtf8(":Os dois critérios")).size(), 1);
        }
        const int componentes = parciais * (int(corpo) + int(mao));
        QCOMPARE(chamadas.size(), paraEm < 0 ? componentes : paraEm + 1);
        for (int i = 0; i < chamadas.size(); ++i)
            QCOMPARE(chamadas.at(i), QPoint(i, componentes));
        const Pagina &p = g.paginas.first();
        for (const char *texto : {"Relatório Medidor de Vibração - KT9400 - KT7", "Observações:", longa ? "linha 0" : "Nada a observar"})
            QVERIFY2(p.posicoes.contains(QString::fromUtf8(texto)), texto);
        QCOMPARE(p.posicoes.contains("Resultante de Corpo"), corpo);
        QCOMPARE(p.posicoes.contains(QString::fromUtf8("Resultante de Mãos e Braços")), mao);
        QCOMPARE(p.textos.filter(QRegularExpression(":Jornada de Trabalho:  $")).size(), 1); // unset: one blank
        const Pagina &fim = g.paginas.at(longa ? 1 : 0);
        QVERIFY(fim.posicoes.contains("Ana") && fim.posicoes.contains(longa ? "linha 29" : "Observações:"));
        int xs = 0;
        for (const QString &t : fim.textos) {
            xs += t.contains("xxx");
            QVERIFY(!t.contains("xxx") || t.section(':', 1).size() <= LayoutRelatorio::caracteresPorLinhaObservacao);
        }
        QCOMPARE(xs, longa ? 3 : 0);
        const int detalhes = g.titulos().indexOf(QRegularExpression(" Componentes de .*"));
        if (detalhes > 0) {
            const Pagina &pd = g.paginas.at(detalhes);
            QVERIFY(pd.graficosLinhas == 1 && pd.posicoes.contains(QString::fromUtf8("Variáveis:")));
            QCOMPARE(pd.graficosBandas, int(res.startsWith("freq;") && res.split('\n').first().count(';') > 2));
        }
    }

    // A report drawn in two parts, split at any page, has the pages of the
    // whole one; the count comes without drawing.
    void partes_data()
    {
        QTest::addColumn<int>("corte");
        QTest::newRow("after the first page") << 1;
        QTest::newRow("within a table") << 4;
        QTest::newRow("before the last page") << -1;
    }

    void partes()
    {
        QFETCH(int, corte);
        QTemporaryDir d;
        const QString pasta = medida(d, 2, 107, true, true);
        Gravador inteiro;
        LayoutRelatorio::compor(pasta, inteiro);
        const int total = int(inteiro.paginas.size());
        // Rows 106 and 107 of the first component's table, where its pages end.
        QCOMPARE(inteiro.paginas.at(3).textos.filter(QRegularExpression(":t\\d+$")).last().section(':', 1), QString("t105"));
        QCOMPARE(inteiro.paginas.at(4).textos.filter(QRegularExpression(":t\\d+$")).size(), 1);
        QVector<int> comGraficos;
        QCOMPARE(LayoutRelatorio::contarPaginas(pasta, &comGraficos), total);
        QCOMPARE(comGraficos.size(), 4); // one details page per component
        for (const int p : comGraficos)
            QCOMPARE(inteiro.paginas.at(p).graficosLinhas, 1);
        if (corte < 0)
            corte += total;
        Gravador primeira, segunda;
        QVERIFY(LayoutRelatorio::compor(pasta, primeira, nullptr, {}, 0, corte));
        QVERIFY(LayoutRelatorio::compor(pasta, segunda, nullptr, {}, corte, total));
        QCOMPARE(primeira.paginas.size(), corte);
        QCOMPARE(primeira.titulos() + segunda.titulos(), inteiro.titulos());
        for (int p = 0; p < total; ++p) {
            const Pagina &parte = p < corte ? primeira.paginas.at(p) : segunda.paginas.at(p - corte);
            QCOMPARE(parte.textos, inteiro.paginas.at(p).textos);
            QCOMPARE(parte.linhas, inteiro.paginas.at(p).linhas);
            QCOMPARE(parte.graficosLinhas, inteiro.paginas.at(p).graficosLinhas);
        }
    }

    // Where the parts of a report drawn at once start: about the same work
    // each, no part empty.
    void cortes_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QVector<int>>("comGraficos");
        QTest::addColumn<int>("partes");
        QTest::addColumn<QVector<int>>("limites");
        QTest::newRow("no charts, halves") << 10 << QVector<int>{} << 2 << QVector<int>{0, 5, 10};
        QTest::newRow("three parts") << 9 << QVector<int>{} << 3 << QVector<int>{0, 3, 6, 9};
        QTest::newRow("never an empty part") << 2 << QVector<int>{0} << 2 << QVector<int>{0, 1, 2};
    }

    void cortes()
    {
        QFETCH(int, total);
        QFETCH(QVector<int>, comGraficos);
        QFETCH(int, partes);
        QTEST(LayoutRelatorio::cortes(total, comGraficos, partes), "limites");
    }

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

    // The line chart: its keys the samples' times of day in seconds, so
    // that the axis is true to time (the next day going on past 86,400);
    // each series its column, a value that is not a number counting as 0;
    // the value axis a tenth beyond the values, or -1 to 1 when they are
    // all 0.
    void linhas_data()
    {
        QTest::addColumn<QStringList>("horas");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QVector<double>>("chaves");
        QTest::addColumn<double>("fim");
        QTest::addColumn<QVector<double>>("faixaY");
        QTest::newRow("one a second") << QStringList{"08:00:00", "08:00:01", "08:00:02"} << QStringList{"0.2", "1.0", "0.5"}
                                      << QVector<double>{28800, 28801, 28802} << 28802.0 << QVector<double>{0.18, 1.1};
        QTest::newRow("uneven, not a number") << QStringList{"08:35:26", "08:48:45", "09:05:26"}
                                              << QStringList{"0.5", "x", "1.0"} << QVector<double>{30926, 31725, 32726}
                                              << 32726.0 << QVector<double>{0, 1.1};
        QTest::newRow("across midnight, flat") << QStringList{"23:59:58", "23:59:59", "00:00:00", "00:00:01"}
                                               << QStringList{"0", "0", "0", "0"}
                                               << QVector<double>{86398, 86399, 86400, 86401} << 86401.0
                                               << QVector<double>{-1, 1};
        QTest::newRow("not a time") << QStringList{"08:00:00", "x", "08:00:05"} << QStringList{"0.2", "1.0", "0.5"}
                                    << QVector<double>{28800, 28801, 28805} << 28805.0 << QVector<double>{0.18, 1.1};
        QTest::newRow("one sample") << QStringList{"10:00:00"} << QStringList{"0"} << QVector<double>{36000} << 36001.0
                                    << QVector<double>{-1, 1};
    }

    void linhas()
    {
        QFETCH(QStringList, horas);
        QFETCH(QStringList, valores);
        QFETCH(QVector<double>, faixaY);
        const DadosLinhas d = DadosGraficos::linhas(componente(
            int(horas.size()), [&](int i) { return valores.at(i); }, [&](int i) { return horas.at(i); }));
        QTEST(d.chaves, "chaves");
        QCOMPARE(d.faixaX.first, d.chaves.first());
        QTEST(d.faixaX.second, "fim");
        QVERIFY2(qAbs(d.faixaY.first - faixaY.at(0)) < 1e-12 && qAbs(d.faixaY.second - faixaY.at(1)) < 1e-12,
                 qPrintable(QString("%1 to %2").arg(d.faixaY.first).arg(d.faixaY.second)));
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < horas.size(); ++i)
                QCOMPARE(d.series[s].at(i), valores.at(i).toDouble());
        const DadosLinhas vazio = DadosGraficos::linhas(componente(0, {}));
        QVERIFY(vazio.chaves.isEmpty() && vazio.faixaY == qMakePair(0.0, 1.0));
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

QTEST_GUILESS_MAIN(TstLayoutRelatorio)
#include "tst_layoutrelatorio.moc"
