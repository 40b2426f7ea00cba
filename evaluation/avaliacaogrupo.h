#pragma once

#include "data/grupo.h"
#include "evaluation/avaliacaoexposicao.h"

#include <QCoreApplication>
#include <QVector>

// A similar-exposure group evaluated: each member's (a jornada's or a
// measurement's) aren and VDVR with their bands, and per quantity the
// number of members that have it, the mean and the highest value. The
// group's verdict is that of its most exposed member.
class AvaliacaoGrupo
{
    Q_DECLARE_TR_FUNCTIONS(AvaliacaoGrupo)

public:
    enum Grandeza { ArenMao, ArenCorpo, Vdvr };
    static constexpr int grandezas = 3;

    struct Membro {
        QString nome;
        bool jornada = false;
        QString motivo; // why it could not be evaluated; empty when it was
        AvaliacaoExposicao avaliacao;
        // The member's figure of a quantity; null when it has none.
        const AvaliacaoExposicao::FiguraNr *figura(Grandeza g) const;
    };
    struct Resumo {
        int quantos = 0;
        double media = 0;
        double maximo = 0;
        AvaliacaoExposicao::Faixa faixa = AvaliacaoExposicao::Faixa::NaoCalculada;
    };

    QString nome;
    QVector<Membro> membros;
    Resumo resumo[grandezas];
    AvaliacaoExposicao::Faixa veredito = AvaliacaoExposicao::Faixa::NaoCalculada;
    QString maisExposto; // the member whose band is the verdict

    static AvaliacaoGrupo avaliar(const Grupo &grupo, const QString &raizArmazem);
    static QString chave(Grandeza g); // "aren_mao", "aren_corpo", "vdvr"
    // The quantity as the tables name it, in the interface language.
    static QString nomeDaGrandeza(Grandeza g);
};
