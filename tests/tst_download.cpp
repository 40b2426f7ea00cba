#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/download.h"
#include "device/sincronizacao.h"
#include "instrumentoteste.h"

#include <QtTest>

// Pairing and downloading, on a simulated instrument and a real store.
class TstDownload : public QObject
{
    Q_OBJECT

private:
    const Avaliador avaliador{"Acme Higiene", QString::fromUtf8("João Técnico")};

    static QString nomeDeDownload(const QString &pasta)
    {
        return LayoutMedida::nomeDownload(QFileInfo(pasta).lastModified());
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void baixarNovaMedida()
    {
        BancadaTeste b;
        const QString pasta = b.dados + "MED001";
        const QString novo = nomeDeDownload(pasta);
        const Download::Relatorio r =
            Download::baixar(pasta, b.armazem, false, false, avaliador, b.id());
        QCOMPARE(int(r.resultado), int(Download::Resultado::Baixado));
        QCOMPARE(r.pastaLocal, b.armazem + novo);
        QCOMPARE(r.pastaInstrumento, QDir(b.dados).absoluteFilePath(novo));

        // On the instrument: new folder and file names, five header lines.
        QVERIFY(!QFileInfo::exists(pasta));
        const QByteArray cabecalho = lerBytes(r.pastaInstrumento + "/" + novo + ".id");
        QCOMPARE(cabecalho.count('\n'), 5);
        QVERIFY(cabecalho.startsWith("nome_exposicao;"));
        QVERIFY(cabecalho.contains("-" + novo.mid(2).toLatin1() + ";\n"));

        // In the store: the whole folder, evaluated and stamped.
        AcessarArquivo a;
        a.lerExposicao(LayoutMedida::arquivoExposicao(r.pastaLocal));
        QCOMPARE(a.getEmpresa_avaliadora(), QString("Acme Higiene"));
        QCOMPARE(a.getResponsavel_tecnico(), QString::fromUtf8("João Técnico"));
        QCOMPARE(a.getId_equipamento(), b.id());
        QVERIFY(a.getEnable_corpo().toInt() > 0);
        QVERIFY(a.getAre_corpo().toDouble() > 0);
        QCOMPARE(LayoutMedida::contarArquivosHead(r.pastaLocal),
                 LayoutMedida::contarArquivosHead(r.pastaInstrumento));
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("^\\.")), QStringList());

        // Paired from now on; a second download keeps the name.
        const auto c = Sincronizacao::compararDiretorios(b.dados, b.armazem, b.id());
        QCOMPARE(c.dadosIguais, QStringList{r.pastaInstrumento});
        QCOMPARE(Download::novoNome(r.pastaInstrumento), novo);
        const auto outro = Sincronizacao::compararDiretorios(b.dados, b.armazem, "KT-OUTRO");
        QVERIFY(outro.dadosIguais.isEmpty());
    }

    void pareamento()
    {
        BancadaTeste b;
        const auto r = Download::baixar(b.dados + "MED002", b.armazem, false, false, avaliador, b.id());
        QCOMPARE(int(r.resultado), int(Download::Resultado::Baixado));
        // A component lost in the local copy breaks the pairing.
        const QString head = LayoutMedida::componentes(LayoutMedida::pastasCorpo(r.pastaLocal).at(1)).value(0);
        QVERIFY(QFile::remove(head + ".head"));
        QVERIFY(Sincronizacao::compararDiretorios(b.dados, b.armazem, b.id()).dadosIguais.isEmpty());

        const auto linhas = Sincronizacao::linhas(b.dados, {});
        QCOMPARE(linhas.size(), 3);
        // Newest recording first: the downloaded MED002 keeps its place and
        // its time although renaming touched its folder.
        QCOMPARE(LayoutMedida::nomePasta(linhas.at(0).pasta), QString("MED003"));
        QCOMPARE(linhas.at(1).pasta, r.pastaInstrumento);
        QCOMPARE(LayoutMedida::nomePasta(linhas.at(2).pasta), QString("MED001"));
        QVERIFY(linhas.at(1).data.endsWith(
            QDateTime::fromString(r.pastaInstrumento.right(12), "yyMMddHHmmss").toString(" HH:mm:ss")));
        QVERIFY(Sincronizacao::linhas(b.dir.filePath("nada/DATA/"), {}).isEmpty());
        QVERIFY(Sincronizacao::compararDiretorios(" /DATA/", b.armazem, "").dadosTabelaMedidas.isEmpty());
    }

    void linhasDaTabela()
    {
        QTemporaryDir d;
        const QString dados = d.filePath("DATA");
        QDir().mkpath(dados + "/X1");
        QDir().mkpath(dados + "/sem-exposicao");
        escreverBytes(dados + "/X1/X1.id",
                      QString::fromUtf8("nome_exposicao;Ruído-Prensa;\ndata_criacao;15/01/2024;\n").toLatin1());
        escreverBytes(dados + "/solto.dat", "amr(acc);1;\n");
        QVERIFY(datarPasta(dados + "/X1", QDateTime(QDate(2024, 1, 15), QTime(8, 30, 5))));
        const auto linhas = Sincronizacao::linhas(dados, {dados + "/X1"});
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas.at(0).nome, QString::fromUtf8("Ruído"));
        QCOMPARE(linhas.at(0).data, QString("15/01/2024 08:30:05"));
        QVERIFY(linhas.at(0).sincronizado);
        QCOMPARE(Sincronizacao::compararDiretorios(dados, d.path(), "").dadosTabelaMedidas.size(), 2);
    }

    void copiaAntigaSubstituida()
    {
        BancadaTeste b;
        const QString pasta = b.dados + "MED001";
        const QString novo = nomeDeDownload(pasta);
        // An older, different local copy of the same name (not paired).
        QDir().mkpath(b.armazem + novo);
        escreverBytes(b.armazem + novo + "/" + novo + ".id", "nome_exposicao;Velha-1;\n");
        escreverBytes(b.armazem + novo + "/lixo.txt", "x");
        const auto r = Download::baixar(pasta, b.armazem, false, false, avaliador, b.id());
        QCOMPARE(int(r.resultado), int(Download::Resultado::Baixado));
        QVERIFY(!QFileInfo::exists(b.armazem + novo + "/lixo.txt"));
        QVERIFY(!lerBytes(b.armazem + novo + "/" + novo + ".id").contains("Velha"));
    }

    void atualizarCopiaPareada_data()
    {
        QTest::addColumn<bool>("substituir");
        QTest::newRow("replace files") << true;
        QTest::newRow("keep files") << false;
    }

    void atualizarCopiaPareada()
    {
        QFETCH(bool, substituir);
        BancadaTeste b;
        const auto r1 = Download::baixar(b.dados + "MED001", b.armazem, false, false, avaliador, b.id());
        const QString corpo = LayoutMedida::pastasCorpo(r1.pastaLocal).at(0);
        const QString componente = LayoutMedida::componentes(corpo).at(0) + ".res";
        escreverBytes(componente, "FC_x;1.5;\n");
        escreverBytes(r1.pastaLocal + "/nota.txt", "do avaliador");
        const auto r2 = Download::baixar(r1.pastaInstrumento, b.armazem, true, substituir,
                                         avaliador, b.id());
        QCOMPARE(int(r2.resultado), int(Download::Resultado::Baixado));
        QCOMPARE(r2.pastaLocal, r1.pastaLocal);
        QCOMPARE(lerBytes(componente) == "FC_x;1.5;\n", !substituir);
        QCOMPARE(lerBytes(r1.pastaLocal + "/nota.txt"), QByteArray("do avaliador"));
    }

    // The copy breaks off midway (a file vanishes as the instrument is
    // pulled out): the old local copy stays whole, nothing half-made stays.
    void copiaInterrompida()
    {
        BancadaTeste b;
        const auto r1 = Download::baixar(b.dados + "MED001", b.armazem, false, false, avaliador, b.id());
        const auto antes = conteudoDe(b.armazem);
        const QString corpo = LayoutMedida::pastasCorpo(r1.pastaInstrumento).at(0);
        QVERIFY(criarFifo(corpo + "/C99.dat"));
        const auto r2 = Download::baixar(r1.pastaInstrumento, b.armazem, true, true, avaliador, b.id());
        QCOMPARE(int(r2.resultado), int(Download::Resultado::FalhaCopia));
        QCOMPARE(conteudoDe(b.armazem), antes);
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("(^|/)\\.")), QStringList());

        // A first download that breaks off leaves no folder at all.
        const QString outra = b.dados + "MED002";
        QVERIFY(criarFifo(LayoutMedida::pastasCorpo(outra).at(1) + "/Z.dat"));
        const auto r3 = Download::baixar(outra, b.armazem, false, false, avaliador, b.id());
        QCOMPARE(int(r3.resultado), int(Download::Resultado::FalhaCopia));
        QVERIFY(!QFileInfo::exists(r3.pastaLocal));
        QCOMPARE(conteudoDe(b.armazem), antes);
    }

    // A download that cannot be made leaves the store without anything of
    // it: a store that is a file, an instrument folder that cannot take its
    // new name (the exposure file gets its old name back), a folder that is
    // not a measurement.
    void falhas_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<int>("resultado");
        QTest::newRow("store is a file") << "armazem" << int(Download::Resultado::FalhaCopia);
        QTest::newRow("new name taken on the instrument") << "nome" << int(Download::Resultado::FalhaRenomear);
        QTest::newRow("not a measurement") << "vazia" << int(Download::Resultado::SemExposicao);
    }

    void falhas()
    {
        QFETCH(QString, caso);
        BancadaTeste b;
        QString pasta = b.dados + "MED001";
        QString armazem = b.armazem;
        const QString novo = nomeDeDownload(pasta);
        if (caso == "armazem") {
            escreverBytes(b.dir.filePath("arquivo"), "x");
            armazem = b.dir.filePath("arquivo") + "/";
        } else if (caso == "nome") {
            QDir().mkpath(b.dados + novo);
            datarPasta(pasta, QFileInfo(pasta).lastModified());
        } else {
            pasta = b.dados + "vazia";
            QDir().mkpath(pasta);
        }
        QTEST(int(Download::baixar(pasta, armazem, false, false, avaliador, b.id()).resultado), "resultado");
        QVERIFY(pastasDe(b.armazem).isEmpty() && conteudoDe(b.armazem).isEmpty());
        if (caso == "nome")
            QVERIFY(QFileInfo::exists(pasta + "/MED001.id") && !QFileInfo::exists(pasta + "/" + novo + ".id"));
        QVERIFY(QFileInfo::exists(pasta) || caso == "armazem");
    }

    void nomeComEspacosEAcentos()
    {
        BancadaTeste b;
        const QString nome = QString::fromUtf8("Medição de prensa 1");
        QVERIFY(QDir(b.dados).rename("MED001", nome));
        QVERIFY(QFile::rename(b.dados + nome + "/MED001.id", b.dados + nome + "/" + nome + ".id"));
        const auto r = Download::baixar(b.dados + nome, b.armazem, false, false, avaliador, b.id());
        QCOMPARE(int(r.resultado), int(Download::Resultado::Baixado));
        QVERIFY(LayoutMedida::ehMedida(r.pastaLocal));
        QVERIFY(LayoutMedida::nomePasta(r.pastaLocal).startsWith("e_"));
    }
};

QTEST_GUILESS_MAIN(TstDownload)
#include "tst_download.moc"
