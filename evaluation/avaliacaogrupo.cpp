#include "evaluation/avaliacaogrupo.h"

#include "data/jornada.h"
#include "data/layoutmedida.h"
#include "evaluation/avaliacaojornada.h"

#include <QDir>
#include <QFileInfo>

const AvaliacaoExposicao::FiguraNr *AvaliacaoGrupo::Membro::figura(Grandeza g) const
{
    if (!motivo.isEmpty())
        return nullptr;
    const AvaliacaoExposicao::FiguraNr *f = g == ArenMao ? (avaliacao.temMao ? &avaliacao.nrMao : nullptr)
                                          : g == ArenCorpo ? (avaliacao.temCorpo ? &avaliacao.nrCorpo : nullptr)
                                                           : (avaliacao.temCorpo ? &avaliacao.nrVdvr : nullptr);
    return f && f->calculada() ? f : nullptr;
}

QString AvaliacaoGrupo::chave(Grandeza g)
{
    const char *const chaves[grandezas] = {"aren_mao", "aren_corpo", "vdvr"};
    return QString::fromLatin1(chaves[g]);
}

QString AvaliacaoGrupo::nomeDaGrandeza(Grandeza g)
{
    switch (g) {
    case ArenMao:
        return tr("Mãos e braços: aren [m/s²]");
    case ArenCorpo:
        return tr("Corpo inteiro: aren [m/s²]");
    case Vdvr:
        break;
    }
    return tr("Corpo inteiro: VDVR [m/s^1.75]");
}

AvaliacaoGrupo AvaliacaoGrupo::avaliar(const Grupo &grupo, const QString &raizArmazem)
{
    AvaliacaoGrupo r;
    r.nome = grupo.nome;
    for (const Grupo::Membro &m : grupo.membros) {
        Membro membro;
        membro.nome = m.nome;
        membro.jornada = m.jornada;
        if (m.jornada) {
            Jornada j;
            QString erro;
            if (m.nome.contains(QLatin1Char('/')) || !Jornada::ler(Jornada::arquivo(raizArmazem, m.nome), &j, &erro))
                membro.motivo = erro.isEmpty() ? tr("a jornada %1 não existe").arg(m.nome) : erro;
            else
                membro.avaliacao = AvaliacaoJornada::avaliar(j, raizArmazem).avaliacao;
        } else {
            const QString pasta = QDir(raizArmazem).filePath(m.nome);
            if (m.nome.contains(QLatin1Char('/')) || LayoutMedida::ehPastaDoArmazem(m.nome)
                || QFileInfo(pasta).isSymLink() || !LayoutMedida::ehMedida(pasta))
                membro.motivo = tr("a medida %1 não está no armazém").arg(m.nome);
            else
                membro.avaliacao = AvaliacaoExposicao::avaliar(pasta);
        }
        r.membros << membro;
    }
    for (int g = 0; g < grandezas; ++g) {
        Resumo &s = r.resumo[g];
        const AvaliacaoExposicao::FiguraNr *maior = nullptr;
        double soma = 0;
        for (const Membro &m : qAsConst(r.membros)) {
            if (const AvaliacaoExposicao::FiguraNr *f = m.figura(Grandeza(g))) {
                ++s.quantos;
                soma += f->valor;
                if (!maior || f->valor > maior->valor)
                    maior = f;
            }
        }
        if (maior) {
            s.media = AvaliacaoExposicao::arredondado(soma / s.quantos);
            s.maximo = maior->valor;
            s.faixa = maior->faixa();
        }
    }
    // The most exposed member: the worst band; unknown only when no member
    // has one.
    for (const Membro &m : qAsConst(r.membros)) {
        if (!m.motivo.isEmpty())
            continue;
        const AvaliacaoExposicao::Faixa f = m.avaliacao.piorFaixa();
        if (f != AvaliacaoExposicao::Faixa::NaoCalculada
            && (r.veredito == AvaliacaoExposicao::Faixa::NaoCalculada || f > r.veredito)) {
            r.veredito = f;
            r.maisExposto = m.nome;
        }
    }
    return r;
}
