#pragma once

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
// every other field as the file holds it. False, with "PATH: reason" in
// `erro`, when it was not written.
bool salvarIdentificacao(const QString &arquivoExposicao, const Identificacao &dados,
                         QString *erro = nullptr);

// Writes only the observations into the exposure file.
bool salvarObservacoes(const QString &arquivoExposicao, const QString &observacoes,
                       QString *erro = nullptr);

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
// (refused, with problemaParcial() in `erro`, when they are not valid),
// then evaluates the whole exposure again (both body parts, over
// `pastasParciais`). False, with "PATH: reason" of each file not written
// in `erro`, when a file was not written.
bool salvarParcial(const QString &pastaCorpo, const Parcial &dados,
                   const QString &arquivoExposicao, const QStringList &pastasParciais,
                   QString *erro = nullptr);

enum class Resultado {
    Feito,
    Recusado, // the path is not a deletable part of the store
    Falhou,   // something could not be removed
};

// Removes a measurement folder of the store. Refused for anything but a
// folder directly in the store: never the store itself, "Perfil" or
// "Arquivos PDF", nor anything reached through a link.
Resultado apagarExposicao(const QString &diretorioQT, const QString &pasta);
// Removes one body folder (M/P/corpo or M/P/mao) of a measurement of the
// store and evaluates the measurement again.
Resultado apagarParcial(const QString &diretorioQT, const QString &pastaCorpo,
                        const QString &arquivoExposicao, const QStringList &pastasParciais);
// Removes a component's three files (base + ".head", ".dat", ".res") from
// a body folder of the store, lowers its task's sampled time by the
// component's duration (never below 00:00:00), and evaluates the
// measurement again.
Resultado apagarComponente(const QString &diretorioQT, const QString &base,
                           const QString &arquivoExposicao, const QStringList &pastasParciais);

// Both evaluation runs over the viewer's list of body folders; false,
// with "PATH: reason" of each file not written in `erro`, when one was not.
bool reavaliar(const QString &arquivoExposicao, const QStringList &pastasParciais,
               QString *erro = nullptr);

} // namespace Edicao
