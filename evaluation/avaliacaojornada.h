#pragma once

#include "data/jornada.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/formulasexposicao.h"

#include <QCoreApplication>
#include <QVector>

// A jornada evaluated: each task used or left out with the reason, the
// day's hand-arm aren, whole-body aren and VDVR worked out by the
// measurement evaluation's own formulas from each task's stored arep, VDVi
// and sampled time scaled to the day's times, and their assessment under
// both criteria. Reads the store; changes nothing.
class AvaliacaoJornada
{
    Q_DECLARE_TR_FUNCTIONS(AvaliacaoJornada)

public:
    struct Tarefa {
        QString referencia; // MEDIDA/TAREFA/PARTE
        bool corpo = false;
        int repeticoes = 0;
        double tempoRepeticao = 0; // seconds
        double arep = 0;           // as stored, m/s²
        double vdvexp = 0;         // whole body: the largest axis's, extended to the day's time
        double tempoAmostrado = 0; // seconds
        QString pastaCorpo;
        bool usada = false;
        QString motivo;            // why it was left out
        // What the page shows of it: its measurement's worker and date,
        // its task's name.
        QString trabalhador;
        QString dataMedida;
        QString nomeTarefa;
    };

    QString nome;
    QVector<Tarefa> tarefas;
    FormulasExposicao::Exposicao mao;
    FormulasExposicao::Exposicao corpo;
    AvaliacaoExposicao avaliacao; // temMao / temCorpo: the day has tasks of that body part

    static AvaliacaoJornada avaliar(const Jornada &jornada, const QString &raizArmazem);
    // Whether a body part has a result: some task of it was used.
    bool maoCalculada() const;
    bool corpoCalculado() const;
};
