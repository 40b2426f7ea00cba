#pragma once

#include "data/calibracoes.h"
#include "data/dadoslaudo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/avaliacaogrupo.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QVector>

// Everything the laudo of a measurement says, gathered from the store: the
// measurement's files and assessment, the laudo's data, the technicians'
// registrations and the calibration register; and what is missing or
// doubtful, for the evaluator to see before anything is written. Its size
// does not depend on how many samples were recorded.
class Laudo
{
    Q_DECLARE_TR_FUNCTIONS(Laudo)

public:
    struct Tarefa {
        QString nome;
        bool corpo = false;
        QString repeticoes;
        QString tempoRepeticao; // hh:mm:ss
        QString tempoTotal;
        QString tempoAmostrado;
        QString arep;   // m/s², as stored
        QString vdvexp; // m/s^1.75, the largest axis, whole body only
    };
    // How a body part was measured, as its first component's file says.
    struct Metodo {
        bool corpo = false;
        QString ponderacao[3]; // weighting filter of x, y, z
        QString fator[3];      // multiplying factor of x, y, z
        QString periodo;       // sampling period
    };
    struct Dispositivo {
        QString papel;      // "Instrumento", "Acelerômetro (mãos e braços)", …
        QString identidade; // empty: not known
        Calibracoes::Tipo tipo = Calibracoes::Tipo::Instrumento;
        bool temCertificado = false;
        Calibracoes::Entrada certificado;
        bool acelerometro = false;
        DadosLaudo::Verificacao verificacao; // of an accelerometer
    };

    // The measurement folder `pastaMedida` and the store's Perfil folder,
    // with the laudo's data the measurement holds, or with `dados` (as the
    // evaluator is typing them).
    static Laudo montar(const QString &pastaMedida, const QString &pastaPerfil);
    static Laudo montar(const QString &pastaMedida, const QString &pastaPerfil, const DadosLaudo &dados);
    // The laudo of a jornada: its tasks from several measurements with the
    // day's times, its results and assessment; the companies and technician
    // of its first measurement, the instruments of all.
    static Laudo montarJornada(const Jornada &jornada, const QString &raizArmazem, const QString &pastaPerfil,
                               const DadosLaudo &dados);
    // The laudo of a similar-exposure group: its members with their values
    // and bands, its summary, and the assessment of its most exposed member,
    // whose verdict is the group's.
    static Laudo montarGrupo(const Grupo &grupo, const QString &raizArmazem, const QString &pastaPerfil,
                             const DadosLaudo &dados);
    // The laudo with other data (typed by the evaluator): its chain and
    // warnings follow them.
    void aplicar(const DadosLaudo &novos);
    // The calibrators of the register, and the one the laudo names.
    QStringList calibradores() const;
    QString calibradorUsado() const;
    // The store's Perfil folder for a measurement folder of it.
    static QString pastaPerfilDe(const QString &pastaMedida);
    // The conclusion that goes with the assessment's worst band, until the
    // evaluator writes another.
    static QString conclusaoPadrao(const AvaliacaoExposicao &a);
    // The evaluator's conclusion, or the default one.
    QString conclusao() const;

    QString pastaMedida;
    QString pastaPerfil;
    QString empresaAvaliadora;
    QString cnpj;
    QString cidade;
    QString logotipo; // path, empty for none
    QString responsavel;
    QString titulo;
    QString registro;
    QString empresaAvaliada;
    QString funcionario;
    QString setor;
    QString jornada;
    QString instrumento;      // as shown
    QStringList instrumentos; // each instrument of a laudo made of several measurements
    QString nomeMedida;
    QDate dataMedicao;
    QString dataMedicaoTexto; // as the measurement gives it
    DadosLaudo dados;
    QVector<Tarefa> tarefas;
    QVector<Metodo> metodos;
    QVector<Dispositivo> cadeia;
    AvaliacaoExposicao avaliacao;
    bool ehGrupo = false;
    AvaliacaoGrupo grupo; // a group's laudo
    QStringList avisos;

private:
    void verificar();
    void acrescentarMetodo(const QString &pastaCorpo, bool corpo);
    // The measurements' identification and instruments, `medidas` being
    // folder names of the store.
    void identificarMedidas(const QString &raizArmazem, const QStringList &medidas);
    // The profile's and the register's part, then `dados`.
    void completar(const QString &pastaPerfil, const DadosLaudo &dados);

    Calibracoes calibracoes;
    bool usaCorpo = false; // a task of that body part is in the measurement
    bool usaMao = false;
    QStringList avisosDeLeitura; // files that could not be read
};
