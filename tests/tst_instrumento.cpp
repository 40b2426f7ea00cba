#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/deteccao.h"
#include "device/download.h"
#include "device/sincronizacao.h"
#include "device/transferencia.h"
#include "evaluation/calculoexposicao.h"
#include "instrumentoteste.h"

#include <QtTest>

#include <fcntl.h>
#include <future>

Q_DECLARE_METATYPE(QList<Volume>)

using Aparencia = EstadoConexao::Aparencia;

// The instrument found among the volumes; pairing, download, import,
// export and erase, on a simulated instrument and a real store.
class TstInstrumento : public QObject
{
    Q_OBJECT

private:
    const Avaliador avaliador{"Acme Higiene", QString::fromUtf8("João Técnico")};

    static Volume v(const QString &nome, const QString &raiz, bool pronto = true,
                    bool leitura = false)
    {
        return {nome, raiz, true, pronto, leitura};
    }

private slots:
    void pareamento()
    {
        BancadaTeste b;
        const auto r = Download::baixar(b.dados + "MED002", b.armazem, avaliador, b.id());
        QCOMPARE(int(r.resultado), int(Download::Resultado::Baixado));
        // A component lost in the local copy breaks the pairing.
        const QString head = LayoutMedida::componentes(LayoutMedida::pastasCorpo(r.pastaLocal).at(1)).value(0);
        QVERIFY(QFile::remove(head + ".head"));
        QVERIFY(Sincronizacao::compararDiretorios(b.dados, b.armazem, b.id()).dadosIguais.isEmpty());

        // A folder without its exposure file and a loose file are no rows; a
        // name is read up to its "-", in the instrument's code page.
        const QString x1 = b.dados + "X1";
        QDir().mkpath(x1);
        QDir().mkpath(b.dados + "sem-exposicao");
        escreverBytes(x1 + "/X1.id", QString::fromUtf8("nome_exposicao;Ruído-Prensa;\ndata_criacao;15/01/2020;\n").toLatin1());
        escreverBytes(b.dados + "solto.dat", "amr(acc);1;\n");
        QVERIFY(datarPasta(x1, QDateTime(QDate(2020, 1, 15), QTime(8, 30, 5))));
        QCOMPARE(Sincronizacao::compararDiretorios(b.dados, b.armazem, b.id()).dadosTabelaMedidas.size(), 5);
        const auto linhas = Sincronizacao::linhas(b.dados, {x1});
        QCOMPARE(linhas.size(), 4);
        // Newest recording first: the downloaded MED002 keeps its place and
        // its time although renaming touched its folder.
        QCOMPARE(LayoutMedida::nomePasta(linhas.at(0).pasta), QString("MED003"));
        QCOMPARE(linhas.at(1).pasta, r.pastaInstrumento);
        QCOMPARE(LayoutMedida::nomePasta(linhas.at(2).pasta), QString("MED001"));
        QVERIFY(linhas.at(1).data.endsWith(
            QDateTime::fromString(r.pastaInstrumento.right(12), "yyMMddHHmmss").toString(" HH:mm:ss")));
        QCOMPARE(linhas.at(3).nome + ' ' + linhas.at(3).data, QString::fromUtf8("Ruído 15/01/2020 08:30:05"));
        QVERIFY(linhas.at(3).sincronizado && !linhas.at(1).sincronizado);
        QVERIFY(Sincronizacao::linhas(b.dir.filePath("nada/DATA/"), {}).isEmpty());
        QVERIFY(Sincronizacao::compararDiretorios(" /DATA/", b.armazem, "").dadosTabelaMedidas.isEmpty());
    }

    // A first download (of a folder whose name has blanks and accents)
    // renames the folder and its file on the instrument, copies it whole
    // into the store, evaluated and stamped, and pairs them. One over a
    // local copy, an older one of the same name or a paired one, replaces
    // it whole: what the evaluator added or changed there is gone, and
    // nothing but the instrument's files remains. One that cannot be made
    // leaves the store as it was, nothing half-made in it, and the
    // instrument's measurements where they were: a store that is a file,
    // an instrument folder that cannot take its new name (the exposure
    // file gets its old name back), a folder that is not a measurement, a
    // copy that breaks off midway as the instrument is pulled out, the
    // first or over a paired copy.
    void baixar_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<int>("resultado");
        const int baixado = int(Download::Resultado::Baixado), copia = int(Download::Resultado::FalhaCopia);
        QTest::newRow("first, a name with blanks and accents") << "nova" << baixado;
        QTest::newRow("over an older copy of the same name, not paired") << "velha" << baixado;
        QTest::newRow("over a paired copy") << "pareada" << baixado;
        QTest::newRow("store is a file") << "armazem" << copia;
        QTest::newRow("new name taken on the instrument") << "nome" << int(Download::Resultado::FalhaRenomear);
        QTest::newRow("not a measurement") << "vazia" << int(Download::Resultado::SemExposicao);
        QTest::newRow("a first copy breaks off") << "fifo" << copia;
        QTest::newRow("the copy over a paired one breaks off") << "pareada fifo" << copia;
    }

    void baixar()
    {
        QFETCH(QString, caso);
        BancadaTeste b;
        const QString id = "KT-77"; // not the one the simulated files hold: the stamp is seen
        QString pasta = b.dados + "MED001";
        if (caso == "nova") {
            pasta = b.dados + QString::fromUtf8("Medição de prensa 1");
            QVERIFY(QDir().rename(b.dados + "MED001", pasta));
            QVERIFY(QFile::rename(pasta + "/MED001.id", pasta + "/" + LayoutMedida::nomePasta(pasta) + ".id"));
        }
        QString armazem = b.armazem;
        // The name a download gives the folder, from its date.
        QVERIFY(datarPasta(pasta, QDateTime(QDate(2024, 1, 15), QTime(8, 30, 5))));
        const QString novo = "e_240115083005";
        const QString local = b.armazem + novo;
        QString componente = local + "/T1/corpo/velho.res";
        if (caso == "armazem") {
            escreverBytes(b.dir.filePath("arquivo"), "x");
            armazem = b.dir.filePath("arquivo") + "/";
        } else if (caso == "nome") {
            QDir().mkpath(b.dados + novo);
            datarPasta(pasta, QFileInfo(pasta).lastModified());
        } else if (caso == "vazia") {
            pasta = b.dados + "vazia";
            QDir().mkpath(pasta);
        } else if (caso == "velha") {
            QDir().mkpath(local + "/T1/corpo");
            escreverBytes(local + "/" + novo + ".id", "nome_exposicao;Velha-1;\n");
        } else if (caso.startsWith("pareada")) {
            pasta = Download::baixar(pasta, armazem, avaliador, id).pastaInstrumento;
            componente = LayoutMedida::componentes(LayoutMedida::pastasCorpo(local).at(0)).at(0) + ".res";
        }
        if (caso.endsWith("fifo"))
            QVERIFY(criarFifo(pasta + "/Z.dat"));
        else if (caso == "velha" || caso == "pareada") {
            escreverBytes(componente, "FC_x;1.5;\n");
            escreverBytes(local + "/nota.txt", "do avaliador");
        }
        const auto antes = conteudoDe(b.armazem);
        const auto r = Download::baixar(pasta, armazem, avaliador, id);
        QTEST(int(r.resultado), "resultado");
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("(^|/)\\.")), QStringList());
        if (r.resultado == Download::Resultado::Baixado) {
            QCOMPARE(r.pastaLocal, local);
            QCOMPARE(r.pastaInstrumento, QDir(b.dados).absoluteFilePath(novo));
            // On the instrument: the new names, five header lines.
            QVERIFY(!QFileInfo::exists(b.dados + "MED001")
                    && !QFileInfo::exists(b.dados + QString::fromUtf8("Medição de prensa 1")));
            const QByteArray cabecalho = lerBytes(r.pastaInstrumento + "/" + novo + ".id");
            QVERIFY2(cabecalho.count('\n') == 5 && cabecalho.contains("-" + novo.mid(2).toLatin1() + ";\n"), cabecalho);
            AcessarArquivo a;
            a.lerExposicao(LayoutMedida::arquivoExposicao(local));
            QCOMPARE(a.getEmpresa_avaliadora() + '/' + a.getResponsavel_tecnico() + '/' + a.getId_equipamento(),
                     avaliador.empresa + '/' + avaliador.responsavel + '/' + id);
            QVERIFY(a.getAre_corpo().toDouble() > 0 && !a.getNome_exposicao().contains("Velha"));
            QCOMPARE(LayoutMedida::contarArquivosHead(local), LayoutMedida::contarArquivosHead(r.pastaInstrumento));
            QVERIFY(!QFileInfo::exists(local + "/nota.txt"));
            QCOMPARE(lerBytes(componente) == "FC_x;1.5;\n", false);
            QCOMPARE(QFileInfo::exists(componente), caso == "pareada");
            // Paired with this instrument only; a second download keeps the name.
            QCOMPARE(Sincronizacao::compararDiretorios(b.dados, b.armazem, id).dadosIguais,
                     QStringList{r.pastaInstrumento});
            QVERIFY(Sincronizacao::compararDiretorios(b.dados, b.armazem, "KT-OUTRO").dadosIguais.isEmpty());
            QCOMPARE(Download::novoNome(r.pastaInstrumento), novo);
            return;
        }
        QCOMPARE(conteudoDe(b.armazem), antes);
        QCOMPARE(pastasDe(b.armazem).isEmpty(), !caso.startsWith("pareada"));
        QCOMPARE(LayoutMedida::medidas(b.dados).size(), 3);
        if (caso == "nome")
            QVERIFY(QFileInfo::exists(pasta + "/MED001.id") && !QFileInfo::exists(pasta + "/" + novo + ".id"));
    }

    // An import: what it cannot make leaves the store empty (not a
    // measurement, missing, a copy that breaks off, a name in another PC's
    // code page, which this system cannot spell); made from a
    // write-protected stick, then again, replacing.
    void importar()
    {
        BancadaTeste b;
        QVERIFY(criarFifo(b.dados + "MED003/T1/corpo/X.dat"));
        const QByteArray cru = QFile::encodeName(b.dados + "MED002/T1/mao/") + "Medi\xe7\xe3o.head";
        QVERIFY(::close(::open(cru.constData(), O_CREAT | O_WRONLY, 0644)) == 0);
        using I = Transferencia::Importacao;
        for (const auto &[falha, resultado] : {std::pair{"DATA/MED001/T1", I::NaoEhMedida}, {"nada", I::NaoEhMedida},
                                               {"DATA/MED003", I::FalhaCopia}, {"DATA/MED002", I::FalhaCopia}}) {
            QCOMPARE(Transferencia::importar(b.volume + "/" + falha, b.armazem, avaliador).resultado, resultado);
            QVERIFY(pastasDe(b.armazem).isEmpty() && conteudoDe(b.armazem).isEmpty());
        }
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
        QCOMPARE(int(Transferencia::importar(origem, b.armazem, avaliador).resultado),
                 int(Transferencia::Importacao::Importada));
        const QString local = b.armazem + "e_230321142210";
        QVERIFY(!QFileInfo::exists(local + "/e_230321142210.id.Ab3xYz"));
        for (const QString &arquivo : conteudoDe(local).keys())
            QVERIFY2(QFile::permissions(local + "/" + arquivo) & QFile::WriteOwner, qPrintable(arquivo));
        AcessarArquivo a;
        a.lerExposicao(local + "/e_230321142210.id");
        QCOMPARE(a.getEmpresa_avaliadora(), avaliador.empresa);
        QCOMPARE(a.getResponsavel_tecnico(), avaliador.responsavel);
        QCOMPARE(a.getId_equipamento(), QString("KT-OUTRO"));
        QCOMPARE(a.getNome_exposicao(), QString("Prensa-230321142210"));
        QVERIFY(a.getEnable_corpo().toInt() > 0);
        QCOMPARE(LayoutMedida::contarArquivosHead(local), LayoutMedida::contarArquivosHead(origem));
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("(^|/)\\.")), QStringList());

        // Again, replacing, with a component gone from the source: the copy
        // is the source's, evaluated without it. Two at once leave one whole
        // copy, each telling what it did; the hidden folder of a copy that
        // died an hour ago goes, a running copy's stays.
        const QString componente = LayoutMedida::componentes(LayoutMedida::pastasCorpo(local).at(0)).at(0);
        escreverBytes(componente + ".res", "mexido");
        const QString removido = LayoutMedida::componentes(LayoutMedida::pastasCorpo(origem).at(0)).at(1);
        for (const char *ext : {".head", ".dat", ".res"})
            QVERIFY(QFile::remove(removido + ext));
        for (const char *oculta : {".copiando-e_230321142210-Ab12Cd", ".copiando-e_230321142210-Zz99Yy"})
            QVERIFY(QDir().mkpath(b.armazem + oculta + "/e_230321142210"));
        QVERIFY(datarPasta(b.armazem + ".copiando-e_230321142210-Ab12Cd", QDateTime::currentDateTime().addSecs(-3700)));
        auto outra = std::async(std::launch::async, [&] { return Transferencia::importar(origem, b.armazem, avaliador); });
        for (const auto &r : {Transferencia::importar(origem, b.armazem, avaliador), outra.get()})
            QVERIFY2(r.resultado == Transferencia::Importacao::Importada, qPrintable(r.copia.erro));
        QVERIFY(lerBytes(componente + ".res") != "mexido");
        QCOMPARE(LayoutMedida::contarArquivosHead(local), LayoutMedida::contarArquivosHead(origem));
        a.lerExposicao(local + "/e_230321142210.id");
        QCOMPARE(a.getEnable_corpo().toInt(), LayoutMedida::contarArquivosHead(origem));
        QCOMPARE(pastasDe(b.armazem).filter(QRegularExpression("^\\.[^/]*$")),
                 QStringList{".copiando-e_230321142210-Zz99Yy"});
    }

    // An export copies the measurement whole, over an earlier copy too; one
    // that cannot be made changes nothing.
    void exportar_data()
    {
        QTest::addColumn<QString>("origem");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<bool>("feita");
        QTest::newRow("to a stick") << "DATA/MED002" << "pendrive" << true;
        QTest::newRow("over an earlier copy") << "DATA/MED002" << "pendrive" << true;
        QTest::newRow("into itself") << "DATA/MED001" << "DATA/MED001" << false;
        QTest::newRow("into a sub-folder of itself") << "DATA/MED001" << "DATA/MED001/T1" << false;
        QTest::newRow("missing source") << "DATA/NADA" << "pendrive" << false;
        QTest::newRow("destination under a file") << "DATA/MED001" << "DATA/Crv_vib.cfg/x" << false;
    }

    void exportar()
    {
        QFETCH(QString, origem);
        QFETCH(QString, destino);
        QFETCH(bool, feita);
        BancadaTeste b;
        const QString pendrive = b.dir.filePath("pendrive");
        QDir().mkpath(pendrive);
        if (QTest::currentDataTag() == QLatin1String("over an earlier copy")) {
            QVERIFY(Transferencia::exportar(b.dados + "MED002", pendrive).feito());
            escreverBytes(pendrive + "/MED002/MED002.id", "mexido");
            escreverBytes(pendrive + "/MED002/T1/mao/apagado.head", "x");
        }
        const auto antes = conteudoDe(b.volume);
        const QString alvo = destino == "pendrive" ? pendrive : b.volume + "/" + destino;
        QCOMPARE(Transferencia::exportar(b.volume + "/" + origem, alvo).feito(), feita);
        QCOMPARE(conteudoDe(b.volume), antes);
        if (feita)
            QCOMPARE(conteudoDe(pendrive + "/MED002"), conteudoDe(b.dados + "MED002"));
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
        QTest::newRow("a link where an older copy worked")
            << "import" << "store/.copiando-MED001" << true << "";
        QTest::newRow("import, a linked file inside") << "import" << "source/T1/corpo/privado.dat" << true
                                                      << "T1/corpo/privado.dat";
        QTest::newRow("import, a linked task folder inside") << "import" << "source/T9" << true << "T9";
        QTest::newRow("download, a linked file inside")
            << "download" << "source/T1/corpo/privado.dat" << true << "T1/corpo/privado.dat";
        QTest::newRow("export into an entry that is a link") << "export" << "dest/MED001" << false << "";
        QTest::newRow("export, a linked file inside") << "export" << "source/privado.dat" << true
                                                      << "privado.dat";
        QTest::newRow("evaluation, a linked task folder inside") << "evaluate" << "source/T9" << true << "";
        QTest::newRow("evaluation of a store entry that is a link") << "evaluate" << "store/e_230321142210" << false
                                                                    << "";
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
            const auto r = Transferencia::importar(origem, b.armazem, avaliador);
            completo = r.resultado == Transferencia::Importacao::Importada;
            relato = r.copia;
            QCOMPARE(int(r.resultado), int(feito ? Transferencia::Importacao::Importada
                                                 : Transferencia::Importacao::DestinoEhLink));
        } else if (operacao == "download") {
            const auto r = Download::baixar(origem, b.armazem, avaliador, b.id());
            completo = r.resultado == Download::Resultado::Baixado;
            relato.links = r.links;
            QCOMPARE(int(r.resultado), int(feito ? Download::Resultado::Baixado
                                                 : Download::Resultado::LocalEhLink));
        } else if (operacao == "export") {
            completo = Transferencia::exportar(origem, destino, &relato).feito();
        } else {
            completo = CalculoExposicao::avaliarMedida(link.startsWith("store/") ? ponto : origem).gravou();
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
        if (!feito || link.contains("/."))
            QVERIFY(QFileInfo(ponto).isSymLink());
    }

    void apagar()
    {
        BancadaTeste b;
        // A DATA folder that is a link is refused whole; a missing one has nothing to delete.
        escreverBytes(b.dados + "B.dat", "x");
        QVERIFY(QFile::link(b.dados, b.dir.filePath("DATA-link")));
        const Transferencia::Apagamento l = Transferencia::apagarArquivosSoltos(b.dir.filePath("DATA-link") + "/");
        QVERIFY(l.apagados == 0 && l.falhas == 1 && QFileInfo::exists(b.dados + "B.dat"));
        QCOMPARE(Transferencia::apagarArquivosSoltos(b.dir.filePath("nada")).apagados, 0);

        for (const char *solto : {"A.head", "A.dat", "A.res"})
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

    // What the walk over the mounted volumes finds: the window's look, the
    // instrument's root, whether a refresh is due, how many instruments.
    void verificar_data()
    {
        QTest::addColumn<QList<Volume>>("volumes");
        QTest::addColumn<QString>("estado");
        const Volume sis = v("", "/");
        const Volume kt = v("KT9400", "/media/KT9400");
        const Volume ro = v("KT9400", "/ro", true, true);
        QTest::newRow("system first, instrument second") << QList<Volume>{sis, kt} << "Conectada|/media/KT9400|pendente|1";
        QTest::newRow("instrument alone") << QList<Volume>{kt} << "Conectada|/media/KT9400||1";
        QTest::newRow("instrument, then others ignored") << QList<Volume>{kt, sis} << "Conectada|/media/KT9400||1";
        QTest::newRow("read-only instrument, then system") << QList<Volume>{ro, sis} << "Desconectada| |pendente|0";
        QTest::newRow("read-only instrument alone") << QList<Volume>{ro} << "Inalterada|/ro||0";
        QTest::newRow("other capitals") << QList<Volume>{v("kt9400", "/k")} << "Desconectada| |pendente|0";
        QTest::newRow("not ready") << QList<Volume>{v("KT9400", "/k", false)} << "Desconectada| |pendente|0";
        QTest::newRow("no volumes") << QList<Volume>{} << "Inalterada|||0";
        QTest::newRow("two instruments") << QList<Volume>{sis, kt, v("KT9400", "/media/outro")}
                                         << "Conectada|/media/KT9400|pendente|2";
    }

    void verificar()
    {
        QFETCH(QList<Volume>, volumes);
        EstadoConexao anterior;
        anterior.atualizacaoPendente = false;
        const EstadoConexao e = Deteccao::verificar(volumes, anterior);
        const char *aparencias[] = {"Inalterada", "Conectada", "Desconectada"};
        QTEST(QStringList({aparencias[int(e.aparencia)], e.caminhoPenDrive, e.atualizacaoPendente ? "pendente" : "",
                           QString::number(e.instrumentos)}).join('|'), "estado");
        QCOMPARE(e.conectado, e.aparencia == Aparencia::Conectada);
    }

    void identidade_data()
    {
        QTest::addColumn<QByteArray>("longo");
        QTest::addColumn<QByteArray>("curto");
        QTest::addColumn<QString>("id");
        QTest::newRow("long file") << QByteArray("idioma;pt;\nid_equipamento;KT555;\n")
                                   << QByteArray() << "KT555";
        QTest::newRow("short file, id_equip") << QByteArray() << QByteArray("id_equip;1234;\n")
                                              << "1234";
        QTest::newRow("both: the long one") << QByteArray("id_equip;A;\n")
                                            << QByteArray("id_equip;B;\n") << "A";
        QTest::newRow("first identity line") << QByteArray("id_equip;A;\nid_equipamento;B;\n")
                                             << QByteArray() << "A";
        QTest::newRow("no identity line") << QByteArray("idioma;pt;\n") << QByteArray() << "";
        QTest::newRow("no file") << QByteArray() << QByteArray() << "";
        QTest::newRow("binary") << QByteArray("\x01\xff;\x00\x00;\n", 8) << QByteArray() << "";
        QTest::newRow("the long one a folder") << QByteArray("/") << QByteArray("id_equip;77;\n") << "77";
    }

    void identidade()
    {
        QFETCH(QByteArray, longo);
        QFETCH(QByteArray, curto);
        PastaTeste d;
        if (longo == "/")
            QDir(d.path()).mkdir("Crv_vib.cfg");
        else if (!longo.isEmpty())
            d.arquivo("Crv_vib.cfg", longo);
        if (!curto.isEmpty())
            d.arquivo("KT9400.cfg", curto);
        QTEST(Deteccao::lerIdentidade(d.path() + "/"), "id");
        if (longo == "/")
            QCOMPARE(Deteccao::arquivoConfiguracao(d.path()), d.path() + "/KT9400.cfg");
    }

    // KT9400_VOLUME, the demo's simulated instrument, comes first among the
    // volumes; a folder that is not there is no valid volume.
    void volumeSimulado()
    {
        PastaTeste d;
        for (const QString &raiz : {d.path(), d.filePath("nao-existe")}) {
            qputenv("KT9400_VOLUME", QFile::encodeName(raiz));
            const QList<Volume> lista = FonteVolumesSistema().volumes();
            QCOMPARE(lista.value(0).nome + lista.value(0).raiz, "KT9400" + raiz);
            QCOMPARE(lista.first().valido && lista.first().pronto && !lista.first().somenteLeitura, raiz == d.path());
            QCOMPARE(Deteccao::verificar(lista, {}).conectado, raiz == d.path());
        }
        qunsetenv("KT9400_VOLUME");
        for (const Volume &v : FonteVolumesSistema().volumes())
            QVERIFY(v.raiz != d.path());
    }
};

QTEST_GUILESS_MAIN(TstInstrumento)
#include "tst_instrumento.moc"
