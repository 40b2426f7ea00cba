#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "evaluation/edicao.h"
#include "medidateste.h"
#include "instrumentoteste.h"

#include <QtTest>

#include <cmath>

// The viewer's changes to the store: editing with recalculation and
// deleting, never outside the store.
class TstEdicao : public QObject
{
    Q_OBJECT

private:
    // A store with one measurement M of one whole-body partial exposure T.
    struct Armazem {
        QTemporaryDir dir;
        QString raiz;
        MedidaTeste m;
        QString corpo;
        Armazem()
            : raiz(dir.filePath("Z2registros") + "/")
            , m(raiz + "M")
        {
            QDir().mkpath(raiz + "Perfil");
            QDir().mkpath(raiz + "Arquivos PDF");
            escreverBytes(raiz + "Perfil/perfil.id", "A;B;C");
            m.exposicao("nome_exposicao;M-240102090507;\njornada_de_trabalho;08:00;\n"
                        "observacoes;nota;\n");
            corpo = m.parcial("T", "corpo", parcialInstrumento("T", 1, "00:10:00", "00:10:00", "00:30:00"));
            MedidaTeste::componente(corpo, "C1", dadosAmr(0.5), resultadoCorpo(2, 2, 2, 3, 3, 3));
            MedidaTeste::componente(corpo, "C2", dadosAmr(0.5), resultadoCorpo(2, 2, 2, 3, 3, 3));
            avaliar();
        }
        QStringList pastas() const { return LayoutMedida::pastasCorpo(m.pasta); }
        void avaliar() { Edicao::reavaliar(m.arquivoExposicao(), pastas()); }
        QString campo(const QString &arquivo, const char *chave) const
        {
            AcessarArquivo a;
            a.lerExposicao(arquivo);
            a.lerExposicaoParcial(arquivo);
            const QMap<QString, QString> v = {
                {"tempo_exp_total", a.getTempo_exp_total()}, {"are_corpo", a.getAre_corpo()},
                {"enable_corpo", a.getEnable_corpo()}, {"vdvexpx", a.getVdvexpx()},
                {"setor", a.getSetor()}, {"observacoes", a.getObservacoes()},
                {"nome_exposicao", a.getNome_exposicao()}};
            return v.value(chave);
        }
    };

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    // The total of a task, and whether typed values may be saved at all.
    void tempoTotal_data()
    {
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("repeticoes");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("problema"); // the field named, "" when it may be saved
        QTest::newRow("6 x 10 min") << "00:10:00" << "6" << "01:00:00" << "";
        QTest::newRow("13 x 2 h, past a day") << "02:00:00" << "13" << "26:00:00" << "";
        QTest::newRow("no repetitions") << "01:00:00" << "0" << "00:00:00" << "";
        QTest::newRow("one-digit hour") << "1:05:07" << "2" << "02:10:14" << "";
        QTest::newRow("100 h") << "10:00:00" << "10" << "100:00:00" << "";
        QTest::newRow("repetitions not a number") << "00:10:00" << "x" << "00:00:00" << "repetições";
        QTest::newRow("negative repetitions") << "00:10:00" << "-3" << "-00:30:00" << "repetições";
        QTest::newRow("repetitions with a blank") << "00:10:00" << "3 " << "00:30:00" << "repetições";
        QTest::newRow("duration not a number") << "abc" << "3" << "00:00:00" << "Tempo";
        QTest::newRow("99:99:99") << "99:99:99" << "1" << "100:40:39" << "Tempo";
        QTest::newRow("60 seconds") << "00:00:60" << "1" << "00:01:00" << "Tempo";
        QTest::newRow("one-digit minutes") << "1:5:07" << "2" << "02:10:14" << "Tempo";
        QTest::newRow("hours and minutes only") << "1:30" << "2" << "03:00:00" << "Tempo";
        QTest::newRow("empty mask") << "::" << "2" << "00:00:00" << "Tempo";
    }

    void tempoTotal()
    {
        QFETCH(QString, tempo);
        QFETCH(QString, repeticoes);
        QFETCH(QString, problema);
        QTEST(Edicao::tempoTotal(tempo, repeticoes), "total");
        const QString texto = Edicao::problemaParcial({"Prensa", repeticoes, tempo});
        QCOMPARE(texto.isEmpty(), problema.isEmpty());
        QVERIFY2(texto.contains(problema), qPrintable(texto));
        Armazem a;
        const QString parcial = a.corpo + "/T.id";
        const QByteArray antes = lerBytes(parcial);
        QString erro;
        QCOMPARE(Edicao::salvarParcial(a.corpo, {"Prensa", repeticoes, tempo}, a.m.arquivoExposicao(),
                                       a.pastas(), &erro),
                 problema.isEmpty());
        if (!problema.isEmpty()) {
            QCOMPARE(erro, texto);
            QCOMPARE(lerBytes(parcial), antes);
        }
    }

    // The total past 24 hours reaches the evaluation whole.
    void recalculoComTotalLongo()
    {
        Armazem a;
        QVERIFY(Edicao::salvarParcial(a.corpo, {"Prensa", "13", "02:00:00"}, a.m.arquivoExposicao(),
                                      a.pastas()));
        const QString parcial = a.corpo + "/T.id";
        QCOMPARE(a.campo(parcial, "tempo_exp_total"), QString("26:00:00"));
        // are = sqrt(0.5² x 13 x 7200 / 28800); vdvexp x = 1.4 x (2⁴ + 2⁴)^¼ x (93600 / 1800)^¼
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "are_corpo"),
                 QString::number(std::sqrt(0.25 * 13 * 7200 / 28800.0), 'g', 6));
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "vdvexpx"),
                 QString::number(1.4 * std::pow(32.0, 0.25) * std::pow(93600 / 1800.0, 0.25), 'g', 6));
        AcessarArquivo p;
        p.lerExposicaoParcial(parcial);
        QCOMPARE(p.getNome_exp_parcial(), QString("Prensa"));
        QCOMPARE(p.getNum_repeticao(), QString("13"));
    }

    void identificacao()
    {
        Armazem a;
        const QByteArray antes = lerBytes(a.m.arquivoExposicao());
        Edicao::Identificacao d{"Acme", "Ana", "Fabrica; Sul", QString::fromUtf8("José"), "Prensas",
                                "linha 1\nlinha 2"};
        QVERIFY(Edicao::salvarIdentificacao(a.m.arquivoExposicao(), d));
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "setor"), QString("Prensas"));
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "observacoes"), QString("linha 1\nlinha 2"));
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "are_corpo"), QString("0.0721688"));
        AcessarArquivo e;
        e.lerExposicao(a.m.arquivoExposicao());
        QCOMPARE(e.getEmpresa_avaliada(), QString("Fabrica; Sul"));
        QVERIFY(lerBytes(a.m.arquivoExposicao()) != antes);
        QVERIFY(!Edicao::salvarIdentificacao(a.raiz + "X/X.id", d));
        QVERIFY(!QFileInfo::exists(a.raiz + "X"));
    }

    void apagarExposicao_data()
    {
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<int>("resultado");
        QTest::newRow("a measurement") << "M" << int(Edicao::Resultado::Feito);
        QTest::newRow("the store") << "" << int(Edicao::Resultado::Recusado);
        QTest::newRow("the store, as .") << "." << int(Edicao::Resultado::Recusado);
        QTest::newRow("Perfil") << "Perfil" << int(Edicao::Resultado::Recusado);
        QTest::newRow("Arquivos PDF") << "Arquivos PDF" << int(Edicao::Resultado::Recusado);
        QTest::newRow("above the store") << ".." << int(Edicao::Resultado::Recusado);
        QTest::newRow("outside through ..") << "M/../../fora" << int(Edicao::Resultado::Recusado);
        QTest::newRow("a partial folder") << "M/T" << int(Edicao::Resultado::Recusado);
        QTest::newRow("a link out of the store") << "link" << int(Edicao::Resultado::Recusado);
        QTest::newRow("missing") << "nada" << int(Edicao::Resultado::Recusado);
    }

    void apagarExposicao()
    {
        QFETCH(QString, alvo);
        Armazem a;
        const QString fora = a.dir.filePath("fora");
        QDir().mkpath(fora);
        escreverBytes(fora + "/importante", "x");
        QFile::link(fora, a.raiz + "link");
        const auto antes = conteudoDe(a.dir.path());
        const int r = int(Edicao::apagarExposicao(a.raiz, a.raiz + alvo));
        QTEST(r, "resultado");
        QCOMPARE(lerBytes(fora + "/importante"), QByteArray("x"));
        QVERIFY(QFileInfo(a.raiz + "Perfil/perfil.id").isFile());
        if (r == int(Edicao::Resultado::Feito))
            QVERIFY(!QFileInfo::exists(a.m.pasta));
        else
            QCOMPARE(conteudoDe(a.dir.path()), antes);
    }

    void apagarParcialEComponente()
    {
        Armazem a;
        const QString mao = a.m.parcial("T", "mao", parcialInstrumento("T", 1, "00:10:00", "00:10:00", "00:30:00"));
        MedidaTeste::componente(mao, "C1", dadosAmr(2), "");
        a.avaliar();
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "enable_corpo"), QString("2"));

        QCOMPARE(int(Edicao::apagarComponente(a.raiz, a.corpo + "/C1", a.m.arquivoExposicao(), a.pastas())),
                 int(Edicao::Resultado::Feito));
        for (const char *ext : {".head", ".dat", ".res"})
            QVERIFY(!QFileInfo::exists(a.corpo + "/C1" + ext));
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "enable_corpo"), QString("1"));

        QCOMPARE(int(Edicao::apagarComponente(a.raiz, a.dir.filePath("x/C1"), a.m.arquivoExposicao(), a.pastas())),
                 int(Edicao::Resultado::Recusado));
        QCOMPARE(int(Edicao::apagarParcial(a.raiz, a.m.pasta + "/T", a.m.arquivoExposicao(), a.pastas())),
                 int(Edicao::Resultado::Recusado));
        QCOMPARE(int(Edicao::apagarParcial(a.raiz, a.raiz + "Perfil", a.m.arquivoExposicao(), a.pastas())),
                 int(Edicao::Resultado::Recusado));

        QCOMPARE(int(Edicao::apagarParcial(a.raiz, a.corpo, a.m.arquivoExposicao(), a.pastas())),
                 int(Edicao::Resultado::Feito));
        QVERIFY(!QFileInfo::exists(a.corpo));
        QVERIFY(QFileInfo::exists(mao + "/T.id"));
        // The whole-body results are those of no partial exposure now; the
        // count stays as the last evaluation left it.
        QCOMPARE(a.campo(a.m.arquivoExposicao(), "vdvexpx"), QString("0"));
    }
};

QTEST_GUILESS_MAIN(TstEdicao)
#include "tst_edicao.moc"
