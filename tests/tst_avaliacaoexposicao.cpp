#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/calculoexposicao.h"
#include "medidateste.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using Avaliacao = AvaliacaoExposicao;
using Falta = AvaliacaoExposicao::Falta;
using Situacao = AvaliacaoExposicao::Situacao;
Q_DECLARE_METATYPE(Situacao)
Q_DECLARE_METATYPE(Falta)

namespace {

const double semValor = std::numeric_limits<double>::quiet_NaN();

double segundos(const QString &hhmmss)
{
    const QStringList p = hhmmss.split(':');
    return p.at(0).toDouble() * 3600 + p.at(1).toDouble() * 60 + p.at(2).toDouble();
}

// A task written as "COMPONENTS@REPSxTIME[@TOTAL/SAMPLED]": components
// separated by "+", each a list of numbers separated by "," (hand-arm:
// amr; whole body: amx, amy, amz and optionally vdvx, vdvy, vdvz) and
// optionally "~SECONDS", its duration (600 when left out). Without the
// last part the total time is the repetitions times the time and the
// sampled time one repetition.
struct Tarefa {
    QVector<QVector<double>> componentes;
    QVector<double> duracoes;
    int repeticoes = 0;
    QString tempo;
    QString total;
    QString amostrado;
};

QVector<Tarefa> tarefas(const QString &texto)
{
    QVector<Tarefa> lista;
    for (const QString &t : texto.split(';', Qt::SkipEmptyParts)) {
        const QStringList partes = t.trimmed().split('@');
        Tarefa tarefa;
        for (const QString &c : partes.at(0).split('+')) {
            QVector<double> valores;
            for (const QString &v : c.section('~', 0, 0).split(','))
                valores << v.toDouble();
            tarefa.componentes << valores;
            tarefa.duracoes << (c.contains('~') ? c.section('~', 1).toDouble() : 600);
        }
        const QStringList rt = partes.at(1).split('x');
        tarefa.repeticoes = rt.at(0).toInt();
        tarefa.tempo = rt.at(1);
        if (partes.size() > 2) {
            tarefa.total = partes.at(2).section('/', 0, 0);
            tarefa.amostrado = partes.at(2).section('/', 1, 1);
        } else {
            const qint64 total = qint64(segundos(tarefa.tempo)) * tarefa.repeticoes;
            tarefa.total = QTime(0, 0).addSecs(int(total)).toString("hh:mm:ss");
            tarefa.amostrado = tarefa.tempo;
        }
        lista << tarefa;
    }
    return lista;
}

QByteArray numero(double v)
{
    return QByteArray::number(v, 'g', 17);
}

// Sets `chave` to `valor` in a record file, or drops its line when
// `valor` is null; a key the file lacks is added.
void trocarCampo(const QString &caminho, const QByteArray &chave, const QByteArray &valor)
{
    QByteArray novo;
    bool achou = false;
    for (const QByteArray &linha : lerBytes(caminho).split('\n')) {
        if (linha.startsWith(chave + ';')) {
            achou = true;
            if (!valor.isNull())
                novo += chave + ';' + valor + ";\n";
        } else if (!linha.isEmpty()) {
            novo += linha + '\n';
        }
    }
    if (!achou && !valor.isNull())
        novo += chave + ';' + valor + ";\n";
    QVERIFY(escreverBytes(caminho, novo));
}

// A measurement with the given whole-body and hand-arm tasks (folders T1,
// T2, ... in that order, components C1, C2, ...), evaluated as a download
// evaluates it.
QString medida(const QString &pasta, const QString &corpo, const QString &maos,
               const QByteArray &jornada = "08:00")
{
    MedidaTeste m(pasta);
    m.exposicao("nome_exposicao;Teste-240102090507;\ndata_criacao;02/01/2024;\n"
                "jornada_de_trabalho;" + jornada + ";\n");
    int n = 0;
    for (const auto &[texto, sensor] : {std::pair{corpo, "corpo"}, std::pair{maos, "mao"}}) {
        for (const Tarefa &t : tarefas(texto)) {
            const QString nome = QString("T%1").arg(++n);
            const QString dir = m.parcial(nome, sensor,
                                          parcialInstrumento(nome.toUtf8().constData(), t.repeticoes,
                                                             t.tempo.toUtf8().constData(),
                                                             t.total.toUtf8().constData(),
                                                             t.amostrado.toUtf8().constData()));
            for (int c = 0; c < t.componentes.size(); ++c) {
                const QVector<double> &v = t.componentes.at(c);
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
                const QString nomeComponente = QString("C%1").arg(c + 1);
                MedidaTeste::componente(dir, nomeComponente, dat, res, c + 1);
                trocarCampo(dir + '/' + nomeComponente + ".head", "duracao_comp", numero(t.duracoes.at(c)));
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
        QVERIFY2(std::abs(r_ - e_) <= 1e-5 * std::max(1.0, std::abs(e_)),                     \
                 qPrintable(QString("%1 is %2, expected %3").arg(#real).arg(r_, 0, 'g', 10)    \
                                .arg(e_, 0, 'g', 10)));                                       \
    } while (false)

} // namespace

// The assessment against the action and limit values, from measurement
// folders evaluated as after a download; the expected figures are worked
// out here from the formulas.
class TstAvaliacaoExposicao : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int n = 0;
    QString novaPasta() { return dir.filePath(QString("M%1").arg(++n)); }

    // Σ task magnitude² × repetitions × time over the tasks, on one axis;
    // a task's magnitude² is Σ a² t / Σ t over its components.
    static double energia(const QVector<Tarefa> &lista, int eixo)
    {
        double e = 0;
        for (const Tarefa &t : lista) {
            double soma = 0;
            double duracao = 0;
            for (int c = 0; c < t.componentes.size(); ++c) {
                soma += t.componentes.at(c).at(eixo) * t.componentes.at(c).at(eixo) * t.duracoes.at(c);
                duracao += t.duracoes.at(c);
            }
            e += soma / duracao * t.repeticoes * segundos(t.tempo);
        }
        return e;
    }

    static double tempoDeExposicao(const QVector<Tarefa> &lista)
    {
        double s = 0;
        for (const Tarefa &t : lista)
            s += t.repeticoes * segundos(t.tempo);
        return s;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
        QVERIFY(dir.isValid());
    }

    // Hand-arm A(8), points and times against the HSE's and ISO 5349's
    // worked examples: from the exposure times and the 8-hour reference
    // whatever the working day, each task the energy average of its
    // components weighted by their durations.
    void maos_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<QByteArray>("jornada");
        QTest::addColumn<QString>("a8Publicado"); // to its published decimals
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<double>("pontos");
        QTest::addColumn<double>("horasAteAcao");
        QTest::addColumn<double>("horasAteLimite");
        // ISO 5349-2, Annex E.3: three tools over the day.
        QTest::newRow("ISO 5349-2 E.3") << "4.6@1x02:00:00; 6.0@1x01:00:00; 3.6@1x02:00:00" << QByteArray("08:00")
                                        << "3.6" << Situacao::AcimaDaAcao << semValor << semValor << semValor;
        QTest::newRow("HSE: 5 m/s² for 3 h") << "5@1x03:00:00" << QByteArray("08:00") << "3.06"
                                            << Situacao::AcimaDaAcao << 150.0 << 2.0 << 8.0;
        QTest::newRow("HSE: 2, 6 and 3.5 m/s² for 15, 30 and 90 min")
            << "2@1x00:15:00; 6@1x00:30:00; 3.5@1x01:30:00" << QByteArray("08:00") << "2.2"
            << Situacao::AbaixoDaAcao << 75.0 << semValor << semValor;
        QTest::newRow("working day 00:00, 5 m/s² for 3 h") << "5@1x03:00:00" << QByteArray("00:00") << "3.06"
                                                          << Situacao::AcimaDaAcao << 150.0 << 2.0 << 8.0;
        QTest::newRow("working day not a time") << "5@1x03:00:00" << QByteArray("oito") << "3.06"
                                                << Situacao::AcimaDaAcao << 150.0 << 2.0 << 8.0;
        QTest::newRow("components by duration: 60 s at 3, 540 s at 5")
            << "3~60+5~540@1x08:00:00" << QByteArray("08:00") << "4.84" << Situacao::AcimaDaAcao << semValor
            << semValor << semValor;
        QTest::newRow("10 m/s² reaches the limit after 2 h") << "10@1x01:00:00" << QByteArray("08:00") << ""
                                                            << Situacao::AcimaDaAcao << 200.0 << 0.5 << 2.0;
        QTest::newRow("at the limit: 10 m/s², 4 × 30 min") << "10@4x00:30:00" << QByteArray("08:00") << "5.0"
                                                          << Situacao::AcimaDoLimite << 400.0 << 0.5 << 2.0;
        QTest::newRow("at the action value: 5 m/s² for 2 h") << "5@1x02:00:00" << QByteArray("08:00") << "2.5"
                                                            << Situacao::AcimaDaAcao << 100.0 << 2.0 << 8.0;
        QTest::newRow("below: two components, their energy average")
            << "1+3@1x08:00:00" << QByteArray("08:00") << "2.24" << Situacao::AbaixoDaAcao << 80.0 << 10.0 << 40.0;
    }

    void maos()
    {
        QFETCH(QString, tarefas);
        QFETCH(QByteArray, jornada);
        QFETCH(QString, a8Publicado);
        QFETCH(Situacao, situacao);
        QFETCH(double, pontos);
        QFETCH(double, horasAteAcao);
        QFETCH(double, horasAteLimite);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), {}, tarefas, jornada));
        QVERIFY(a.temMao);
        QVERIFY(!a.temCorpo);
        QVERIFY(a.mao.calculada());

        const QVector<Tarefa> lista = ::tarefas(tarefas);
        const double a8 = std::sqrt(energia(lista, 0) / 28800);
        COMPARAR(a.mao.valor, a8);
        if (!a8Publicado.isEmpty())
            QCOMPARE(QString::number(a.mao.valor, 'f', int(a8Publicado.section('.', 1).size())), a8Publicado);
        QCOMPARE(a.mao.situacao(), situacao);
        COMPARAR(a.mao.pontos(), 100 * a8 * a8 / (2.5 * 2.5));
        if (!std::isnan(pontos))
            QCOMPARE(double(qRound64(a.mao.pontos())), pontos);
        // At the day's mean rate A(8)² grows in proportion to the time.
        const double t = tempoDeExposicao(lista);
        COMPARAR(a.mao.tempoAteAcao(), t * 2.5 * 2.5 / (a8 * a8));
        COMPARAR(a.mao.tempoAteLimite(), t * 25 / (a8 * a8));
        if (!std::isnan(horasAteAcao))
            QCOMPARE(Avaliacao::arredondado(a.mao.tempoAteAcao() / 3600), horasAteAcao);
        if (!std::isnan(horasAteLimite))
            QCOMPARE(Avaliacao::arredondado(a.mao.tempoAteLimite() / 3600), horasAteLimite);
    }

    void corpo_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<int>("eixo");
        QTest::addColumn<Situacao>("situacao");
        QTest::newRow("z dominant, below") << "0.3,0.2,0.6@1x04:00:00" << 2 << Situacao::AbaixoDaAcao;
        QTest::newRow("x dominant by its factor 1.4")
            << "0.5,0.1,0.6@1x08:00:00" << 0 << Situacao::AcimaDaAcao;
        QTest::newRow("y dominant") << "0.1,0.9,0.6@1x08:00:00" << 1 << Situacao::AcimaDoLimite;
        QTest::newRow("components averaged, two tasks")
            << "0.2,0,0.8+0.4,0,1.0@2x01:00:00; 0.3,0.3,1.2@1x02:00:00" << 2
            << Situacao::AcimaDaAcao;
        QTest::newRow("z at the limit") << "0,0,1.15@1x08:00:00" << 2 << Situacao::AcimaDoLimite;
        QTest::newRow("no vibration") << "0,0,0@1x08:00:00" << 0 << Situacao::AbaixoDaAcao;
    }

    void corpo()
    {
        QFETCH(QString, tarefas);
        QFETCH(int, eixo);
        QFETCH(Situacao, situacao);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), tarefas, {}));
        QVERIFY(a.temCorpo);
        QVERIFY(!a.temMao);
        QVERIFY(a.corpo.calculada());
        const QVector<Tarefa> lista = ::tarefas(tarefas);
        const double fator[3] = {1.4, 1.4, 1.0};
        for (int e = 0; e < 3; ++e)
            COMPARAR(a.a8Eixo[e], fator[e] * std::sqrt(energia(lista, e) / 28800));
        QCOMPARE(a.corpo.eixo, eixo);
        QCOMPARE(a.corpo.valor, a.a8Eixo[eixo]);
        QCOMPARE(a.corpo.situacao(), situacao);
        const double v = a.corpo.valor;
        COMPARAR(a.corpo.pontos(), 100 * v * v / 0.25);
        const double t = tempoDeExposicao(lista);
        if (v > 0) {
            COMPARAR(a.corpo.tempoAteAcao(), t * 0.25 / (v * v));
            COMPARAR(a.corpo.tempoAteLimite(), t * 1.15 * 1.15 / (v * v));
        } else {
            QVERIFY(std::isinf(a.corpo.tempoAteAcao()));
            QVERIFY(std::isinf(a.corpo.tempoAteLimite()));
        }
    }

    void vdv_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<int>("eixo");
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<QString>("publicado");
        // ISO 2631-1, 6.3.2: a VDV measured over part of the exposure grows
        // with the fourth root of the time: 8.5 × (8 h / 2 h)^¼.
        QTest::newRow("ISO 2631-1: 8.5 over 2 h of an 8-hour exposure")
            << "0.1,0.1,0.1,1,1,8.5@1x08:00:00@08:00:00/02:00:00" << 2 << Situacao::AcimaDaAcao << "12.0";
        // VDV 4 and 10 over 30 min sampled of 8 h: 4 × 1.4 × 2 on x, 10 × 2 on z.
        QTest::newRow("z, above the action value")
            << "0.1,0.1,0.1,4,4,10@1x08:00:00@08:00:00/00:30:00" << 2 << Situacao::AcimaDaAcao << "";
        QTest::newRow("x by its factor 1.4, below")
            << "0.1,0.1,0.1,3,1,4@1x01:00:00@01:00:00/01:00:00" << 0 << Situacao::AbaixoDaAcao << "";
        QTest::newRow("two tasks add up to the limit")
            << "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00;"
               "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00"
            << 2 << Situacao::AcimaDoLimite << "";
    }

    void vdv()
    {
        QFETCH(QString, tarefas);
        QFETCH(int, eixo);
        QFETCH(Situacao, situacao);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), tarefas, {}));
        QVERIFY(a.vdv.calculada());
        const QVector<Tarefa> lista = ::tarefas(tarefas);
        const double fator[3] = {1.4, 1.4, 1.0};
        double soma4[3] = {0, 0, 0};
        double total = 0;
        for (const Tarefa &t : lista) {
            const double r = std::pow(segundos(t.total) / segundos(t.amostrado), 0.25);
            for (int e = 0; e < 3; ++e) {
                double s = 0;
                for (const QVector<double> &c : t.componentes)
                    s += std::pow(c.at(3 + e), 4);
                soma4[e] += std::pow(fator[e] * std::pow(s, 0.25) * r, 4);
            }
            total += segundos(t.total);
        }
        const double esperado = std::pow(soma4[eixo], 0.25);
        QCOMPARE(a.vdv.eixo, eixo);
        COMPARAR(a.vdv.valor, esperado);
        QCOMPARE(a.vdv.situacao(), situacao);
        QFETCH(QString, publicado);
        if (!publicado.isEmpty())
            QCOMPARE(QString::number(a.vdv.valor, 'f', 1), publicado);
        // No standard gives points for a dose: they would not add up.
        QVERIFY(!a.vdv.temPontos());
        QVERIFY(std::isnan(a.vdv.pontos()));
        // VDV⁴ grows in proportion to the time.
        COMPARAR(a.vdv.tempoAteAcao(), total * std::pow(9.1 / esperado, 4));
        COMPARAR(a.vdv.tempoAteLimite(), total * std::pow(21 / esperado, 4));
    }

    // Every band boundary of both criteria, just below, at and just above
    // it: the Brazilian bands on the stored aren and VDVR (six significant
    // digits), the European statuses on the assessment's own figures.
    void faixas_data()
    {
        QTest::addColumn<QString>("grandeza");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("esperado");
        const QString nr[4] = {"aceitavel", "acima_nivel_acao", "regiao_incerteza", "acima_limite"};
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
                QTest::addRow("%s %g", g.grandeza, l - passo) << g.grandeza << l - passo << nr[i];
                QTest::addRow("%s %g", g.grandeza, l) << g.grandeza << l << nr[noLimite];
                QTest::addRow("%s %g", g.grandeza, l + passo) << g.grandeza << l + passo << nr[i + 1];
            }
        }
        const QString ue[3] = {"below_action", "action_reached", "limit_reached"};
        const struct {
            const char *grandeza;
            double limites[2];
        } europa[] = {{"A(8) mao", {2.5, 5}}, {"A(8)z corpo", {0.5, 1.15}}, {"VDVz corpo", {9.1, 21}}};
        for (const auto &g : europa) {
            for (int i = 0; i < 2; ++i) {
                const double l = g.limites[i];
                QTest::addRow("%s %g", g.grandeza, l - 0.001) << g.grandeza << l - 0.001 << ue[i];
                QTest::addRow("%s %g", g.grandeza, l) << g.grandeza << l << ue[i + 1];
                QTest::addRow("%s %g", g.grandeza, l + 0.001) << g.grandeza << l + 0.001 << ue[i + 1];
            }
        }
    }

    void faixas()
    {
        QFETCH(QString, grandeza);
        QFETCH(double, valor);
        QFETCH(QString, esperado);
        const QString v = QString::number(valor, 'g', 17);
        // Over 8 hours, sampled whole: A(8) and VDV are the component's own.
        const QString pasta = grandeza == "A(8) mao" ? medida(novaPasta(), {}, v + "@1x08:00:00")
            : grandeza == "A(8)z corpo"              ? medida(novaPasta(), "0,0," + v + "@1x08:00:00", {})
            : grandeza == "VDVz corpo" ? medida(novaPasta(), "0,0,0.1,0,0," + v + "@1x08:00:00@08:00:00/08:00:00", {})
                                       : medida(novaPasta(), "0.1,0.1,0.1@1x08:00:00", "1@1x08:00:00");
        const QString id = pasta + '/' + QFileInfo(pasta).fileName() + ".id";
        if (grandeza.startsWith("aren") || grandeza == "vdvr")
            trocarCampo(id, grandeza.toLatin1(), QByteArray::number(valor, 'g', 6));
        const Avaliacao a = Avaliacao::avaliar(pasta);
        const QMap<Avaliacao::Faixa, QString> faixas = {
            {Avaliacao::Faixa::Aceitavel, "aceitavel"}, {Avaliacao::Faixa::AcimaNivelAcao, "acima_nivel_acao"},
            {Avaliacao::Faixa::RegiaoIncerteza, "regiao_incerteza"}, {Avaliacao::Faixa::AcimaLimite, "acima_limite"}};
        const QMap<Situacao, QString> situacoes = {{Situacao::AbaixoDaAcao, "below_action"},
                                                   {Situacao::AcimaDaAcao, "action_reached"},
                                                   {Situacao::AcimaDoLimite, "limit_reached"}};
        const QMap<QString, QString> obtido = {
            {"aren_mao", faixas.value(a.nrMao.faixa())},  {"aren_corpo", faixas.value(a.nrCorpo.faixa())},
            {"vdvr", faixas.value(a.nrVdvr.faixa())},     {"A(8) mao", situacoes.value(a.mao.situacao())},
            {"A(8)z corpo", situacoes.value(a.corpo.situacao())},
            {"VDVz corpo", situacoes.value(a.vdv.situacao())}};
        QCOMPARE(obtido.value(grandeza), esperado);
    }

    // The whole body's band is the worse of its aren's and its VDVR's; one
    // unknown leaves it unknown unless the other is above the limit.
    void faixaCorpoInteiro_data()
    {
        QTest::addColumn<QByteArray>("aren");
        QTest::addColumn<QByteArray>("vdvr");
        QTest::addColumn<int>("faixa");
        QTest::newRow("both acceptable") << QByteArray("0.5") << QByteArray("9.1") << int(Avaliacao::Faixa::Aceitavel);
        QTest::newRow("VDVR above the action level")
            << QByteArray("0.431") << QByteArray("10.46") << int(Avaliacao::Faixa::AcimaNivelAcao);
        QTest::newRow("aren uncertain, VDVR above the action level")
            << QByteArray("1.0") << QByteArray("12") << int(Avaliacao::Faixa::RegiaoIncerteza);
        QTest::newRow("VDVR above the limit") << QByteArray("0.2") << QByteArray("21.1") << int(Avaliacao::Faixa::AcimaLimite);
        QTest::newRow("VDVR unknown") << QByteArray("0.2") << QByteArray("abc") << int(Avaliacao::Faixa::NaoCalculada);
        QTest::newRow("VDVR unknown, aren above the limit")
            << QByteArray("1.2") << QByteArray("abc") << int(Avaliacao::Faixa::AcimaLimite);
    }

    void faixaCorpoInteiro()
    {
        QFETCH(QByteArray, aren);
        QFETCH(QByteArray, vdvr);
        const QString pasta = medida(novaPasta(), "0.1,0.1,0.1@1x08:00:00", {});
        const QString id = pasta + '/' + QFileInfo(pasta).fileName() + ".id";
        trocarCampo(id, "aren_corpo", aren);
        trocarCampo(id, "vdvr", vdvr);
        QTEST(int(Avaliacao::avaliar(pasta).faixaCorpoInteiro()), "faixa");
    }

    void entradaRuim_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QByteArray>("chave");
        QTest::addColumn<QByteArray>("valor");
        QTest::addColumn<bool>("reavaliar");
        QTest::addColumn<QString>("figura"); // "mao", "corpo", "vdv", "nr-mao", "nr-corpo" or "nr-vdvr"
        QTest::addColumn<bool>("soTempos");
        QTest::addColumn<Falta>("falta");
        QTest::addColumn<QString>("onde");
        QTest::addColumn<QString>("chaveProblema");
        const QString exp = "M.id";
        QTest::newRow("hand-arm aren not a number") << exp << QByteArray("aren_mao") << QByteArray("abc")
                                                    << false << "nr-mao" << false << Falta::ValorInvalido
                                                    << "" << "aren_mao";
        QTest::newRow("hand-arm aren nan") << exp << QByteArray("aren_mao") << QByteArray("nan") << false
                                           << "nr-mao" << false << Falta::ValorInvalido << "" << "aren_mao";
        QTest::newRow("hand-arm aren with a decimal comma")
            << exp << QByteArray("aren_mao") << QByteArray("3,5") << false << "nr-mao" << false
            << Falta::ValorInvalido << "" << "aren_mao";
        QTest::newRow("VDVR missing") << exp << QByteArray("vdvr") << QByteArray() << false << "nr-vdvr" << false
                                      << Falta::ValorInvalido << "" << "vdvr";
        QTest::newRow("component without duration")
            << "T2/mao/C1.head" << QByteArray("duracao_comp") << QByteArray() << false << "mao" << false
            << Falta::ComponenteSemValor << "T2/mao/C1" << "duracao_comp";
        QTest::newRow("component of 0 s") << "T1/corpo/C1.head" << QByteArray("duracao_comp") << QByteArray("0")
                                          << false << "corpo" << false << Falta::ComponenteSemValor
                                          << "T1/corpo/C1" << "duracao_comp";
        QTest::newRow("VDV inf") << exp << QByteArray("vdvexpz") << QByteArray("inf") << false << "vdv"
                                 << false << Falta::ValorInvalido << "" << "vdvexpz";
        QTest::newRow("component without amx") << "T1/corpo/C1.dat" << QByteArray("amx(acc)") << QByteArray()
                                               << true << "corpo" << false << Falta::ComponenteSemValor
                                               << "T1/corpo/C1" << "amx(acc)";
        QTest::newRow("component VDV not a number")
            << "T1/corpo/C1.res" << QByteArray("vdvy(acc)") << QByteArray("x") << true << "vdv" << false
            << Falta::ComponenteSemValor << "T1/corpo/C1" << "vdvy";
        QTest::newRow("hand-arm component without amr")
            << "T2/mao/C1.dat" << QByteArray("amr(acc)") << QByteArray() << true << "mao" << false
            << Falta::ComponenteSemValor << "T2/mao/C1" << "amr(acc)";
        QTest::newRow("repetitions not a number")
            << "T2/mao/T2.id" << QByteArray("num_repeticao") << QByteArray("dois") << true << "mao"
            << false << Falta::TempoInvalido << "T2/mao" << "";
        QTest::newRow("time of a repetition not a time")
            << "T1/corpo/T1.id" << QByteArray("tempo_exp") << QByteArray("abc") << true << "corpo"
            << false << Falta::TempoInvalido << "T1/corpo" << "";
        QTest::newRow("sampled time 0") << "T1/corpo/T1.id" << QByteArray("tempo_amostrado")
                                        << QByteArray("00:00:00") << true << "vdv" << false
                                        << Falta::TempoInvalido << "T1/corpo" << "";
        QTest::newRow("no repetitions: no time to reach anything")
            << "T2/mao/T2.id" << QByteArray("num_repeticao") << QByteArray("0") << true << "mao" << true
            << Falta::SemTempoExposicao << "" << "";
    }

    void entradaRuim()
    {
        QFETCH(QString, arquivo);
        QFETCH(QByteArray, chave);
        QFETCH(QByteArray, valor);
        QFETCH(bool, reavaliar);
        QFETCH(QString, figura);
        QFETCH(bool, soTempos);
        QFETCH(Falta, falta);
        QFETCH(QString, onde);
        QFETCH(QString, chaveProblema);
        const QString pasta = novaPasta();
        medida(pasta, "0.3,0.2,0.6,4,4,10@1x04:00:00", "3@1x02:00:00");
        trocarCampo(pasta + '/' + (arquivo == "M.id" ? QFileInfo(pasta).fileName() + ".id" : arquivo),
                    chave, valor);
        if (reavaliar)
            CalculoExposicao::avaliarMedida(pasta);
        const Avaliacao a = Avaliacao::avaliar(pasta);
        QVERIFY(a.temMao && a.temCorpo);
        const QMap<QString, const Avaliacao::FiguraNr *> figurasNr = {
            {"nr-mao", &a.nrMao}, {"nr-corpo", &a.nrCorpo}, {"nr-vdvr", &a.nrVdvr}};
        for (auto i = figurasNr.cbegin(); i != figurasNr.cend(); ++i) {
            const bool afetada = figura == i.key();
            QCOMPARE(i.value()->calculada(), !afetada);
            QCOMPARE(i.value()->faixa() == Avaliacao::Faixa::NaoCalculada, afetada);
            if (afetada) {
                QCOMPARE(i.value()->problema.falta, falta);
                QCOMPARE(i.value()->problema.chave, chaveProblema);
            }
        }
        const QMap<QString, const Avaliacao::Figura *> figuras = {
            {"mao", &a.mao}, {"corpo", &a.corpo}, {"vdv", &a.vdv}};
        for (auto i = figuras.cbegin(); i != figuras.cend(); ++i) {
            const Avaliacao::Figura &f = *i.value();
            const bool afetada = figura == i.key();
            if (!afetada) {
                QVERIFY2(f.calculada() && f.temposCalculados(), qPrintable(i.key()));
                continue;
            }
            const Avaliacao::Problema &p = soTempos ? f.problemaTempo : f.problema;
            QCOMPARE(f.calculada(), soTempos);
            QCOMPARE(p.falta, falta);
            QCOMPARE(p.onde, onde);
            QCOMPARE(p.chave, chaveProblema);
            if (!soTempos) {
                QCOMPARE(f.situacao(), Situacao::NaoCalculada);
                QVERIFY(std::isnan(f.pontos()));
            }
            QVERIFY(std::isnan(f.tempoAteAcao()));
            QVERIFY(std::isnan(f.tempoAteLimite()));
        }
    }

    void semResultados_data()
    {
        QTest::addColumn<QByteArray>("exposicao");
        QTest::newRow("counts 0") << QByteArray("enable_corpo;0;\nenable_mao;0;\njornada_de_trabalho;08:00;\n");
        QTest::newRow("counts unset") << QByteArray("jornada_de_trabalho;08:00;\n");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01;\x02\n", 6);
        QTest::newRow("no exposure file") << QByteArray();
    }

    void semResultados()
    {
        QFETCH(QByteArray, exposicao);
        MedidaTeste m(novaPasta());
        if (!exposicao.isNull())
            m.exposicao(exposicao);
        const Avaliacao a = Avaliacao::avaliar(m.pasta);
        QVERIFY(!a.temMao);
        QVERIFY(!a.temCorpo);
    }
};

QTEST_GUILESS_MAIN(TstAvaliacaoExposicao)
#include "tst_avaliacaoexposicao.moc"
