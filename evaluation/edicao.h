#pragma once

#include "data/desfecho.h"

#include <QString>
#include <QStringList>

// Changes the viewer makes to measurements of the local store. Each
// returns what happened; none touches anything outside the store.
namespace Edicao {

// "hh:mm:ss" of a duration; hours run past 24 ("26:00:00"), which the
// evaluation reads back as 26 hours.
QString textoDuracao(qint64 segundos);

// The total exposure time of a task: its mean duration ("hh:mm:ss", a
// missing or unreadable piece counts as 0) times the repetitions.
QString tempoTotal(const QString &tempoExp, const QString &repeticoes);

struct Identificacao {
    QString empresaAvaliadora;
    QString responsavelTecnico;
    QString empresaAvaliada;
    QString funcionarioAvaliado;
    QString setor;
    QString observacoes;
};

// Writes the identification and observations into the exposure file,
// every other field as the file holds it.
Desfecho salvarIdentificacao(const QString &arquivoExposicao, const Identificacao &dados);

// Writes only the observations into the exposure file.
Desfecho salvarObservacoes(const QString &arquivoExposicao, const QString &observacoes);

struct Parcial {
    QString nome;
    QString repeticoes;
    QString tempoExp;
};

// What keeps typed partial-exposure values from being saved, one line per
// field, naming it and what it accepts; empty when they can be saved.
// Repetitions are a whole number from 0, the mean time "hh:mm:ss" of
// digits (minutes and seconds past 59 carry over, as the evaluation reads
// them); the name cannot hold the ";" that ends a value in the file.
QString problemaParcial(const Parcial &dados);

// Writes a partial exposure's name, repetitions, mean and total time
// (failed, with problemaParcial() as the reason, when they are not valid),
// then evaluates the whole exposure again (both body parts, over
// `pastasParciais`); failed, with "PATH: reason" of each file not written,
// when a file was not written.
Desfecho salvarParcial(const QString &pastaCorpo, const Parcial &dados, const QString &arquivoExposicao,
                       const QStringList &pastasParciais);

using Resultado = Desfecho::Estado;

// The deletions are refused for a path that is not a deletable part of the
// store, and remove it whole or not at all: it is first moved aside into a
// hidden folder of the store, which is then removed. A failure names the
// file and the system's reason.

// Removes a measurement folder of the store. Refused for anything but a
// folder directly in the store: never the store itself, "Perfil" or
// "Arquivos PDF", nor anything reached through a link.
Desfecho apagarExposicao(const QString &diretorioQT, const QString &pasta);
// Removes one body folder (M/P/corpo or M/P/mao) of a measurement of the
// store and evaluates the measurement again.
Desfecho apagarParcial(const QString &diretorioQT, const QString &pastaCorpo, const QString &arquivoExposicao,
                       const QStringList &pastasParciais);
// Removes a component's three files (base + ".head", ".dat", ".res") from
// a body folder of the store, lowers its task's sampled time by the
// component's duration (never below 00:00:00), and evaluates the
// measurement again.
Desfecho apagarComponente(const QString &diretorioQT, const QString &base, const QString &arquivoExposicao,
                          const QStringList &pastasParciais);

// Both evaluation runs over the viewer's list of body folders; failed,
// with "PATH: reason" of each file not read or written, when one was not.
Desfecho reavaliar(const QString &arquivoExposicao, const QStringList &pastasParciais);

} // namespace Edicao
