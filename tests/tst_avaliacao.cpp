#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/avaliacaogrupo.h"
#include "evaluation/avaliacaojornada.h"
#include "evaluation/calculoexposicao.h"
#include "evaluation/edicao.h"
#include "evaluation/planilha.h"
#include "instrumentoteste.h"
#include "medidateste.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(AvaliacaoExposicao::Situacao)
Q_DECLARE_METATYPE(AvaliacaoExposicao::Falta)

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

// The values of the keys "a|b|c" in a written file, joined the same way.
QByteArray campos(const QString &caminho, const QByteArray &chaves)
{
    const QMap<QByteArray, QByteArray> m = campos(caminho);
    QByteArrayList valores;
    for (const QByteArray &c : chaves.split('|'))
        valores << m.value(c, "?");
    return valores.join('|');
}

const QByteArray exposicaoInstrumento = "nome_exposicao;Operador-240102090507;\n"
                                        "id_equipamento;KT1;\ntipo_de_sensor;corpo;\n"
                                        "data_criacao;02/01/2024;\njornada_de_trabalho;08:00;\n";

using Avaliacao = AvaliacaoExposicao;
using Falta = AvaliacaoExposicao::Falta;
using Situacao = AvaliacaoExposicao::Situacao;

QByteArray numero(double v)
{
    return QByteArray::number(v, 'g', 17);
}

// A measurement with the given whole-body and hand-arm tasks, evaluated as a
// download evaluates it. Tasks are separated by ";", each written
// "COMPONENTS@REPSxTIME[@TOTAL/SAMPLED]": components separated by "+", each
// a list of numbers separated by "," (hand-arm: amr; whole body: amx, amy,
// amz and optionally vdvx, vdvy, vdvz) and optionally "~SECONDS", its
// duration (600 when left out). Without the last part the total time is the
// repetitions times the time and the sampled time one repetition. The
// tasks are T1, T2, ... in that order, their components C1, C2, ...
QString medida(const QString &pasta, const QString &corpo, const QString &maos,
               const QByteArray &jornada = "08:00")
{
    MedidaTeste m(pasta);
    m.exposicao("nome_exposicao;Teste-240102090507;\ndata_criacao;02/01/2024;\n"
                "jornada_de_trabalho;" + jornada + ";\n");
    int n = 0;
    for (const auto &[texto, sensor] : {std::pair{corpo, "corpo"}, std::pair{maos, "mao"}}) {
        for (const QString &tarefa : texto.split(';', Qt::SkipEmptyParts)) {
            const QStringList partes = tarefa.trimmed().split('@');
            const int repeticoes = partes.at(1).section('x', 0, 0).toInt();
            const QString tempo = partes.at(1).section('x', 1);
            const QString total = partes.size() > 2 ? partes.at(2).section('/', 0, 0)
                : QTime(0, 0).addSecs(QTime(0, 0).secsTo(QTime::fromString(tempo, "hh:mm:ss")) * repeticoes)
                      .toString("hh:mm:ss");
            const QString amostrado = partes.size() > 2 ? partes.at(2).section('/', 1) : tempo;
            const QByteArray nome = "T" + QByteArray::number(++n);
            const QString dir = m.parcial(nome, sensor, parcialInstrumento(nome, repeticoes, qPrintable(tempo),
                                                                           qPrintable(total), qPrintable(amostrado)));
            int c = 0;
            for (const QString &componente : partes.at(0).split('+')) {
                QVector<double> v;
                for (const QString &x : componente.section('~', 0, 0).split(','))
                    v << x.toDouble();
                QByteArray dat = "amr(acc);" + numero(v.at(0)) + ";\n";
                QByteArray res;
                if (v.size() >= 3) {
                    dat = "amr(acc);" + numero(std::hypot(1.4 * v.at(0), 1.4 * v.at(1), v.at(2)))
                        + ";\namx(acc);" + numero(v.at(0)) + ";\namy(acc);" + numero(v.at(1))
                        + ";\namz(acc);" + numero(v.at(2)) + ";\n";
                    res = v.size() >= 6 ? resultadoCorpo(v.at(3), v.at(4), v.at(5), 3, 3, 3)
                                        : resultadoCorpo(1, 1, 1, 3, 3, 3);
                }
                dat += "Tempo;amx;amy;amz;amr;vdvx;vdvy;vdvz;\n00:00:01;1;1;1;1;1;1;1;\n";
                const QString nomeComponente = QString("C%1").arg(++c);
                MedidaTeste::componente(dir, nomeComponente, dat, res, c);
                trocarCampo(dir + '/' + nomeComponente + ".head", "duracao_comp",
                            componente.contains('~') ? componente.section('~', 1).toLatin1() : "600");
            }
        }
    }
    CalculoExposicao::avaliarMedida(pasta);
    return pasta;
}

// Within the six significant digits the stored results carry.
#define COMPARAR(real, esperado)                                                              \
    do {                                                                                      \
        const double r_ = (real), e_ = (esperado);                                            \
        QVERIFY2(r_ == e_ || std::abs(r_ - e_) <= 1e-5 * std::max(1.0, std::abs(e_)),        \
                 qPrintable(QString("%1 is %2, expected %3").arg(#real).arg(r_, 0, 'g', 10)    \
                                .arg(e_, 0, 'g', 10)));                                       \
    } while (false)

} // namespace

// The evaluation of measurement folders, the assessment of its results
// against the action and limit values, and the viewer's edits and
// deletions with recalculation, all through real folders.
class TstAvaliacao : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int n = 0;
    QString novaPasta() { return dir.filePath(QString("M%1").arg(++n)); }
    MedidaTeste nova() { return MedidaTeste(novaPasta()); }

    // A store with one measurement M of one whole-body partial exposure T1
    // of two components.
    struct Armazem {
        QTemporaryDir dir;
        const QString raiz = dir.filePath("Z2registros") + "/";
        const QString pasta = medida(raiz + "M", "0,0,0.5,2,2,2+0,0,0.5,2,2,2@1x00:10:00@00:10:00/00:30:00", {});
        const QString exposicao = pasta + "/M.id";
        const QString corpo = pasta + "/T1/corpo";
        Armazem()
        {
            QDir().mkpath(raiz + "Arquivos PDF");
            QDir().mkpath(raiz + "Perfil");
            escreverBytes(raiz + "Perfil/perfil.id", "A;B;C");
        }
        QStringList pastas() const { return LayoutMedida::pastasCorpo(pasta); }
    };

private slots:
    // How stored texts are read: times of a given number of parts, and
    // numbers (0 for anything that is not a plain finite one).
    void valoresLidos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("partes"); // 0: a number
        QTest::addColumn<double>("valor");
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
        QTest::newRow("plain") << "0.5" << 0 << 0.5;
        QTest::newRow("blanks") << " 0.5 " << 0 << 0.5;
        QTest::newRow("decimal comma") << "0,5" << 0 << 0.0;
        QTest::newRow("unset") << " " << 0 << 0.0;
        QTest::newRow("exponent") << "1e3" << 0 << 1000.0;
        QTest::newRow("negative") << "-2" << 0 << -2.0;
        QTest::newRow("nan") << "nan" << 0 << 0.0;
        QTest::newRow("inf") << "inf" << 0 << 0.0;
        QTest::newRow("overflow") << "1e999" << 0 << 0.0;
    }

    void valoresLidos()
    {
        QFETCH(QString, texto);
        QFETCH(int, partes);
        QTEST(partes ? CalculoExposicao::segundosDeTexto(texto, partes) : CalculoExposicao::numero(texto), "valor");
    }

    // A worker's day composed of tasks of stored measurements, with the
    // day's repetitions and times (empty: the task's own), worked by hand:
    // e_A's hand-arm task has arep 4 m/s² (2 × 1 h of its own), e_B's
    // 2 m/s² (1 × 4 h); e_A's whole-body task VDVi z 8 sampled for 30 min,
    // e_B's VDVi z 4 sampled for 1 h of a total recorded as 1 h 30 min,
    // which its own time of 1 × 1 h extends its VDV to.
    void diaComposto_data()
    {
        QTest::addColumn<QStringList>("tarefas"); // "REF;REPETITIONS;TIME"
        QTest::addColumn<double>("arenMao");       // -1: not computed
        QTest::addColumn<double>("arenCorpo");
        QTest::addColumn<double>("vdvr");
        QTest::addColumn<QStringList>("deixadas"); // tasks left out
        QTest::newRow("4 m/s² for 2 h, 2 m/s² for 4 h") << QStringList{"e_A/T1/mao;1;02:00:00", "e_B/T1/mao;1;04:00:00"}
                                                        << std::sqrt((16.0 * 2 + 4 * 4) / 8) << -1.0 << -1.0 << QStringList{};
        QTest::newRow("the tasks' own times") << QStringList{"e_A/T1/mao;;", "e_B/T1/mao;;"} << std::sqrt(6.0) << -1.0
                                              << -1.0 << QStringList{};
        QTest::newRow("what if the first lasts 1 h") << QStringList{"e_A/T1/mao;1;01:00:00", "e_B/T1/mao;1;04:00:00"}
                                                     << 2.0 << -1.0 << -1.0 << QStringList{};
        // VDVexp z = 8 × (8 h / 0.5 h)^¼ = 16 and 4 × (1.5 h / 1 h)^¼.
        QTest::newRow("whole body, VDV") << QStringList{"e_A/T2/corpo;1;08:00:00", "e_B/T2/corpo;1;01:00:00"} << -1.0
                                         << std::sqrt((0.25 * 8 + 1.0 * 1) / 8) << std::pow(65536.0 + 256 * 1.5, 0.25)
                                         << QStringList{};
        QTest::newRow("a measurement not in the store") << QStringList{"e_X/T1/mao;1;01:00:00", "e_A/T1/mao;1;02:00:00"}
                                                        << 2.0 << -1.0 << -1.0 << QStringList{"e_X/T1/mao"};
        QTest::newRow("a deleted task") << QStringList{"e_A/T9/mao;1;01:00:00", "e_B/T1/mao;1;04:00:00"}
                                        << std::sqrt(2.0) << -1.0 << -1.0 << QStringList{"e_A/T9/mao"};
        QTest::newRow("an unusable stored arep") << QStringList{"e_C/T1/mao;1;01:00:00", "e_B/T1/mao;1;04:00:00"}
                                                 << std::sqrt(2.0) << -1.0 << -1.0 << QStringList{"e_C/T1/mao"};
        QTest::newRow("a time that is not one") << QStringList{"e_A/T1/mao;1;2h", "e_B/T1/mao;1;04:00:00"}
                                                << std::sqrt(2.0) << -1.0 << -1.0 << QStringList{"e_A/T1/mao"};
        QTest::newRow("nothing left: not computed, never 0") << QStringList{"e_C/T1/mao;1;01:00:00"} << -1.0 << -1.0
                                                             << -1.0 << QStringList{"e_C/T1/mao"};
    }

    void diaComposto()
    {
        QFETCH(QStringList, tarefas);
        QFETCH(double, arenMao);
        QFETCH(double, arenCorpo);
        QFETCH(double, vdvr);
        QFETCH(QStringList, deixadas);
        QTemporaryDir d;
        const QString raiz = d.path();
        const auto medida = [&](const char *nome, const QByteArray &mao, const QByteArray &corpo) {
            MedidaTeste m(raiz + "/" + nome);
            m.exposicao("nome_exposicao;" + QByteArray(nome) + ";\nenable_mao;1;\nenable_corpo;1;\n");
            m.parcial("T1", "mao", mao);
            m.parcial("T2", "corpo", corpo);
        };
        medida("e_A", parcialInstrumento("Lixadeira", 2, "01:00:00", "02:00:00", "00:10:00") + "arep;4;\n",
               parcialInstrumento("Trator", 1, "08:00:00", "08:00:00", "00:30:00") + "arep;0.5;\nvdvix;0;\nvdviy;0;\nvdviz;8;\n");
        medida("e_B", parcialInstrumento("Furadeira", 1, "04:00:00", "04:00:00", "00:10:00") + "arep;2;\n",
               parcialInstrumento("Pá", 1, "01:00:00", "01:30:00", "01:00:00") + "arep;1;\nvdvix;0;\nvdviy;0;\nvdviz;4;\n");
        medida("e_C", parcialInstrumento("Serra", 1, "01:00:00", "01:00:00", "00:10:00") + "arep;abc;\n", "");
        Jornada j;
        for (const QString &t : tarefas)
            j.tarefas.append({t.section(';', 0, 0), t.section(';', 1, 1), t.section(';', 2, 2)});
        const AvaliacaoJornada a = AvaliacaoJornada::avaliar(j, raiz);
        const auto confere = [](bool calculado, double obtido, double esperado) {
            if (esperado < 0)
                return !calculado;
            return calculado && qAbs(obtido - AvaliacaoExposicao::arredondado(esperado)) <= 1e-5 * esperado;
        };
        QVERIFY2(confere(a.maoCalculada(), a.mao.aren, arenMao), qPrintable(QString::number(a.mao.aren)));
        QVERIFY2(confere(a.corpoCalculado(), a.corpo.aren, arenCorpo), qPrintable(QString::number(a.corpo.aren)));
        QVERIFY2(confere(a.corpoCalculado(), a.corpo.vdvr, vdvr), qPrintable(QString::number(a.corpo.vdvr)));
        // The Brazilian verdict is made of the same figures.
        if (arenMao >= 0)
            QCOMPARE(a.avaliacao.nrMao.valor, AvaliacaoExposicao::arredondado(a.mao.aren));
        QStringList fora;
        for (const AvaliacaoJornada::Tarefa &t : a.tarefas) {
            if (!t.usada) {
                fora << t.referencia;
                QVERIFY(!t.motivo.isEmpty());
            }
        }
        QCOMPARE(fora, deixadas);
        // The group of the day and two measurements: each member's band,
        // the mean and the highest, the most exposed member's verdict.
        if (QTest::currentDataTag() != QLatin1String("4 m/s² for 2 h, 2 m/s² for 4 h"))
            return;
        j.nome = "Dia";
        QDir().mkpath(Jornada::pasta(raiz));
        QVERIFY(j.gravar(Jornada::arquivo(raiz, "Dia")));
        escreverBytes(raiz + "/e_A/e_A.id", "enable_mao;1;\naren_mao;2;\n");
        escreverBytes(raiz + "/e_B/e_B.id", "enable_mao;1;\naren_mao;3;\n");
        Grupo g;
        g.membros = {{false, "e_A"}, {false, "e_B"}, {true, "Dia"}, {false, "e_X"}};
        const AvaliacaoGrupo grupo = AvaliacaoGrupo::avaliar(g, raiz);
        const AvaliacaoGrupo::Resumo &r = grupo.resumo[AvaliacaoGrupo::ArenMao];
        QCOMPARE(r.quantos, 3);
        QCOMPARE(r.media, AvaliacaoExposicao::arredondado((2 + 3 + std::sqrt(6.0)) / 3));
        QCOMPARE(r.maximo, 3.0);
        QCOMPARE(r.faixa, AvaliacaoExposicao::Faixa::AcimaNivelAcao);
        QCOMPARE(grupo.veredito, AvaliacaoExposicao::Faixa::AcimaNivelAcao);
        QCOMPARE(grupo.maisExposto, QString("e_B"));
        QVERIFY(!grupo.membros.at(3).motivo.isEmpty());
        QCOMPARE(grupo.resumo[AvaliacaoGrupo::Vdvr].quantos, 0);
    }

    // A day holding every task of a measurement, with the measurement's
    // own repetitions and times, gives the measurement's stored results
    // (to one unit of their sixth significant digit: the stored task
    // values are rounded to six).
    void diaDeUmaMedida()
    {
        BancadaTeste b(3, 300);
        for (const QString &medida : b.levarAoArmazem()) {
            Jornada j;
            for (const QString &corpo : LayoutMedida::pastasCorpo(medida))
                j.tarefas.append({QDir(b.armazem).relativeFilePath(corpo), QString(), QString()});
            const AvaliacaoJornada a = AvaliacaoJornada::avaliar(j, b.armazem);
            AcessarArquivo e;
            e.lerExposicao(LayoutMedida::arquivoExposicao(medida));
            const auto igual = [](double calculado, const QString &armazenado) {
                const double v = armazenado.toDouble();
                return qAbs(AvaliacaoExposicao::arredondado(calculado) - v) <= std::pow(10.0, std::floor(std::log10(v)) - 5);
            };
            QVERIFY(a.maoCalculada() || a.corpoCalculado());
            if (a.maoCalculada())
                QVERIFY2(igual(a.mao.aren, e.getAren_mao()), qPrintable(QString::number(a.mao.aren) + " " + e.getAren_mao()));
            if (a.corpoCalculado()) {
                QVERIFY2(igual(a.corpo.aren, e.getAren_corpo()), qPrintable(e.getAren_corpo()));
                QVERIFY2(igual(a.corpo.vdvr, e.getVdvr()), qPrintable(e.getVdvr()));
            }
        }
    }

    // The register as a spreadsheet opens it in each language: a UTF-8
    // byte-order mark, the language's list and decimal separators, a name
    // holding quotes or a comma quoted, CR LF; the same fields as `csv STORE`.
    void planilha_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("Portuguese") << QLocale(QLocale::Portuguese, QLocale::Brazil) << ";" << ",";
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << ";" << ",";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "," << ".";
    }

    void planilha()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, separador);
        QFETCH(QString, decimal);
        BancadaTeste b(1, 60);
        const QString medida = b.levarAoArmazem().first();
        AcessarArquivo e;
        e.lerExposicao(LayoutMedida::arquivoExposicao(medida));
        e.setNome_exposicao(QString::fromUtf8("Prensa \"A\", São João-240102090507"));
        QVERIFY(e.salvarExposicao(LayoutMedida::arquivoExposicao(medida)));
        QBuffer saida;
        saida.open(QIODevice::WriteOnly);
        QVERIFY(Planilha::escrever({medida}, local, &saida));
        const QByteArray bytes = saida.data();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList linhas = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas.at(0), Planilha::cabecalho().join(separador));
        // Quoted, its quotes doubled.
        QVERIFY2(linhas.at(1).contains(QString::fromUtf8("\"Prensa \"\"A\"\", São João\"") + separador), qPrintable(linhas.at(1)));
        QVERIFY2(linhas.at(1).contains(QString(e.getAren_corpo()).replace(".", decimal)), qPrintable(linhas.at(1)));
        QCOMPARE(linhas.at(1).count(separador) - (separador == "," ? 1 : 0), Planilha::cabecalho().size() - 1);
    }

    // A hand-arm measurement, six repetitions of ten minutes at an arep of
    // 0.5: its results from the exposure times and the working day; the
    // whole-body results an earlier evaluation left are cleared, their
    // count kept.
    void jornada_data()
    {
        QTest::addColumn<QByteArray>("jornada");
        QTest::addColumn<QByteArray>("are");
        QTest::addColumn<QByteArray>("aren");
        QTest::newRow("08:00") << QByteArray("08:00") << QByteArray("0.176777") << QByteArray("0.176777");
        QTest::newRow("04:00") << QByteArray("04:00") << QByteArray("0.25") << QByteArray("0.176777");
        QTest::newRow("00:00") << QByteArray("00:00") << QByteArray("0") << QByteArray("0.176777");
        QTest::newRow("unset") << QByteArray(" ") << QByteArray("0") << QByteArray("0.176777");
    }

    void jornada()
    {
        QFETCH(QByteArray, jornada);
        QFETCH(QByteArray, are);
        QFETCH(QByteArray, aren);
        const QString pasta = medida(novaPasta(), {}, "0.3+0.7@6x00:10:00", jornada);
        const QString id = pasta + '/' + QFileInfo(pasta).fileName() + ".id";
        for (const auto &[chave, valor] : {std::pair{"enable_corpo", "3"}, {"vdvr", "9.9"}, {"FC_x_resultante", "4.000"}})
            QVERIFY(trocarCampo(id, chave, valor));
        QVERIFY(CalculoExposicao::avaliarMedida(pasta));
        QCOMPARE(campos(id, "are_mao|aren_mao|enable_mao|enable_corpo|vdvexpx|vdvr|FC_x_resultante"),
                 are + '|' + aren + "|2|3|0|0|0.000");
        QCOMPARE(campos(pasta + "/T1/mao/T1.id", "arep"), QByteArray("0.5"));
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

    // What the evaluation counts and reads in a measurement's folders: the
    // components with a .head, folders named exactly "corpo" and "mao", each
    // partial-exposure file and component starting from unset fields (nothing
    // of one leaks into the next), the result file's values over the data
    // file's, the hand-arm run leaving the VDV fields as read.
    void pastasEArquivos()
    {
        const MedidaTeste m = nova();
        m.exposicao(exposicaoInstrumento + "vdvr;9.9;\n");
        const auto tarefa = [&](const char *nome, const char *corpo) {
            return m.parcial(nome, corpo, parcialInstrumento(nome, 1, "01:00:00", "01:00:00", "00:10:00"));
        };
        const QString a = tarefa("A", "corpo");
        MedidaTeste::componente(a, "C1", dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        MedidaTeste::componente(a, "C2", dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        escreverBytes(a + "/y.dat", "amr(acc);100;\n"); // no y.head: not a component
        const QString b = tarefa("B", "corpo");
        for (const char *c : {"C1", "C2", "C3"})
            MedidaTeste::componente(b, c, dadosAmr(0.5), resultadoCorpo(1, 1, 1, 2, 2, 2));
        const QString vazio = tarefa("C", "corpo");
        const QString maiuscula = tarefa("D", "Corpo");
        MedidaTeste::componente(maiuscula, "C1", dadosAmr(9), "");
        const QString e = tarefa("E", "corpo");
        MedidaTeste::componente(e, "C1", "amr(acc);0.2;\nvdvx;1;\nFC_y;9;\n", "amr(acc);0.8;\nvdvy(acc);2;\n");
        const QString f = m.parcial("F", "mao", parcialInstrumento("F", 1, "01:00:00", "01:00:00", "00:10:00")
                                                  + "FC_x_parcial;9.000;\nvdvix;7;\n");
        MedidaTeste::componente(f, "C1", dadosAmr(1), "");
        const QString g = m.parcial("G", "mao", "nome_exp_parcial;G;\nnum_repeticao;1;\n");
        MedidaTeste::componente(g, "C1", dadosAmr(0.6), "", 10);
        MedidaTeste::componente(g, "C2", "Tempo;\n", "FC_x;3;\n", 0); // no amr(acc)
        const QString head = tarefa("old.head", "mao");
        MedidaTeste::componente(head, "c", dadosAmr(1.25), "");

        QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
        QCOMPARE(campos(m.arquivoExposicao(), "enable_corpo|enable_mao"), QByteArray("6|4"));
        QCOMPARE(campos(a + "/A.id", "arep"), QByteArray("0.5"));
        QCOMPARE(campos(vazio + "/C.id", "arep|vdvix"), QByteArray("0|0"));
        QCOMPARE(lerBytes(maiuscula + "/D.id"), parcialInstrumento("D", 1, "01:00:00", "01:00:00", "00:10:00"));
        QCOMPARE(campos(e + "/E.id", "arep|vdvix|vdviy|FC_y_parcial"), QByteArray("0.8|1|2|9.000"));
        QCOMPARE(campos(f + "/F.id", "FC_x_parcial"), QByteArray("9.000"));
        QCOMPARE(campos(g + "/G.id", "FC_x_parcial|vdvix|tempo_exp|arep"), QByteArray(" | | |0.3"));
        QCOMPARE(campos(head + "/old.head.id", "arep"), QByteArray("1.25"));
    }

    // Values a damaged recording may hold, and the line ends of other
    // systems and a byte-order mark read as the instrument's own: the
    // evaluation writes no nan or inf, and keeps every value it rewrites.
    void valoresRuins_data()
    {
        QTest::addColumn<QByteArray>("dat");
        QTest::addColumn<QByteArray>("res");
        QTest::addColumn<QByteArray>("parcial");
        QTest::addColumn<QByteArray>("arepVdvix"); // the task's arep, and its vdvix for whole body
        QTest::addColumn<QByteArray>("inicio");    // of every file
        QTest::addColumn<QByteArray>("fim");       // of every line
        const QByteArray parcial = parcialInstrumento("T", 2, "00:10:00", "00:20:00", "00:05:00"), lf = "\n", bom = "\xEF\xBB\xBF";
        QTest::newRow("not numbers") << QByteArray("amr(acc);abc;\n") << QByteArray("vdvx;x;\nFC_x;?;\n") << parcial
                                     << QByteArray("0|0") << QByteArray() << lf;
        QTest::newRow("nan and inf") << QByteArray("amr(acc);nan;\n")
                                     << QByteArray("vdvx;inf;\nvdvy;-inf;\nFC_z;nan;\n") << parcial
                                     << QByteArray("0|0") << QByteArray() << lf;
        // A damaged recording's value below 0 is no exposure.
        QTest::newRow("negative") << QByteArray("amr(acc);-0.5;\n") << QByteArray("vdvx;-2;\nFC_x;-3;\n") << parcial
                                  << QByteArray("0|0") << QByteArray() << lf;
        QTest::newRow("huge") << QByteArray("amr(acc);1e300;\n")
                              << QByteArray("vdvx;1e300;\nvdvy;1e200;\nFC_x;1e300;\n") << parcial
                              << QByteArray("1e+300|1.79769e+308") << QByteArray() << lf;
        QTest::newRow("negative times") << QByteArray("amr(acc);0.5;\n") << QByteArray("vdvx;2;\n")
                                        << parcialInstrumento("T", -3, "-00:10:00", "00:20:00", "-00:05:00")
                                        << QByteArray("0.5|2") << QByteArray() << lf;
        QTest::newRow("huge times") << QByteArray("amr(acc);0.5;\n") << QByteArray("vdvx;2;\n")
                                    << parcialInstrumento("T", 2147483647, "1e300:00:00", "1e300:00:00", "00:00:01")
                                    << QByteArray("0.5|2") << QByteArray() << lf;
        for (const auto &[nome, inicio, fim] : {std::tuple{"CR LF", QByteArray(), QByteArray("\r\n")},
                                                {"CR only", QByteArray(), QByteArray("\r")},
                                                {"byte-order mark", bom, lf},
                                                {"CR only after a byte-order mark", bom, QByteArray("\r")}})
            QTest::newRow(nome) << dadosAmr(0.5) << QByteArray("vdvx;2;\n") << parcial << QByteArray("0.5|2") << inicio << fim;
    }

    void valoresRuins()
    {
        QFETCH(QByteArray, dat);
        QFETCH(QByteArray, res);
        QFETCH(QByteArray, parcial);
        QFETCH(QByteArray, inicio);
        QFETCH(QByteArray, fim);
        const auto comFim = [&](QByteArray texto) { return inicio + texto.replace("\n", fim); };
        for (const char *tipo : {"corpo", "mao"}) {
            const MedidaTeste m = nova();
            m.exposicao(comFim(exposicaoInstrumento + "setor;S;\nobservacoes;o;\n"));
            const QString c = m.parcial("T", tipo, comFim(parcial));
            MedidaTeste::componente(c, "C1", comFim(dat), comFim(res));
            QVERIFY(CalculoExposicao::avaliarMedida(m.pasta));
            for (const QString &arquivo : {m.arquivoExposicao(), c + "/T.id"}) {
                const QByteArray escrito = lerBytes(arquivo).toLower();
                QVERIFY2(!escrito.contains("nan") && !escrito.contains("inf"), escrito.constData());
            }
            QCOMPARE(campos(m.arquivoExposicao(), "nome_exposicao|jornada_de_trabalho|setor|data_criacao"),
                     QByteArray("Operador-240102090507|08:00|S|02/01/2024"));
            QCOMPARE(lerBytes(m.arquivoExposicao()).right(15), QByteArray("observacoes;o;\n"));
            QCOMPARE(campos(c + "/T.id", "nome_exp_parcial|tempo_exp_total"), "T|" + parcial.split('\n').at(3).split(';').at(1));
            QFETCH(QByteArray, arepVdvix);
            QCOMPARE(campos(c + "/T.id", tipo == QLatin1String("corpo") ? "arep|vdvix" : "arep"),
                     tipo == QLatin1String("corpo") ? arepVdvix : arepVdvix.split('|').first());
        }
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

    // The European figures, worked out by hand. Hand-arm A(8), points and
    // hours until the action and limit values: from the exposure times and
    // the 8-hour reference whatever the working day, each task the energy
    // average of its components weighted by their durations; rounded as
    // published, the figures of ISO 5349-2 and the HSE. Whole body: the
    // three axes' A(8) with their factors, the dominant axis's. The largest
    // exposure VDV: each task's grows with the fourth root of its total over
    // its sampled time, the tasks add up as fourth powers; no points (no
    // standard gives points for a dose), VDV⁴ growing in proportion to the
    // time until the action and limit values.
    void figuras_data()
    {
        QTest::addColumn<QString>("figura"); // "mao", "corpo" or "vdv"
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<QByteArray>("jornada");
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<QVector<double>>("figuras"); // the value, points, hours to action, to limit
        QTest::addColumn<QVector<double>>("eixos");   // whole body: A(8) x, y, z; then the axis
        const QByteArray oito = "08:00";
        const double nunca = std::numeric_limits<double>::infinity(), nenhum = std::nan("");
        // ISO 5349-2, Annex E.3: three tools over the day, A(8) 3.6.
        QTest::newRow("ISO 5349-2 E.3") << "mao" << "4.6@1x02:00:00; 6.0@1x01:00:00; 3.6@1x02:00:00" << oito
                                        << Situacao::AcimaDaAcao << QVector<double>{3.60971, 208.48, 2.39831, 9.59325}
                                        << QVector<double>{};
        QTest::newRow("HSE: 5 m/s² for 3 h, 3.06") << "mao" << "5@1x03:00:00" << oito << Situacao::AcimaDaAcao
                                                  << QVector<double>{3.06186, 150, 2, 8} << QVector<double>{};
        QTest::newRow("HSE: 2, 6 and 3.5 m/s² for 15, 30 and 90 min, 2.2")
            << "mao" << "2@1x00:15:00; 6@1x00:30:00; 3.5@1x01:30:00" << oito << Situacao::AbaixoDaAcao
            << QVector<double>{2.16145, 74.75, 3.01003, 12.0401} << QVector<double>{};
        QTest::newRow("working day 00:00") << "mao" << "5@1x03:00:00" << QByteArray("00:00") << Situacao::AcimaDaAcao
                                          << QVector<double>{3.06186, 150, 2, 8} << QVector<double>{};
        QTest::newRow("working day not a time") << "mao" << "5@1x03:00:00" << QByteArray("oito") << Situacao::AcimaDaAcao
                                                << QVector<double>{3.06186, 150, 2, 8} << QVector<double>{};
        QTest::newRow("components by duration: 60 s at 3, 540 s at 5")
            << "mao" << "3~60+5~540@1x08:00:00" << oito << Situacao::AcimaDaAcao
            << QVector<double>{4.83735, 374.4, 2.13675, 8.54701} << QVector<double>{};
        QTest::newRow("10 m/s² reaches the limit after 2 h") << "mao" << "10@1x01:00:00" << oito << Situacao::AcimaDaAcao
                                                            << QVector<double>{3.53553, 200, 0.5, 2} << QVector<double>{};
        QTest::newRow("at the limit: 10 m/s², 4 × 30 min") << "mao" << "10@4x00:30:00" << oito << Situacao::AcimaDoLimite
                                                          << QVector<double>{5, 400, 0.5, 2} << QVector<double>{};
        QTest::newRow("at the action value: 5 m/s² for 2 h") << "mao" << "5@1x02:00:00" << oito << Situacao::AcimaDaAcao
                                                            << QVector<double>{2.5, 100, 2, 8} << QVector<double>{};
        QTest::newRow("below: two components, their energy average")
            << "mao" << "1+3@1x08:00:00" << oito << Situacao::AbaixoDaAcao << QVector<double>{2.23607, 80, 10, 40}
            << QVector<double>{};
        QTest::newRow("z dominant, below") << "corpo" << "0.3,0.2,0.6@1x04:00:00" << oito << Situacao::AbaixoDaAcao
                                           << QVector<double>{0.424264, 72, 5.55556, 29.3889}
                                           << QVector<double>{0.296985, 0.19799, 0.424264, 2};
        QTest::newRow("x dominant by its factor 1.4") << "corpo" << "0.5,0.1,0.6@1x08:00:00" << oito << Situacao::AcimaDaAcao
                                                      << QVector<double>{0.7, 196, 4.08163, 21.5918}
                                                      << QVector<double>{0.7, 0.14, 0.6, 0};
        QTest::newRow("y dominant") << "corpo" << "0.1,0.9,0.6@1x08:00:00" << oito << Situacao::AcimaDoLimite
                                    << QVector<double>{1.26, 635.04, 1.25976, 6.66415} << QVector<double>{0.14, 1.26, 0.6, 1};
        QTest::newRow("components averaged, two tasks")
            << "corpo" << "0.2,0,0.8+0.4,0,1.0@2x01:00:00; 0.3,0.3,1.2@1x02:00:00" << oito << Situacao::AcimaDaAcao
            << QVector<double>{0.751665, 226, 1.76991, 9.36283} << QVector<double>{0.305123, 0.21, 0.751665, 2};
        QTest::newRow("z at the limit") << "corpo" << "0,0,1.15@1x08:00:00" << oito << Situacao::AcimaDoLimite
                                        << QVector<double>{1.15, 529, 1.51229, 8} << QVector<double>{0, 0, 1.15, 2};
        QTest::newRow("no vibration: never reached") << "corpo" << "0,0,0@1x08:00:00" << oito << Situacao::AbaixoDaAcao
                                                     << QVector<double>{0, 0, nunca, nunca} << QVector<double>{0, 0, 0, 0};
        // ISO 2631-1, 6.3.2: 8.5 over 2 h of an 8-hour exposure, 8.5 × (8 h / 2 h)^¼ = 12.0.
        QTest::newRow("ISO 2631-1: 8.5 over 2 h of 8") << "vdv" << "0.1,0.1,0.1,1,1,8.5@1x08:00:00@08:00:00/02:00:00"
                                                     << oito << Situacao::AcimaDaAcao
                                                     << QVector<double>{12.0208, nenhum, 2.62736, 74.5129} << QVector<double>{2};
        // VDV 4 and 10 over 30 min sampled of 8 h: 4 × 1.4 × 2 on x, 10 × 2 on z.
        QTest::newRow("z, above the action value") << "vdv" << "0.1,0.1,0.1,4,4,10@1x08:00:00@08:00:00/00:30:00" << oito
                                                   << Situacao::AcimaDaAcao << QVector<double>{20, nenhum, 0.342875, 9.72405}
                                                   << QVector<double>{2};
        QTest::newRow("x by its factor 1.4, below") << "vdv" << "0.1,0.1,0.1,3,1,4@1x01:00:00@01:00:00/01:00:00" << oito
                                                    << Situacao::AbaixoDaAcao << QVector<double>{4.2, nenhum, 22.0378, 625}
                                                    << QVector<double>{0};
        QTest::newRow("two tasks add up to the limit") << "vdv" << "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00;"
                                                                  "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00"
                                                       << oito << Situacao::AcimaDoLimite
                                                       << QVector<double>{21.0014, nenhum, 0.282009, 7.99787} << QVector<double>{2};
    }

    void figuras()
    {
        QFETCH(QString, figura);
        QFETCH(QString, tarefas);
        QFETCH(QByteArray, jornada);
        QFETCH(QVector<double>, figuras);
        QFETCH(QVector<double>, eixos);
        const bool mao = figura == "mao";
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), mao ? QString() : tarefas, mao ? tarefas : QString(), jornada));
        QVERIFY(a.temMao == mao && a.temCorpo == !mao);
        const Avaliacao::Figura &f = mao ? a.mao : figura == "corpo" ? a.corpo : a.vdv;
        QTEST(f.situacao(), "situacao");
        COMPARAR(f.valor, figuras.at(0));
        QCOMPARE(f.temPontos(), !std::isnan(figuras.at(1)));
        if (f.temPontos())
            COMPARAR(f.pontos(), figuras.at(1));
        else
            QVERIFY(std::isnan(f.pontos()));
        COMPARAR(f.tempoAteAcao() / 3600, figuras.at(2));
        COMPARAR(f.tempoAteLimite() / 3600, figuras.at(3));
        if (!mao)
            QCOMPARE(f.eixo, int(eixos.last()));
        for (int e = 0; figura == "corpo" && e < 3; ++e)
            COMPARAR(a.a8Eixo[e], eixos.at(e));
    }

    // Every band boundary of both criteria, just below, at and just above
    // it: the Brazilian bands on the stored aren and VDVR (six significant
    // digits), the European statuses on the assessment's own figures. The
    // whole body's band is the worse of its aren's and its VDVR's; one
    // unknown leaves it unknown unless the other is above the limit.
    void faixas_data()
    {
        QTest::addColumn<QString>("grandeza");
        QTest::addColumn<QString>("valor"); // the figure's, or "KEY=VALUE ..." stored in the exposure file
        QTest::addColumn<int>("esperado");  // the band or the status
        using F = Avaliacao::Faixa;
        const int nr[4] = {int(F::Aceitavel), int(F::AcimaNivelAcao), int(F::RegiaoIncerteza), int(F::AcimaLimite)};
        // At each limit: the first closes Aceitável, the second opens the
        // uncertainty region, the third closes it.
        const struct {
            const char *grandeza;
            double limites[3];
        } brasil[] = {{"aren_mao", {2.5, 3.5, 5.0}}, {"aren_corpo", {0.5, 0.9, 1.1}}, {"vdvr", {9.1, 16.4, 21.0}}};
        for (const auto &g : brasil) {
            for (int i = 0; i < 3; ++i) {
                const double l = g.limites[i];
                const int noLimite = i == 1 ? 2 : i;
                // One unit of the sixth significant digit away.
                const double passo = l * 1e-5;
                for (const auto &[valor, faixa] : {std::pair{l - passo, nr[i]}, {l, nr[noLimite]}, {l + passo, nr[i + 1]}})
                    QTest::addRow("%s %g", g.grandeza, valor)
                        << g.grandeza << QString("%1=%2").arg(g.grandeza).arg(valor, 0, 'g', 6) << faixa;
            }
        }
        const int ue[3] = {int(Situacao::AbaixoDaAcao), int(Situacao::AcimaDaAcao), int(Situacao::AcimaDoLimite)};
        const struct {
            const char *grandeza;
            double limites[2];
        } europa[] = {{"A(8) mao", {2.5, 5}}, {"A(8)z corpo", {0.5, 1.15}}, {"VDVz corpo", {9.1, 21}}};
        for (const auto &g : europa) {
            for (int i = 0; i < 2; ++i) {
                const double l = g.limites[i];
                for (const auto &[valor, status] : {std::pair{l - 0.001, ue[i]}, {l, ue[i + 1]}, {l + 0.001, ue[i + 1]}})
                    QTest::addRow("%s %g", g.grandeza, valor) << g.grandeza << QString::number(valor, 'g', 17) << status;
            }
        }
        const char *corpo = "corpo inteiro";
        QTest::newRow("both acceptable") << corpo << "aren_corpo=0.5 vdvr=9.1" << int(F::Aceitavel);
        QTest::newRow("VDVR above the action level") << corpo << "aren_corpo=0.431 vdvr=10.46" << int(F::AcimaNivelAcao);
        QTest::newRow("aren uncertain, VDVR above the action level") << corpo << "aren_corpo=1.0 vdvr=12"
                                                                     << int(F::RegiaoIncerteza);
        QTest::newRow("VDVR above the limit") << corpo << "aren_corpo=0.2 vdvr=21.1" << int(F::AcimaLimite);
        QTest::newRow("VDVR unknown") << corpo << "aren_corpo=0.2 vdvr=abc" << int(F::NaoCalculada);
        QTest::newRow("VDVR unknown, aren above the limit") << corpo << "aren_corpo=1.2 vdvr=abc" << int(F::AcimaLimite);
    }

    void faixas()
    {
        QFETCH(QString, grandeza);
        QFETCH(QString, valor);
        const QString &v = valor;
        // Over 8 hours, sampled whole: A(8) and VDV are the component's own.
        const QString pasta = grandeza == "A(8) mao" ? medida(novaPasta(), {}, v + "@1x08:00:00")
            : grandeza == "A(8)z corpo"              ? medida(novaPasta(), "0,0," + v + "@1x08:00:00", {})
            : grandeza == "VDVz corpo" ? medida(novaPasta(), "0,0,0.1,0,0," + v + "@1x08:00:00@08:00:00/08:00:00", {})
                                       : medida(novaPasta(), "0.1,0.1,0.1@1x08:00:00", "1@1x08:00:00");
        for (const QString &campo : valor.split(' ', Qt::SkipEmptyParts))
            if (campo.contains('='))
                QVERIFY(trocarCampo(LayoutMedida::arquivoExposicao(pasta), campo.section('=', 0, 0).toLatin1(),
                                    campo.section('=', 1).toLatin1()));
        const Avaliacao a = Avaliacao::avaliar(pasta);
        const QMap<QString, int> obtido = {
            {"aren_mao", int(a.nrMao.faixa())},       {"aren_corpo", int(a.nrCorpo.faixa())},
            {"vdvr", int(a.nrVdvr.faixa())},          {"A(8) mao", int(a.mao.situacao())},
            {"A(8)z corpo", int(a.corpo.situacao())}, {"VDVz corpo", int(a.vdv.situacao())},
            {"corpo inteiro", int(a.faixaCorpoInteiro())}};
        QTEST(obtido.value(grandeza, -1), "esperado");
    }

    // One value of a sound measurement spoiled: only the figures that need
    // it cannot be computed (or only their times), each saying where and
    // which key.
    void entradaRuim_data()
    {
        QTest::addColumn<QString>("mudanca"); // "FILE KEY=VALUE", or "FILE KEY" for the line removed
        QTest::addColumn<QString>("figura");  // "mao", "corpo", "vdv", "nr-mao" or "nr-vdvr"; "+tempos": its times only
        QTest::addColumn<Falta>("falta");
        QTest::addColumn<QString>("problema"); // "where|key"
        const Falta valor = Falta::ValorInvalido, componente = Falta::ComponenteSemValor, tempo = Falta::TempoInvalido;
        QTest::newRow("hand-arm aren not a number") << "M.id aren_mao=abc" << "nr-mao" << valor << "|aren_mao";
        QTest::newRow("hand-arm aren nan") << "M.id aren_mao=nan" << "nr-mao" << valor << "|aren_mao";
        QTest::newRow("hand-arm aren with a decimal comma") << "M.id aren_mao=3,5" << "nr-mao" << valor << "|aren_mao";
        QTest::newRow("VDVR missing") << "M.id vdvr" << "nr-vdvr" << valor << "|vdvr";
        QTest::newRow("VDV inf") << "M.id vdvexpz=inf" << "vdv" << valor << "|vdvexpz";
        QTest::newRow("component without duration") << "T2/mao/C1.head duracao_comp" << "mao" << componente
                                                    << "T2/mao/C1|duracao_comp";
        QTest::newRow("component of 0 s") << "T1/corpo/C1.head duracao_comp=0" << "corpo" << componente
                                          << "T1/corpo/C1|duracao_comp";
        QTest::newRow("component without amx") << "T1/corpo/C1.dat amx(acc)" << "corpo" << componente
                                               << "T1/corpo/C1|amx(acc)";
        QTest::newRow("component VDV not a number") << "T1/corpo/C1.res vdvy(acc)=x" << "vdv" << componente
                                                    << "T1/corpo/C1|vdvy";
        QTest::newRow("hand-arm component without amr") << "T2/mao/C1.dat amr(acc)" << "mao" << componente
                                                        << "T2/mao/C1|amr(acc)";
        QTest::newRow("repetitions not a number") << "T2/mao/T2.id num_repeticao=dois" << "mao" << tempo << "T2/mao|";
        QTest::newRow("time of a repetition not a time") << "T1/corpo/T1.id tempo_exp=abc" << "corpo" << tempo
                                                         << "T1/corpo|";
        QTest::newRow("time of a repetition before its start") << "T1/corpo/T1.id tempo_exp=-00:10:00" << "corpo"
                                                                << tempo << "T1/corpo|";
        QTest::newRow("sampled time 0") << "T1/corpo/T1.id tempo_amostrado=00:00:00" << "vdv" << tempo << "T1/corpo|";
        QTest::newRow("no repetitions: no time to reach anything") << "T2/mao/T2.id num_repeticao=0" << "mao+tempos"
                                                                   << Falta::SemTempoExposicao << "|";
    }

    void entradaRuim()
    {
        QFETCH(QString, mudanca);
        QFETCH(QString, figura);
        QFETCH(Falta, falta);
        QFETCH(QString, problema);
        const QString arquivo = mudanca.section(' ', 0, 0);
        const QString campo = mudanca.section(' ', 1);
        const bool soTempos = figura.endsWith("+tempos");
        figura = figura.section('+', 0, 0);
        const QString pasta = novaPasta();
        medida(pasta, "0.3,0.2,0.6,4,4,10@1x04:00:00", "3@1x02:00:00");
        QVERIFY(trocarCampo(pasta + '/' + (arquivo == "M.id" ? QFileInfo(pasta).fileName() + ".id" : arquivo),
                            campo.section('=', 0, 0).toLatin1(),
                            campo.contains('=') ? campo.section('=', 1).toLatin1() : QByteArray()));
        if (arquivo != "M.id")
            CalculoExposicao::avaliarMedida(pasta);
        const Avaliacao a = Avaliacao::avaliar(pasta);
        QVERIFY(a.temMao && a.temCorpo);
        const auto texto = [](const Avaliacao::Problema &p) { return p.onde + '|' + p.chave; };
        const QMap<QString, const Avaliacao::FiguraNr *> figurasNr = {
            {"nr-mao", &a.nrMao}, {"nr-corpo", &a.nrCorpo}, {"nr-vdvr", &a.nrVdvr}};
        for (auto i = figurasNr.cbegin(); i != figurasNr.cend(); ++i) {
            const bool afetada = figura == i.key();
            QCOMPARE(i.value()->faixa() == Avaliacao::Faixa::NaoCalculada, afetada);
            if (afetada) {
                QCOMPARE(i.value()->problema.falta, falta);
                QCOMPARE(texto(i.value()->problema), problema);
            }
        }
        const QMap<QString, const Avaliacao::Figura *> figuras = {{"mao", &a.mao}, {"corpo", &a.corpo}, {"vdv", &a.vdv}};
        for (auto i = figuras.cbegin(); i != figuras.cend(); ++i) {
            const Avaliacao::Figura &f = *i.value();
            if (figura != i.key()) {
                QVERIFY2(f.calculada() && f.temposCalculados(), qPrintable(i.key()));
                continue;
            }
            const Avaliacao::Problema &p = soTempos ? f.problemaTempo : f.problema;
            QCOMPARE(f.calculada(), soTempos);
            QCOMPARE(p.falta, falta);
            QCOMPARE(texto(p), problema);
            QCOMPARE(f.situacao() == Situacao::NaoCalculada, !soTempos);
            QVERIFY(std::isnan(f.tempoAteAcao()) && std::isnan(f.tempoAteLimite()));
        }
    }

    // Nothing to assess: counts of 0 or unset, a binary or missing exposure file.
    void semResultados()
    {
        for (const QByteArray &exposicao : {QByteArray("enable_corpo;0;\nenable_mao;0;\njornada_de_trabalho;08:00;\n"),
                                            QByteArray("jornada_de_trabalho;08:00;\n"), QByteArray("\x00\xff\x01;\x02\n", 6),
                                            QByteArray()}) {
            MedidaTeste m(novaPasta());
            if (!exposicao.isNull())
                m.exposicao(exposicao);
            const Avaliacao a = Avaliacao::avaliar(m.pasta);
            QVERIFY2(!a.temMao && !a.temCorpo, exposicao.toPercentEncoding().constData());
        }
    }

    // The total of a task, whether typed values may be saved at all, and
    // the exposure worked out again from what was saved, a total past 24
    // hours whole: are = sqrt(0.5² x total / 8 h), vdvexp x = 1.4 x (2⁴ +
    // 2⁴)^¼ x (total / 30 min)^¼.
    void tempoTotal_data()
    {
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("repeticoes");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("problema"); // the field named, "" when it may be saved
        QTest::addColumn<QByteArray>("figuras"); // are_corpo|vdvexpx once saved
        QTest::newRow("6 x 10 min") << "00:10:00" << "6" << "01:00:00" << "" << QByteArray("0.176777|3.9598");
        QTest::newRow("13 x 2 h, past a day") << "02:00:00" << "13" << "26:00:00" << "" << QByteArray("0.901388|8.94162");
        QTest::newRow("no repetitions") << "01:00:00" << "0" << "00:00:00" << "" << QByteArray("0|0");
        QTest::newRow("one-digit hour") << "1:05:07" << "2" << "02:10:14" << "" << QByteArray("0.260442|4.80635");
        QTest::newRow("100 h") << "10:00:00" << "10" << "100:00:00" << "" << QByteArray("1.76777|12.522");
        QTest::newRow("repetitions not a number") << "00:10:00" << "x" << "00:00:00" << "repetições";
        QTest::newRow("negative repetitions") << "00:10:00" << "-3" << "-00:30:00" << "repetições";
        QTest::newRow("repetitions with a blank") << "00:10:00" << "3 " << "00:30:00" << "repetições";
        QTest::newRow("duration not a number") << "abc" << "3" << "00:00:00" << "Tempo";
        // Minutes and seconds past 59 carry over, as the evaluation reads them.
        QTest::newRow("75 minutes") << "00:75:00" << "1" << "01:15:00" << "" << QByteArray("0.197642|4.18698");
        QTest::newRow("99:99:99") << "99:99:99" << "1" << "100:40:39" << "" << QByteArray("1.77375|12.5431");
        QTest::newRow("60 seconds") << "00:00:60" << "1" << "00:01:00" << "" << QByteArray("0.0228218|1.42277");
        QTest::newRow("one-digit minutes") << "1:5:07" << "2" << "02:10:14" << "" << QByteArray("0.260442|4.80635");
        QTest::newRow("hours and minutes only") << "1:30" << "2" << "03:00:00" << "Tempo";
        QTest::newRow("empty mask") << "::" << "2" << "00:00:00" << "Tempo";
    }

    void tempoTotal()
    {
        QFETCH(QString, tempo);
        QFETCH(QString, repeticoes);
        QFETCH(QString, problema);
        QTEST(Edicao::tempoTotal(tempo, repeticoes), "total");
        const QString texto = Edicao::problemaParcial({"Prensa", repeticoes, tempo});
        QCOMPARE(texto.isEmpty(), problema.isEmpty());
        QVERIFY2(texto.contains(problema), qPrintable(texto));
        Armazem a;
        const QString parcial = a.corpo + "/T1.id";
        const QByteArray antes = lerBytes(parcial);
        const Desfecho salvo = Edicao::salvarParcial(a.corpo, {"Prensa", repeticoes, tempo}, a.exposicao, a.pastas());
        QCOMPARE(salvo.feito(), problema.isEmpty());
        if (!problema.isEmpty()) {
            QCOMPARE(salvo.motivo, texto);
            QCOMPARE(lerBytes(parcial), antes);
            return;
        }
        QCOMPARE(campos(parcial, "nome_exp_parcial|num_repeticao"), "Prensa|" + repeticoes.toLatin1());
        QTEST(campos(a.exposicao, "are_corpo|vdvexpx"), "figuras");
    }

    void identificacao()
    {
        Armazem a;
        const QByteArray antes = lerBytes(a.exposicao);
        Edicao::Identificacao d{"Acme", "Ana", "Fabrica; Sul", QString::fromUtf8("José"), "Prensas",
                                "linha 1\nlinha 2"};
        QVERIFY(Edicao::salvarIdentificacao(a.exposicao, d));
        QCOMPARE(campos(a.exposicao, "setor|are_corpo"), QByteArray("Prensas|0.0721688"));
        AcessarArquivo e;
        e.lerExposicao(a.exposicao);
        QCOMPARE(e.getEmpresa_avaliada() + '/' + e.getObservacoes(), QString("Fabrica; Sul/linha 1\nlinha 2"));
        QVERIFY(lerBytes(a.exposicao) != antes);
        QVERIFY(!Edicao::salvarIdentificacao(a.raiz + "X/X.id", d));
        QVERIFY(!QFileInfo::exists(a.raiz + "X"));
    }

    // Deleting a measurement, a task or a component of the store: the
    // measurement evaluated again without it; nothing outside the store,
    // above the measurement or of the store's own folders, nothing through
    // a link; a file that will not move (immutable, for root too) leaves
    // the component whole, the failure naming it and why.
    void apagar_data()
    {
        QTest::addColumn<QString>("funcao"); // what deletes: "exposicao", "parcial", "componente"
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<QByteArray>("figuras"); // enable_corpo|vdvexpx once deleted
        const int feito = int(Edicao::Resultado::Feito), recusado = int(Edicao::Resultado::Recusado);
        QTest::newRow("a measurement") << "exposicao" << "M" << feito << QByteArray();
        QTest::newRow("the store") << "exposicao" << "" << recusado << QByteArray();
        QTest::newRow("the store, as .") << "exposicao" << "." << recusado << QByteArray();
        QTest::newRow("Perfil") << "exposicao" << "Perfil" << recusado << QByteArray();
        QTest::newRow("Arquivos PDF") << "exposicao" << "Arquivos PDF" << recusado << QByteArray();
        QTest::newRow("above the store") << "exposicao" << ".." << recusado << QByteArray();
        QTest::newRow("outside through ..") << "exposicao" << "M/../../fora" << recusado << QByteArray();
        QTest::newRow("a partial folder") << "exposicao" << "M/T1" << recusado << QByteArray();
        QTest::newRow("a link out of the store") << "exposicao" << "link" << recusado << QByteArray();
        QTest::newRow("missing") << "exposicao" << "nada" << recusado << QByteArray();
        // 30 min sampled less C1's 600 s: vdvexpx = 1.4 x 2 x (10 min / 20 min)^¼.
        QTest::newRow("a component") << "componente" << "M/T1/corpo/C1" << feito << QByteArray("1|2.35451");
        QTest::newRow("a component that will not move") << "componente" << "M/T1/corpo/C1"
                                                         << int(Desfecho::Estado::Falhou) << QByteArray();
        QTest::newRow("a component outside the store") << "componente" << "../x/C1" << recusado << QByteArray();
        // The whole-body results are those of no task now; the count stays
        // as the last evaluation left it.
        QTest::newRow("a task") << "parcial" << "M/T1/corpo" << feito << QByteArray("2|0");
        QTest::newRow("a task's folder") << "parcial" << "M/T1" << recusado << QByteArray();
        QTest::newRow("Perfil as a task") << "parcial" << "Perfil" << recusado << QByteArray();
    }

    void apagar()
    {
        QFETCH(QString, funcao);
        QFETCH(QString, alvo);
        Armazem a;
        const QString mao = MedidaTeste(a.pasta).parcial("T1", "mao", parcialInstrumento("T1", 1, "00:10:00", "00:10:00", "00:30:00"));
        MedidaTeste::componente(mao, "C1", dadosAmr(2), "");
        Edicao::reavaliar(a.exposicao, a.pastas());
        const QString fora = a.dir.filePath("fora");
        QDir().mkpath(fora);
        escreverBytes(fora + "/importante", "x");
        QFile::link(fora, a.raiz + "link");
        std::optional<Imutavel> preso;
        if (QTest::currentDataTag() == QLatin1String("a component that will not move")) {
            if (!ehRoot())
                QSKIP("only root makes a file immutable");
            QVERIFY(preso.emplace(a.corpo + "/C1.res").ok);
        }
        const auto antes = conteudoDe(a.dir.path());
        const QString caminho = a.raiz + alvo;
        const Desfecho r = funcao == "exposicao" ? Edicao::apagarExposicao(a.raiz, caminho)
            : funcao == "parcial"                ? Edicao::apagarParcial(a.raiz, caminho, a.exposicao, a.pastas())
                                                 : Edicao::apagarComponente(a.raiz, caminho, a.exposicao, a.pastas());
        QTEST(int(r.estado), "resultado");
        QCOMPARE(lerBytes(fora + "/importante"), QByteArray("x"));
        QVERIFY(QFileInfo(a.raiz + "Perfil/perfil.id").isFile());
        if (r.estado != Edicao::Resultado::Feito) {
            QCOMPARE(conteudoDe(a.dir.path()), antes);
            QVERIFY2(!preso || r.motivo.contains("C1.res: Operation not permitted"), qPrintable(r.motivo));
            return;
        }
        for (const char *ext : {"", ".head", ".dat", ".res"})
            QVERIFY(!QFileInfo::exists(caminho + ext));
        QCOMPARE(QFileInfo::exists(mao + "/T1.id"), funcao != "exposicao");
        if (funcao != "exposicao")
            QTEST(campos(a.exposicao, "enable_corpo|vdvexpx"), "figuras");
    }
};

QTEST_GUILESS_MAIN(TstAvaliacao)
#include "tst_avaliacao.moc"
