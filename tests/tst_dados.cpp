#include "data/arquivolingua.h"
#include "arquivos.h"
#include "data/acessararquivo.h"
#include "data/csv.h"
#include "data/layoutmedida.h"
#include "data/perfil.h"
#include "device/simuladorinstrumento.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>
#include <optional>

// Reading and writing the record files (exposure, partial exposure,
// component, data, result and configuration files) through real files,
// sound or damaged; measurement folders and download names.
class TstDados : public QObject
{
    Q_OBJECT

private:
    PastaTeste dir;
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

    int nDados = 0;
    QString arquivoDados(const QByteArray &conteudo)
    {
        return dir.arquivo(QString("d%1.dat").arg(++nDados), conteudo);
    }

    static void criar(const QString &raiz, const QStringList &arquivos)
    {
        for (const QString &a : arquivos) {
            QDir().mkpath(QFileInfo(raiz + '/' + a).path());
            escreverBytes(raiz + '/' + a, "x;y;\n");
        }
    }

private slots:
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
        a.lerExposicao(dir.arquivo("e.id", conteudo));
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
        const QString caminho = dir.arquivo("obs.id", "nome_exposicao;X;\n");
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
        // Written beside the file and renamed over it: nothing left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("obs"), QStringList{"obs.id"});
    }

    // A partial-exposure file out of order, with a key of another kind,
    // read beside a component's head: each keeps its own fields (the
    // exposure's apart from the component's), and the partial file is
    // written back in order.
    void parcialForaDeOrdem()
    {
        const QString caminho = dir.arquivo("T1.id", "FC_z_parcial;3.000;\ntempo_amostrado;00:30:00;\n"
                                                 "nome_exp_parcial;Prensa;\nnum_repeticao;6;\n"
                                                 "desconhecida;x;\ntempo_exp;00:10:00;\ntipo_de_sensor;mao;\n");
        AcessarArquivo a;
        a.lerComponente(dir.arquivo("C1.head", "nome_componente;C1;\nchave_nova;x;\ntipo_de_sensor;corpo;\n"
                                           "periodo_amostragem;1;\nk_x;1.4;\nduracao_comp;600;\n"));
        a.lerExposicaoParcial(caminho);
        QCOMPARE(QStringList({a.getNome_componente(), a.getTipo_de_sensor_comp(), a.getPeriodo_amostragem_comp(),
                              a.getK_x(), a.getDuracao_comp()}),
                 QStringList({"C1", "corpo", "1", "1.4", "600"}));
        QCOMPARE(a.getTipo_de_sensor() + a.getPeriodo_amostragemConfig(), QString("  "));
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

    // The record writers never make a file: not a missing one, not in a
    // missing folder, not at an empty path nor over a folder.
    void escritaNuncaCria()
    {
        for (const QString &caminho : {dir.filePath("nao/existe.id"), dir.filePath("ausente.id"), QString(), dir.path()}) {
            AcessarArquivo a;
            QVERIFY(!a.salvarExposicao(caminho) && !a.salvarExposicaoParcial(caminho));
            QVERIFY(!a.salvarCabecalhoExposicao("n", caminho));
            QVERIFY(!a.salvarConfiguracao(caminho, true) && !a.salvarConfiguracao(caminho, false));
            if (caminho.endsWith(".id"))
                QVERIFY(!QFileInfo::exists(caminho));
        }
    }

    // Every save either replaces the file whole or leaves it as it was,
    // with nothing beside it, and says which file and why: on a full disk
    // or one with less room left than the file needs (the system then
    // writes part of it), over a file or into a folder that cannot be
    // changed (as root too), and never through a link.
    void gravacaoFalha_data()
    {
        QTest::addColumn<QString>("gravador");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        const QStringList gravadores = {"exposure", "partial", "header", "long configuration",
                                        "short configuration", "profile", "language"};
        const QList<QPair<QString, QString>> casos = {
            {"full disk", "No space left on device"}, {"4 KiB left", "No space left on device"},
            {"16 KiB left", "No space left on device"}, {"immutable file", ""},
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
        if (caso.contains(QRegularExpression("full|left")) && !disco.emplace(pasta).ok)
            QSKIP("mounting a small file system needs root");
        const QString caminho = pasta + "/lingua.lg";
        const QString fora = local.filePath("fora.txt");
        escreverBytes(fora, "vdvr;9;\n");
        if (caso == "link")
            QVERIFY(QFile::link(fora, caminho));
        else
            escreverBytes(caminho, "vdvr;1;\n");
        if (disco)
            disco->encher(caso.section(' ', 0, 0).toInt() * 1024);
        std::optional<Imutavel> protegido;
        if (caso.startsWith("immutable"))
            QVERIFY(protegido.emplace(caso == "immutable file" ? caminho : pasta).ok);
        const QStringList antes = QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        const QByteArray bytes = lerBytes(caminho);

        // More than the room left: the system takes part of it.
        const QString grande(40000, 'v');
        AcessarArquivo a;
        a.setVdvr(grande);
        a.setNome_exp_parcial(grande);
        a.setTempo_programado(grande);
        QString erro;
        bool gravou = true;
        if (gravador == "exposure")
            gravou = a.salvarExposicao(caminho);
        else if (gravador == "partial")
            gravou = a.salvarExposicaoParcial(caminho);
        else if (gravador == "header")
            gravou = a.salvarCabecalhoExposicao(grande, caminho);
        else if (gravador.endsWith("configuration"))
            gravou = a.salvarConfiguracao(caminho, gravador.startsWith("long"));
        else {
            const Desfecho d = gravador == "profile" ? Perfil{grande, "Ana", "Rui", 3}.gravar(caminho)
                                                     : ArquivoLingua::gravar(pasta, grande);
            gravou = d.feito();
            erro = d.motivo;
        }
        if (erro.isEmpty())
            erro = a.erroGravacao();
        QVERIFY(!gravou);
        QVERIFY2(erro.startsWith(caminho + ": ") && erro.contains(motivo), qPrintable(erro));
        QCOMPARE(lerBytes(caminho), bytes);
        QCOMPARE(QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), antes);
        QCOMPARE(lerBytes(fora), QByteArray("vdvr;9;\n"));
    }

    // Files a damaged or foreign volume may hold: none may crash or hang a
    // reader, and whatever was read goes back out whole. Every byte value a
    // free-text or plain field can hold, the five that Windows-1252 leaves
    // undefined included, comes back unchanged, and a text typed in the
    // program is written in the instrument's code page.
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
        QByteArray todos;
        for (int b = 1; b < 256; ++b) {
            if (b != ';' && b != '\n' && b != '\r')
                todos += char(b);
        }
        QTest::newRow("every byte value")
            << "nome_exposicao;" + todos + ";\nid_equipamento;KT;\ntipo_de_sensor;corpo;\ndata_criacao;d;\n"
               "jornada_de_trabalho;08:00;\nempresa_avaliadora;" + todos + ";\nresponsavel_tecnico;x;\nempresa_avaliada;"
               + todos + ";\nfuncionario_avaliado;y;\nsetor;z;\nenable_corpo;1;\nenable_mao;0;\nare_corpo;1;\nare_mao;2;\n"
               "aren_corpo;3;\naren_mao;4;\nFC_x_resultante;5;\nFC_y_resultante;6;\nFC_z_resultante;7;\nvdvexpx;8;\n"
               "vdvexpy;9;\nvdvexpz;10;\nvdvr;11;\nobservacoes;" + todos + "\n" + todos + ";\n";
    }

    void corpus()
    {
        QFETCH(QByteArray, conteudo);
        const QString caminho = dir.filePath("ruim");
        QVERIFY(escreverBytes(caminho, conteudo));
        AcessarArquivo a;
        lerTudo(a, caminho);
        QCOMPARE(a.getColuna8().size(), a.getColuna1().size());
        // Whatever was read must go back out whole and read again the same.
        for (int ciclo = 0; ciclo < 2; ++ciclo) {
            QVERIFY(a.salvarExposicao(caminho));
            AcessarArquivo b;
            b.lerExposicao(caminho);
            QCOMPARE(b.getSetor(), a.getSetor());
            QCOMPARE(b.getVdvr(), a.getVdvr());
            QCOMPARE(b.getObservacoes(), a.getObservacoes());
            a = b;
        }
        if (QTest::currentDataTag() != QLatin1String("every byte value"))
            return;
        QCOMPARE(lerBytes(caminho), conteudo);
        a.setSetor(QString::fromUtf8("Produção €"));
        QVERIFY(a.salvarExposicao(caminho));
        QVERIFY(lerBytes(caminho).contains("setor;Produ\xe7\xe3o \x80;\n"));
    }

    // Data and result files: header values, band lists and the sample table.
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
        a.lerDados(arquivoDados(conteudo));
        QTEST(a.getAmr(), "amr");
        QTEST(a.getVdvx(), "vdvx");
        QTEST(a.getFC_z(), "fcz");
    }

    // Files read one after another: the result file's values over the data
    // file's, the lists and the table those of the last file that has them,
    // a missing file changing nothing. A copy taken before keeps its own
    // table (turned into text on first use) whatever the original reads.
    void leiturasSeguidas()
    {
        AcessarArquivo a;
        a.lerDados(arquivoDados("Tempo;\n00:00:09;9;9;9;9;9;9;9;\n"));
        const AcessarArquivo copia = a;
        a.lerDados(arquivoDados("amr(acc);0.4;\namx(acc);0.2;\nTempo;amx;\n"
                                "00:00:01;1;2;3;4;5;6;7;\n00:00:02;1;2;3;4;5;6;7;\n"));
        a.lerDados(arquivoDados("amr(acc);0.45;\nFC_x;3.1;\nfreq;1;1.25;1.6;2;2.5;3.15;4;5;6.3;8;\n"
                                "vibracao;90;91;92;;93;\n"));
        a.lerDados(dir.filePath("nao-existe.res"));
        a.lerDados(dir.path());
        QCOMPARE(a.getAmr() + '|' + a.getAmx() + '|' + a.getFC_x(), QString("0.45|0.2|3.1"));
        QCOMPARE(a.getColuna1(), QStringList({"00:00:01", "00:00:02"}));
        QCOMPARE(a.getFreq().size(), 10);
        QCOMPARE(a.getFreq().first() + '|' + a.getFreq().last(), QString("1|8"));
        QCOMPARE(a.getVibracao(), QStringList({"90", "91", "92", "93"}));
        a.lerDados(arquivoDados("vdvx(acc);1;\n"));
        QVERIFY(a.getFreq().isEmpty() && a.getVibracao().isEmpty());
        a.limparComponente();
        QVERIFY(a.getColuna1().isEmpty());
        QCOMPARE(copia.getColuna1() + copia.getColuna4(), QStringList({"00:00:09", "9"}));
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
        QTest::newRow("a line longer than any record, then the values")
            << QByteArray(3 << 20, '0') + "\namr(acc);0.5;\nTempo;\n00:00:01;1;2;3;4;5;6;7;\n"
            << QStringList{"00:00:01"} << QStringList{"7"};
    }

    void tabela()
    {
        QFETCH(QByteArray, conteudo);
        AcessarArquivo a;
        a.lerDados(arquivoDados("Tempo;\n1;1;1;1;1;1;1;1;\n9;9;9;9;9;9;9;9;\n9;9;9;9;9;9;9;9;\n"));
        a.lerDados(arquivoDados(conteudo));
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
        const QString base = dir.filePath(QString("d%1").arg(nDados));
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

    // The instrument's configuration file, in its long and short key sets.
    void configuracaoChaves_data()
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
        QTest::newRow("alias last wins") << QByteArray("ponderacao_fx_mao;wh;\nwx_mao;wb;\n") << true
                                         << QByteArray("ponderacao_fx_mao;wb;");
        QTest::newRow("key last wins") << QByteArray("wx_mao;wb;\nponderacao_fx_mao;wh;\n") << false
                                       << QByteArray("wx_mao;wh;");
    }

    void configuracaoChaves()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, completo);
        QFETCH(QByteArray, linhaEsperada);
        const QString caminho = dir.arquivo("c.cfg", conteudo);
        AcessarArquivo a;
        a.lerConfiguracao(caminho);
        QVERIFY(a.salvarConfiguracao(caminho, completo));
        QVERIFY2(lerBytes(caminho).split('\n').contains(linhaEsperada), lerBytes(caminho).constData());
    }

    // Everything the dialog does not edit goes back as it was read, keys
    // this program does not write included, in their place: the simulated
    // instrument's files, the long one's workday under the key the program
    // writes it under.
    void configuracaoIdaEVolta_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QByteArray>("de"); // replaced in the file by `por`
        QTest::addColumn<QByteArray>("por");
        QTest::newRow("long, switch-off time") << true << QByteArray("jornada_de_trabalho;")
                                               << QByteArray("jornada_de_trabalhoConfig;");
        QTest::newRow("short") << false << QByteArray() << QByteArray();
        QTest::newRow("long, a newer key") << true << QByteArray("jornada_de_trabalho;")
                                           << QByteArray("modo_novo;x;\njornada_de_trabalhoConfig;");
        QTest::newRow("short, a newer key first") << false << QByteArray("id_equip;") << QByteArray("versao;2;\nid_equip;");
    }

    void configuracaoIdaEVolta()
    {
        QFETCH(bool, completo);
        QFETCH(QByteArray, de);
        QFETCH(QByteArray, por);
        QTemporaryDir d;
        OpcoesSimulacao o;
        o.medidas = 0;
        o.configuracaoCurta = !completo;
        QString erro;
        QVERIFY(simularInstrumento(d.path(), o, &erro));
        const QString caminho = d.filePath(completo ? "DATA/Crv_vib.cfg" : "DATA/KT9400.cfg");
        const QByteArray conteudo = de.isEmpty() ? lerBytes(caminho) : lerBytes(caminho).replace(de, por);
        escreverBytes(caminho, conteudo);
        AcessarArquivo a;
        a.lerConfiguracao(caminho);
        QVERIFY(a.salvarConfiguracao(caminho, completo));
        QCOMPARE(lerBytes(caminho), conteudo);
    }

    // A downloaded folder's time is in its name (and its name made of the
    // time); any other folder's is its modification time.
    void momentoDaPasta_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QDateTime>("esperado");
        const QDateTime modificada(QDate(2025, 5, 6), QTime(7, 8, 9));
        QTest::newRow("downloaded") << "e_240102090507" << QDateTime(QDate(2024, 1, 2), QTime(9, 5, 7));
        QTest::newRow("21 Mar 2023") << "e_230321142210" << QDateTime(QDate(2023, 3, 21), QTime(14, 22, 10));
        QTest::newRow("end of century") << "e_991231235959" << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59));
        QTest::newRow("instrument name") << "MED001" << modificada;
        QTest::newRow("not a stamp") << "e_991399999999" << modificada;
        QTest::newRow("too long") << "e_2401020905071" << modificada;
    }

    void momentoDaPasta()
    {
        QFETCH(QString, nome);
        QTemporaryDir d;
        QDir(d.path()).mkdir(nome);
        QVERIFY(datarPasta(d.filePath(nome), QDateTime(QDate(2025, 5, 6), QTime(7, 8, 9))));
        QFETCH(QDateTime, esperado);
        QCOMPARE(LayoutMedida::momentoDaPasta(QFileInfo(d.filePath(nome))), esperado);
        if (esperado.date().year() != 2025)
            QCOMPARE(LayoutMedida::nomeDownload(esperado), nome);
    }

    // The hand-made reading gives what Qt's parser gives, wrong texts included.
    void lerDataHora_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("formato");
        const QString carimbo = "yyMMddHHmmss", data = "dd/MM/yyyy HH:mm:ss";
        for (const char *t : {"240102090507", "991231235959", "000229120000", "010229120000", "241301090507",
                              "240102250000", "24010209050", "2401020905071", "24010209050a", " 40102090507"})
            QTest::addRow("%s %s", t, "stamp") << QString(t) << carimbo;
        for (const char *t : {"02/01/2024 09:05:07", "29/02/2023 09:05:07", "31/12/1999 23:59:59",
                              "2/01/2024 09:05:07", "02-01-2024 09:05:07", "02/01/2024 24:00:00", "", "02/01/2024"})
            QTest::addRow("%s %s", t, "date") << QString(t) << data;
        QTest::newRow("other format") << "2024-01-02" << "yyyy-MM-dd";
    }

    void lerDataHora()
    {
        QFETCH(QString, texto);
        QFETCH(QString, formato);
        QCOMPARE(LayoutMedida::lerDataHora(texto, formato), QDateTime::fromString(texto, formato));
    }

    void renomearExposicao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("with stamp") << "Prensa-1" << "Prensa-240102090507";
        QTest::newRow("no dash") << "Prensa" << "Prensa-240102090507";
        QTest::newRow("leading dash") << "-Prensa-2301" << "Prensa-240102090507";
        QTest::newRow("many pieces") << "Linha-A-230321142210" << "Linha-240102090507";
        QTest::newRow("unset") << " " << " -240102090507";
        QTest::newRow("only dashes") << "--" << "---240102090507";
        QTest::newRow("accents") << QString::fromUtf8("Operação-1")
                                 << QString::fromUtf8("Operação-240102090507");
    }

    void renomearExposicao()
    {
        QFETCH(QString, nome);
        QTEST(LayoutMedida::renomearExposicao(nome, "240102090507"), "esperado");
    }

    // What is a measurement folder, and what in it the evaluation reads.
    void pastasDaMedida()
    {
        QTemporaryDir d;
        criar(d.path(), {"M1/M1.id", "M1/T1/corpo/T1.id", "Sem/outro.id",
                         "Com espaço e ção/Com espaço e ção.id", "Arquivos PDF/x.pdf",
                         "Perfil/perfil.id", "solto.id"});
        QDir(d.path()).mkpath("Pasta/Pasta.id"); // a folder, not a file
        QCOMPARE(LayoutMedida::medidas(d.path()),
                 QStringList({d.filePath(QString::fromUtf8("Com espaço e ção")), d.filePath("M1")}));
        QVERIFY(LayoutMedida::ehMedida(d.filePath("M1") + "/"));
        QVERIFY(!LayoutMedida::ehMedida(d.filePath("Perfil")) && !LayoutMedida::ehMedida(d.filePath("nao-existe")));
        QCOMPARE(LayoutMedida::arquivoExposicao(d.filePath("M1")), d.filePath("M1/M1.id"));
        QVERIFY(LayoutMedida::medidas(d.filePath("nao-existe")).isEmpty());

        const QString m = d.filePath("M");
        criar(m, {"M.id", "T2/mao/T2.id", "T2/mao/C1.head", "T1/corpo/T1.id", "T1/corpo/C2.head",
                  "T1/corpo/C2.dat", "T1/corpo/C1.head", "T1/corpo/C1.res", "T1/corpo/x.head.bak",
                  "T1/corpo/fundo/C9.head"});
        QCOMPARE(LayoutMedida::pastasCorpo(m),
                 QStringList({m + "/T1/corpo", m + "/T1/mao", m + "/T2/corpo", m + "/T2/mao"}));
        QCOMPARE(LayoutMedida::arquivoParcial(m + "/T1/corpo"), m + "/T1/corpo/T1.id");
        QCOMPARE(LayoutMedida::componentes(m + "/T1/corpo"), QStringList({m + "/T1/corpo/C1", m + "/T1/corpo/C2"}));
        QVERIFY(LayoutMedida::componentes(m + "/T1/mao").isEmpty());
        QCOMPARE(LayoutMedida::contarArquivosHead(m), 4);
        QCOMPARE(LayoutMedida::contarArquivosHead(d.filePath("nada")), 0);
    }
};

QTEST_GUILESS_MAIN(TstDados)
#include "tst_dados.moc"
