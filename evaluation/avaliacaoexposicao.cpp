#include "evaluation/avaliacaoexposicao.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/layoutmedida.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

using Falta = AvaliacaoExposicao::Falta;
using Figura = AvaliacaoExposicao::Figura;
using Problema = AvaliacaoExposicao::Problema;

const double jornadaReferencia = 28800; // 8 h, in seconds
const double fatorEixo[3] = {1.4, 1.4, 1.0};
const char *const chaveAm[3] = {"amx(acc)", "amy(acc)", "amz(acc)"};
const char *const chaveVdv[3] = {"vdvx", "vdvy", "vdvz"};

// A stored result that must be a number not below 0.
Problema valorArmazenado(const QString &texto, const char *chave, double *valor)
{
    if (ArquivoRegistro::numeroFinito(texto, valor) && *valor >= 0)
        return {};
    return {Falta::ValorInvalido, QString(), QLatin1String(chave)};
}

Problema primeiro(std::initializer_list<Problema> problemas)
{
    for (const Problema &p : problemas) {
        if (p.falta != Falta::Nenhuma)
            return p;
    }
    return {};
}

void anotar(Problema *p, Falta falta, const QString &onde, const QString &chave = QString())
{
    if (p->falta == Falta::Nenhuma)
        *p = {falta, onde, chave};
}

// What the assessment of one body part needs from its partial exposures
// and components.
struct LeituraParte {
    double energia = 0; // Σ task amr² × repetitions × time
    double energiaEixo[3] = {0, 0, 0}; // whole body: the same of amx, amy, amz
    double somaVdvExp4[3] = {0, 0, 0}; // whole body: Σ partial exposure VDV⁴, axis factors applied
    double tempo = 0;      // Σ repetitions × tempo_exp
    double tempoTotal = 0; // Σ tempo_exp_total
    Problema problemaA8;
    Problema problemaVdv;
};

LeituraParte lerTarefas(const QVector<AvaliacaoExposicao::TarefaDoDia> &tarefas, bool corpo)
{
    LeituraParte r;
    for (const AvaliacaoExposicao::TarefaDoDia &tarefa : tarefas) {
        const QString &pasta = tarefa.pastaCorpo;
        AcessarArquivo parcial;
        parcial.lerExposicaoParcial(LayoutMedida::arquivoParcial(pasta));
        const QString &nome = tarefa.nome;
        double tempoExp = 0;
        int n = 0;
        const bool doDia = tarefa.repeticoes >= 0 && tarefa.tempoRepeticao >= 0;
        if (doDia) {
            n = tarefa.repeticoes;
            tempoExp = tarefa.tempoRepeticao;
        }
        const bool tempoLido =
            doDia || (AvaliacaoExposicao::lerTempo(parcial.getTempo_exp(), 3, &tempoExp) && AvaliacaoExposicao::lerRepeticoes(parcial.getNum_repeticao(), &n));
        if (tempoLido)
            r.tempo += n * tempoExp;
        else
            anotar(&r.problemaA8, Falta::TempoInvalido, nome);
        double total = n * tempoExp;
        double amostrado = 0;
        const bool vdvLido = (doDia || AvaliacaoExposicao::lerTempo(parcial.getTempo_exp_total(), 3, &total))
            && AvaliacaoExposicao::lerTempo(parcial.getTempo_amostrado(), 3, &amostrado) && amostrado > 0;
        if (vdvLido)
            r.tempoTotal += total;
        else if (corpo)
            anotar(&r.problemaVdv, Falta::TempoInvalido, nome);

        // Each task's magnitude is the energy average of its components,
        // weighted by their durations: Σ a² t / Σ t.
        double somaAmr2t = 0;
        double somaAm2t[3] = {0, 0, 0};
        double somaVdv4[3] = {0, 0, 0};
        double duracoes = 0;
        for (const QString &base : LayoutMedida::componentes(pasta)) {
            if (!LayoutMedida::componenteCompleto(base))
                continue; // left out of the stored results too
            AcessarArquivo c;
            c.lerValoresComponente(base);
            const QString componente = nome + QLatin1Char('/') + QFileInfo(base).fileName();
            double duracao = 0;
            if (!ArquivoRegistro::numeroFinito(c.getDuracao_comp(), &duracao) || !(duracao > 0)) {
                anotar(&r.problemaA8, Falta::ComponenteSemValor, componente, QStringLiteral("duracao_comp"));
                duracao = 0;
            }
            duracoes += duracao;
            double v = 0;
            if (!corpo) {
                if (ArquivoRegistro::numeroFinito(c.getAmr(), &v))
                    somaAmr2t += v * v * duracao;
                else
                    anotar(&r.problemaA8, Falta::ComponenteSemValor, componente, QStringLiteral("amr(acc)"));
                continue;
            }
            const QString am[3] = {c.getAmx(), c.getAmy(), c.getAmz()};
            const QString vdv[3] = {c.getVdvx(), c.getVdvy(), c.getVdvz()};
            for (int e = 0; e < 3; ++e) {
                if (ArquivoRegistro::numeroFinito(am[e], &v))
                    somaAm2t[e] += v * v * duracao;
                else
                    anotar(&r.problemaA8, Falta::ComponenteSemValor, componente, QLatin1String(chaveAm[e]));
                if (ArquivoRegistro::numeroFinito(vdv[e], &v))
                    somaVdv4[e] += std::pow(v, 4);
                else
                    anotar(&r.problemaVdv, Falta::ComponenteSemValor, componente, QLatin1String(chaveVdv[e]));
            }
        }
        if (duracoes > 0 && tempoLido) {
            r.energia += somaAmr2t / duracoes * n * tempoExp;
            for (int e = 0; e < 3; ++e)
                r.energiaEixo[e] += somaAm2t[e] / duracoes * n * tempoExp;
        }
        if (vdvLido) {
            for (int e = 0; e < 3; ++e)
                r.somaVdvExp4[e] += std::pow(fatorEixo[e], 4) * somaVdv4[e] * total / amostrado;
        }
    }
    return r;
}

// The tasks of one body part of a measurement, with their own times.
QVector<AvaliacaoExposicao::TarefaDoDia> tarefasDaMedida(const QString &pastaMedida, const QString &tipo)
{
    QVector<AvaliacaoExposicao::TarefaDoDia> tarefas;
    for (const QString &pasta : LayoutMedida::pastasCorpo(pastaMedida)) {
        if (LayoutMedida::nomePasta(pasta) == tipo && QFileInfo(LayoutMedida::arquivoParcial(pasta)).isFile())
            tarefas.append({pasta, QDir(pastaMedida).relativeFilePath(pasta)});
    }
    return tarefas;
}

// The figure of a value; `exato` is what the files give of it before
// rounding, used where it agrees with the value.
Figura figura(double valor, double exato, double acao, double limite, double tempo,
              double expoente, const Problema &problema, int eixo = -1)
{
    Figura f;
    f.valor = AvaliacaoExposicao::arredondado(valor);
    f.exato = AvaliacaoExposicao::arredondado(exato) == f.valor ? exato : f.valor;
    f.acao = acao;
    f.limite = limite;
    f.tempoExposicao = tempo;
    f.expoenteTempo = expoente;
    f.eixo = eixo;
    f.problema = problema;
    if (!f.calculada())
        f.problemaTempo = problema;
    else if (!(tempo > 0))
        f.problemaTempo = {Falta::SemTempoExposicao, {}, {}};
    return f;
}

// The first of the largest of three values.
int maior(const double v[3])
{
    int m = 0;
    for (int e = 1; e < 3; ++e) {
        if (v[e] > v[m])
            m = e;
    }
    return m;
}

} // namespace

AvaliacaoExposicao::Situacao AvaliacaoExposicao::Figura::situacao() const
{
    if (!calculada())
        return Situacao::NaoCalculada;
    if (valor >= limite)
        return Situacao::AcimaDoLimite;
    if (valor >= acao)
        return Situacao::AcimaDaAcao;
    return Situacao::AbaixoDaAcao;
}

double AvaliacaoExposicao::Figura::pontos() const
{
    if (!calculada() || !temPontos())
        return std::numeric_limits<double>::quiet_NaN();
    const double r = exato / acao;
    return AvaliacaoExposicao::arredondado(100 * r * r);
}

double AvaliacaoExposicao::Figura::tempoAte(double alvo) const
{
    if (!temposCalculados())
        return std::numeric_limits<double>::quiet_NaN();
    if (!(exato > 0))
        return std::numeric_limits<double>::infinity();
    return tempoExposicao * std::pow(alvo / exato, expoenteTempo);
}

double AvaliacaoExposicao::arredondado(double v)
{
    return QString::number(v, 'g', 6).toDouble();
}

AvaliacaoExposicao::Faixa AvaliacaoExposicao::FiguraNr::faixa() const
{
    if (!calculada())
        return Faixa::NaoCalculada;
    if (valor <= limites[0])
        return Faixa::Aceitavel;
    if (valor < limites[1])
        return Faixa::AcimaNivelAcao;
    if (valor <= limites[2])
        return Faixa::RegiaoIncerteza;
    return Faixa::AcimaLimite;
}

AvaliacaoExposicao::Faixa AvaliacaoExposicao::faixaCorpoInteiro() const
{
    const Faixa a = nrCorpo.faixa();
    const Faixa b = nrVdvr.faixa();
    if (a == Faixa::AcimaLimite || b == Faixa::AcimaLimite)
        return Faixa::AcimaLimite;
    if (a == Faixa::NaoCalculada || b == Faixa::NaoCalculada)
        return Faixa::NaoCalculada;
    return std::max(a, b);
}

namespace {

AvaliacaoExposicao::FiguraNr figuraNr(const QString &texto, const char *chave, const double limites[3])
{
    AvaliacaoExposicao::FiguraNr f;
    double v = 0;
    f.problema = valorArmazenado(texto, chave, &v);
    f.valor = AvaliacaoExposicao::arredondado(v);
    std::copy(limites, limites + 3, f.limites);
    return f;
}

} // namespace

AvaliacaoExposicao AvaliacaoExposicao::nrArmazenada(const AcessarArquivo &e)
{
    AvaliacaoExposicao r;
    r.temMao = e.getEnable_mao().toInt() != 0;
    r.temCorpo = e.getEnable_corpo().toInt() != 0;
    if (r.temMao)
        r.nrMao = figuraNr(e.getAren_mao(), "aren_mao", faixasMao);
    if (r.temCorpo) {
        r.nrCorpo = figuraNr(e.getAren_corpo(), "aren_corpo", faixasCorpo);
        r.nrVdvr = figuraNr(e.getVdvr(), "vdvr", faixasVdvr);
    }
    return r;
}

AvaliacaoExposicao AvaliacaoExposicao::avaliar(const QString &pastaMedida)
{
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(pastaMedida));
    AvaliacaoExposicao r = nrArmazenada(e);
    if (r.temMao)
        r.figurasMao(tarefasDaMedida(pastaMedida, QStringLiteral("mao")));
    if (r.temCorpo) {
        double vdvExp[3] = {0, 0, 0};
        const Problema armazenado =
            primeiro({valorArmazenado(e.getVdvexpx(), "vdvexpx", &vdvExp[0]),
                      valorArmazenado(e.getVdvexpy(), "vdvexpy", &vdvExp[1]),
                      valorArmazenado(e.getVdvexpz(), "vdvexpz", &vdvExp[2])});
        r.figurasCorpo(tarefasDaMedida(pastaMedida, QStringLiteral("corpo")), vdvExp, armazenado);
    }
    return r;
}

AvaliacaoExposicao AvaliacaoExposicao::avaliarDia(const QVector<TarefaDoDia> &maos, const QVector<TarefaDoDia> &corpos,
                                                  const Resultados &resultados)
{
    AvaliacaoExposicao r;
    const auto nr = [](double valor, const double limites[3]) {
        FiguraNr f;
        f.valor = arredondado(valor);
        std::copy(limites, limites + 3, f.limites);
        return f;
    };
    // A body part the day asks for whose tasks were all left out is not
    // computed, never 0.
    const Problema semTarefas{Falta::SemTarefas, {}, {}};
    r.temMao = resultados.temMao;
    r.temCorpo = resultados.temCorpo;
    if (r.temMao) {
        r.figurasMao(maos);
        r.nrMao = nr(resultados.arenMao, faixasMao);
        if (maos.isEmpty())
            r.mao.problema = r.mao.problemaTempo = r.nrMao.problema = semTarefas;
    }
    if (r.temCorpo) {
        r.figurasCorpo(corpos, resultados.vdvExp, corpos.isEmpty() ? semTarefas : Problema{});
        r.nrCorpo = nr(resultados.arenCorpo, faixasCorpo);
        r.nrVdvr = nr(resultados.vdvr, faixasVdvr);
        if (corpos.isEmpty())
            r.corpo.problema = r.corpo.problemaTempo = r.nrCorpo.problema = r.nrVdvr.problema = semTarefas;
    }
    return r;
}

// The working day plays no part: A(8) refers the exposure times to 8 hours
// whatever the day's length.
void AvaliacaoExposicao::figurasMao(const QVector<TarefaDoDia> &tarefas)
{
    const LeituraParte p = lerTarefas(tarefas, false);
    const double a8 = std::sqrt(p.energia / jornadaReferencia);
    mao = figura(a8, a8, acaoMao, limiteMao, p.tempo, 2, p.problemaA8);
}

void AvaliacaoExposicao::figurasCorpo(const QVector<TarefaDoDia> &tarefas, const double vdvExp[3],
                                      const Problema &problemaVdv)
{
    const LeituraParte p = lerTarefas(tarefas, true);
    double a8[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        a8[i] = fatorEixo[i] * std::sqrt(p.energiaEixo[i] / jornadaReferencia);
        a8Eixo[i] = arredondado(a8[i]);
    }
    const int dominante = maior(a8);
    corpo = figura(a8[dominante], a8[dominante], acaoCorpo, limiteCorpo, p.tempo, 2, p.problemaA8, dominante);
    const int maiorVdv = maior(vdvExp);
    vdv = figura(vdvExp[maiorVdv], std::pow(p.somaVdvExp4[maiorVdv], 0.25), acaoVdv, limiteVdv, p.tempoTotal, 4,
                 primeiro({problemaVdv, p.problemaVdv}), maiorVdv);
}

AvaliacaoExposicao::Faixa AvaliacaoExposicao::piorFaixa() const
{
    QVector<Faixa> faixas;
    if (temMao)
        faixas << nrMao.faixa();
    if (temCorpo)
        faixas << faixaCorpoInteiro();
    if (faixas.isEmpty() || faixas.contains(Faixa::NaoCalculada))
        return faixas.contains(Faixa::AcimaLimite) ? Faixa::AcimaLimite : Faixa::NaoCalculada;
    return *std::max_element(faixas.cbegin(), faixas.cend());
}

bool AvaliacaoExposicao::lerTempo(const QString &texto, int partes, double *resultado)
{
    const QStringList p = texto.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (p.size() < partes)
        return false;
    const double peso[3] = {3600, 60, 1};
    double total = 0;
    for (int i = 0; i < partes; ++i) {
        double v = 0;
        // "-00" is -0.0, which is not below 0 but is no time either.
        if (!ArquivoRegistro::numeroFinito(p.at(i), &v) || std::signbit(v))
            return false;
        total += v * peso[i];
    }
    *resultado = total;
    return true;
}

bool AvaliacaoExposicao::lerRepeticoes(const QString &texto, int *n)
{
    bool ok = false;
    *n = texto.trimmed().toInt(&ok, 10);
    return ok && *n >= 0;
}

QString AvaliacaoExposicao::motivo(const Problema &p)
{
    switch (p.falta) {
    case Falta::ValorInvalido:
        return tr("o resultado armazenado %1 não é um número").arg(p.chave);
    case Falta::ComponenteSemValor:
        return tr("a componente %1 não tem um número utilizável em %2").arg(p.onde, p.chave);
    case Falta::TempoInvalido:
        return tr("a exposição parcial %1 não tem repetições ou tempos utilizáveis").arg(p.onde);
    case Falta::SemTempoExposicao:
        return tr("as exposições parciais não somam tempo de exposição");
    case Falta::SemTarefas:
        return tr("nenhuma tarefa utilizável");
    case Falta::Nenhuma:
        break;
    }
    return QString();
}
