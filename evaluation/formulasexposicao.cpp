#include "evaluation/formulasexposicao.h"

#include <algorithm>
#include <cmath>

namespace FormulasExposicao {

namespace {

const double jornadaReferencia = 28800; // 8 h, in seconds
const double fatorEixo[3] = {1.4, 1.4, 1.0};

} // namespace

Parcial parcial(const QVector<Componente> &componentes, const Tempos &tempos, bool corpo)
{
    double somaAmr = 0;
    double somaVdv4[3] = {0, 0, 0};
    double fc[3] = {0, 0, 0};
    for (const Componente &c : componentes) {
        somaAmr += std::max(0.0, c.amr);
        for (int e = 0; e < 3; ++e) {
            somaVdv4[e] += std::pow(std::max(0.0, c.vdv[e]), 4);
            fc[e] = std::max(fc[e], c.fc[e]);
        }
    }
    const double n = componentes.size();
    double vdvi[3];
    for (int e = 0; e < 3; ++e)
        vdvi[e] = std::pow(somaVdv4[e], 0.25);
    return parcial(n == 0 ? 0 : somaAmr * (1 / n), vdvi, fc, tempos, corpo);
}

Parcial parcial(double arep, const double vdvi[3], const double fc[3], const Tempos &tempos, bool corpo)
{
    Parcial p;
    p.arep = arep;
    p.energia = p.arep * p.arep * std::max(0, tempos.repeticoes) * tempos.tempoExp;
    if (!corpo)
        return p;
    const double r = tempos.tempoAmostrado == 0 ? 0 : std::pow(tempos.tempoTotal / tempos.tempoAmostrado, 0.25);
    for (int e = 0; e < 3; ++e) {
        p.fc[e] = fc[e];
        p.vdvi[e] = vdvi[e];
        p.vdvexp[e] = tempos.tempoAmostrado == 0 ? 0 : fatorEixo[e] * p.vdvi[e] * r;
    }
    return p;
}

Exposicao exposicao(const QVector<Parcial> &parciais, double jornada, bool corpo)
{
    Exposicao x;
    double energia = 0;
    double somaVdvexp4[3] = {0, 0, 0};
    for (const Parcial &p : parciais) {
        energia += p.energia;
        for (int e = 0; e < 3; ++e) {
            somaVdvexp4[e] += std::pow(p.vdvexp[e], 4);
            x.fc[e] = std::max(x.fc[e], p.fc[e]);
        }
    }
    x.are = jornada > 0 ? std::sqrt(energia * (1 / jornada)) : 0;
    x.aren = jornada > 0 ? x.are * std::sqrt(jornada / jornadaReferencia) : std::sqrt(energia / jornadaReferencia);
    if (!corpo)
        return x;
    for (int e = 0; e < 3; ++e)
        x.vdvexp[e] = std::pow(somaVdvexp4[e], 0.25);
    x.vdvr = std::pow(std::pow(x.vdvexp[0], 4) + std::pow(x.vdvexp[1], 4) + std::pow(x.vdvexp[2], 4), 0.25);
    return x;
}

} // namespace FormulasExposicao
