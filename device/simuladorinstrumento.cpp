#include "device/simuladorinstrumento.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"
#include "evaluation/edicao.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cmath>
#include <random>

#ifdef Q_OS_UNIX
#include <utime.h>
#endif

namespace {

using ArquivoRegistro::linha;

// Third-octave band centres, Hz, of each sensor's range.
const double bandasCorpo[] = {0.5, 0.63, 0.8, 1, 1.25, 1.6, 2, 2.5, 3.15, 4, 5, 6.3,
                              8, 10, 12.5, 16, 20, 25, 31.5, 40, 50, 63, 80};
const double bandasMao[] = {6.3, 8, 10, 12.5, 16, 20, 25, 31.5, 40, 50, 63, 80, 100,
                            125, 160, 200, 250, 315, 400, 500, 630, 800, 1000, 1250};

const char *const tarefas[] = {"Operação de prensa", "Transporte interno", "Lixadeira angular",
                               "Empilhadeira", "Furadeira de impacto", "Retroescavadeira"};
const char *const exposicoes[] = {"Operador", "Motorista", "Montador", "Ajudante de produção"};

class Gerador
{
public:
    explicit Gerador(quint32 semente) : motor(semente) {}
    // Uniform in [a, b); built on the engine's raw output so that a seed
    // gives the same recordings with every standard library.
    double entre(double a, double b) { return a + (b - a) * (motor() / 4294967296.0); }
    int inteiro(int a, int b) { return a + int(motor() % quint32(b - a + 1)); }

private:
    std::mt19937 motor;
};

QString num(double v, int casas = 4)
{
    return QString::number(v, 'f', casas);
}

bool criarArquivo(const QString &caminho, const QString &texto, QString *erro)
{
    QFile f(caminho);
    const QByteArray bytes = Codificacao::codificar(texto);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        *erro = QStringLiteral("cannot write %1: %2").arg(caminho, f.errorString());
        return false;
    }
    return true;
}

bool criarPasta(const QString &caminho, QString *erro)
{
    if (QDir().mkpath(caminho))
        return true;
    *erro = QStringLiteral("cannot create folder %1").arg(caminho);
    return false;
}

void datarPasta(const QString &caminho, const QDateTime &momento)
{
#ifdef Q_OS_UNIX
    const utimbuf tempos{time_t(momento.toSecsSinceEpoch()), time_t(momento.toSecsSinceEpoch())};
    utime(QFile::encodeName(caminho).constData(), &tempos);
#else
    Q_UNUSED(caminho);
    Q_UNUSED(momento);
#endif
}

QString configuracao(const QString &id, bool curta, Gerador &g)
{
    const QString periodo = QString::number(curta ? 1 : g.inteiro(0, 1) ? 1 : 3);
    if (curta) {
        return linha("id_equip", id) + linha("idioma", "portugues")
            + linha("tempo_programado", "1800") + linha("unidade", "m/s2")
            + linha("jornada_de_trabalho", "08:00")
            + linha("periodo_de_amostragem", periodo) + linha("wx_mao", "wh")
            + linha("wy_mao", "wh") + linha("wz_mao", "wh") + linha("kx_mao", "1.0")
            + linha("ky_mao", "1.0") + linha("kz_mao", "1.0")
            + linha("sensibilidade_x_mao", "1.02") + linha("sensibilidade_y_mao", "0.98")
            + linha("sensibilidade_z_mao", "1.01") + linha("wx_corpo", "wd")
            + linha("wy_corpo", "wd") + linha("wz_corpo", "wk") + linha("kx_corpo", "1.4")
            + linha("ky_corpo", "1.4") + linha("kz_corpo", "1.0")
            + linha("sensibilidade_x_corpo", "1.00") + linha("sensibilidade_y_corpo", "0.99")
            + linha("sensibilidade_z_corpo", "1.03") + linha("banda_oitava", "1/3")
            + linha("eixo_oitava", "z") + linha("tempo_desligamento", "30");
    }
    return linha("id_equipamento", id) + linha("id_medicao", "17") + linha("idioma", "portugues")
        + linha("jornada_de_trabalho", "08:00") + linha("tempo_programado", "30")
        + linha("periodo_amostragem", periodo) + linha("unidade", "m/s2")
        + linha("id_sensor_mao", "SM-2231") + linha("ponderacao_fx_mao", "wh")
        + linha("ponderacao_fy_mao", "wh") + linha("ponderacao_fz_mao", "wh")
        + linha("kx_mao", "1.0") + linha("ky_mao", "1.0") + linha("kz_mao", "1.0")
        + linha("sensibilidade_x_mao", "1.02") + linha("sensibilidade_y_mao", "0.98")
        + linha("sensibilidade_z_mao", "1.01") + linha("id_sensor_corpo", "SC-1187")
        + linha("ponderacao_fx_corpo", "wd") + linha("ponderacao_fy_corpo", "wd")
        + linha("ponderacao_fz_corpo", "wk") + linha("kx_corpo", "1.4")
        + linha("ky_corpo", "1.4") + linha("kz_corpo", "1.0")
        + linha("sensibilidade_x_corpo", "1.00") + linha("sensibilidade_y_corpo", "0.99")
        + linha("sensibilidade_z_corpo", "1.03") + linha("banda_oitava", "1/3")
        + linha("canal_oitava", "1") + linha("eixo_oitava", "z")
        + linha("tempo_desligamento", "30");
}

struct Componente {
    QString nome;
    bool corpo = true;
    QDateTime inicio;
    int amostras = 0;
    int periodo = 1;
};

// Writes C.head, C.dat and C.res; returns the recorded seconds.
qint64 escreverComponente(const QString &base, const Componente &c, Gerador &g, QString *erro)
{
    const double kx = c.corpo ? 1.4 : 1.0, ky = kx, kz = 1.0;
    const double nivel = c.corpo ? g.entre(0.15, 0.9) : g.entre(0.8, 5.0);
    const double a[3] = {nivel * g.entre(0.4, 0.8), nivel * g.entre(0.4, 0.8),
                         nivel * g.entre(0.7, 1.2)};
    const double fc[3] = {g.entre(2, 8), g.entre(2, 8), g.entre(2, 8)};
    const qint64 duracao = qint64(c.amostras) * c.periodo;
    const QDateTime fim = c.inicio.addSecs(duracao);
    const QString data = c.inicio.date().toString(QStringLiteral("dd/MM/yyyy"));

    QString cabecalho = linha("nome_componente", c.nome)
        + linha("inicio_comp", c.inicio.time().toString(QStringLiteral("HH:mm:ss")))
        + linha("fim_comp", fim.time().toString(QStringLiteral("HH:mm:ss")))
        + linha("duracao_comp", QString::number(duracao)) + linha("data_comp", data)
        + linha("periodo_amostragem", QString::number(c.periodo))
        + linha("tipo_de_sensor", c.corpo ? "corpo" : "mao")
        + linha("ponderacao_frequencia_x", c.corpo ? "wd" : "wh")
        + linha("ponderacao_frequencia_y", c.corpo ? "wd" : "wh")
        + linha("ponderacao_frequencia_z", c.corpo ? "wk" : "wh")
        + linha("k_x", num(kx, 1)) + linha("k_y", num(ky, 1)) + linha("k_z", num(kz, 1))
        + linha("sensibilidade_x", "1.00") + linha("sensibilidade_y", "0.99")
        + linha("sensibilidade_z", "1.03");
    if (!criarArquivo(base + ".head", cabecalho, erro))
        return -1;

    // Sample table: per-second rms around each axis' level, their
    // resultant, and the running vibration dose values.
    QString tabela = QStringLiteral("Tempo;amx;amy;amz;amr;vdvx;vdvy;vdvz;\n");
    tabela.reserve(c.amostras * 64);
    double soma4[3] = {0, 0, 0};
    double soma2[3] = {0, 0, 0};
    for (int i = 0; i < c.amostras; ++i) {
        double v[3];
        for (int e = 0; e < 3; ++e) {
            v[e] = a[e] * g.entre(0.6, 1.4);
            soma2[e] += v[e] * v[e];
            // Fourth-power mean of a Gaussian signal is three times the
            // squared mean square.
            soma4[e] += 3.0 * std::pow(v[e], 4) * c.periodo;
        }
        const double r = std::sqrt(std::pow(kx * v[0], 2) + std::pow(ky * v[1], 2)
                                   + std::pow(kz * v[2], 2));
        tabela += Edicao::textoDuracao(c.inicio.time().msecsSinceStartOfDay() / 1000 + qint64(i) * c.periodo
                      ) + ';' + num(v[0]) + ';' + num(v[1]) + ';' + num(v[2]) + ';' + num(r)
            + ';' + num(std::pow(soma4[0], 0.25)) + ';' + num(std::pow(soma4[1], 0.25)) + ';'
            + num(std::pow(soma4[2], 0.25)) + ";\n";
    }
    const int n = qMax(1, c.amostras);
    const double am[3] = {std::sqrt(soma2[0] / n), std::sqrt(soma2[1] / n),
                          std::sqrt(soma2[2] / n)};
    const double amr = std::sqrt(std::pow(kx * am[0], 2) + std::pow(ky * am[1], 2)
                                 + std::pow(kz * am[2], 2));
    const QString dados = linha("amr(acc)", num(amr)) + linha("amx(acc)", num(am[0]))
        + linha("amy(acc)", num(am[1])) + linha("amz(acc)", num(am[2]))
        + linha("picox", num(am[0] * fc[0])) + linha("picoy", num(am[1] * fc[1]))
        + linha("picoz", num(am[2] * fc[2])) + tabela;
    if (!criarArquivo(base + ".dat", dados, erro))
        return -1;

    QString resultado = linha("vdvx(acc)", num(std::pow(soma4[0], 0.25)))
        + linha("vdvy(acc)", num(std::pow(soma4[1], 0.25)))
        + linha("vdvz(acc)", num(std::pow(soma4[2], 0.25))) + linha("FC_x", num(fc[0], 3))
        + linha("FC_y", num(fc[1], 3)) + linha("FC_z", num(fc[2], 3));
    QString freq = QStringLiteral("freq;");
    QString vib = QStringLiteral("vibracao;");
    const double pico = c.corpo ? g.entre(4, 12) : g.entre(60, 250);
    for (double f : c.corpo ? QVector<double>(std::begin(bandasCorpo), std::end(bandasCorpo))
                            : QVector<double>(std::begin(bandasMao), std::end(bandasMao))) {
        freq += QString::number(f) + ';';
        const double distancia = std::log2(f / pico);
        vib += num(qMax(40.0, 110 - 2.5 * distancia * distancia + g.entre(-2, 2)), 1) + ';';
    }
    resultado += freq + '\n' + vib + '\n';
    if (!criarArquivo(base + ".res", resultado, erro))
        return -1;
    return duracao;
}

bool escreverCorpo(const QString &pasta, const QString &nomeParcial, const QString &tarefa,
                   bool corpo, QDateTime *relogio, const OpcoesSimulacao &o, int periodo,
                   Gerador &g, QString *erro)
{
    if (!criarPasta(pasta, erro))
        return false;
    qint64 amostrado = 0;
    for (int k = 1; k <= o.componentes; ++k) {
        Componente c;
        c.nome = QStringLiteral("C%1").arg(k, 2, 10, QLatin1Char('0'));
        c.corpo = corpo;
        c.inicio = *relogio;
        c.amostras = o.amostras;
        c.periodo = periodo;
        const qint64 d = escreverComponente(pasta + '/' + c.nome, c, g, erro);
        if (d < 0)
            return false;
        amostrado += d;
        *relogio = relogio->addSecs(d + 60);
    }
    const int repeticoes = g.inteiro(1, 12);
    const qint64 tempoExp = qint64(g.inteiro(5, 40)) * 60;
    const QString parcial = linha("nome_exp_parcial", tarefa)
        + linha("num_repeticao", QString::number(repeticoes)) + linha("tempo_exp", Edicao::textoDuracao(tempoExp))
        + linha("tempo_exp_total", Edicao::textoDuracao(tempoExp * repeticoes))
        + linha("tempo_amostrado", Edicao::textoDuracao(amostrado));
    return criarArquivo(pasta + '/' + nomeParcial + ".id", parcial, erro);
}

} // namespace

bool simularInstrumento(const QString &raiz, const OpcoesSimulacao &o, QString *erro)
{
    Gerador g(o.semente);
    const QString dados = raiz + QStringLiteral("/DATA");
    if (!criarPasta(dados, erro))
        return false;
    const QString id = QStringLiteral("KT%1").arg(g.inteiro(10000, 99999));
    const int periodo = 1;
    if (!criarArquivo(dados + (o.configuracaoCurta ? "/KT9400.cfg" : "/Crv_vib.cfg"),
                      configuracao(id, o.configuracaoCurta, g), erro))
        return false;

    QDateTime relogio(QDate(2024, 1, 2), QTime(9, 5, 7));
    for (int m = 1; m <= o.medidas; ++m) {
        const QString nome = QStringLiteral("MED%1").arg(m, 3, 10, QLatin1Char('0'));
        const QString pasta = dados + '/' + nome;
        if (!criarPasta(pasta, erro))
            return false;
        // Whole body, hand-arm, or both, in turn.
        const bool corpo = m % 3 != 2;
        const bool mao = m % 3 != 1;
        const QDateTime criacao = relogio;
        const int parciais = g.inteiro(1, 3);
        for (int p = 1; p <= parciais; ++p) {
            const QString nomeParcial = QStringLiteral("T%1").arg(p);
            const QString tarefa = QString::fromUtf8(tarefas[g.inteiro(0, 5)]);
            if (corpo && !escreverCorpo(pasta + '/' + nomeParcial + "/corpo", nomeParcial,
                                        tarefa, true, &relogio, o, periodo, g, erro))
                return false;
            if (mao && !escreverCorpo(pasta + '/' + nomeParcial + "/mao", nomeParcial, tarefa,
                                      false, &relogio, o, periodo, g, erro))
                return false;
        }
        const QString exposicao = linha("nome_exposicao",
                                        QString::fromUtf8(exposicoes[g.inteiro(0, 3)]) + '-'
                                            + criacao.toString(QStringLiteral("yyMMddHHmmss")))
            + linha("id_equipamento", id) + linha("tipo_de_sensor", corpo ? "corpo" : "mao")
            + linha("data_criacao", criacao.date().toString(QStringLiteral("dd/MM/yyyy")))
            + linha("jornada_de_trabalho", "08:00");
        if (!criarArquivo(pasta + '/' + nome + ".id", exposicao, erro))
            return false;
        datarPasta(pasta, criacao);
        relogio = QDateTime(relogio.date().addDays(1), QTime(8, 0).addSecs(g.inteiro(0, 7200)));
    }
    return true;
}
