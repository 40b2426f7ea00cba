#include "evaluation/calculoexposicao.h"
#include "data/layoutmedida.h"
#include "medidateste.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// The key;value; lines of a written file, read byte-wise and independently
// of the program's reader.
QMap<QByteArray, QByteArray> campos(const QString &caminho)
{
    QMap<QByteArray, QByteArray> m;
    for (const QByteArray &linha : lerBytes(caminho).split('\n')) {
        const int p = linha.indexOf(';');
        if (p > 0 && linha.endsWith(';'))
            m.insert(linha.left(p), linha.mid(p + 1, linha.size() - p - 2));
    }
    return m;
}

const QByteArray exposicaoInstrumento = "nome_exposicao;Operador-240102090507;\n"
                                        "id_equipamento;KT1;\ntipo_de_sensor;corpo;\n"
                                        "data_criacao;02/01/2024;\njornada_de_trabalho;08:00;\n";

} // namespace

// Exposure evaluation, through real measurement folders.
class TstCalculoExposicao : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int n = 0;
    MedidaTeste nova()
    {
        return MedidaTeste(dir.filePath(QString("M%1").arg(++n)));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void segundosDeTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("partes");
        QTest::addColumn<double>("segundos");
        QTest::newRow("10 min") << "00:10:00" << 3 << 600.0;
        QTest::newRow("out of range") << "1:90:00" << 3 << 9000.0;
        QTest::newRow("workday") << "8:00" << 2 << 28800.0;
        QTest::newRow("workday, seconds ignored") << "08:30:59" << 2 << 30600.0;
        QTest::newRow("beyond a day") << "26:00:00" << 3 << 93600.0;
        QTest::newRow("hours only") << "08" << 3 << 28800.0;
        QTest::newRow("empty") << "" << 3 << 0.0;
        QTest::newRow("unset blank") << " " << 2 << 0.0;
        QTest::newRow("letters") << "a:b:c" << 3 << 0.0;
        QTest::newRow("blanks around") << " 01 : 02 : 03 " << 3 << 3723.0;
    }

    void segundosDeTexto()
    {
        QFETCH(QString, texto);
        QFETCH(int, partes);
        QTEST(CalculoExposicao::segundosDeTexto(texto, partes), "segundos");
    }

    void numero_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("plain") << "0.5" << 0.5;
        QTest::newRow("blanks") << " 0.5 " << 0.5;
        QTest::newRow("decimal comma") << "0,5" << 0.0;
        QTest::newRow("unset") << " " << 0.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("negative") << "-2" << -2.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
        QTest::newRow("overflow") << "1e999" << 0.0;
    }

    void numero()
    {
        QFETCH(QString, texto);
        QTEST(CalculoExposicao::numero(texto), "valor");
    }

    // One partial exposure with arep 0.5 and six repetitions of ten minutes.
    void jornada_data()
    {
        QTest::addColumn<QByteArray>("jornada");
        QTest::addColumn<QByteArray>("are");
        QTest::addColumn<QByteArray>("aren");
        QTest::newRow("08:00") << QByteArray("08:00") << QByteArray("0.176777")
                               << QByteArray("0.176777");
        QTest::newRow("04:00") << QByteArray("04:00") << QByteArray("0.25")
                               << QByteArray("0.176777");
        QTest::newRow("00:00") << QByteArray("00:00") << QByteArray("0")
                               << QByteArray("0.176777");
        QTest::newRow("unset") << QByteArray(" ") << QByteArray("0") << QByteArray("0.176777");
    }

    void jornada()
    {
        QFETCH(QByteArray, jornada);
        const MedidaTeste m = nova();
        m.exposicao("jornada_de_trabalho;" + jornada + ";\n");
        const QString corpo =
            m.parcial("T1", "mao", parcialInstrumento("T", 6, "00:10:00", "01:00:00", "00:20:00"));
        MedidaTeste::componente(corpo, "C1", dadosAmr(0.3), "");
        MedidaTeste::componente(corpo, "C2", dadosAmr(0.7), "");
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto e = campos(m.arquivoExposicao());
        QTEST(e.value("are_mao"), "are");
        QTEST(e.value("aren_mao"), "aren");
        QCOMPARE(e.value("enable_mao"), QByteArray("2"));
        QCOMPARE(campos(corpo + "/T1.id").value("arep"), QByteArray("0.5"));
    }

    // Three whole-body and three hand-arm partial exposures; every value
    // below was worked out from the formulas by hand (arep = mean amr;
    // vdvi = fourth root of the sum of fourth powers; vdvexp = 1.4 x vdvi x
    // (total / sampled)^(1/4) on x and y, 1 x on z; are = sqrt(sum arep^2 x
    // repetitions x time / workday); aren = are x sqrt(workday / 8 h)).
    void medidaCompleta()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento + "setor;Produ\xe7\xe3o;\nobservacoes;Linha 1\nLinha 2;\n");
        const QString c1 = m.parcial("T1", "corpo", parcialInstrumento("Prensa", 4, "00:45:00", "03:00:00", "00:20:00"));
        MedidaTeste::componente(c1, "C1", dadosAmr(0.42), resultadoCorpo(1.8, 1.5, 2.6, 3.2, 4.1, 5.0), 30);
        MedidaTeste::componente(c1, "C2", dadosAmr(0.55), resultadoCorpo(2.1, 1.7, 3.0, 3.9, 3.6, 6.2), 20);
        const QString m1 = m.parcial("T1", "mao", parcialInstrumento("Prensa", 4, "00:45:00", "03:00:00", "00:20:00"));
        MedidaTeste::componente(m1, "C1", dadosAmr(2.8), "");
        MedidaTeste::componente(m1, "C2", dadosAmr(3.4), "");
        const QString c2 = m.parcial("T2", "corpo", parcialInstrumento("Empilhadeira", 1, "02:30:00", "02:30:00", "00:40:00"));
        MedidaTeste::componente(c2, "C1", dadosAmr(0.61), resultadoCorpo(2.4, 2.2, 3.9, 4.4, 3.1, 5.5));
        const QString m2 = m.parcial("T2", "mao", parcialInstrumento("Empilhadeira", 1, "02:30:00", "02:30:00", "00:40:00"));
        MedidaTeste::componente(m2, "C1", dadosAmr(1.9), "");
        MedidaTeste::componente(m2, "C2", dadosAmr(1.6), "");
        MedidaTeste::componente(m2, "C3", dadosAmr(2.2), "");
        const QString c3 = m.parcial("T3", "corpo", parcialInstrumento("Lixadeira", 10, "00:06:00", "01:00:00", "00:12:00"));
        MedidaTeste::componente(c3, "C1", dadosAmr(0.30), resultadoCorpo(1.1, 1.0, 1.6, 2.5, 2.8, 7.1));
        MedidaTeste::componente(c3, "C2", dadosAmr(0.35), resultadoCorpo(1.2, 1.3, 1.9, 2.6, 2.9, 3.3));
        MedidaTeste::componente(c3, "C3", dadosAmr(0.28), resultadoCorpo(0.9, 1.1, 1.4, 8.2, 2.2, 2.0));
        const QString m3 = m.parcial("T3", "mao", parcialInstrumento("Lixadeira", 10, "00:06:00", "01:00:00", "00:12:00"));
        MedidaTeste::componente(m3, "C1", dadosAmr(5.1), "");

        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));

        const auto parcialCorpo = [](const char *nome, const char *reps, const char *texp,
                                     const char *total, const char *amostrado, QByteArrayList r) {
            QByteArray s = QByteArray("nome_exp_parcial;") + nome + ";\nnum_repeticao;" + reps
                + ";\ntempo_exp;" + texp + ";\ntempo_exp_total;" + total + ";\ntempo_amostrado;"
                + amostrado + ";\n";
            const char *chaves[] = {"arep", "vdvix", "vdviy", "vdviz", "vdvexpx", "vdvexpy",
                                    "vdvexpz", "FC_x_parcial", "FC_y_parcial", "FC_z_parcial"};
            for (int i = 0; i < 10; ++i)
                s += QByteArray(chaves[i]) + ';' + r.value(i, " ") + ";\n";
            return s;
        };
        QCOMPARE(lerBytes(c1 + "/T1.id"),
                 parcialCorpo("Prensa", "4", "00:45:00", "03:00:00", "00:20:00",
                              {"0.485", "2.33929", "1.91379", "3.355", "5.67247", "4.6407",
                               "5.81102", "3.900", "4.100", "6.200"}));
        QCOMPARE(lerBytes(c2 + "/T2.id"),
                 parcialCorpo("Empilhadeira", "1", "02:30:00", "02:30:00", "00:40:00",
                              {"0.61", "2.4", "2.2", "3.9", "4.6757", "4.28606", "5.42716",
                               "4.400", "3.100", "5.500"}));
        QCOMPARE(lerBytes(c3 + "/T3.id"),
                 parcialCorpo("Lixadeira", "10", "00:06:00", "01:00:00", "00:12:00",
                              {"0.31", "1.43104", "1.51873", "2.20004", "2.99587", "3.17945",
                               "3.28983", "8.200", "2.900", "7.100"}));
        QCOMPARE(lerBytes(m1 + "/T1.id"),
                 parcialCorpo("Prensa", "4", "00:45:00", "03:00:00", "00:20:00", {"3.1"}));
        QCOMPARE(lerBytes(m2 + "/T2.id"),
                 parcialCorpo("Empilhadeira", "1", "02:30:00", "02:30:00", "00:40:00", {"1.9"}));
        QCOMPARE(lerBytes(m3 + "/T3.id"),
                 parcialCorpo("Lixadeira", "10", "00:06:00", "01:00:00", "00:12:00", {"5.1"}));
        QCOMPARE(lerBytes(m.arquivoExposicao()),
                 QByteArray(exposicaoInstrumento
                            + "empresa_avaliadora; ;\nresponsavel_tecnico; ;\n"
                              "empresa_avaliada; ;\nfuncionario_avaliado; ;\n"
                              "setor;Produ\xe7\xe3o;\nenable_corpo;6;\nenable_mao;6;\n"
                              "are_corpo;0.465299;\nare_mao;2.82544;\naren_corpo;0.465299;\n"
                              "aren_mao;2.82544;\nFC_x_resultante;8.200;\n"
                              "FC_y_resultante;4.100;\nFC_z_resultante;7.100;\n"
                              "vdvexpx;6.31848;\nvdvexpy;5.48248;\nvdvexpz;6.78949;\n"
                              "vdvr;8.24545;\nobservacoes;Linha 1\nLinha 2;\n"));

        // Evaluating again changes nothing.
        const QByteArray antes = lerBytes(m.arquivoExposicao());
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        QCOMPARE(lerBytes(m.arquivoExposicao()), antes);
    }

    void contagemEPastas()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento + "enable_mao;7;\nvdvr;9.9;\n");
        const QString a = m.parcial("A", "corpo", parcialInstrumento("A", 1, "01:00:00", "01:00:00", "00:10:00"));
        MedidaTeste::componente(a, "C1", dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        MedidaTeste::componente(a, "C2", dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        escreverBytes(a + "/y.dat", "amr(acc);100;\n"); // no y.head: not a component
        const QString b = m.parcial("B", "corpo", parcialInstrumento("B", 1, "01:00:00", "01:00:00", "00:10:00"));
        for (const char *c : {"C1", "C2", "C3"})
            MedidaTeste::componente(b, c, dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        const QString vazio = m.parcial("C", "corpo", parcialInstrumento("C", 1, "01:00:00", "01:00:00", "00:10:00"));
        const QString maiuscula = m.parcial("D", "Corpo", parcialInstrumento("D", 1, "01:00:00", "01:00:00", "00:10:00"));
        MedidaTeste::componente(maiuscula, "C1", dadosAmr(9), "");

        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto e = campos(m.arquivoExposicao());
        QCOMPARE(e.value("enable_corpo"), QByteArray("5"));
        QCOMPARE(e.value("enable_mao"), QByteArray("7")); // no hand-arm file: left as read
        QCOMPARE(campos(a + "/A.id").value("arep"), QByteArray("0.5"));
        QCOMPARE(campos(vazio + "/C.id").value("arep"), QByteArray("0"));
        QCOMPARE(campos(vazio + "/C.id").value("vdvix"), QByteArray("0"));
        QCOMPARE(lerBytes(maiuscula + "/D.id"),
                 parcialInstrumento("D", 1, "01:00:00", "01:00:00", "00:10:00"));
    }

    void semParcialDeCorpo()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento + "enable_corpo;3;\nvdvr;9.9;\nFC_x_resultante;4.000;\n");
        const QString mao = m.parcial("T1", "mao", parcialInstrumento("T", 2, "01:00:00", "02:00:00", "00:30:00"));
        MedidaTeste::componente(mao, "C1", dadosAmr(2.0), resultadoCorpo(5, 5, 5, 5, 5, 5));
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto e = campos(m.arquivoExposicao());
        QCOMPARE(e.value("enable_corpo"), QByteArray("3"));
        QCOMPARE(e.value("vdvexpx"), QByteArray("0"));
        QCOMPARE(e.value("vdvr"), QByteArray("0"));
        QCOMPARE(e.value("FC_x_resultante"), QByteArray("0.000"));
        QCOMPARE(e.value("are_mao"), QByteArray("1"));
        // The hand-arm run uses amr only and leaves the VDV fields as read.
        const auto p = campos(mao + "/T1.id");
        QCOMPARE(p.value("arep"), QByteArray("2"));
        QCOMPARE(p.value("vdvix"), QByteArray(" "));
        QCOMPARE(p.value("FC_x_parcial"), QByteArray(" "));
    }

    // Each partial-exposure file and each component starts from the unset
    // fields: nothing of one file leaks into the next.
    void nadaVazaEntreArquivos()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento);
        const QString a = m.parcial("A", "mao", parcialInstrumento("A", 1, "01:00:00", "01:00:00", "00:10:00")
                                                     + "FC_x_parcial;9.000;\nvdvix;7;\n");
        MedidaTeste::componente(a, "C1", dadosAmr(1), "");
        const QString b = m.parcial("B", "mao", "nome_exp_parcial;B;\nnum_repeticao;1;\n");
        MedidaTeste::componente(b, "C1", dadosAmr(0.6), "", 10);
        MedidaTeste::componente(b, "C2", "Tempo;\n", "FC_x;3;\n", 0); // no amr(acc)
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto pb = campos(b + "/B.id");
        QCOMPARE(pb.value("FC_x_parcial"), QByteArray(" "));
        QCOMPARE(pb.value("vdvix"), QByteArray(" "));
        QCOMPARE(pb.value("tempo_exp"), QByteArray(" "));
        QCOMPARE(pb.value("arep"), QByteArray("0.3"));
        QCOMPARE(campos(a + "/A.id").value("FC_x_parcial"), QByteArray("9.000"));
    }

    // The data file's values stand unless the result file has them too.
    void dadosEntaoResultado()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento);
        const QString c = m.parcial("T", "corpo", parcialInstrumento("T", 1, "01:00:00", "01:00:00", "01:00:00"));
        MedidaTeste::componente(c, "C1", "amr(acc);0.2;\nvdvx;1;\nFC_y;9;\n",
                                "amr(acc);0.8;\nvdvy(acc);2;\n");
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto p = campos(c + "/T.id");
        QCOMPARE(p.value("arep"), QByteArray("0.8"));
        QCOMPARE(p.value("vdvix"), QByteArray("1"));
        QCOMPARE(p.value("vdviy"), QByteArray("2"));
        QCOMPARE(p.value("FC_y_parcial"), QByteArray("9.000"));
    }

    // A folder name holding ".head" does not change which files are read.
    void pastaComHeadNoNome()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento);
        const QString c = m.parcial("old.head", "mao", parcialInstrumento("T", 1, "01:00:00", "01:00:00", "01:00:00"));
        MedidaTeste::componente(c, "c", dadosAmr(1.25), "");
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        QCOMPARE(campos(c + "/old.head.id").value("arep"), QByteArray("1.25"));
    }

    void semArquivoDeExposicao()
    {
        QTemporaryDir d;
        MedidaTeste m(d.filePath("X"));
        const QString c = m.parcial("T", "mao", parcialInstrumento("T", 1, "01:00:00", "01:00:00", "01:00:00"));
        MedidaTeste::componente(c, "C1", dadosAmr(2), "");
        const QStringList pastas = LayoutMedida::pastasCorpo(m.pasta);
        QVERIFY(!CalculoExposicao(m.arquivoExposicao(), pastas, "mao").gravou());
        QVERIFY(!QFileInfo::exists(m.arquivoExposicao()));
        QCOMPARE(campos(c + "/T.id").value("arep"), QByteArray("2"));
    }

    void valoresRuins_data()
    {
        QTest::addColumn<QByteArray>("dat");
        QTest::addColumn<QByteArray>("res");
        QTest::addColumn<QByteArray>("parcial");
        QTest::newRow("not numbers") << QByteArray("amr(acc);abc;\n")
                                     << QByteArray("vdvx;x;\nFC_x;?;\n")
                                     << parcialInstrumento("T", 2, "00:10:00", "00:20:00", "00:05:00");
        QTest::newRow("nan and inf") << QByteArray("amr(acc);nan;\n")
                                     << QByteArray("vdvx;inf;\nvdvy;-inf;\nFC_z;nan;\n")
                                     << parcialInstrumento("T", 2, "00:10:00", "00:20:00", "00:05:00");
        QTest::newRow("negative") << QByteArray("amr(acc);-0.5;\n")
                                  << QByteArray("vdvx;-2;\nFC_x;-3;\n")
                                  << parcialInstrumento("T", 2, "00:10:00", "00:20:00", "00:05:00");
        QTest::newRow("huge") << QByteArray("amr(acc);1e300;\n")
                              << QByteArray("vdvx;1e300;\nvdvy;1e200;\nFC_x;1e300;\n")
                              << parcialInstrumento("T", 2, "00:10:00", "00:20:00", "00:05:00");
        QTest::newRow("negative times") << QByteArray("amr(acc);0.5;\n") << QByteArray("vdvx;2;\n")
                                        << parcialInstrumento("T", -3, "-00:10:00", "00:20:00", "-00:05:00");
        QTest::newRow("huge times") << QByteArray("amr(acc);0.5;\n") << QByteArray("vdvx;2;\n")
                                    << parcialInstrumento("T", 2147483647, "1e300:00:00", "1e300:00:00", "00:00:01");
    }

    void valoresRuins()
    {
        QFETCH(QByteArray, dat);
        QFETCH(QByteArray, res);
        QFETCH(QByteArray, parcial);
        for (const char *tipo : {"corpo", "mao"}) {
            const MedidaTeste m = nova();
            m.exposicao(exposicaoInstrumento + "setor;S;\nobservacoes;o;\n");
            const QString c = m.parcial("T", tipo, parcial);
            MedidaTeste::componente(c, "C1", dat, res);
            QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
            for (const QString &arquivo : {m.arquivoExposicao(), c + "/T.id"}) {
                const QByteArray escrito = lerBytes(arquivo).toLower();
                QVERIFY2(!escrito.contains("nan") && !escrito.contains("inf"), escrito.constData());
            }
            const auto e = campos(m.arquivoExposicao());
            QCOMPARE(e.value("setor"), QByteArray("S"));
            QCOMPARE(e.value("data_criacao"), QByteArray("02/01/2024"));
            QCOMPARE(lerBytes(m.arquivoExposicao()).right(15), QByteArray("observacoes;o;\n"));
            const auto p = campos(c + "/T.id");
            QCOMPARE(p.value("tempo_exp_total"), parcial.split('\n').at(3).split(';').at(1));
        }
    }

    // Line ends of other systems and a byte-order mark read as the
    // instrument's own: the evaluation keeps every value it rewrites.
    void finaisDeLinha_data()
    {
        QTest::addColumn<QByteArray>("fim");
        QTest::addColumn<QByteArray>("inicio");
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray();
        QTest::newRow("CR only") << QByteArray("\r") << QByteArray();
        QTest::newRow("byte-order mark") << QByteArray("\n") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("CR only after a byte-order mark") << QByteArray("\r") << QByteArray("\xEF\xBB\xBF");
    }

    void finaisDeLinha()
    {
        QFETCH(QByteArray, fim);
        QFETCH(QByteArray, inicio);
        const auto comFim = [&](QByteArray texto) { return inicio + texto.replace("\n", fim); };
        const MedidaTeste m = nova();
        m.exposicao(comFim(exposicaoInstrumento + "setor;Prensas;\n"));
        const QString c = m.parcial("T1", "mao", comFim(parcialInstrumento("Prensa", 4, "00:45:00", "03:00:00", "00:20:00")));
        MedidaTeste::componente(c, "C1", comFim(dadosAmr(2.8)), "");
        MedidaTeste::componente(c, "C2", comFim(dadosAmr(3.4)), "");
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto p = campos(c + "/T1.id");
        QCOMPARE(p.value("nome_exp_parcial"), QByteArray("Prensa"));
        QCOMPARE(p.value("num_repeticao"), QByteArray("4"));
        QCOMPARE(p.value("tempo_exp"), QByteArray("00:45:00"));
        QCOMPARE(p.value("tempo_exp_total"), QByteArray("03:00:00"));
        QCOMPARE(p.value("arep"), QByteArray("3.1"));
        const auto e = campos(m.arquivoExposicao());
        QCOMPARE(e.value("nome_exposicao"), QByteArray("Operador-240102090507"));
        QCOMPARE(e.value("jornada_de_trabalho"), QByteArray("08:00"));
        QCOMPARE(e.value("setor"), QByteArray("Prensas"));
        QCOMPARE(e.value("aren_mao"), QByteArray("1.89835")); // 3.1 for 3 h of 8
    }

    // A task whose repetitions or times cannot be used counts as no
    // exposure, and a component without its data or result file is left
    // out: every other task's contribution stands, exactly as in the same
    // measurement with zeros in their place, or without that component.
    void tarefaInutilizavel_data()
    {
        QTest::addColumn<QByteArray>("ruim");
        QTest::addColumn<QByteArray>("referencia");
        QTest::addColumn<QString>("semArquivo");
        const QByteArray zero = parcialInstrumento("Ruim", 0, "00:10:00", "00:20:00", "00:10:00");
        QTest::newRow("negative repetitions")
            << parcialInstrumento("Ruim", -3, "00:10:00", "00:20:00", "00:10:00") << zero << "";
        QTest::newRow("repetitions not a number")
            << QByteArray(zero).replace("num_repeticao;0;", "num_repeticao;abc;") << zero << "";
        QTest::newRow("negative mean time")
            << parcialInstrumento("Ruim", 2, "-00:10:00", "00:20:00", "00:10:00")
            << parcialInstrumento("Ruim", 2, "00:00:00", "00:20:00", "00:10:00") << "";
        QTest::newRow("negative total time")
            << parcialInstrumento("Ruim", 2, "00:10:00", "-00:20:00", "00:10:00")
            << parcialInstrumento("Ruim", 2, "00:10:00", "00:00:00", "00:10:00") << "";
        QTest::newRow("negative sampled time")
            << parcialInstrumento("Ruim", 2, "00:10:00", "00:20:00", "-00:10:00")
            << parcialInstrumento("Ruim", 2, "00:10:00", "00:20:00", "00:00:00") << "";
        const QByteArray boa = parcialInstrumento("Boa", 2, "00:10:00", "00:20:00", "00:10:00");
        QTest::newRow("component without .dat") << boa << boa << ".dat";
        QTest::newRow("component without .res") << boa << boa << ".res";
    }

    void tarefaInutilizavel()
    {
        QFETCH(QByteArray, ruim);
        QFETCH(QByteArray, referencia);
        QFETCH(QString, semArquivo);
        const auto montar = [&](const QByteArray &t2, bool comC3) {
            const MedidaTeste m = nova();
            m.exposicao(exposicaoInstrumento);
            for (const char *tipo : {"corpo", "mao"}) {
                const QString c1 = m.parcial("T1", tipo, parcialInstrumento("Prensa", 4, "00:45:00", "03:00:00", "00:20:00"));
                MedidaTeste::componente(c1, "C1", dadosAmr(0.6), resultadoCorpo(1.8, 1.5, 2.6, 3.2, 4.1, 5.0));
                MedidaTeste::componente(c1, "C2", dadosAmr(0.6), resultadoCorpo(2.1, 1.7, 3.0, 3.9, 3.6, 6.2));
                if (comC3)
                    MedidaTeste::componente(c1, "C3", dadosAmr(0.1), resultadoCorpo(9, 9, 9, 9, 9, 9));
                const QString c2 = m.parcial("T2", tipo, t2);
                MedidaTeste::componente(c2, "C1", dadosAmr(0.8), resultadoCorpo(2.4, 2.2, 3.9, 4.4, 3.1, 5.5));
            }
            return m;
        };
        const MedidaTeste m = montar(ruim, !semArquivo.isEmpty());
        const MedidaTeste esperada = montar(referencia, false);
        QStringList faltam;
        if (!semArquivo.isEmpty()) {
            for (const char *tipo : {"/T1/corpo/C3", "/T1/mao/C3"}) {
                QVERIFY(QFile::remove(m.pasta + tipo + semArquivo));
                faltam << m.pasta + tipo;
            }
        }
        const CalculoExposicao::Resultado r = CalculoExposicao::avaliarMedida(m.pasta);
        QVERIFY(r.gravou());
        QCOMPARE(r.ignorados, faltam);
        QVERIFY(CalculoExposicao::avaliarMedida(esperada.pasta));
        QCOMPARE(lerBytes(m.arquivoExposicao()), lerBytes(esperada.arquivoExposicao()));
        for (const char *tipo : {"/T1/corpo/T1.id", "/T1/mao/T1.id"})
            QCOMPARE(lerBytes(m.pasta + tipo), lerBytes(esperada.pasta + tipo));
        const auto e = campos(m.arquivoExposicao());
        for (const char *chave : {"are_corpo", "aren_mao", "vdvexpx", "vdvr"})
            QVERIFY2(CalculoExposicao::numero(e.value(chave)) > 0, chave);
    }

    void milComponentes()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento);
        const QString c = m.parcial("T", "corpo", parcialInstrumento("T", 1, "08:00:00", "08:00:00", "08:00:00"));
        for (int i = 0; i < 1000; ++i)
            MedidaTeste::componente(c, QString("C%1").arg(i, 4, 10, QChar('0')),
                                    dadosAmr(i % 2 ? 0.75 : 0.25), resultadoCorpo(1, 1, 1, 2, 2, 2));
        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        const auto p = campos(c + "/T.id");
        QCOMPARE(p.value("arep"), QByteArray("0.5"));
        QCOMPARE(p.value("vdvix"), QByteArray(CalculoExposicao::textoResultado(std::pow(1000.0, 0.25)).toLatin1()));
        QCOMPARE(campos(m.arquivoExposicao()).value("enable_corpo"), QByteArray("1000"));
    }
};

QTEST_GUILESS_MAIN(TstCalculoExposicao)
#include "tst_calculoexposicao.moc"
