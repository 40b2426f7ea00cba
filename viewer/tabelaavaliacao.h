#pragma once

#include "evaluation/avaliacaoexposicao.h"

#include <QCoreApplication>
#include <QStringList>

class QStandardItemModel;

// The viewer's "Avaliação" tab in rows: each figure with its value, its
// status on a green, amber or red ground, its exposure points (whole
// points) and the exposure times after which the action and the limit
// values are reached.
class TabelaAvaliacao
{
    Q_DECLARE_TR_FUNCTIONS(TabelaAvaliacao)

public:
    // Fills `modelo` (headers included) and returns the notes to show
    // below it: what could not be computed, and why.
    static QStringList preencher(QStandardItemModel *modelo, const AvaliacaoExposicao &a);

    static QString textoSituacao(AvaliacaoExposicao::Situacao s);
    // "hh:mm" of a time in seconds; "nunca" for one never reached, "—"
    // for one that is unknown.
    static QString textoTempo(double segundos);
};
