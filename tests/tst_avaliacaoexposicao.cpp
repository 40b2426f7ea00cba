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
        QVERIFY2(r_ == e_ || std::abs(r_ - e_) <= 1e-5 * std::max(1.0, std::abs(e_)),        \
                 qPrintable(QString("%1 is %2, expected %3").arg(#real).arg(r_, 0, 'g', 10)    \
                                .arg(e_, 0, 'g', 10)));                                       \
    } while (false)

} // namespace

// The assessment against the action and limit values, from measurement
// folders evaluated as after a download.
class TstAvaliacaoExposicao : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int n = 0;
    QString novaPasta() { return dir.filePath(QString("M%1").arg(++n)); }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
        QVERIFY(dir.isValid());
    }

    // Hand-arm A(8), points and hours until the action and limit values,
    // worked out by hand: from the exposure times and the 8-hour reference
    // whatever the working day, each task the energy average of its
    // components weighted by their durations. Rounded as published, the
    // figures are those of ISO 5349-2 and the HSE.
    void maos_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<QByteArray>("jornada");
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<QVector<double>>("figuras"); // A(8), points, hours to action, to limit
        const QByteArray oito = "08:00";
        // ISO 5349-2, Annex E.3: three tools over the day, A(8) 3.6.
        QTest::newRow("ISO 5349-2 E.3") << "4.6@1x02:00:00; 6.0@1x01:00:00; 3.6@1x02:00:00" << oito
                                        << Situacao::AcimaDaAcao << QVector<double>{3.60971, 208.48, 2.39831, 9.59325};
        QTest::newRow("HSE: 5 m/s² for 3 h, 3.06") << "5@1x03:00:00" << oito << Situacao::AcimaDaAcao
                                                  << QVector<double>{3.06186, 150, 2, 8};
        QTest::newRow("HSE: 2, 6 and 3.5 m/s² for 15, 30 and 90 min, 2.2")
            << "2@1x00:15:00; 6@1x00:30:00; 3.5@1x01:30:00" << oito << Situacao::AbaixoDaAcao
            << QVector<double>{2.16145, 74.75, 3.01003, 12.0401};
        QTest::newRow("working day 00:00") << "5@1x03:00:00" << QByteArray("00:00") << Situacao::AcimaDaAcao
                                          << QVector<double>{3.06186, 150, 2, 8};
        QTest::newRow("working day not a time") << "5@1x03:00:00" << QByteArray("oito") << Situacao::AcimaDaAcao
                                                << QVector<double>{3.06186, 150, 2, 8};
        QTest::newRow("components by duration: 60 s at 3, 540 s at 5") << "3~60+5~540@1x08:00:00" << oito
                                                                      << Situacao::AcimaDaAcao
                                                                      << QVector<double>{4.83735, 374.4, 2.13675, 8.54701};
        QTest::newRow("10 m/s² reaches the limit after 2 h") << "10@1x01:00:00" << oito << Situacao::AcimaDaAcao
                                                            << QVector<double>{3.53553, 200, 0.5, 2};
        QTest::newRow("at the limit: 10 m/s², 4 × 30 min") << "10@4x00:30:00" << oito << Situacao::AcimaDoLimite
                                                          << QVector<double>{5, 400, 0.5, 2};
        QTest::newRow("at the action value: 5 m/s² for 2 h") << "5@1x02:00:00" << oito << Situacao::AcimaDaAcao
                                                            << QVector<double>{2.5, 100, 2, 8};
        QTest::newRow("below: two components, their energy average") << "1+3@1x08:00:00" << oito
                                                                     << Situacao::AbaixoDaAcao
                                                                     << QVector<double>{2.23607, 80, 10, 40};
    }

    void maos()
    {
        QFETCH(QString, tarefas);
        QFETCH(QByteArray, jornada);
        QFETCH(QVector<double>, figuras);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), {}, tarefas, jornada));
        QVERIFY(a.temMao && !a.temCorpo);
        QTEST(a.mao.situacao(), "situacao");
        COMPARAR(a.mao.valor, figuras.at(0));
        COMPARAR(a.mao.pontos(), figuras.at(1));
        COMPARAR(a.mao.tempoAteAcao() / 3600, figuras.at(2));
        COMPARAR(a.mao.tempoAteLimite() / 3600, figuras.at(3));
    }

    // Whole body: the three axes' A(8) with their factors, the dominant
    // axis, its points and hours until the action and limit values.
    void corpo_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<QVector<double>>("eixos");
        QTest::addColumn<int>("eixo");
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<QVector<double>>("figuras"); // points, hours to action, to limit
        const double nunca = std::numeric_limits<double>::infinity();
        QTest::newRow("z dominant, below") << "0.3,0.2,0.6@1x04:00:00" << QVector<double>{0.296985, 0.19799, 0.424264}
                                           << 2 << Situacao::AbaixoDaAcao << QVector<double>{72, 5.55556, 29.3889};
        QTest::newRow("x dominant by its factor 1.4") << "0.5,0.1,0.6@1x08:00:00" << QVector<double>{0.7, 0.14, 0.6}
                                                      << 0 << Situacao::AcimaDaAcao << QVector<double>{196, 4.08163, 21.5918};
        QTest::newRow("y dominant") << "0.1,0.9,0.6@1x08:00:00" << QVector<double>{0.14, 1.26, 0.6} << 1
                                    << Situacao::AcimaDoLimite << QVector<double>{635.04, 1.25976, 6.66415};
        QTest::newRow("components averaged, two tasks")
            << "0.2,0,0.8+0.4,0,1.0@2x01:00:00; 0.3,0.3,1.2@1x02:00:00" << QVector<double>{0.305123, 0.21, 0.751665}
            << 2 << Situacao::AcimaDaAcao << QVector<double>{226, 1.76991, 9.36283};
        QTest::newRow("z at the limit") << "0,0,1.15@1x08:00:00" << QVector<double>{0, 0, 1.15} << 2
                                        << Situacao::AcimaDoLimite << QVector<double>{529, 1.51229, 8};
        QTest::newRow("no vibration: never reached") << "0,0,0@1x08:00:00" << QVector<double>{0, 0, 0} << 0
                                                     << Situacao::AbaixoDaAcao << QVector<double>{0, nunca, nunca};
    }

    void corpo()
    {
        QFETCH(QString, tarefas);
        QFETCH(QVector<double>, eixos);
        QFETCH(QVector<double>, figuras);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), tarefas, {}));
        QVERIFY(a.temCorpo && !a.temMao);
        for (int e = 0; e < 3; ++e)
            COMPARAR(a.a8Eixo[e], eixos.at(e));
        QTEST(a.corpo.eixo, "eixo");
        QCOMPARE(a.corpo.valor, a.a8Eixo[a.corpo.eixo]);
        QTEST(a.corpo.situacao(), "situacao");
        COMPARAR(a.corpo.pontos(), figuras.at(0));
        COMPARAR(a.corpo.tempoAteAcao() / 3600, figuras.at(1));
        COMPARAR(a.corpo.tempoAteLimite() / 3600, figuras.at(2));
    }

    // The largest exposure VDV: each task's grows with the fourth root of
    // its total over its sampled time, the tasks add up as fourth powers;
    // no points (no standard gives points for a dose) and hours until the
    // action and limit values, VDV⁴ growing in proportion to the time.
    void vdv_data()
    {
        QTest::addColumn<QString>("tarefas");
        QTest::addColumn<int>("eixo");
        QTest::addColumn<Situacao>("situacao");
        QTest::addColumn<QVector<double>>("figuras"); // VDV, hours to action, to limit
        // ISO 2631-1, 6.3.2: 8.5 over 2 h of an 8-hour exposure, 8.5 × (8 h / 2 h)^¼ = 12.0.
        QTest::newRow("ISO 2631-1: 8.5 over 2 h of 8") << "0.1,0.1,0.1,1,1,8.5@1x08:00:00@08:00:00/02:00:00" << 2
                                                     << Situacao::AcimaDaAcao << QVector<double>{12.0208, 2.62736, 74.5129};
        // VDV 4 and 10 over 30 min sampled of 8 h: 4 × 1.4 × 2 on x, 10 × 2 on z.
        QTest::newRow("z, above the action value") << "0.1,0.1,0.1,4,4,10@1x08:00:00@08:00:00/00:30:00" << 2
                                                   << Situacao::AcimaDaAcao << QVector<double>{20, 0.342875, 9.72405};
        QTest::newRow("x by its factor 1.4, below") << "0.1,0.1,0.1,3,1,4@1x01:00:00@01:00:00/01:00:00" << 0
                                                    << Situacao::AbaixoDaAcao << QVector<double>{4.2, 22.0378, 625};
        QTest::newRow("two tasks add up to the limit") << "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00;"
                                                          "0.1,0.1,0.1,1,1,17.66@1x04:00:00@04:00:00/04:00:00"
                                                       << 2 << Situacao::AcimaDoLimite
                                                       << QVector<double>{21.0014, 0.282009, 7.99787};
    }

    void vdv()
    {
        QFETCH(QString, tarefas);
        QFETCH(QVector<double>, figuras);
        const Avaliacao a = Avaliacao::avaliar(medida(novaPasta(), tarefas, {}));
        QVERIFY(a.vdv.calculada());
        QTEST(a.vdv.eixo, "eixo");
        QTEST(a.vdv.situacao(), "situacao");
        COMPARAR(a.vdv.valor, figuras.at(0));
        QVERIFY(!a.vdv.temPontos() && std::isnan(a.vdv.pontos()));
        COMPARAR(a.vdv.tempoAteAcao() / 3600, figuras.at(1));
        COMPARAR(a.vdv.tempoAteLimite() / 3600, figuras.at(2));
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
            QVERIFY(trocarCampo(id, grandeza.toLatin1(), QByteArray::number(valor, 'g', 6)));
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
        QVERIFY(trocarCampo(id, "aren_corpo", aren) && trocarCampo(id, "vdvr", vdvr));
        QTEST(int(Avaliacao::avaliar(pasta).faixaCorpoInteiro()), "faixa");
    }

    // One value of a sound measurement spoiled: only the figures that need
    // it cannot be computed (or only their times), each saying where and
    // which key.
    void entradaRuim_data()
    {
        QTest::addColumn<QString>("arquivo"); // spoiled file; the others are evaluated again
        QTest::addColumn<QByteArray>("chave");
        QTest::addColumn<QByteArray>("valor"); // null: the line removed
        QTest::addColumn<QString>("figura");   // "mao", "corpo", "vdv", "nr-mao" or "nr-vdvr"
        QTest::addColumn<bool>("soTempos");
        QTest::addColumn<Falta>("falta");
        QTest::addColumn<QString>("problema"); // "where|key"
        const QString exp = "M.id";
        const QByteArray nada;
        QTest::newRow("hand-arm aren not a number") << exp << QByteArray("aren_mao") << QByteArray("abc") << "nr-mao"
                                                    << false << Falta::ValorInvalido << "|aren_mao";
        QTest::newRow("hand-arm aren nan") << exp << QByteArray("aren_mao") << QByteArray("nan") << "nr-mao" << false
                                           << Falta::ValorInvalido << "|aren_mao";
        QTest::newRow("hand-arm aren with a decimal comma") << exp << QByteArray("aren_mao") << QByteArray("3,5")
                                                            << "nr-mao" << false << Falta::ValorInvalido << "|aren_mao";
        QTest::newRow("VDVR missing") << exp << QByteArray("vdvr") << nada << "nr-vdvr" << false
                                      << Falta::ValorInvalido << "|vdvr";
        QTest::newRow("VDV inf") << exp << QByteArray("vdvexpz") << QByteArray("inf") << "vdv" << false
                                 << Falta::ValorInvalido << "|vdvexpz";
        QTest::newRow("component without duration") << "T2/mao/C1.head" << QByteArray("duracao_comp") << nada << "mao"
                                                    << false << Falta::ComponenteSemValor << "T2/mao/C1|duracao_comp";
        QTest::newRow("component of 0 s") << "T1/corpo/C1.head" << QByteArray("duracao_comp") << QByteArray("0")
                                          << "corpo" << false << Falta::ComponenteSemValor << "T1/corpo/C1|duracao_comp";
        QTest::newRow("component without amx") << "T1/corpo/C1.dat" << QByteArray("amx(acc)") << nada << "corpo"
                                               << false << Falta::ComponenteSemValor << "T1/corpo/C1|amx(acc)";
        QTest::newRow("component VDV not a number") << "T1/corpo/C1.res" << QByteArray("vdvy(acc)") << QByteArray("x")
                                                    << "vdv" << false << Falta::ComponenteSemValor << "T1/corpo/C1|vdvy";
        QTest::newRow("hand-arm component without amr") << "T2/mao/C1.dat" << QByteArray("amr(acc)") << nada << "mao"
                                                        << false << Falta::ComponenteSemValor << "T2/mao/C1|amr(acc)";
        QTest::newRow("repetitions not a number") << "T2/mao/T2.id" << QByteArray("num_repeticao") << QByteArray("dois")
                                                  << "mao" << false << Falta::TempoInvalido << "T2/mao|";
        QTest::newRow("time of a repetition not a time") << "T1/corpo/T1.id" << QByteArray("tempo_exp")
                                                         << QByteArray("abc") << "corpo" << false
                                                         << Falta::TempoInvalido << "T1/corpo|";
        QTest::newRow("sampled time 0") << "T1/corpo/T1.id" << QByteArray("tempo_amostrado") << QByteArray("00:00:00")
                                        << "vdv" << false << Falta::TempoInvalido << "T1/corpo|";
        QTest::newRow("no repetitions: no time to reach anything") << "T2/mao/T2.id" << QByteArray("num_repeticao")
                                                                   << QByteArray("0") << "mao" << true
                                                                   << Falta::SemTempoExposicao << "|";
    }

    void entradaRuim()
    {
        QFETCH(QString, arquivo);
        QFETCH(QByteArray, chave);
        QFETCH(QByteArray, valor);
        QFETCH(QString, figura);
        QFETCH(bool, soTempos);
        QFETCH(Falta, falta);
        QFETCH(QString, problema);
        const QString pasta = novaPasta();
        medida(pasta, "0.3,0.2,0.6,4,4,10@1x04:00:00", "3@1x02:00:00");
        QVERIFY(trocarCampo(pasta + '/' + (arquivo == "M.id" ? QFileInfo(pasta).fileName() + ".id" : arquivo), chave,
                            valor));
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
