#include "arquivos.h"
#include "data/acessararquivo.h"

#include <QTemporaryDir>
#include <QtTest>

#include "app/arquivolingua.h"
#include "data/perfil.h"

#include <functional>
#include <map>
#include <optional>

// Reading and writing the exposure, partial-exposure and component files
// through real files.
class TstAcessarArquivo : public QObject
{
    Q_OBJECT

private:
    PastaTeste dir;
    QString arquivo(const QString &nome, const QByteArray &conteudo)
    {
        return dir.arquivo(nome, conteudo);
    }

    static QString campoExposicao(const AcessarArquivo &a, const QString &chave)
    {
        static const std::map<QString, std::function<QString(const AcessarArquivo &)>> g = {
            {"nome_exposicao", &AcessarArquivo::getNome_exposicao},
            {"setor", &AcessarArquivo::getSetor},
            {"empresa_avaliadora", &AcessarArquivo::getEmpresa_avaliadora},
            {"vdvr", &AcessarArquivo::getVdvr},
            {"enable_mao", &AcessarArquivo::getEnable_mao},
            {"observacoes", &AcessarArquivo::getObservacoes},
        };
        return g.at(chave)(a);
    }

private slots:
    void padroes()
    {
        AcessarArquivo a;
        a.lerExposicao(dir.filePath("nao-existe.id"));
        a.lerExposicaoParcial(dir.filePath("nao-existe.id"));
        a.lerComponente(dir.filePath("nao-existe.head"));
        a.lerDados(dir.filePath("nao-existe.dat"));
        a.lerConfiguracao(dir.filePath("nao-existe.cfg"));
        QCOMPARE(a.getNome_exposicao(), QString(" "));
        QCOMPARE(a.getObservacoes(), QString(" "));
        QCOMPARE(a.getArep(), QString(" "));
        QCOMPARE(a.getNome_componente(), QString(" "));
        QCOMPARE(a.getAmr(), QString(" "));
        QCOMPARE(a.getId_equipamentoConfig(), QString(" "));
        QVERIFY(a.getFreq().isEmpty());
        QVERIFY(a.getColuna8().isEmpty());
        QCOMPARE(a.getCaminho(), dir.filePath("nao-existe.head"));
    }

    void leituraExposicao_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("last line wins") << QByteArray("vdvr;1;\nvdvr;2;\n") << "vdvr" << "2";
        QTest::newRow("other capitals ignored") << QByteArray("Vdvr;3;\n") << "vdvr" << " ";
        QTest::newRow("empty value gives key") << QByteArray("vdvr;;\n") << "vdvr" << "vdvr";
        QTest::newRow("two values, second") << QByteArray("vdvr;1;2;\n") << "vdvr" << "2";
        QTest::newRow("blanks kept") << QByteArray("nome_exposicao; a ;\n") << "nome_exposicao"
                                     << " a ";
        QTest::newRow("CR LF") << QByteArray("vdvr;1.5;\r\nenable_mao;2;\r\n") << "enable_mao"
                               << "2";
        QTest::newRow("no final line end") << QByteArray("vdvr;7;") << "vdvr" << "7";
        QTest::newRow("lone CR") << QByteArray("vdvr;1.5;\renable_mao;2;\r") << "enable_mao" << "2";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFnome_exposicao;P-1;\n") << "nome_exposicao"
                                         << "P-1";
        QTest::newRow("observation, lone CR") << QByteArray("observacoes;a\rb;\r") << "observacoes" << "a\nb";
        QTest::newRow("blank and ; lines") << QByteArray("\n;;\nvdvr;4;\n\n") << "vdvr" << "4";
        QTest::newRow("free text with ;") << QByteArray("setor;Linha;2;\n") << "setor"
                                          << "Linha;2";
        QTest::newRow("free text empty") << QByteArray("setor;;\n") << "setor" << "";
        QTest::newRow("free text blank") << QByteArray("setor; ;\n") << "setor" << " ";
        QTest::newRow("free text unclosed") << QByteArray("setor;abc\n") << "setor" << "ab";
        QTest::newRow("free text key inside")
            << QByteArray("empresa_avaliadora;A empresa_avaliadora;B;\n") << "empresa_avaliadora"
            << "A B";
        QTest::newRow("Windows-1252 letters")
            << QByteArray("setor;Produ\xe7\xe3o \x80;\n") << "setor"
            << QString::fromUtf8("Produção €");
        QTest::newRow("observation three lines")
            << QByteArray("vdvr;1;\nobservacoes;a\nb\nc;\n") << "observacoes" << "a\nb\nc";
        QTest::newRow("observation, no final line end")
            << QByteArray("observacoes;texto;") << "observacoes" << "texto";
        QTest::newRow("observation without closing ;")
            << QByteArray("observacoes;texto\n") << "observacoes" << "texto";
        QTest::newRow("observation CR LF")
            << QByteArray("observacoes;a\r\nb;\r\n") << "observacoes" << "a\nb";
        QTest::newRow("observation keeps later lines")
            << QByteArray("observacoes;x;\nvdvr;9;\n") << "observacoes" << "x;\nvdvr;9";
        QTest::newRow("key after observation not read")
            << QByteArray("observacoes;x;\nvdvr;9;\n") << "vdvr" << " ";
    }

    void leituraExposicao()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        AcessarArquivo a;
        a.lerExposicao(arquivo("e.id", conteudo));
        QCOMPARE(campoExposicao(a, chave), esperado);
    }

    void ciclosObservacoes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("one line") << "Medido com o motor ligado";
        QTest::newRow("three lines") << "a\nb\nc";
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << " ";
        QTest::newRow("with ;") << "linha;com;pontos;";
        QTest::newRow("ends in line feed") << "fim\n";
        QTest::newRow("accents") << QString::fromUtf8("Observação: vibração alta");
    }

    // Read-and-save cycles (as every evaluation makes) never change the text.
    void ciclosObservacoes()
    {
        QFETCH(QString, texto);
        const QString caminho = arquivo("obs.id", "nome_exposicao;X;\n");
        AcessarArquivo escritor;
        escritor.setObservacoes(texto);
        QVERIFY(escritor.salvarExposicao(caminho));
        const QByteArray primeiro = lerBytes(caminho);
        for (int ciclo = 0; ciclo < 3; ++ciclo) {
            AcessarArquivo a;
            a.lerExposicao(caminho);
            QCOMPARE(a.getObservacoes(), texto);
            QVERIFY(a.salvarExposicao(caminho));
            QCOMPARE(lerBytes(caminho), primeiro);
        }
    }

    void salvarExposicaoCompleta()
    {
        const QString caminho = arquivo("s.id", "nome_exposicao;Prensa-240102090507;\n"
                                                "id_equipamento;KT1;\ntipo_de_sensor;corpo;\n"
                                                "data_criacao;02/01/2024;\n"
                                                "jornada_de_trabalho;08:00;\n");
        AcessarArquivo a;
        a.lerExposicao(caminho);
        a.setVdvr("6.86641");
        QVERIFY(a.salvarExposicao(caminho));
        QCOMPARE(QString::fromLatin1(lerBytes(caminho)),
                 QString("nome_exposicao;Prensa-240102090507;\nid_equipamento;KT1;\n"
                         "tipo_de_sensor;corpo;\ndata_criacao;02/01/2024;\n"
                         "jornada_de_trabalho;08:00;\nempresa_avaliadora; ;\n"
                         "responsavel_tecnico; ;\nempresa_avaliada; ;\n"
                         "funcionario_avaliado; ;\nsetor; ;\nenable_corpo; ;\nenable_mao; ;\n"
                         "are_corpo; ;\nare_mao; ;\naren_corpo; ;\naren_mao; ;\n"
                         "FC_x_resultante; ;\nFC_y_resultante; ;\nFC_z_resultante; ;\n"
                         "vdvexpx; ;\nvdvexpy; ;\nvdvexpz; ;\nvdvr;6.86641;\nobservacoes; ;\n"));
        QCOMPARE(a.getCaminho(), caminho);
    }

    void salvarCabecalho()
    {
        const QString caminho = arquivo("c.id", "nome_exposicao;Prensa-1;\nid_equipamento;KT1;\n"
                                                "tipo_de_sensor;mao;\ndata_criacao;d;\n"
                                                "jornada_de_trabalho;06:00;\nsetor;S;\n"
                                                "vdvr;3;\nobservacoes;o;\n");
        AcessarArquivo a;
        QVERIFY(a.salvarCabecalhoExposicao("Prensa-240102090507", caminho));
        QCOMPARE(QString::fromLatin1(lerBytes(caminho)),
                 QString("nome_exposicao;Prensa-240102090507;\nid_equipamento;KT1;\n"
                         "tipo_de_sensor;mao;\ndata_criacao;d;\njornada_de_trabalho;06:00;\n"));
    }

    void parcialForaDeOrdem()
    {
        const QString caminho = arquivo("T1.id", "FC_z_parcial;3.000;\ntempo_amostrado;00:30:00;\n"
                                                 "nome_exp_parcial;Prensa;\nnum_repeticao;6;\n"
                                                 "desconhecida;x;\ntempo_exp;00:10:00;\n");
        AcessarArquivo a;
        a.lerExposicaoParcial(caminho);
        QCOMPARE(a.getNome_exp_parcial(), QString("Prensa"));
        QCOMPARE(a.getTempo_amostrado(), QString("00:30:00"));
        QCOMPARE(a.getFC_z_parcial(), QString("3.000"));
        a.setArep("0.4");
        a.setVdvexpx_parcial("5.6");
        QVERIFY(a.salvarExposicaoParcial(caminho));
        QCOMPARE(QString::fromLatin1(lerBytes(caminho)),
                 QString("nome_exp_parcial;Prensa;\nnum_repeticao;6;\ntempo_exp;00:10:00;\n"
                         "tempo_exp_total; ;\ntempo_amostrado;00:30:00;\narep;0.4;\nvdvix; ;\n"
                         "vdviy; ;\nvdviz; ;\nvdvexpx;5.6;\nvdvexpy; ;\nvdvexpz; ;\n"
                         "FC_x_parcial; ;\nFC_y_parcial; ;\nFC_z_parcial;3.000;\n"));
    }

    void parcialNovoObjetoGravaBrancos()
    {
        const QString caminho = arquivo("T2.id", "arep;1;\n");
        AcessarArquivo a;
        QVERIFY(a.salvarExposicaoParcial(caminho));
        const QList<QByteArray> linhas = lerBytes(caminho).split('\n');
        QCOMPARE(linhas.size(), 16); // 15 lines and the empty rest after the last
        for (int i = 0; i < 15; ++i)
            QVERIFY2(linhas.at(i).endsWith("; ;"), linhas.at(i).constData());
    }

    void componente()
    {
        const QString head = arquivo("C1.head", "nome_componente;C1;\nchave_nova;x;\n"
                                                "tipo_de_sensor;corpo;\nperiodo_amostragem;1;\n"
                                                "k_x;1.4;\nduracao_comp;600;\n");
        const QString parcial = arquivo("P.id", "nome_exp_parcial;Tarefa;\n"
                                                "tipo_de_sensor;mao;\n");
        AcessarArquivo a;
        a.lerComponente(head);
        a.lerExposicaoParcial(parcial);
        QCOMPARE(a.getNome_componente(), QString("C1"));
        QCOMPARE(a.getTipo_de_sensor_comp(), QString("corpo"));
        QCOMPARE(a.getPeriodo_amostragem_comp(), QString("1"));
        QCOMPARE(a.getK_x(), QString("1.4"));
        QCOMPARE(a.getDuracao_comp(), QString("600"));
        QCOMPARE(a.getNome_exp_parcial(), QString("Tarefa"));
        // The exposure's own fields stay apart from the component's.
        QCOMPARE(a.getTipo_de_sensor(), QString(" "));
        QCOMPARE(a.getPeriodo_amostragemConfig(), QString(" "));
    }

    void limpar()
    {
        AcessarArquivo a;
        a.lerExposicaoParcial(arquivo("L.id", "arep;1;\nnome_exp_parcial;A;\n"));
        a.lerComponente(arquivo("L.head", "nome_componente;C;\n"));
        a.lerDados(arquivo("L.dat", "amr(acc);0.5;\nfreq;1;2;3;\nTempo;a;\n1;2;3;4;5;6;7;8;\n"));
        a.lerExposicao(arquivo("L2.id", "vdvr;2;\n"));
        a.limparExposicaoParcial();
        a.limparComponente();
        QCOMPARE(a.getArep(), QString(" "));
        QCOMPARE(a.getNome_exp_parcial(), QString(" "));
        QCOMPARE(a.getNome_componente(), QString(" "));
        QCOMPARE(a.getAmr(), QString(" "));
        QVERIFY(a.getFreq().isEmpty());
        QVERIFY(a.getColuna1().isEmpty());
        QCOMPARE(a.getVdvr(), QString("2"));
    }

    void escritaNuncaCria_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::newRow("missing file") << dir.filePath("nao/existe.id");
        QTest::newRow("missing in dir") << dir.filePath("ausente.id");
        QTest::newRow("empty path") << QString();
        QTest::newRow("a folder") << dir.path();
    }

    void escritaNuncaCria()
    {
        QFETCH(QString, caminho);
        AcessarArquivo a;
        QVERIFY(!a.salvarExposicao(caminho));
        QVERIFY(!a.salvarExposicaoParcial(caminho));
        QVERIFY(!a.salvarCabecalhoExposicao("n", caminho));
        QVERIFY(!a.salvarConfiguracao(caminho, true));
        QVERIFY(!a.salvarConfiguracao(caminho, false));
        if (!caminho.isEmpty() && caminho != dir.path())
            QVERIFY(!QFileInfo::exists(caminho));
    }

    // The new text is written beside the file and renamed over it: nothing
    // is left beside it, and the file is never seen half written.
    void salvarSemRestos()
    {
        QTemporaryDir local;
        const QString caminho = local.filePath("m.id");
        escreverBytes(caminho, "vdvr;1;\n");
        AcessarArquivo a;
        a.lerExposicao(caminho);
        QVERIFY(a.salvarExposicao(caminho));
        QCOMPARE(QDir(local.path()).entryList(QDir::Files), QStringList{"m.id"});
    }

    // Every save either replaces the file whole or leaves it as it was,
    // with nothing beside it, and says which file and why: on a full disk,
    // over a file or into a folder that cannot be changed (as root too),
    // and never through a link.
    void gravacaoFalha_data()
    {
        QTest::addColumn<QString>("gravador");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        const QStringList gravadores = {"exposure", "partial", "header", "long configuration",
                                        "short configuration", "profile", "language"};
        const QList<QPair<QString, QString>> casos = {
            {"full disk", "No space left on device"}, {"immutable file", ""},
            {"immutable folder", ""}, {"link", "link"}};
        for (const QString &g : gravadores)
            for (const auto &[caso, motivo] : casos)
                QTest::newRow(qPrintable(g + ", " + caso)) << g << caso << motivo;
    }

    void gravacaoFalha()
    {
        QFETCH(QString, gravador);
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QTemporaryDir local;
        const QString pasta = local.filePath("p");
        QDir().mkpath(pasta);
        std::optional<DiscoCheio> disco;
        if (caso == "full disk" && !disco.emplace(pasta).ok)
            QSKIP("mounting a small file system needs root");
        const QString caminho = pasta + "/lingua.lg";
        const QString fora = local.filePath("fora.txt");
        escreverBytes(fora, "vdvr;9;\n");
        if (caso == "link")
            QVERIFY(QFile::link(fora, caminho));
        else
            escreverBytes(caminho, "vdvr;1;\n");
        if (disco)
            disco->encher();
        std::optional<Imutavel> protegido;
        if (caso.startsWith("immutable"))
            QVERIFY(protegido.emplace(caso == "immutable file" ? caminho : pasta).ok);
        const QStringList antes = QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        const QByteArray bytes = lerBytes(caminho);

        AcessarArquivo a;
        a.setVdvr("2");
        QString erro;
        bool gravou = true;
        if (gravador == "exposure")
            gravou = a.salvarExposicao(caminho);
        else if (gravador == "partial")
            gravou = a.salvarExposicaoParcial(caminho);
        else if (gravador == "header")
            gravou = a.salvarCabecalhoExposicao("n", caminho);
        else if (gravador.endsWith("configuration"))
            gravou = a.salvarConfiguracao(caminho, gravador.startsWith("long"));
        else if (gravador == "profile")
            gravou = Perfil{"Acme", "Ana", "Rui", 3}.gravar(caminho, &erro);
        else
            gravou = ArquivoLingua::gravar(pasta, ":/language/ingles.qm", &erro);
        if (erro.isEmpty())
            erro = a.erroGravacao();
        QVERIFY(!gravou);
        QVERIFY2(erro.startsWith(caminho + ": ") && erro.contains(motivo), qPrintable(erro));
        QCOMPARE(lerBytes(caminho), bytes);
        QCOMPARE(QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), antes);
        QCOMPARE(lerBytes(fora), QByteArray("vdvr;9;\n"));
    }
};

QTEST_GUILESS_MAIN(TstAcessarArquivo)
#include "tst_acessararquivo.moc"
