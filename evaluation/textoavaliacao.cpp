#include "evaluation/textoavaliacao.h"

#include "evaluation/tabelasavaliacao.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>

namespace {

using Figura = AvaliacaoExposicao::Figura;

const char *const nomeEixo[3] = {"x", "y", "z"};

QJsonValue numero(double v)
{
    if (!std::isfinite(v))
        return QJsonValue(QJsonValue::Null);
    return AvaliacaoExposicao::arredondado(v);
}

QJsonValue horas(double segundos)
{
    if (std::isinf(segundos))
        return QStringLiteral("never");
    return numero(segundos / 3600);
}

QString situacao(const Figura &f)
{
    switch (f.situacao()) {
    case AvaliacaoExposicao::Situacao::AbaixoDaAcao:
        return QStringLiteral("below_action");
    case AvaliacaoExposicao::Situacao::AcimaDaAcao:
        return QStringLiteral("action_reached");
    case AvaliacaoExposicao::Situacao::AcimaDoLimite:
        return QStringLiteral("limit_reached");
    case AvaliacaoExposicao::Situacao::NaoCalculada:
        break;
    }
    return QStringLiteral("not_computed");
}

// The same keys for every figure, so that CSV columns line up.
TextoAvaliacao::Campos campos(const Figura &f, bool comEixo)
{
    TextoAvaliacao::Campos c = {{"value", f.calculada() ? numero(f.valor) : QJsonValue()}};
    if (comEixo)
        c.append({"axis", f.calculada() && f.eixo >= 0 && f.eixo < 3 ? QJsonValue(nomeEixo[f.eixo])
                                                                     : QJsonValue()});
    c.append({"status", situacao(f)});
    if (f.temPontos())
        c.append({"points", numero(f.pontos())});
    c += {{"exposure_time_h", f.temposCalculados() ? numero(f.tempoExposicao / 3600) : QJsonValue()},
          {"time_to_action_h", horas(f.tempoAteAcao())},
          {"time_to_limit_h", horas(f.tempoAteLimite())}};
    return c;
}

QJsonObject objeto(const Figura &f, bool comEixo, const char *unidade)
{
    QJsonObject o;
    for (const auto &c : campos(f, comEixo))
        o.insert(c.first, c.second);
    o.insert("unit", QString::fromUtf8(unidade));
    o.insert("action_value", f.acao);
    o.insert("limit_value", f.limite);
    if (!f.calculada())
        o.insert("cannot_compute", AvaliacaoExposicao::motivo(f.problema));
    else if (!f.temposCalculados())
        o.insert("times_cannot_compute", AvaliacaoExposicao::motivo(f.problemaTempo));
    return o;
}

// Columns "prefix", "prefix_axis", "prefix_status", ...; all empty for a
// body part without results.
void acrescentar(TextoAvaliacao::Campos *colunas, const QString &prefixo, const Figura &f,
                 bool comEixo, bool presente)
{
    for (const auto &c : campos(f, comEixo)) {
        const QString nome = c.first == QLatin1String("value") ? prefixo : prefixo + '_' + c.first;
        colunas->append({nome, presente ? c.second : QJsonValue()});
    }
}

void anotar(QStringList *notas, const QString &onde, const Figura &f)
{
    if (!f.calculada())
        *notas << onde + ": " + AvaliacaoExposicao::motivo(f.problema);
    else if (!f.temposCalculados())
        *notas << onde + " times: " + AvaliacaoExposicao::motivo(f.problemaTempo);
}


QJsonObject objetoNr(const AvaliacaoExposicao::FiguraNr &f, const char *unidade)
{
    QJsonObject o{{"value", f.calculada() ? QJsonValue(f.valor) : QJsonValue()},
                  {"unit", QString::fromUtf8(unidade)},
                  {"band", TextoAvaliacao::faixa(f.faixa())},
                  {"action", TabelasAvaliacao::acaoRecomendada(f.faixa())},
                  {"bands", QJsonArray{f.limites[0], f.limites[1], f.limites[2]}}};
    if (!f.calculada())
        o.insert("cannot_compute", AvaliacaoExposicao::motivo(f.problema));
    return o;
}

} // namespace

namespace TextoAvaliacao {

QString faixa(AvaliacaoExposicao::Faixa f)
{
    switch (f) {
    case AvaliacaoExposicao::Faixa::Aceitavel:
        return QStringLiteral("aceitavel");
    case AvaliacaoExposicao::Faixa::AcimaNivelAcao:
        return QStringLiteral("acima_nivel_acao");
    case AvaliacaoExposicao::Faixa::RegiaoIncerteza:
        return QStringLiteral("regiao_incerteza");
    case AvaliacaoExposicao::Faixa::AcimaLimite:
        return QStringLiteral("acima_limite");
    case AvaliacaoExposicao::Faixa::NaoCalculada:
        break;
    }
    return QStringLiteral("nao_calculado");
}


QJsonObject json(const AvaliacaoExposicao &a)
{
    QJsonObject o;
    if (a.temMao)
        o.insert("hand_arm", QJsonObject{{"a8", objeto(a.mao, false, "m/s²")}});
    if (a.temCorpo) {
        QJsonObject corpo;
        for (int e = 0; e < 3; ++e)
            corpo.insert(QStringLiteral("a8_") + nomeEixo[e],
                         a.corpo.calculada() ? numero(a.a8Eixo[e]) : QJsonValue());
        corpo.insert("a8", objeto(a.corpo, true, "m/s²"));
        corpo.insert("vdv", objeto(a.vdv, true, "m/s^1.75"));
        o.insert("whole_body", corpo);
    }
    QJsonObject nr;
    if (a.temMao)
        nr.insert("hand_arm", QJsonObject{{"aren", objetoNr(a.nrMao, "m/s²")}});
    if (a.temCorpo)
        nr.insert("whole_body", QJsonObject{{"aren", objetoNr(a.nrCorpo, "m/s²")},
                                            {"vdvr", objetoNr(a.nrVdvr, "m/s^1.75")},
                                            {"band", faixa(a.faixaCorpoInteiro())}});
    o.insert("nr", nr);
    return o;
}

Campos colunas(const AvaliacaoExposicao &a)
{
    Campos c;
    acrescentar(&c, QStringLiteral("hand_arm_a8"), a.mao, false, a.temMao);
    const bool eixos = a.temCorpo && a.corpo.calculada();
    for (int e = 0; e < 3; ++e)
        c.append({QStringLiteral("whole_body_a8_") + nomeEixo[e],
                  eixos ? numero(a.a8Eixo[e]) : QJsonValue()});
    acrescentar(&c, QStringLiteral("whole_body_a8"), a.corpo, true, a.temCorpo);
    acrescentar(&c, QStringLiteral("whole_body_vdv"), a.vdv, true, a.temCorpo);
    QStringList notas;
    const auto colunaNr = [&](const char *nome, bool presente, AvaliacaoExposicao::Faixa f,
                              const AvaliacaoExposicao::FiguraNr *figura) {
        const QString coluna = QLatin1String(nome);
        c.append({coluna, presente ? QJsonValue(faixa(f)) : QJsonValue()});
        if (presente && figura && !figura->calculada())
            notas << coluna + QStringLiteral(": ") + AvaliacaoExposicao::motivo(figura->problema);
    };
    colunaNr("nr_hand_arm_aren_band", a.temMao, a.nrMao.faixa(), &a.nrMao);
    colunaNr("nr_whole_body_aren_band", a.temCorpo, a.nrCorpo.faixa(), &a.nrCorpo);
    colunaNr("nr_whole_body_vdvr_band", a.temCorpo, a.nrVdvr.faixa(), &a.nrVdvr);
    colunaNr("nr_whole_body_band", a.temCorpo, a.faixaCorpoInteiro(), nullptr);
    if (a.temMao)
        anotar(&notas, QStringLiteral("hand_arm_a8"), a.mao);
    if (a.temCorpo) {
        anotar(&notas, QStringLiteral("whole_body_a8"), a.corpo);
        anotar(&notas, QStringLiteral("whole_body_vdv"), a.vdv);
    }
    c.append({QStringLiteral("assessment_notes"), notas.join(QStringLiteral("; "))});
    return c;
}

QString textoCsv(const QJsonValue &v)
{
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 6);
    return v.toString();
}

} // namespace TextoAvaliacao
