#pragma once

#include <QCoreApplication>

class AcessarArquivo;
#include <QString>
#include <QVector>

// The assessment of an evaluated measurement, computed from the files the
// evaluation wrote: what an evaluator would otherwise work out by hand
// beside the stored results, under two criteria.
//
// Brazil (NR-09 Anexo I action levels, NR-15 Anexo 8 limits, the
// FUNDACENTRO NHO 09 and NHO 10 decision tables): the stored aren_mao,
// aren_corpo and vdvr, each placed in one of four bands.
//
// European Union (Directive 2002/44/EC): hand-arm A(8) against 2.5 and
// 5 m/s²; whole body, the per-axis daily exposures 1.4·A(8)x, 1.4·A(8)y
// and A(8)z, the dominant axis against 0.5 and 1.15 m/s², and the largest
// per-axis exposure VDV against 9.1 and 21 m/s^1.75. A(8) is worked out
// from the exposure times and the 8-hour reference (ISO 5349-1, ISO
// 2631-1), each task's magnitude the energy average of its components
// weighted by their durations.
class AvaliacaoExposicao
{
    Q_DECLARE_TR_FUNCTIONS(AvaliacaoExposicao)

public:
    enum class Situacao { AbaixoDaAcao, AcimaDaAcao, AcimaDoLimite, NaoCalculada };

    // Why a figure, or the times to reach its values, cannot be computed.
    enum class Falta {
        Nenhuma,
        ValorInvalido,      // the stored result `chave` is not a number
        ComponenteSemValor, // component `onde` ("P/corpo/C") has no usable number for `chave`
        TempoInvalido,      // partial exposure `onde` has no usable repetitions or times
        SemTempoExposicao,  // the partial exposures add up to no exposure time
        SemTarefas          // a day asks for a body part none of whose tasks could be used
    };
    struct Problema {
        Falta falta = Falta::Nenhuma;
        QString onde;
        QString chave;
    };

    struct Figura {
        // The value as shown and compared, with the six significant digits
        // of the stored results.
        double valor = 0;
        // The same before rounding, for the points and times; the shown
        // value where the files give nothing more precise.
        double exato = 0;
        double acao = 0;
        double limite = 0;
        // Exposure time the value stands for, seconds.
        double tempoExposicao = 0;
        // How the value grows with time at a steady rate: value^expoente is
        // proportional to time (2 for rms values, 4 for dose values).
        double expoenteTempo = 2;
        int eixo = -1; // 0, 1, 2 for x, y, z where a figure picks an axis
        Problema problema{};      // set: the value is unknown
        Problema problemaTempo{}; // set: the times to reach the values are unknown

        bool calculada() const { return problema.falta == Falta::Nenhuma; }
        bool temposCalculados() const { return problemaTempo.falta == Falta::Nenhuma; }
        // At or above a value counts as reaching it.
        Situacao situacao() const;
        // Exposure points of a daily exposure A(8): 100 at the action value,
        // growing with the square of the value; six significant digits, as
        // the value it comes from. No standard gives points for a dose
        // value (VDV): NaN for those.
        bool temPontos() const { return expoenteTempo == 2; }
        double pontos() const;
        // Exposure time at the day's mean rate after which `alvo` is reached,
        // seconds; infinite when the value is 0, NaN when unknown.
        double tempoAte(double alvo) const;
        double tempoAteAcao() const { return tempoAte(acao); }
        double tempoAteLimite() const { return tempoAte(limite); }
    };

    static constexpr double acaoMao = 2.5;
    static constexpr double limiteMao = 5;
    static constexpr double acaoCorpo = 0.5;
    static constexpr double limiteCorpo = 1.15;
    static constexpr double acaoVdv = 9.1;
    static constexpr double limiteVdv = 21;

    // The NHO 09 / NHO 10 bands, from the best to the worst.
    enum class Faixa { Aceitavel, AcimaNivelAcao, RegiaoIncerteza, AcimaLimite, NaoCalculada };

    // A stored result placed in its band.
    struct FiguraNr {
        double valor = 0; // as stored, six significant digits
        // Up to the first limit: Aceitável; above it and below the second:
        // above the action level; from the second to the third, both
        // included: the uncertainty region; above the third: above the limit.
        double limites[3] = {0, 0, 0};
        Problema problema;

        bool calculada() const { return problema.falta == Falta::Nenhuma; }
        Faixa faixa() const;
    };

    static constexpr double faixasMao[3] = {2.5, 3.5, 5.0};       // aren, m/s²
    static constexpr double faixasCorpo[3] = {0.5, 0.9, 1.1};     // aren, m/s²
    static constexpr double faixasVdvr[3] = {9.1, 16.4, 21.0};    // VDVR, m/s^1.75

    // Reads the measurement folder of the local store.
    static AvaliacaoExposicao avaliar(const QString &pastaMedida);
    // Only the Brazilian figures, from an exposure file already read: what a
    // list of thousands of measurements shows of each.
    static AvaliacaoExposicao nrArmazenada(const AcessarArquivo &exposicao);

    // A task of a day: its body folder ("…/T1/corpo"), how the notes name
    // it, and the day's repetitions and time per repetition (seconds);
    // below 0, the task's own.
    struct TarefaDoDia {
        QString pastaCorpo;
        QString nome;
        int repeticoes = -1;
        double tempoRepeticao = -1;
    };
    // The day's results as the exposure formulas give them, for the body
    // parts it asks for.
    struct Resultados {
        bool temMao = false;
        bool temCorpo = false;
        double arenMao = 0;
        double arenCorpo = 0;
        double vdvr = 0;
        double vdvExp[3] = {0, 0, 0};
    };
    // A day made of tasks of one measurement or of several, per body part:
    // the EU figures from their files with the day's times, the Brazilian
    // ones from `resultados`; a body part asked for without a usable task
    // is "not computed".
    static AvaliacaoExposicao avaliarDia(const QVector<TarefaDoDia> &maos, const QVector<TarefaDoDia> &corpos,
                                         const Resultados &resultados);

    bool temMao = false;   // enable_mao is not 0
    bool temCorpo = false; // enable_corpo is not 0
    Figura mao;            // hand-arm A(8)
    Figura corpo;          // whole body, A(8) of the dominant axis
    // Whole body, the largest exposure VDV: a dose, also before it is
    // assessed (the CSV header is made of an empty assessment).
    Figura vdv{0, 0, acaoVdv, limiteVdv, 0, 4};
    FiguraNr nrMao;        // aren_mao
    FiguraNr nrCorpo;      // aren_corpo
    FiguraNr nrVdvr;       // vdvr
    // The worse band of the whole body's two figures; unknown when one of
    // them is, unless the other is above the limit anyway.
    Faixa faixaCorpoInteiro() const;
    // The worst band of the body parts measured; unknown when one is,
    // unless another is above the limit anyway.
    Faixa piorFaixa() const;
    // Whole body per-axis daily exposures, the axis factors applied; valid
    // when `corpo` is computed.
    double a8Eixo[3] = {0, 0, 0};

    // Six significant digits, as the stored results.
    static double arredondado(double v);
    // "hh:mm:ss" (three parts) or "hh:mm" (two), every piece a number not
    // below 0; false for anything else. The evaluation reads such texts
    // leniently; the assessment must not build on a time it could not read.
    static bool lerTempo(const QString &texto, int partes, double *segundos);
    // A count of repetitions, a whole number not below 0.
    static bool lerRepeticoes(const QString &texto, int *n);
    // What cannot be computed, and why, in the interface language.
    static QString motivo(const Problema &p);

private:
    void figurasMao(const QVector<TarefaDoDia> &tarefas);
    void figurasCorpo(const QVector<TarefaDoDia> &tarefas, const double vdvExp[3], const Problema &problemaVdv);
};
