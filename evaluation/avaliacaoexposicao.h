#pragma once

#include <QCoreApplication>
#include <QString>

// The assessment of an evaluated measurement against the exposure action
// and limit values, computed from the files the evaluation wrote: what an
// evaluator would otherwise work out by hand beside the stored results.
//
// Hand-arm: the daily exposure A(8) (the stored 8-hour value) against
// 2.5 and 5 m/s². Whole body: the per-axis daily exposures 1.4·A(8)x,
// 1.4·A(8)y and A(8)z from the components' per-axis accelerations, the
// dominant axis against 0.5 and 1.15 m/s², and the largest per-axis
// exposure VDV against 9.1 and 21 m/s^1.75.
class AvaliacaoExposicao
{
    Q_DECLARE_TR_FUNCTIONS(AvaliacaoExposicao)

public:
    enum class Situacao { AbaixoDaAcao, AcimaDaAcao, AcimaDoLimite, NaoCalculada };

    // Why a figure, or the times to reach its values, cannot be computed.
    enum class Falta {
        Nenhuma,
        Jornada,            // the working day is 0 or not a time (`onde`: its text)
        ValorInvalido,      // the stored result `chave` is not a number
        ComponenteSemValor, // component `onde` ("P/corpo/C") has no number for `chave`
        TempoInvalido,      // partial exposure `onde` has no usable repetitions or times
        SemTempoExposicao   // the partial exposures add up to no exposure time
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
        Problema problema;      // set: the value is unknown
        Problema problemaTempo; // set: the times to reach the values are unknown

        bool calculada() const { return problema.falta == Falta::Nenhuma; }
        bool temposCalculados() const { return problemaTempo.falta == Falta::Nenhuma; }
        Situacao situacao() const;
        // 100 at the action value, growing with the square of the value;
        // six significant digits, as the value it comes from.
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

    // Reads the measurement folder of the local store.
    static AvaliacaoExposicao avaliar(const QString &pastaMedida);

    bool temMao = false;   // enable_mao is not 0
    bool temCorpo = false; // enable_corpo is not 0
    Figura mao;            // hand-arm A(8)
    Figura corpo;          // whole body, A(8) of the dominant axis
    Figura vdv;            // whole body, the largest exposure VDV
    // Whole body per-axis daily exposures, the axis factors applied; valid
    // when `corpo` is computed.
    double a8Eixo[3] = {0, 0, 0};

    // Six significant digits, as the stored results.
    static double arredondado(double v);
    // What cannot be computed, and why, in the interface language.
    static QString motivo(const Problema &p);
};
