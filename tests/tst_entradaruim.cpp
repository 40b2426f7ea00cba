#include "arquivos.h"
#include "data/acessararquivo.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Files the readers may meet on a damaged or foreign volume, made here.
// None may crash or hang a reader; the byte values of the code page
// survive a read-and-save cycle.
class TstEntradaRuim : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    static QByteArray lixo(int tamanho, quint32 semente)
    {
        QRandomGenerator g(semente);
        QByteArray b(tamanho, Qt::Uninitialized);
        for (char &c : b)
            c = char(g.bounded(256));
        return b;
    }

    static void lerTudo(AcessarArquivo &a, const QString &caminho)
    {
        a.lerExposicao(caminho);
        a.lerExposicaoParcial(caminho);
        a.lerComponente(caminho);
        a.lerDados(caminho);
        a.lerConfiguracao(caminho);
    }

private slots:
    void corpus_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only separators") << QByteArray(";;;;\n;\n\n\r\n");
        QTest::newRow("truncated mid key") << QByteArray("nome_exposicao;Prensa;\nvd");
        QTest::newRow("truncated mid value") << QByteArray("vdvr;6.8");
        QTest::newRow("NUL bytes") << QByteArray("vdvr;\0\0;\n\0\0\0", 13);
        QTest::newRow("binary 64 KB") << lixo(64 * 1024, 7);
        QTest::newRow("binary with keys")
            << lixo(4096, 8) + "\nobservacoes;" + lixo(4096, 9) + "\nTempo;\n" + lixo(4096, 10);
        QTest::newRow("10 MB line") << QByteArray("setor;") + QByteArray(10 * 1024 * 1024, 'x')
                                           + ";\nvdvr;1;\n";
        QTest::newRow("10 MB table row")
            << QByteArray("Tempo;\n") + QByteArray(10 * 1024 * 1024, ';') + "1;2;3;4;5;6;7;8;\n";
        QTest::newRow("lone CRs") << QByteArray("vdvr;1;\rarep;2;\r\r");
        QTest::newRow("Latin-1") << QByteArray("setor;Manuten\xe7\xe3o \xc1rea;\n"
                                               "nome_exp_parcial;Furadeira \xe9;\n");
    }

    void corpus()
    {
        QFETCH(QByteArray, conteudo);
        const QString caminho = dir.filePath("ruim");
        QVERIFY(escreverBytes(caminho, conteudo));
        AcessarArquivo a;
        lerTudo(a, caminho);
        // Whatever was read must go back out whole and read again the same.
        QVERIFY(a.salvarExposicao(caminho));
        AcessarArquivo b;
        b.lerExposicao(caminho);
        QCOMPARE(b.getSetor(), a.getSetor());
        QCOMPARE(b.getVdvr(), a.getVdvr());
        QCOMPARE(b.getObservacoes(), a.getObservacoes());
        const int linhas = a.getColuna1().size();
        QCOMPARE(a.getColuna8().size(), linhas);
    }

    // Every byte value a free-text or plain field can hold, the five that
    // Windows-1252 leaves undefined included, comes back unchanged.
    void todosOsBytesSobrevivem()
    {
        QByteArray todos;
        for (int b = 1; b < 256; ++b) {
            if (b != ';' && b != '\n' && b != '\r')
                todos += char(b);
        }
        const QByteArray conteudo = "nome_exposicao;" + todos + ";\nid_equipamento;KT;\n"
            "tipo_de_sensor;corpo;\ndata_criacao;d;\njornada_de_trabalho;08:00;\n"
            "empresa_avaliadora;" + todos + ";\nresponsavel_tecnico;x;\nempresa_avaliada;"
            + todos + ";\nfuncionario_avaliado;y;\nsetor;z;\nenable_corpo;1;\nenable_mao;0;\n"
            "are_corpo;1;\nare_mao;2;\naren_corpo;3;\naren_mao;4;\nFC_x_resultante;5;\n"
            "FC_y_resultante;6;\nFC_z_resultante;7;\nvdvexpx;8;\nvdvexpy;9;\nvdvexpz;10;\n"
            "vdvr;11;\nobservacoes;" + todos + "\n" + todos + ";\n";
        const QString caminho = dir.filePath("bytes.id");
        escreverBytes(caminho, conteudo);
        AcessarArquivo a;
        a.lerExposicao(caminho);
        QVERIFY(a.salvarExposicao(caminho));
        QCOMPARE(lerBytes(caminho), conteudo);
        a.lerExposicao(caminho);
        QVERIFY(a.salvarExposicao(caminho));
        QCOMPARE(lerBytes(caminho), conteudo);
    }

    void acentosGravadosNaPaginaDeCodigo()
    {
        const QString caminho = dir.filePath("acentos.id");
        escreverBytes(caminho, "x;y;\n");
        AcessarArquivo a;
        a.setSetor(QString::fromUtf8("Produção €"));
        QVERIFY(a.salvarExposicao(caminho));
        QVERIFY(lerBytes(caminho).contains("setor;Produ\xe7\xe3o \x80;\n"));
    }
};

QTEST_GUILESS_MAIN(TstEntradaRuim)
#include "tst_entradaruim.moc"
