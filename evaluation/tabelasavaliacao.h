#pragma once

#include "evaluation/avaliacaoexposicao.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

// The assessment as tables of texts in the interface language, one per
// criterion, for the Avaliação tab and the report's last page alike.
class TabelasAvaliacao
{
    Q_DECLARE_TR_FUNCTIONS(TabelasAvaliacao)

public:
    // The ground a cell stands on; the windows pick the shades.
    enum class Cor { Nenhuma, Verde, Ambar, Laranja, Vermelho, Cinza };

    struct Linha {
        QStringList celulas;
        int colunaCor = -1; // the cell on the band's or the status's ground
        Cor cor = Cor::Nenhuma;
        QString nota;       // why the row, or its times, could not be computed
    };
    struct Tabela {
        QString titulo;
        QStringList cabecalhos;
        QVector<Linha> linhas;
        int colunaTexto = -1; // a column of sentences, read from the left
        QString fonte;        // where the criterion's constants come from
        // "row: why" for every row with a note.
        QStringList notas() const;
    };

    // Brazil: aren and VDVR in their NHO 09 / NHO 10 bands, with the
    // recommended action; first.
    static Tabela nr(const AvaliacaoExposicao &a);
    // European Union: A(8) and VDV against the action and limit values,
    // exposure points and the times after which each value is reached.
    static Tabela ue(const AvaliacaoExposicao &a);

    // Why the two criteria may give different figures, under the tables.
    static QString diferencaDosCriterios();

    static QString textoFaixa(AvaliacaoExposicao::Faixa f);
    // The ground a band stands on.
    static Cor corDaFaixa(AvaliacaoExposicao::Faixa f);
    static QString acaoRecomendada(AvaliacaoExposicao::Faixa f);
    static QString textoSituacao(AvaliacaoExposicao::Situacao s);
    // "hh:mm" of a time in seconds; "nunca" for one never reached, "—"
    // for one that is unknown.
    static QString textoTempo(double segundos);
};
