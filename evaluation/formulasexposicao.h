#pragma once

#include <QVector>

// The daily exposure's formulas over values, whatever they are read from:
// a measurement's files, or tasks taken from several measurements. Whole
// body keeps three axes (x, y, z); hand-arm only the rms value.
namespace FormulasExposicao {

// What one component recorded: its rms acceleration and, for whole body,
// its VDV and crest factor per axis. A value below 0 (a damaged recording)
// counts as 0.
struct Componente {
    double amr = 0;
    double vdv[3] = {0, 0, 0};
    double fc[3] = {0, 0, 0};
};

// How long a task lasts in the day: one repetition's duration and how many
// there are; for whole body also the total time and the time measured, in
// seconds.
struct Tempos {
    double tempoExp = 0;
    int repeticoes = 0;
    double tempoTotal = 0;
    double tempoAmostrado = 0;
};

struct Parcial {
    double arep = 0;             // mean of the components' rms values
    double energia = 0;          // arep² × repetitions × duration
    double vdvi[3] = {0, 0, 0};  // fourth root of the components' VDV⁴
    double vdvexp[3] = {0, 0, 0}; // extended to the total time, 1.4 on x and y
    double fc[3] = {0, 0, 0};    // the components' largest crest factors
};

// A task from its components and times.
Parcial parcial(const QVector<Componente> &componentes, const Tempos &tempos, bool corpo);
// A task from what its components gave (arep; for whole body each axis's
// vdvi and largest crest factor) and its times: the same formulas, for a
// task whose values are stored and whose times are those of another day.
Parcial parcial(double arep, const double vdvi[3], const double fc[3], const Tempos &tempos, bool corpo);

struct Exposicao {
    double are = 0;               // rms over the working day
    double aren = 0;              // normalised to 8 hours
    double vdvexp[3] = {0, 0, 0}; // fourth root of the tasks' vdvexp⁴
    double vdvr = 0;              // their resultant
    double fc[3] = {0, 0, 0};     // the tasks' largest crest factors
};

// The day from its tasks and its length in seconds; a day of 0 (none
// given, "00:00") leaves `are` at 0 and takes the 8-hour value from the
// energy alone.
Exposicao exposicao(const QVector<Parcial> &parciais, double jornada, bool corpo);

} // namespace FormulasExposicao
