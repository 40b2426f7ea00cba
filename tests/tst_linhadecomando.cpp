#include "data/acessararquivo.h"
#include "data/dadoslaudo.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/calculoexposicao.h"
#include "instrumentoteste.h"
#include "medidateste.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <optional>

// The records of an RFC 4180 text: fields split at commas outside quotes,
// doubled quotes inside them, records ended by CR LF. False when a record
// does not end so or a quote is left open.
static bool lerCsv(const QByteArray &bytes, QVector<QStringList> *registros)
{
    static const QRegularExpression campo("\\G(?:\"((?:[^\"]|\"\")*)\"|([^\",\r\n]*))(,|\r\n)");
    const QString t = QString::fromUtf8(bytes);
    QStringList registro;
    int i = 0;
    for (QRegularExpressionMatch m; i < t.size() && (m = campo.match(t, i)).hasMatch(); i = m.capturedEnd()) {
        registro << (m.capturedStart(1) >= 0 ? m.captured(1).replace("\"\"", "\"") : m.captured(2));
        if (m.captured(3) == "\r\n") {
            *registros << registro;
            registro.clear();
        }
    }
    return i == t.size() && registro.isEmpty();
}

// kt9400-cli run as the user runs it.
class TstLinhaDeComando : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir sessao;

    // A command line whose arguments VOL, STORE and DEST (DATA: VOL/DATA)
    // stand for those folders of `d`.
    static QStringList argumentos(const QTemporaryDir &d, const QString &linha)
    {
        QStringList args = linha.split(' ', Qt::SkipEmptyParts);
        for (QString &a : args)
            a.replace(QRegularExpression("^(VOL|STORE|DEST)"), d.path() + "/\\1")
                .replace(QRegularExpression("^DATA"), d.path() + "/VOL/DATA");
        return args;
    }

    // An instrument volume VOL with `medidas` measurements of 20 samples,
    // an empty store STORE and a folder DEST; returns VOL's DATA folder.
    static QString bancada(const QTemporaryDir &d, int medidas)
    {
        OpcoesSimulacao o;
        o.medidas = medidas;
        o.amostras = 20;
        QString erro;
        if (!simularInstrumento(d.filePath("VOL"), o, &erro) || !QDir().mkpath(d.filePath("STORE"))
            || !QDir().mkpath(d.filePath("DEST")))
            return QString();
        return d.filePath("VOL/DATA");
    }

private slots:
    // As in a desktop session: without it Qt adds a warning to what the
    // report prints.
    void initTestCase()
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sessao.path()));
    }

    // A measurement evaluated: as text, what was written, its tasks named
    // from the measurement though it was given relative. In JSON: the core's
    // figures under their keys, no points for a dose, the Brazilian bands of
    // the stored figures; a working day of 0 leaves A(8) to the exposure
    // times, a stored aren that is not a number has no band and says why.
    void avaliar()
    {
        QTemporaryDir d;
        const QString dados = bancada(d, 3);
        const ExecucaoCli texto = executarCli({"evaluate", QDir::current().relativeFilePath(dados + "/MED003")});
        QCOMPARE(texto.status, 0);
        QVERIFY2(texto.erros.isEmpty(), texto.erros.constData()); // no trace by default
        QVERIFY(texto.saida.startsWith("enable_corpo="));
        for (const char *chave : {"\naren_mao=", "\nT1/corpo.arep=", "\nT1/mao.arep=", "\nT1/corpo.FC_z_parcial="})
            QVERIFY2(texto.saida.contains(chave), chave);
        QVERIFY(lerBytes(dados + "/MED003/MED003.id").contains("\nvdvr;" + texto.saida.split('\n').at(6).mid(5) + ";\n"));
        const ExecucaoCli ajuda = executarCli({"--help"});
        QVERIFY(ajuda.status == 0 && ajuda.saida.startsWith("Usage: kt9400-cli"));

        const ExecucaoCli e = executarCli({"evaluate", dados + "/MED001", "--json"});
        QCOMPARE(e.status, 0);
        const QJsonObject a = QJsonDocument::fromJson(e.saida).object().value("assessment").toObject();
        // The simulated MED001 has no hand-arm results.
        QVERIFY(!a.contains("hand_arm") && !a.value("nr").toObject().contains("hand_arm"));
        const QJsonObject corpo = a.value("whole_body").toObject();
        // A(8) is the dominant axis's, and says which.
        const QJsonObject a8 = corpo.value("a8").toObject();
        const QString eixo = a8.value("axis").toString();
        QVERIFY(a8.value("value").toDouble() > 0);
        for (const char *e : {"x", "y", "z"})
            QVERIFY(corpo.value(QString("a8_") + e).toDouble() <= a8.value("value").toDouble());
        QCOMPARE(corpo.value("a8_" + eixo).toDouble(), a8.value("value").toDouble());
        QVERIFY(!corpo.value("vdv").toObject().contains("points"));
        const QJsonObject vdvr = a.value("nr").toObject().value("whole_body").toObject().value("vdvr").toObject();
        QCOMPARE(vdvr.value("value").toDouble(),
                 QString(lerBytes(dados + "/MED001/MED001.id")).section("\nvdvr;", 1).section(';', 0, 0).toDouble());
        QCOMPARE(vdvr.value("bands").toArray(), QJsonArray({9.1, 16.4, 21.0}));

        // A day of MED001's tasks and one that is gone, then a group of it:
        // the assessment shaped as evaluate's, a task left out said once.
        QDir(dados).mkpath("Jornadas");
        QDir(dados).mkpath("Grupos");
        QByteArray linhas = "trabalhador;Ana;\ntarefa;MED009/T1/corpo;1;01:00:00;\n";
        const QStringList corpos = LayoutMedida::pastasCorpo(dados + "/MED001").filter(QRegularExpression("/corpo$"));
        for (const QString &corpo : corpos)
            linhas += "tarefa;" + QDir(dados).relativeFilePath(corpo).toUtf8() + ";;;\n";
        escreverBytes(dados + "/Jornadas/Dia.id", linhas);
        const ExecucaoCli j = executarCli({"jornada", dados + "/Jornadas/Dia.id", "--json"});
        QCOMPARE(j.status, 0);
        QCOMPARE(j.erros.count("task left out: MED009/T1/corpo"), 1);
        const QJsonObject dia = QJsonDocument::fromJson(j.saida).object();
        QCOMPARE(dia.value("jornada").toString(), QString("Dia"));
        const QJsonArray tarefas = dia.value("tasks").toArray();
        QCOMPARE(tarefas.size(), corpos.size() + 1);
        QVERIFY(tarefas.at(0).toObject().value("arep").isNull() && tarefas.at(0).toObject().contains("left_out"));
        QVERIFY(tarefas.at(1).toObject().value("arep").toDouble() > 0 && !tarefas.at(1).toObject().contains("left_out"));
        QVERIFY(dia.value("exposure").toObject().value("aren_mao").isNull());
        QCOMPARE(dia.value("assessment").toObject().keys(), a.keys());
        QCOMPARE(dia.value("assessment").toObject().value("whole_body").toObject().value("a8"), corpo.value("a8"));
        escreverBytes(dados + "/Grupos/G.id", "descricao;Operadores;\njornada;Dia;\nmedida;MED001;\n");
        const ExecucaoCli g = executarCli({"grupo", dados + "/Grupos/G.id", "--json"});
        QCOMPARE(g.status, 0);
        const QJsonObject grupo = QJsonDocument::fromJson(g.saida).object();
        QCOMPARE(grupo.value("members").toArray().size(), 2);
        const QJsonObject resumo = grupo.value("summary").toObject().value("vdvr").toObject();
        QCOMPARE(resumo.value("count").toInt(), 2);
        // The day's VDVR, from the tasks' values rounded to six digits, and
        // the stored one differ by one unit of the sixth at most.
        QVERIFY(qAbs(resumo.value("max").toDouble() - vdvr.value("value").toDouble()) <= 1e-5 * vdvr.value("value").toDouble());
        QCOMPARE(resumo.value("band").toString(), vdvr.value("band").toString());

        QVERIFY(CalculoExposicao::avaliarMedida(dados + "/MED002"));
        const QString id = dados + "/MED002/MED002.id";
        QVERIFY(trocarCampo(id, "jornada_de_trabalho", "00:00") && trocarCampo(id, "aren_mao", "abc"));
        const QJsonArray lista = QJsonDocument::fromJson(executarCli({"list", dados, "--json"}).saida).array();
        QCOMPARE(lista.size(), 3);
        QJsonObject av;
        for (const QJsonValue &m : lista) {
            QVERIFY(m.toObject().contains("assessment"));
            if (m.toObject().value("measurement") == "MED002")
                av = m.toObject().value("assessment").toObject();
        }
        QVERIFY(av.value("hand_arm").toObject().value("a8").toObject().value("value").toDouble() > 0);
        const QJsonObject aren = av.value("nr").toObject().value("hand_arm").toObject().value("aren").toObject();
        QCOMPARE(aren.value("band").toString(), QString("nao_calculado"));
        QVERIFY(aren.value("value").isNull());
        QVERIFY2(aren.value("cannot_compute").toString().contains("aren_mao"),
                 qPrintable(aren.value("cannot_compute").toString()));
    }

    // The eSocial S-2240 values of a measurement, a jornada and a group:
    // an entry per quantity measured and none for a body part absent, the
    // codes and units of each, the value to 4 decimals; CSV or XML.
    void esocial_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("xml");
        QTest::addColumn<QStringList>("codigos"); // codAgNoc/unMed of each entry
        const QStringList ambas{"02.01.002/5", "02.01.003/5", "02.01.004/6"};
        QTest::newRow("both body parts") << "MED003" << false << ambas;
        QTest::newRow("both body parts, XML") << "MED003" << true << ambas;
        QTest::newRow("whole body only") << "MED001" << false << QStringList{"02.01.003/5", "02.01.004/6"};
        QTest::newRow("a jornada") << "Jornadas/Dia.id" << false << QStringList{"02.01.003/5", "02.01.004/6"};
        QTest::newRow("a group") << "Grupos/G.id" << true << ambas;
    }

    void esocial()
    {
        QFETCH(QString, item);
        QFETCH(bool, xml);
        QFETCH(QStringList, codigos);
        QTemporaryDir d;
        const QString dados = bancada(d, 3);
        for (const char *m : {"MED001", "MED003"})
            QVERIFY(CalculoExposicao::avaliarMedida(dados + "/" + m));
        QDir(dados).mkpath("Jornadas");
        QDir(dados).mkpath("Grupos");
        escreverBytes(dados + "/Jornadas/Dia.id", "tarefa;MED001/T1/corpo;1;02:00:00;\n");
        escreverBytes(dados + "/Grupos/G.id", "jornada;Dia;\nmedida;MED003;\n");
        const ExecucaoCli e = executarCli(QStringList{"esocial", dados + "/" + item} + (xml ? QStringList{"--xml"} : QStringList{}));
        QCOMPARE(e.status, 0);
        QStringList lidos;
        QStringList valores;
        if (xml) {
            QXmlStreamReader r("<r>" + QString::fromUtf8(e.saida).section("?>", 1) + "</r>");
            QString codigo;
            while (!r.atEnd()) {
                r.readNext();
                if (r.isStartElement() && r.name() == QLatin1String("codAgNoc"))
                    codigo = r.readElementText();
                else if (r.isStartElement() && r.name() == QLatin1String("intConc"))
                    valores << r.readElementText();
                else if (r.isStartElement() && r.name() == QLatin1String("unMed"))
                    lidos << codigo + "/" + r.readElementText();
                else if (r.isStartElement() && r.name() == QLatin1String("tecMedicao"))
                    QCOMPARE(r.readElementText(), QString(codigo == "02.01.002" ? "NHO 10 FUNDACENTRO" : "NHO 09 FUNDACENTRO"));
            }
            QVERIFY2(!r.hasError(), qPrintable(r.errorString()));
            QVERIFY(e.saida.contains("CPF"));
        } else {
            const QStringList linhas = QString::fromUtf8(e.saida).split("\r\n", Qt::SkipEmptyParts);
            QCOMPARE(linhas.value(0), QString("item,worker,date,codAgNoc,tpAval,intConc,unMed,tecMedicao"));
            for (const QString &l : linhas.mid(1)) {
                lidos << l.section(',', 3, 3) + "/" + l.section(',', 6, 6);
                valores << l.section(',', 5, 5);
                QCOMPARE(l.section(',', 4, 4), QString("1"));
            }
        }
        QCOMPARE(lidos, codigos);
        // The stored six significant digits, rounded to four decimals.
        if (item.startsWith("MED")) {
            AcessarArquivo a;
            a.lerExposicao(dados + "/" + item + "/" + item + ".id");
            const QStringList armazenados{a.getAren_mao(), a.getAren_corpo(), a.getVdvr()};
            const QStringList esperados = codigos.size() == 3 ? armazenados : QStringList(armazenados.mid(1));
            for (int i = 0; i < valores.size(); ++i) {
                QCOMPARE(valores.at(i).toDouble(), std::round(esperados.at(i).toDouble() * 10000) / 10000);
                QVERIFY(valores.at(i).section('.', 1).size() <= 4);
            }
        }
    }

    // A store listed and as CSV: the same measurements, newest first by
    // their folders' modification times, none of the store's own folders
    // (even holding a file of their own name) nor a folder without its
    // exposure file. Listed, a block each: the name read up to its "-",
    // the date with the time of the name's stamp, the stored values. As
    // CSV: RFC 4180 read independently, the stored values and the
    // assessment's, a name with a comma, quotes and letters outside ASCII
    // (held in the record's 8-bit code page) quoted in UTF-8, no decimal
    // commas. A component as CSV: its header, then its rows.
    void listarECsv()
    {
        QTemporaryDir d;
        const QString dados = bancada(d, 3);
        for (const QString &m : LayoutMedida::medidas(dados))
            QVERIFY(CalculoExposicao::avaliarMedida(m));
        QVERIFY(trocarCampo(dados + "/MED002/MED002.id", "nome_exposicao", "Lixa, \"fina\" \xe7\xe3o-240102090507"));
        for (const QString &propria : QStringList{"Perfil", "Jornadas", "Grupos"}) {
            QDir(dados).mkpath(propria);
            escreverBytes(dados + "/" + propria + "/" + propria + ".id", "x;y;\n");
        }
        QDir(dados).mkpath("solta");
        for (const auto &[medida, dias] : {std::pair{"MED001", -2}, {"MED002", -1}, {"MED003", -3}})
            QVERIFY(datarPasta(dados + "/" + medida, QDateTime::currentDateTime().addDays(dias)));
        const QStringList blocos = QString::fromUtf8(executarCli({"list", dados}).saida).split("\n\n");
        QCOMPARE(blocos.size(), 3);
        QVERIFY2(blocos.first().contains(QString::fromUtf8("\nname=Lixa, \"fina\" ção\ndate=03/01/2024 09:05:07\n")),
                 qPrintable(blocos.first()));

        const ExecucaoCli vazio = executarCli({"csv", d.filePath("DEST")}); // the header row alone
        QVERIFY(vazio.status == 0 && vazio.saida.count("\r\n") == 1 && vazio.saida.startsWith("measurement,name,date,"));
        const ExecucaoCli e = executarCli({"csv", dados});
        QCOMPARE(e.status, 0);
        QVERIFY2(e.erros.isEmpty(), e.erros.constData());
        QVERIFY(e.saida.contains("\"Lixa, \"\"fina\"\" \xc3\xa7\xc3\xa3o\""));
        QVector<QStringList> registros;
        QVERIFY(lerCsv(e.saida, &registros));
        QCOMPARE(registros.size(), 4);
        const QStringList cabecalho = registros.at(0);
        QVERIFY(!cabecalho.contains("whole_body_vdv_points"));
        const auto campo = [&](const QStringList &r, const char *coluna) {
            return r.value(cabecalho.indexOf(coluna));
        };
        QStringList vistas;
        for (const QStringList &r : registros.mid(1)) {
            QCOMPARE(r.size(), cabecalho.size());
            const QString pasta = dados + '/' + campo(r, "measurement");
            AcessarArquivo a;
            a.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
            QCOMPARE(campo(r, "aren_corpo") + '|' + campo(r, "aren_mao"),
                     a.getAren_corpo().trimmed() + '|' + a.getAren_mao().trimmed());
            const QString bloco = blocos.value(int(vistas.size()));
            QVERIFY2(bloco.startsWith("measurement=" + campo(r, "measurement") + "\n")
                         && bloco.contains("\nare_corpo=" + a.getAre_corpo() + "\n")
                         && bloco.contains("\nare_mao=" + a.getAre_mao() + "\n"),
                     qPrintable(bloco));
            vistas << campo(r, "measurement");
            for (const QString &f : r)
                QVERIFY2(!QRegularExpression("^-?\\d+,\\d+$").match(f).hasMatch(), qPrintable(f));
        }
        QCOMPARE(vistas, QStringList({"MED002", "MED001", "MED003"}));
        QCOMPARE(campo(registros.at(1), "name"), QString::fromUtf8("Lixa, \"fina\" ção"));

        const QString base = LayoutMedida::componentes(dados + "/MED001/T1/corpo").value(0);
        const ExecucaoCli c = executarCli({"csv", base + ".head"});
        registros.clear();
        QVERIFY(c.status == 0 && lerCsv(c.saida, &registros));
        // What the rows hold is the table's own test; here, the component's 20.
        QCOMPARE(registros.size(), 21);
        QCOMPARE(registros.first().join('|'),
                 QString::fromUtf8("time (hh:mm:ss)|amx (m/s²)|amy (m/s²)|amz (m/s²)|amr (m/s²)|"
                                   "vdvx (m/s^1.75)|vdvy (m/s^1.75)|vdvz (m/s^1.75)"));
    }

    // Bad usage exits 2; a target that is not what the command reads exits
    // 1 with one line saying why; neither prints a result nor changes a file.
    void recusado_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("store, an argument") << QStringList{"store", "DATA"} << 2 << "";
        QTest::newRow("csv, two targets") << QStringList{"csv", "DATA", "DATA"} << 2 << "";
        QTest::newRow("csv, an option") << QStringList{"csv", "--json"} << 2 << "";
        QTest::newRow("evaluate without DIR") << QStringList{"evaluate"} << 2 << "";
        QTest::newRow("evaluate, two DIRs") << QStringList{"evaluate", "a", "b"} << 2 << "";
        QTest::newRow("evaluate, unknown option") << QStringList{"evaluate", "a", "--xml"} << 2 << "";
        QTest::newRow("list, two STOREs") << QStringList{"list", "DATA", "DATA"} << 2 << "";
        QTest::newRow("report without OUT") << QStringList{"report", "DATA/MED001"} << 2 << "";
        QTest::newRow("nothing") << QStringList{} << 2 << "";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
        QTest::newRow("simulate without DIR") << QStringList{"simulate"} << 2 << "";
        QTest::newRow("simulate, not a number") << QStringList{"simulate", "x", "--samples", "many"} << 2 << "";
        QTest::newRow("simulate, negative") << QStringList{"simulate", "x", "--measurements", "-1"} << 2 << "";
        QTest::newRow("simulate, missing value") << QStringList{"simulate", "x", "--seed"} << 2 << "";
        QTest::newRow("simulate, unknown option") << QStringList{"simulate", "x", "--fast"} << 2 << "";
        QTest::newRow("simulate, two DIRs") << QStringList{"simulate", "x", "y"} << 2 << "";
        QTest::newRow("simulate into a file") << QStringList{"simulate", "DATA/Crv_vib.cfg"} << 1 << "cannot";
        QTest::newRow("csv, missing") << QStringList{"csv", "nao/existe"} << 1 << "";
        QTest::newRow("list, missing") << QStringList{"list", "nao/existe"} << 1 << "";
        QTest::newRow("csv, missing component") << QStringList{"csv", "DATA/MED001/T1/corpo/X.head"} << 1 << "";
        QTest::newRow("csv, a data file") << QStringList{"csv", "DATA/MED001/T1/corpo/C01.dat"} << 1 << "";
        QTest::newRow("csv, the configuration") << QStringList{"csv", "DATA/Crv_vib.cfg"} << 1 << "";
        const QString medida = "not a measurement";
        QTest::newRow("evaluate, folder without its .id") << QStringList{"evaluate", "DATA/MED001/T1"} << 1 << medida;
        QTest::newRow("evaluate, the data folder") << QStringList{"evaluate", "DATA"} << 1 << medida;
        QTest::newRow("evaluate, missing") << QStringList{"evaluate", "nao/existe"} << 1 << medida;
        QTest::newRow("evaluate, a file") << QStringList{"evaluate", "DATA/Crv_vib.cfg"} << 1 << medida;
        QTest::newRow("report of the data folder") << QStringList{"report", "DATA", "DATA/x.pdf"} << 1 << "";
        QTest::newRow("report into a missing folder") << QStringList{"report", "DATA/MED001", "DATA/nao/x.pdf"} << 1 << "";
        QTest::newRow("laudo without OUT") << QStringList{"laudo", "DATA/MED001"} << 2 << "";
        QTest::newRow("jornada without FILE") << QStringList{"jornada", "--json"} << 2 << "";
        QTest::newRow("jornada, missing") << QStringList{"jornada", "DATA/Jornadas/X.id"} << 1 << "no such file";
        QTest::newRow("jornada of no usable task") << QStringList{"jornada", "DATA/Crv_vib.cfg"} << 1 << "no task";
        QTest::newRow("grupo, two files") << QStringList{"grupo", "a", "b"} << 2 << "";
        QTest::newRow("grupo, missing") << QStringList{"grupo", "DATA/Grupos/X.id"} << 1 << "no such file";
        QTest::newRow("esocial without ITEM") << QStringList{"esocial", "--xml"} << 2 << "";
        QTest::newRow("esocial, unknown option") << QStringList{"esocial", "DATA/MED001", "--json"} << 2 << "";
        QTest::newRow("esocial of the data folder") << QStringList{"esocial", "DATA"} << 1 << "";
        QTest::newRow("laudo, neither PDF nor ODT") << QStringList{"laudo", "DATA/MED001", "DATA/x.doc"} << 2 << "";
        QTest::newRow("laudo of the data folder") << QStringList{"laudo", "DATA", "DATA/x.pdf"} << 1 << medida;
        QTest::newRow("laudo into a missing folder") << QStringList{"laudo", "DATA/MED001", "DATA/nao/x.odt"} << 1 << "nao/x.odt";
    }

    void recusado()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, motivo);
        QTemporaryDir d;
        bancada(d, 1);
        const auto antes = conteudoDe(d.path());
        const ExecucaoCli e = executarCli(argumentos(d, args.join(' ')));
        QCOMPARE(e.status, status);
        QVERIFY(e.saida.isEmpty());
        QVERIFY(!e.erros.isEmpty());
        if (status == 1) // a laudo's warnings come before its reason
            QCOMPARE(QString::fromUtf8(e.erros).split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("^(?!kt9400-cli laudo: warning: )")).size(), 1);
        else
            QVERIFY(e.erros.contains("Usage: kt9400-cli"));
        QVERIFY(e.erros.contains(motivo.toUtf8()));
        QCOMPARE(conteudoDe(d.path()), antes);
    }

    // download, import and export, each from a fresh instrument and store
    // after the commands of `antes`: their lines, their exit status, and
    // the stamp of the profile's company, first technician and instrument.
    // A command of `antes` may be killed at its Nth call of a renaming
    // system call ("kill SYSCALL:N COMMAND"): what it leaves is completed by
    // the next one, and the store never holds a measurement half copied or
    // not evaluated.
    void transferencia_data()
    {
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("linhas"); // a pattern per line printed
        const QString baixada = "downloaded MED00\\d -> .*/STORE/e_\\d{12}";
        QTest::newRow("download all") << QStringList() << "download VOL STORE" << 0
                                      << QStringList{baixada, baixada, baixada};
        QTest::newRow("download one") << QStringList() << "download VOL STORE MED002" << 0
                                      << QStringList{"downloaded MED002 -> .*"};
        QTest::newRow("download, unknown name") << QStringList() << "download VOL STORE MED002 NADA" << 1
                                                << QStringList{"downloaded MED002 -> .*", "failed NADA: no such measurement.*"};
        QTest::newRow("download again keeps") << QStringList{"download VOL STORE"} << "download VOL STORE" << 0
                                              << QStringList{"kept e_\\d{12}: .*/STORE/e_\\d{12} is in the store already; --replace .*",
                                                             "kept .*", "kept .*"};
        QTest::newRow("download again, replacing") << QStringList{"download VOL STORE"}
                                                   << "download VOL STORE --replace" << 0
                                                   << QStringList{"downloaded e_\\d{12} -> .*", "downloaded .*", "downloaded .*"};
        QTest::newRow("download, no DATA folder") << QStringList() << "download STORE STORE" << 1 << QStringList();
        QTest::newRow("download, store missing") << QStringList() << "download VOL VOL/NADA" << 1 << QStringList();
        QTest::newRow("download usage") << QStringList() << "download VOL" << 2 << QStringList();
        QTest::newRow("import") << QStringList() << "import VOL/DATA/MED001 STORE" << 0
                                << QStringList{"imported MED001 -> .*/STORE/MED001"};
        QTest::newRow("import again keeps") << QStringList{"import VOL/DATA/MED001 STORE"}
                                            << "import VOL/DATA/MED001 STORE" << 0
                                            << QStringList{"kept MED001: already in the store.*"};
        QTest::newRow("import again, replacing") << QStringList{"import VOL/DATA/MED001 STORE"}
                                                 << "import VOL/DATA/MED001 STORE --replace" << 0
                                                 << QStringList{"imported MED001 -> .*"};
        QTest::newRow("import, not a measurement") << QStringList() << "import VOL/DATA STORE" << 1
                                                   << QStringList{"failed DATA: not a measurement.*"};
        QTest::newRow("import usage") << QStringList() << "import VOL/DATA/MED001 STORE --json" << 2 << QStringList();
        QTest::newRow("export") << QStringList{"import VOL/DATA/MED001 STORE"} << "export STORE/MED001 DEST" << 0
                                << QStringList{"exported MED001 -> .*/DEST/MED001"};
        QTest::newRow("export, destination missing") << QStringList{"import VOL/DATA/MED001 STORE"}
                                                     << "export STORE/MED001 STORE/NADA" << 1
                                                     << QStringList{"failed MED001: copy not completed.*"};
        QTest::newRow("export usage") << QStringList() << "export STORE/MED001" << 2 << QStringList();
        const QString deNovo = "downloaded (MED00\\d|e_\\d{12}) -> .*/STORE/e_\\d{12}";
        for (const char *morte : {"rename:1", "rename:2", "rename:3", "renameat2:1", "renameat2:2"})
            QTest::newRow(qPrintable(QString("download killed at ") + morte))
                << QStringList{QString("kill %1 download VOL STORE MED001").arg(morte)} << "download VOL STORE" << 0
                << QStringList{deNovo, deNovo, deNovo};
        for (const char *morte : {"rename:1", "rename:2", "renameat2:1"})
            QTest::newRow(qPrintable(QString("import killed at ") + morte))
                << QStringList{QString("kill %1 import VOL/DATA/MED001 STORE").arg(morte)}
                << "import VOL/DATA/MED001 STORE --replace" << 0 << QStringList{"imported MED001 -> .*"};
    }

    void transferencia()
    {
        QFETCH(QStringList, antes);
        QFETCH(QString, comando);
        QFETCH(int, status);
        QFETCH(QStringList, linhas);
        QTemporaryDir d;
        QVERIFY(!bancada(d, 3).isEmpty());
        QDir().mkpath(d.filePath("STORE/Perfil"));
        escreverBytes(d.filePath("STORE/Perfil/perfil.id"), "Acme;Ana;Rui");
        for (const QString &a : antes) {
            if (!a.startsWith("kill ")) {
                QCOMPARE(executarCli(argumentos(d, a)).status, 0);
                continue;
            }
            if (QStandardPaths::findExecutable("strace").isEmpty())
                QSKIP("strace is not installed (scripts/instalar-dependencias installs it)");
            const QString morte = a.section(' ', 1, 1);
            QCOMPARE(executarCli(QStringList{"-f", "-qq", "-o", "/dev/null", "-e",
                                             "inject=" + morte.section(':', 0, 0) + ":signal=KILL:when="
                                                 + morte.section(':', 1),
                                             KT_CLI}
                                     + argumentos(d, a.section(' ', 2)),
                                 "strace")
                         .status,
                     -1);
        }
        // What the evaluator recorded for a laudo survives a download that
        // replaces the measurement.
        const bool substitui = comando.startsWith("download") && comando.contains("--replace");
        if (substitui) {
            for (const QString &medida : LayoutMedida::medidasDoArmazem(d.filePath("STORE")))
                escreverBytes(DadosLaudo::arquivo(medida), "numero_laudo;7/2026;\n");
        }
        const ExecucaoCli e = executarCli(argumentos(d, comando));
        QVERIFY2(e.status == status, e.saida + e.erros);
        const QStringList impressas = QString::fromUtf8(e.saida).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(impressas.size(), linhas.size());
        for (int i = 0; i < linhas.size(); ++i)
            QVERIFY2(QRegularExpression("^" + linhas.at(i) + "$").match(impressas.at(i)).hasMatch(),
                     qPrintable(impressas.at(i)));
        const QString id = "KT" + lerBytes(d.filePath("VOL/DATA/Crv_vib.cfg")).split(';').at(1).mid(2);
        for (const QString &medida : LayoutMedida::medidasDoArmazem(d.filePath("STORE"))) {
            AcessarArquivo a;
            a.lerExposicao(LayoutMedida::arquivoExposicao(medida));
            QCOMPARE(a.getEmpresa_avaliadora(), QString("Acme"));
            QCOMPARE(a.getResponsavel_tecnico(), QString("Ana"));
            if (comando.startsWith("download")) {
                QCOMPARE(a.getId_equipamento(), id);
                // The accelerometers the instrument's configuration names.
                DadosLaudo laudo;
                QVERIFY(DadosLaudo::ler(medida, &laudo));
                QCOMPARE(laudo.sensorMao + " " + laudo.sensorCorpo, QString("SM-2231 SC-1187"));
                QCOMPARE(laudo.numero, QString(substitui ? "7/2026" : ""));
            }
            QVERIFY(a.getEnable_corpo().toInt() + a.getEnable_mao().toInt() > 0);
            const QString noInstrumento = d.filePath("VOL/DATA/") + LayoutMedida::nomePasta(medida);
            if (QFileInfo::exists(noInstrumento))
                QCOMPARE(LayoutMedida::contarArquivosHead(medida), LayoutMedida::contarArquivosHead(noInstrumento));
        }
        QCOMPARE(LayoutMedida::medidas(d.filePath("VOL/DATA")).size(), 3);
    }

    // What the commands write lands whole or not at all, and what they
    // cannot read is no absence: on a full disk, one with less room left
    // than they need, an immutable file (as root too), or a file or folder
    // the user may not read, the command says which file and why, exits 1,
    // and leaves every file as it was.
    void gravacaoFalha_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("cheio");    // the folder on a full file system, and the bytes left
        QTest::addColumn<QString>("protecao"); // "+i PATH", or a mode and a path taken from the user
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("intocada"); // what stays as it was; empty: everything
        const QString cheio = "No space left on device", negado = "Permission denied";
        const QString tarefa = "STORE/MED001/T1/corpo";
        QTest::newRow("evaluate on a full disk") << "evaluate STORE/MED001" << "STORE" << "" << cheio << "";
        QTest::newRow("evaluate, 8 KiB left") << "evaluate STORE/MED001" << "STORE 8192" << "" << cheio << "";
        QTest::newRow("evaluate, immutable exposure file")
            << "evaluate STORE/MED001" << "" << "+i STORE/MED001/MED001.id" << "MED001.id: " << "";
        QTest::newRow("evaluate, immutable task file")
            << "evaluate STORE/MED001" << "" << "+i " + tarefa + "/T1.id" << "T1.id: " << "";
        QTest::newRow("evaluate, unreadable task folder") << "evaluate STORE/MED001" << "" << "000 " + tarefa
                                                          << "corpo: " + negado << "";
        QTest::newRow("evaluate, unreadable component")
            << "evaluate STORE/MED001" << "" << "000 " + tarefa + "/C01.dat" << "C01.dat: " + negado << "";
        QTest::newRow("evaluate, write-only task file")
            << "evaluate STORE/MED001" << "" << "200 " + tarefa + "/T1.id" << "T1.id: " + negado << "";
        QTest::newRow("evaluate, write-only exposure file")
            << "evaluate STORE/MED001" << "" << "200 STORE/MED001/MED001.id" << "MED001.id: " + negado << "";
        QTest::newRow("report onto a full disk") << "report STORE/MED001 DEST/r.pdf" << "DEST" << "" << cheio << "";
        QTest::newRow("report, 16 KiB left") << "report STORE/MED001 DEST/r.pdf" << "DEST 16384" << "" << cheio << "";
        QTest::newRow("csv into a full file") << "csv STORE" << "" << "" << cheio << "";
        QTest::newRow("component csv into a full file")
            << "csv STORE/MED001/T1/corpo/C01.head" << "" << "" << cheio << "";
        QTest::newRow("component csv, unreadable data") << "csv STORE/MED001/T1/corpo/C01.head" << ""
                                                        << "000 " + tarefa + "/C01.dat" << "C01.dat: " + negado << "";
        QTest::newRow("download from a full instrument") << "download VOL STORE" << "VOL" << "" << cheio << "";
        // The instrument folder is renamed before the copy, as every download does.
        QTest::newRow("download into a full store") << "download VOL STORE" << "STORE" << "" << cheio << "STORE";
        QTest::newRow("download, an unreadable folder") << "download VOL STORE MED002" << "" << "000 VOL/DATA/MED002/T1"
                                                        << "T1: " + negado << "STORE";
        QTest::newRow("import into a full store") << "import VOL/DATA/MED002 STORE" << "STORE" << "" << cheio << "";
        QTest::newRow("import, 16 KiB left") << "import VOL/DATA/MED002 STORE" << "STORE 16384" << "" << cheio << "";
        QTest::newRow("import, an unreadable folder") << "import VOL/DATA/MED002 STORE" << ""
                                                      << "000 VOL/DATA/MED002/T1/mao" << "mao: " + negado << "";
        QTest::newRow("export onto a full disk") << "export STORE/MED001 DEST" << "DEST" << "" << cheio << "";
        QTest::newRow("export, an unreadable folder") << "export STORE/MED001 DEST" << "" << "000 " + tarefa
                                                      << "corpo: " + negado << "";
    }

    void gravacaoFalha()
    {
        QFETCH(QString, comando);
        QFETCH(QString, cheio);
        QFETCH(QString, protecao);
        QFETCH(QString, motivo);
        QFETCH(QString, intocada);
        QTemporaryDir d;
        std::optional<DiscoCheio> disco;
        if (!cheio.isEmpty() && !disco.emplace(d.filePath(cheio.section(' ', 0, 0))).ok)
            QSKIP("mounting a small file system needs root");
        QVERIFY(!bancada(d, 2).isEmpty());
        QCOMPARE(executarCli({"import", d.filePath("VOL/DATA/MED001"), d.filePath("STORE")}).status, 0);
        escreverBytes(d.filePath("DEST/r.pdf"), "antigo");
        const QString exposicao = d.filePath("STORE/MED001/MED001.id");
        escreverBytes(exposicao, lerBytes(exposicao).replace("enable_corpo;", "enable_corpo;9")
                                     .replace("observacoes; ;", "observacoes;" + QByteArray(40000, 'o') + ';'));
        if (disco)
            disco->encher(cheio.section(' ', 1).toLongLong());
        // Taken from a user who is not root: root reads everything.
        QStringList comoUsuario;
        if (ehRoot()) {
            QProcess::execute("chmod", {"-R", "a+rwX", d.path()});
            comoUsuario = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", KT_CLI};
        }
        const QString alvo = d.filePath(protecao.section(' ', 1));
        std::optional<Imutavel> protegido;
        if (protecao.startsWith("+i"))
            QVERIFY(protegido.emplace(alvo).ok);
        else if (!protecao.isEmpty())
            QVERIFY(::chmod(QFile::encodeName(alvo).constData(), protecao.section(' ', 0, 0).toUInt(nullptr, 8)) == 0);
        const QString olhada = intocada.isEmpty() ? d.path() : d.filePath(intocada);
        const auto antes = conteudoDe(olhada);

        const bool outro = !comoUsuario.isEmpty() && !protecao.isEmpty() && !protecao.startsWith("+i");
        const ExecucaoCli e = executarCli(outro ? comoUsuario + argumentos(d, comando) : argumentos(d, comando),
                                          outro ? "setpriv" : KT_CLI,
                                          comando.startsWith("csv") && protecao.isEmpty() ? "/dev/full" : QString());
        const QString mensagens = QString::fromUtf8(e.saida + e.erros);
        QVERIFY2(e.status == 1, qPrintable(mensagens));
        QVERIFY2(mensagens.contains(motivo), qPrintable(mensagens));
        QCOMPARE(conteudoDe(olhada), antes);
        ::chmod(QFile::encodeName(alvo).constData(), 0755);
    }
};

QTEST_GUILESS_MAIN(TstLinhaDeComando)
#include "tst_linhadecomando.moc"
