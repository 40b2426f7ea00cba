#include "device/simuladorinstrumento.h"
#include "medidateste.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// kt9400-cli evaluate and list, run as the user runs them.
class TstLinhaDeComando : public QObject
{
    Q_OBJECT

private:
    struct Execucao {
        int status = -1;
        QByteArray saida;
        QByteArray erros;
    };

    static Execucao executar(const QStringList &args)
    {
        QProcess p;
        p.start(KT_CLI, args);
        p.waitForFinished(120000);
        Execucao e;
        e.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        e.saida = p.readAllStandardOutput();
        e.erros = p.readAllStandardError();
        return e;
    }

    // Every file below a folder with its bytes.
    static QMap<QString, QByteArray> conteudo(const QString &raiz)
    {
        QMap<QString, QByteArray> arquivos;
        QDirIterator it(raiz, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString c = it.next();
            arquivos.insert(c, lerBytes(c));
        }
        return arquivos;
    }

    static QString simularArmazem(const QTemporaryDir &d, int medidas)
    {
        OpcoesSimulacao o;
        o.medidas = medidas;
        o.amostras = 20;
        QString erro;
        simularInstrumento(d.path(), o, &erro);
        return d.filePath("DATA");
    }

private slots:
    void avaliarTexto()
    {
        QTemporaryDir d;
        const QString dados = simularArmazem(d, 3);
        const Execucao e = executar({"evaluate", dados + "/MED003"});
        QCOMPARE(e.status, 0);
        QVERIFY2(e.erros.isEmpty(), e.erros.constData()); // no trace by default
        const QList<QByteArray> linhas = e.saida.split('\n');
        QCOMPARE(linhas.at(0).left(13), QByteArray("enable_corpo="));
        QVERIFY(linhas.at(0).mid(13).toInt() > 0);
        QVERIFY(e.saida.contains("\nvdvr="));
        QVERIFY(e.saida.contains("\naren_mao="));
        QVERIFY(e.saida.contains("\nT1/corpo.arep="));
        QVERIFY(e.saida.contains("\nT1/mao.arep="));
        QVERIFY(e.saida.contains("\nT1/corpo.FC_z_parcial="));
        // What was printed is what was written.
        QVERIFY(lerBytes(dados + "/MED003/MED003.id").contains(
            "\nvdvr;" + e.saida.split('\n').at(6).mid(5) + ";\n"));
    }

    void avaliarJson()
    {
        QTemporaryDir d;
        const QString dados = simularArmazem(d, 1);
        const Execucao e = executar({"evaluate", dados + "/MED001", "--json"});
        QCOMPARE(e.status, 0);
        QJsonParseError erro;
        const QJsonObject o = QJsonDocument::fromJson(e.saida, &erro).object();
        QCOMPARE(erro.error, QJsonParseError::NoError);
        QCOMPARE(o.value("measurement").toString(), QString("MED001"));
        const QJsonObject exp = o.value("exposure").toObject();
        QVERIFY(exp.value("are_corpo").toString().toDouble() > 0);
        QCOMPARE(exp.value("enable_mao").toString(), QString(" "));
        const QJsonArray parciais = o.value("partials").toArray();
        QVERIFY(!parciais.isEmpty());
        QVERIFY(parciais.at(0).toObject().value("folder").toString().endsWith("/corpo"));
        QVERIFY(parciais.at(0).toObject().value("arep").toString().toDouble() > 0);
    }

    void naoEhMedida_data()
    {
        QTest::addColumn<QString>("alvo");
        QTest::newRow("folder without its .id") << "DATA/MED001/T1";
        QTest::newRow("the data folder") << "DATA";
        QTest::newRow("missing") << "nao/existe";
        QTest::newRow("a file") << "DATA/Crv_vib.cfg";
    }

    void naoEhMedida()
    {
        QFETCH(QString, alvo);
        QTemporaryDir d;
        simularArmazem(d, 1);
        const auto antes = conteudo(d.path());
        const Execucao e = executar({"evaluate", d.filePath(alvo)});
        QCOMPARE(e.status, 1);
        QVERIFY(e.saida.isEmpty());
        QCOMPARE(e.erros.count('\n'), 1);
        QVERIFY(e.erros.contains("not a measurement"));
        QCOMPARE(conteudo(d.path()), antes);
    }

    void uso_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("evaluate without DIR") << QStringList{"evaluate"};
        QTest::newRow("evaluate, two DIRs") << QStringList{"evaluate", "a", "b"};
        QTest::newRow("evaluate, unknown option") << QStringList{"evaluate", "a", "--xml"};
        QTest::newRow("list without STORE") << QStringList{"list", "--json"};
    }

    void uso()
    {
        QFETCH(QStringList, args);
        QCOMPARE(executar(args).status, 2);
    }

    void listar()
    {
        QTemporaryDir d;
        MedidaTeste nova(d.filePath("e_240115083000"));
        nova.exposicao("nome_exposicao;Linha3-240115083000;\ndata_criacao;15/01/2024;\n"
                       "are_corpo;0.5;\n");
        MedidaTeste antiga(d.filePath("e_240101080000"));
        antiga.exposicao("nome_exposicao;Antiga-240101080000;\ndata_criacao;01/01/2024;\n"
                         "are_mao;1.5;\nenable_mao;2;\n");
        QDir(d.path()).mkpath("Perfil");
        escreverBytes(d.filePath("Perfil/Perfil.id"), "x;y;\n");
        QDir(d.path()).mkpath("solta");
        // Modification times decide the order, newest first, whatever the
        // order of creation.
        QVERIFY(datarPasta(antiga.pasta, QDateTime::currentDateTime().addDays(-3)));
        QVERIFY(datarPasta(nova.pasta, QDateTime::currentDateTime().addDays(-1)));

        const Execucao e = executar({"list", d.path()});
        QCOMPARE(e.status, 0);
        QVERIFY2(e.saida.startsWith("measurement=e_240115083000\nname=Linha3\n"
                                    "date=15/01/2024 08:30:00\n"),
                 e.saida.constData());
        QVERIFY(e.saida.contains("\n\nmeasurement=e_240101080000\nname=Antiga\n"));
        QVERIFY(!e.saida.contains("Perfil"));
        QVERIFY(!e.saida.contains("solta"));

        const Execucao j = executar({"list", d.path(), "--json"});
        const QJsonArray lista = QJsonDocument::fromJson(j.saida).array();
        QCOMPARE(lista.size(), 2);
        QCOMPARE(lista.at(1).toObject().value("are_mao").toString(), QString("1.5"));
        QCOMPARE(lista.at(0).toObject().value("are_corpo").toString(), QString("0.5"));

        QCOMPARE(executar({"list", d.filePath("nao-existe")}).status, 1);
    }
};

QTEST_GUILESS_MAIN(TstLinhaDeComando)
#include "tst_linhadecomando.moc"
