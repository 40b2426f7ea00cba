#include "arquivos.h"
#include "data/acessararquivo.h"

#include <QTemporaryDir>
#include <QtTest>

// The instrument's configuration file in its long and short key sets.
class TstConfiguracao : public QObject
{
    Q_OBJECT

private:
    PastaTeste dir;
    QString arquivo(const QString &nome, const QByteArray &conteudo)
    {
        return dir.arquivo(nome, conteudo);
    }
    static QList<QByteArray> linhas(const QString &caminho)
    {
        QList<QByteArray> l = lerBytes(caminho).split('\n');
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }

private slots:
    void identidade_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QByteArray>("linhaEsperada");
        QTest::newRow("short key into long set") << QByteArray("id_equip;1234;\n") << true
                                                 << QByteArray("id_equipamento;1234;");
        QTest::newRow("long key into short set") << QByteArray("id_equipamento;77;\n") << false
                                                 << QByteArray("id_equip;77;");
        QTest::newRow("sampling alias into long set")
            << QByteArray("periodo_de_amostragem;3;\n") << true
            << QByteArray("periodo_amostragem;3;");
        QTest::newRow("weighting alias into long set") << QByteArray("wz_corpo;wk;\n") << true
                                                       << QByteArray("ponderacao_fz_corpo;wk;");
        QTest::newRow("weighting into short set") << QByteArray("ponderacao_fx_mao;wh;\n")
                                                  << false << QByteArray("wx_mao;wh;");
        QTest::newRow("workday, long set") << QByteArray("jornada_de_trabalho;06:00;\n") << true
                                           << QByteArray("jornada_de_trabalhoConfig;06:00;");
        QTest::newRow("workday read back from long set")
            << QByteArray("jornada_de_trabalhoConfig;07:30;\n") << true
            << QByteArray("jornada_de_trabalhoConfig;07:30;");
        QTest::newRow("default workday") << QByteArray("idioma;pt;\n") << false
                                         << QByteArray("jornada_de_trabalho;08:00;");
        QTest::newRow("missing switch-off time") << QByteArray("idioma;pt;\n") << false
                                                 << QByteArray("tempo_desligamento; ;");
    }

    void identidade()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, completo);
        QFETCH(QByteArray, linhaEsperada);
        const QString caminho = arquivo("c.cfg", conteudo);
        AcessarArquivo a;
        a.lerConfiguracao(caminho);
        QVERIFY(a.salvarConfiguracao(caminho, completo));
        QVERIFY2(linhas(caminho).contains(linhaEsperada), lerBytes(caminho).constData());
    }

    void ultimaLinhaVence_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("alias last") << QByteArray("ponderacao_fx_mao;wh;\nwx_mao;wb;\n") << "wb";
        QTest::newRow("key last") << QByteArray("wx_mao;wb;\nponderacao_fx_mao;wh;\n") << "wh";
    }

    void ultimaLinhaVence()
    {
        QFETCH(QByteArray, conteudo);
        AcessarArquivo a;
        a.lerConfiguracao(arquivo("u.cfg", conteudo));
        QTEST(a.getPonderacao_fx_mao(), "esperado");
    }

    // Everything the dialog does not edit goes back as it was read.
    void idaEVolta_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QByteArray>("conteudo");
        const QByteArray longo(
            "id_equipamento;KT1;\nid_medicao;5;\nidioma;pt;\n"
            "jornada_de_trabalhoConfig;07:00;\ntempo_programado;30;\n"
            "periodo_amostragem;1;\nunidade;m/s2;\nid_sensor_mao;SM;\n"
            "ponderacao_fx_mao;wh;\nponderacao_fy_mao;wh;\n"
            "ponderacao_fz_mao;wh;\nkx_mao;1.0;\nky_mao;1.0;\n"
            "kz_mao;1.0;\nsensibilidade_x_mao;1.1;\n"
            "sensibilidade_y_mao;1.2;\nsensibilidade_z_mao;1.3;\n"
            "id_sensor_corpo;SC;\nponderacao_fx_corpo;wd;\n"
            "ponderacao_fy_corpo;wd;\nponderacao_fz_corpo;wk;\n"
            "kx_corpo;1.4;\nky_corpo;1.4;\nkz_corpo;1.0;\n"
            "sensibilidade_x_corpo;0.9;\nsensibilidade_y_corpo;0.8;\n"
            "sensibilidade_z_corpo;0.7;\nbanda_oitava;1/3;\n"
            "canal_oitava;2;\neixo_oitava;z;\n");
        const QByteArray curto(
            "id_equip;KT2;\nidioma;es;\ntempo_programado;1800;\n"
            "unidade;g;\njornada_de_trabalho;06:30;\n"
            "periodo_de_amostragem;60;\nwx_mao;wh;\nwy_mao;wh;\n"
            "wz_mao;wh;\nkx_mao;1.0;\nky_mao;1.0;\nkz_mao;1.0;\n"
            "sensibilidade_x_mao;1;\nsensibilidade_y_mao;1;\n"
            "sensibilidade_z_mao;1;\nwx_corpo;wd;\nwy_corpo;wd;\n"
            "wz_corpo;wk;\nkx_corpo;1.4;\nky_corpo;1.4;\n"
            "kz_corpo;1.0;\nsensibilidade_x_corpo;2;\n"
            "sensibilidade_y_corpo;0;\nsensibilidade_z_corpo;1.5;\n"
            "banda_oitava;1/1;\neixo_oitava;x;\n"
            "tempo_desligamento;10;\n");
        QTest::newRow("long") << true << longo;
        QTest::newRow("short") << false << curto;
        // Keys this program does not write stay, in their place.
        QTest::newRow("long, switch-off time and a newer key")
            << true << QByteArray(longo).replace("idioma;pt;\n", "idioma;pt;\nmodo_novo;x;\n") + "tempo_desligamento;30;\n";
        QTest::newRow("short, a newer key first") << false << "versao;2;\n" + curto;
    }

    void idaEVolta()
    {
        QFETCH(bool, completo);
        QFETCH(QByteArray, conteudo);
        const QString caminho = arquivo("r.cfg", conteudo);
        AcessarArquivo a;
        a.lerConfiguracao(caminho);
        QVERIFY(a.salvarConfiguracao(caminho, completo));
        QCOMPARE(lerBytes(caminho), conteudo);
    }
};

QTEST_GUILESS_MAIN(TstConfiguracao)
#include "tst_configuracao.moc"
