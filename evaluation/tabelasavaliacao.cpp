#include "evaluation/tabelasavaliacao.h"

#include "evaluation/avaliacaogrupo.h"

#include <cmath>

namespace {

using Faixa = AvaliacaoExposicao::Faixa;
using Figura = AvaliacaoExposicao::Figura;
using FiguraNr = AvaliacaoExposicao::FiguraNr;
using Situacao = AvaliacaoExposicao::Situacao;
using Cor = TabelasAvaliacao::Cor;

const char *const nomeEixo[3] = {"x", "y", "z"};
const QString semValor = QStringLiteral("—");

QString numero(double v)
{
    return QString::number(v, 'g', 6);
}


Cor corDaSituacao(Situacao s)
{
    switch (s) {
    case Situacao::AbaixoDaAcao:
        return Cor::Verde;
    case Situacao::AcimaDaAcao:
        return Cor::Ambar;
    case Situacao::AcimaDoLimite:
        return Cor::Vermelho;
    case Situacao::NaoCalculada:
        break;
    }
    return Cor::Cinza;
}

} // namespace

QStringList TabelasAvaliacao::Tabela::notas() const
{
    QStringList n;
    for (const Linha &l : linhas) {
        if (!l.nota.isEmpty())
            n << l.celulas.value(0) + QStringLiteral(": ") + l.nota;
    }
    return n;
}

TabelasAvaliacao::Cor TabelasAvaliacao::corDaFaixa(AvaliacaoExposicao::Faixa f)
{
    switch (f) {
    case Faixa::Aceitavel:
        return Cor::Verde;
    case Faixa::AcimaNivelAcao:
        return Cor::Ambar;
    case Faixa::RegiaoIncerteza:
        return Cor::Laranja;
    case Faixa::AcimaLimite:
        return Cor::Vermelho;
    case Faixa::NaoCalculada:
        break;
    }
    return Cor::Cinza;
}

TabelasAvaliacao::Tabela TabelasAvaliacao::nr(const AvaliacaoExposicao &a)
{
    Tabela t;
    t.titulo = tr("Brasil: NR-09 e NR-15, com a NHO 09 e a NHO 10 da FUNDACENTRO");
    t.cabecalhos = QStringList{tr("Grandeza"), tr("Valor"), tr("Faixas"), tr("Situação"), tr("Ação recomendada")};
    t.colunaTexto = 4;
    t.fonte = tr("Níveis de ação: NR-09, Anexo I, aprovado pela Portaria MTP nº 426/2021 (mãos e braços aren 2.5 m/s²; corpo inteiro aren 0.5 m/s² "
                 "e VDVR 9.1 m/s^1.75). Limites de exposição: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² e "
                 "21.0 m/s^1.75). Região de incerteza e ações recomendadas: tabelas de decisão da NHO 10 "
                 "(mãos e braços, 3.5 a 5.0 m/s²) e da NHO 09 (corpo inteiro, 0.9 a 1.1 m/s² e 16.4 a "
                 "21.0 m/s^1.75). Valores como armazenados na medida.");
    const auto linha = [&](const QString &nome, const FiguraNr &f) {
        const Faixa faixa = f.faixa();
        Linha l;
        l.celulas = QStringList{nome, f.calculada() ? numero(f.valor) : semValor,
                                numero(f.limites[0]) + QStringLiteral(" / ") + numero(f.limites[1])
                                    + QStringLiteral(" / ") + QString::number(f.limites[2], 'f', 1),
                                textoFaixa(faixa), acaoRecomendada(faixa)};
        l.colunaCor = 3;
        l.cor = corDaFaixa(faixa);
        if (!f.calculada())
            l.nota = AvaliacaoExposicao::motivo(f.problema);
        t.linhas << l;
    };
    if (a.temMao)
        linha(AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::ArenMao), a.nrMao);
    if (a.temCorpo) {
        linha(AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::ArenCorpo), a.nrCorpo);
        linha(AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::Vdvr), a.nrVdvr);
        const Faixa faixa = a.faixaCorpoInteiro();
        Linha l;
        l.celulas = QStringList{tr("Corpo inteiro: a pior das duas"), QString(), QString(), textoFaixa(faixa),
                                acaoRecomendada(faixa)};
        l.colunaCor = 3;
        l.cor = corDaFaixa(faixa);
        t.linhas << l;
    }
    return t;
}

TabelasAvaliacao::Tabela TabelasAvaliacao::ue(const AvaliacaoExposicao &a)
{
    Tabela t;
    t.titulo = tr("União Europeia: Diretiva 2002/44/CE");
    t.cabecalhos = QStringList{tr("Grandeza"), tr("Valor"), tr("Ação / Limite"), tr("Situação"),
                               tr("Pontos"), tr("Ação após"), tr("Limite após")};
    t.fonte = tr("Valores de ação e limite da exposição diária: Diretiva 2002/44/CE, artigo 3 (mãos e braços "
                 "A(8) 2.5 e 5 m/s²; corpo inteiro A(8) 0.5 e 1.15 m/s², VDV 9.1 e 21 m/s^1.75). A(8) a "
                 "partir dos tempos de exposição e da referência de 8 h, cada tarefa pela média de energia "
                 "das componentes ponderada pela duração (ISO 5349-1; ISO 2631-1, com os fatores 1.4, 1.4 "
                 "e 1 dos eixos x, y e z). VDV estendido ao tempo de exposição pela quarta potência (ISO "
                 "2631-1). Pontos: 100 no valor de ação, crescendo com o quadrado de A(8). Tempos: "
                 "exposição, no ritmo médio do dia, após a qual cada valor é atingido (hh:mm).");
    const auto linhaFigura = [&](const QString &nome, const Figura &f) {
        const Situacao s = f.situacao();
        const bool calculada = f.calculada();
        Linha l;
        l.celulas = QStringList{nome,
                                calculada ? numero(f.valor) : semValor,
                                numero(f.acao) + QStringLiteral(" / ") + numero(f.limite),
                                textoSituacao(s),
                                !f.temPontos() ? QString()
                                    : calculada ? QString::number(qRound64(f.pontos()))
                                                : semValor,
                                textoTempo(f.tempoAteAcao()),
                                textoTempo(f.tempoAteLimite())};
        l.colunaCor = 3;
        l.cor = corDaSituacao(s);
        if (!calculada)
            l.nota = AvaliacaoExposicao::motivo(f.problema);
        else if (!f.temposCalculados())
            l.nota = tr("tempos não calculados: %1").arg(AvaliacaoExposicao::motivo(f.problemaTempo));
        t.linhas << l;
    };
    if (a.temMao)
        linhaFigura(tr("Mãos e braços: A(8) [m/s²]"), a.mao);
    if (a.temCorpo) {
        const QString nomes[3] = {tr("Corpo inteiro: 1.4·A(8)x [m/s²]"), tr("Corpo inteiro: 1.4·A(8)y [m/s²]"),
                                  tr("Corpo inteiro: A(8)z [m/s²]")};
        for (int e = 0; e < 3; ++e) {
            Linha l;
            l.celulas = QStringList{nomes[e], a.corpo.calculada() ? numero(a.a8Eixo[e]) : semValor, QString(),
                                    QString(), QString(), QString(), QString()};
            t.linhas << l;
        }
        const QString eixo = a.corpo.calculada() ? QLatin1String(nomeEixo[a.corpo.eixo]) : semValor;
        linhaFigura(tr("Corpo inteiro: A(8), eixo dominante %1 [m/s²]").arg(eixo), a.corpo);
        const QString eixoVdv = a.vdv.calculada() ? QLatin1String(nomeEixo[a.vdv.eixo]) : semValor;
        linhaFigura(tr("Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]").arg(eixoVdv), a.vdv);
    }
    return t;
}

QString TabelasAvaliacao::diferencaDosCriterios()
{
    return tr("Os dois critérios podem dar valores diferentes: os brasileiros são a resultante dos três eixos, "
              "como o instrumento a armazena; os europeus, o eixo dominante, com a média de energia dos "
              "componentes ponderada pela duração.");
}

QString TabelasAvaliacao::textoFaixa(Faixa f)
{
    switch (f) {
    case Faixa::Aceitavel:
        return tr("Aceitável");
    case Faixa::AcimaNivelAcao:
        return tr("Acima do nível de ação");
    case Faixa::RegiaoIncerteza:
        return tr("Região de incerteza");
    case Faixa::AcimaLimite:
        return tr("Acima do limite de exposição");
    case Faixa::NaoCalculada:
        break;
    }
    return tr("Não calculado");
}

QString TabelasAvaliacao::acaoRecomendada(Faixa f)
{
    switch (f) {
    case Faixa::Aceitavel:
        return tr("No mínimo manutenção da condição existente");
    case Faixa::AcimaNivelAcao:
        return tr("No mínimo adoção de medidas preventivas");
    case Faixa::RegiaoIncerteza:
        return tr("Adoção de medidas preventivas e corretivas visando à redução da exposição diária");
    case Faixa::AcimaLimite:
        return tr("Adoção imediata de medidas corretivas");
    case Faixa::NaoCalculada:
        break;
    }
    return semValor;
}

QString TabelasAvaliacao::textoSituacao(Situacao s)
{
    switch (s) {
    case Situacao::AbaixoDaAcao:
        return tr("Abaixo do nível de ação");
    case Situacao::AcimaDaAcao:
        return tr("Nível de ação atingido");
    case Situacao::AcimaDoLimite:
        return tr("Limite de exposição atingido");
    case Situacao::NaoCalculada:
        break;
    }
    return tr("Não calculado");
}

QString TabelasAvaliacao::textoTempo(double segundos)
{
    if (std::isnan(segundos))
        return semValor;
    if (std::isinf(segundos))
        return tr("nunca");
    const qint64 minutos = qRound64(segundos / 60);
    return QStringLiteral("%1:%2")
        .arg(minutos / 60, 2, 10, QLatin1Char('0'))
        .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}
