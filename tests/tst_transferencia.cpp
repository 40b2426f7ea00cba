#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/transferencia.h"
#include "evaluation/calculoexposicao.h"
#include "instrumentoteste.h"

#include <QtTest>

// Import and export of measurement folders, and the erase of the
// instrument's loose files.
class TstTransferencia : public QObject
{
    Q_OBJECT

private:
    const Avaliador avaliador{"Acme", "Ana"};

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void importar()
    {
        BancadaTeste b;
        const QString origem = b.dir.filePath("fora/e_230321142210");
        QDir().mkpath(QFileInfo(origem).path());
        QVERIFY(QDir().rename(b.dados + "MED001", origem));
        QVERIFY(QFile::rename(origem + "/MED001.id", origem + "/e_230321142210.id"));
        escreverBytes(origem + "/e_230321142210.id",
                      "nome_exposicao;Prensa-230321142210;\nid_equipamento;KT-OUTRO;\n"
                      "data_criacao;21/03/2023;\njornada_de_trabalho;08:00;\n");

        // Read-only files (a write-protected stick), and what a save killed
        // midway left beside a file.
        escreverBytes(origem + "/e_230321142210.id.Ab3xYz", "nome_exposicao;");
        QDirIterator arquivos(origem, QDir::Files, QDirIterator::Subdirectories);
        while (arquivos.hasNext())
            QFile::setPermissions(arquivos.next(), QFile::ReadOwner | QFile::ReadGroup);
        QCOMPARE(int(Transferencia::importar(origem, b.armazem, false, avaliador).resultado),
                 int(Transferencia::Importacao::Importada));
        const QString local = b.armazem + "e_230321142210";
        QVERIFY(!QFileInfo::exists(local + "/e_230321142210.id.Ab3xYz"));
        for (const QString &arquivo : conteudoDe(local).keys())
            QVERIFY2(QFile::permissions(local + "/" + arquivo) & QFile::WriteOwner, qPrintable(arquivo));
        AcessarArquivo a;
        a.lerExposicao(local + "/e_230321142210.id");
        QCOMPARE(a.getEmpresa_avaliadora(), QString("Acme"));
        QCOMPARE(a.getResponsavel_tecnico(), QString("Ana"));
        QCOMPARE(a.getId_equipamento(), QString("KT-OUTRO"));
        QCOMPARE(a.getNome_exposicao(), QString("Prensa-230321142210"));
        QVERIFY(a.getEnable_corpo().toInt() > 0);
        QCOMPARE(LayoutMedida::contarArquivosHead(local), LayoutMedida::contarArquivosHead(origem));
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("(^|/)\\.")), QStringList());

        // Again, replacing: every file comes from the source once more.
        const QString componente = LayoutMedida::componentes(LayoutMedida::pastasCorpo(local).at(0)).at(0);
        escreverBytes(componente + ".res", "mexido");
        QCOMPARE(int(Transferencia::importar(origem, b.armazem, true, avaliador).resultado),
                 int(Transferencia::Importacao::Importada));
        QVERIFY(lerBytes(componente + ".res") != "mexido");
    }

    // An import that cannot be made leaves the store empty: not a
    // measurement, missing, or a copy that breaks off.
    void importarFalha_data()
    {
        QTest::addColumn<QString>("origem");
        QTest::addColumn<int>("resultado");
        QTest::newRow("a task folder") << "DATA/MED001/T1" << int(Transferencia::Importacao::NaoEhMedida);
        QTest::newRow("missing") << "nada" << int(Transferencia::Importacao::NaoEhMedida);
        QTest::newRow("copy breaks off") << "DATA/MED001" << int(Transferencia::Importacao::FalhaCopia);
    }

    void importarFalha()
    {
        QFETCH(QString, origem);
        BancadaTeste b;
        if (QTest::currentDataTag() == QLatin1String("copy breaks off"))
            QVERIFY(criarFifo(b.dados + "MED001/T1/corpo/X.dat"));
        QTEST(int(Transferencia::importar(b.volume + "/" + origem, b.armazem, false, avaliador).resultado),
              "resultado");
        QVERIFY(pastasDe(b.armazem).isEmpty() && conteudoDe(b.armazem).isEmpty());
    }

    void exportar()
    {
        BancadaTeste b;
        const QString destino = b.dir.filePath("pendrive");
        QDir().mkpath(destino);
        QVERIFY(Transferencia::exportar(b.dados + "MED002", destino) == Copia::Resultado::Copiada);
        QCOMPARE(conteudoDe(destino + "/MED002"), conteudoDe(b.dados + "MED002"));
        // Exported again over the first copy: replaced, not duplicated.
        escreverBytes(destino + "/MED002/MED002.id", "mexido");
        QVERIFY(Transferencia::exportar(b.dados + "MED002", destino) == Copia::Resultado::Copiada);
        QCOMPARE(conteudoDe(destino + "/MED002"), conteudoDe(b.dados + "MED002"));
    }

    void exportarFalha_data()
    {
        QTest::addColumn<QString>("origem");
        QTest::addColumn<QString>("destino");
        QTest::newRow("into itself") << "DATA/MED001" << "DATA/MED001";
        QTest::newRow("into a sub-folder of itself") << "DATA/MED001" << "DATA/MED001/T1";
        QTest::newRow("missing source") << "DATA/NADA" << "pendrive";
        QTest::newRow("destination under a file") << "DATA/MED001" << "DATA/Crv_vib.cfg/x";
    }

    void exportarFalha()
    {
        QFETCH(QString, origem);
        QFETCH(QString, destino);
        BancadaTeste b;
        QDir().mkpath(b.dir.filePath("pendrive"));
        const auto antes = conteudoDe(b.volume);
        QVERIFY(Transferencia::exportar(b.volume + "/" + origem, b.volume + "/" + destino) != Copia::Resultado::Copiada);
        QCOMPARE(conteudoDe(b.volume), antes);
    }

    // Nothing outside the store or the measurement is ever deleted,
    // rewritten or copied through a link: a store entry that is a link is
    // refused, a leftover hidden entry that is a link is removed itself,
    // and a link inside a measurement is left out of a copy and named.
    void links_data()
    {
        QTest::addColumn<QString>("operacao");
        QTest::addColumn<QString>("link");     // where the link to the outside folder is planted
        QTest::addColumn<bool>("feito");       // the operation completes
        QTest::addColumn<QString>("omitido");  // what the copy names as left out
        QTest::newRow("import replacing a store entry that is a link")
            << "import" << "store/MED001" << false << "";
        QTest::newRow("download over a synchronised entry that is a link")
            << "download" << "store/e_230321142210" << false << "";
        QTest::newRow("leftover copy folder that is a link")
            << "import" << "store/.copiando-MED001" << true << "";
        QTest::newRow("leftover old folder that is a link")
            << "import" << "store/.antiga-MED001" << true << "";
        QTest::newRow("import, a linked file inside") << "import" << "source/T1/corpo/privado.dat" << true
                                                      << "T1/corpo/privado.dat";
        QTest::newRow("import, a linked task folder inside") << "import" << "source/T9" << true << "T9";
        QTest::newRow("download, a linked file inside")
            << "download" << "source/T1/corpo/privado.dat" << true << "T1/corpo/privado.dat";
        QTest::newRow("export into an entry that is a link") << "export" << "dest/MED001" << false << "";
        QTest::newRow("export, a linked file inside") << "export" << "source/privado.dat" << true
                                                      << "privado.dat";
        QTest::newRow("evaluation, a linked task folder inside") << "evaluate" << "source/T9" << true << "";
    }

    void links()
    {
        QFETCH(QString, operacao);
        QFETCH(QString, link);
        QFETCH(bool, feito);
        QFETCH(QString, omitido);
        BancadaTeste b;
        // Outside: a folder that looks like a task and a measurement, with a
        // private file in it.
        const QString fora = b.dir.filePath("fora");
        QDir().mkpath(fora + "/corpo");
        escreverBytes(fora + "/corpo/T9.id", "nome_exp_parcial;Fora;\nnum_repeticao;1;\n");
        escreverBytes(fora + "/MED001.id", "nome_exposicao;Fora;\n");
        escreverBytes(fora + "/e_230321142210.id", "nome_exposicao;Fora;\n");
        escreverBytes(fora + "/privado.dat", "senha");
        const auto foraAntes = conteudoDe(fora);

        const QString destino = b.dir.filePath("dest");
        QDir().mkpath(destino);
        QString origem = b.dados + "MED001";
        if (operacao == "download") {
            QVERIFY(QDir().rename(origem, b.dados + "e_230321142210"));
            QVERIFY(QFile::rename(b.dados + "e_230321142210/MED001.id", b.dados + "e_230321142210/e_230321142210.id"));
            origem = b.dados + "e_230321142210";
        } else if (operacao == "evaluate") {
            QVERIFY(QDir().rename(origem, b.armazem + "MED001"));
            origem = b.armazem + "MED001";
        }
        const QString ponto = QString(link).replace("store/", b.armazem).replace("source/", origem + "/")
                                  .replace("dest/", destino + "/");
        QVERIFY(QFile::link(link.endsWith(".dat") ? fora + "/privado.dat" : fora, ponto));

        Copia::Relato relato;
        bool completo = false;
        if (operacao == "import") {
            const auto r = Transferencia::importar(origem, b.armazem, true, avaliador);
            completo = r.resultado == Transferencia::Importacao::Importada;
            relato = r.copia;
            QCOMPARE(int(r.resultado), int(feito ? Transferencia::Importacao::Importada
                                                 : Transferencia::Importacao::DestinoEhLink));
        } else if (operacao == "download") {
            const auto r = Download::baixar(origem, b.armazem, true, true, avaliador, b.id());
            completo = r.resultado == Download::Resultado::Baixado;
            relato.links = r.links;
            QCOMPARE(int(r.resultado), int(feito ? Download::Resultado::Baixado
                                                 : Download::Resultado::LocalEhLink));
        } else if (operacao == "export") {
            completo = Transferencia::exportar(origem, destino, &relato) == Copia::Resultado::Copiada;
        } else {
            completo = CalculoExposicao::avaliarMedida(origem).gravou();
        }
        QCOMPARE(completo, feito);
        QCOMPARE(conteudoDe(fora), foraAntes);
        QCOMPARE(relato.links, omitido.isEmpty() ? QStringList() : QStringList{origem + "/" + omitido});
        // The copies hold no link and nothing of the outside folder.
        for (const QString &pasta : {b.armazem, destino}) {
            const auto copias = conteudoDe(pasta);
            for (auto it = copias.cbegin(); it != copias.cend(); ++it) {
                if (QDir(pasta).filePath(it.key()).startsWith(ponto))
                    continue; // the planted link itself
                QVERIFY2(!QFileInfo(QDir(pasta).filePath(it.key())).isSymLink() && it.value() != "senha",
                         qPrintable(it.key()));
            }
        }
        if (link.contains("/."))
            QVERIFY(!QFileInfo(ponto).isSymLink() && !QFileInfo::exists(ponto));
        else if (!feito)
            QVERIFY(QFileInfo(ponto).isSymLink());
    }

    void apagar()
    {
        BancadaTeste b;
        for (const char *solto : {"A.head", "A.dat", "A.res", "B.dat"})
            escreverBytes(b.dados + solto, "x");
        escreverBytes(b.dados + "leia.txt", "fica");
        escreverBytes(b.dados + "C.head.bak", "fica");
        QDir().mkpath(b.dados + "pasta.dat");
        const QString fora = b.dir.filePath("fora.dat");
        escreverBytes(fora, "de outro lugar");
        QVERIFY(QFile::link(fora, b.dados + "link.dat"));
        const auto medidasAntes = conteudoDe(b.dados + "MED001");

        const Transferencia::Apagamento r = Transferencia::apagarArquivosSoltos(b.dados);
        QCOMPARE(r.apagados, 4);
        QCOMPARE(r.falhas, 0);
        for (const char *solto : {"A.head", "A.dat", "A.res", "B.dat"})
            QVERIFY(!QFileInfo::exists(b.dados + solto));
        QCOMPARE(lerBytes(b.dados + "leia.txt"), QByteArray("fica"));
        QVERIFY(QFileInfo::exists(b.dados + "C.head.bak"));
        QVERIFY(QFileInfo(b.dados + "pasta.dat").isDir());
        QVERIFY(QFileInfo(b.dados + "Crv_vib.cfg").isFile());
        QCOMPARE(lerBytes(fora), QByteArray("de outro lugar"));
        QCOMPARE(conteudoDe(b.dados + "MED001"), medidasAntes);
    }

    void apagarPastaQueEhLink()
    {
        BancadaTeste b;
        const QString alvo = b.dir.filePath("alvo");
        QDir().mkpath(alvo);
        escreverBytes(alvo + "/X.dat", "x");
        const QString link = b.dir.filePath("DATA-link");
        QVERIFY(QFile::link(alvo, link));
        const Transferencia::Apagamento r = Transferencia::apagarArquivosSoltos(link + "/");
        QCOMPARE(r.apagados, 0);
        QCOMPARE(r.falhas, 1);
        QVERIFY(QFileInfo::exists(alvo + "/X.dat"));
        QCOMPARE(Transferencia::apagarArquivosSoltos(b.dir.filePath("nada")).apagados, 0);
    }
};

QTEST_GUILESS_MAIN(TstTransferencia)
#include "tst_transferencia.moc"
