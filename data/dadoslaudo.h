#pragma once

#include "data/desfecho.h"

#include <QCoreApplication>
#include <QString>

// What the laudo of a measurement needs beside the measurement's own
// files: what the evaluator types in "Dados do laudo", and the serials of
// the accelerometers the instrument's configuration named when the
// measurement was downloaded. "laudo.id" in the measurement's folder; the
// evaluation, the listing and the viewer never read it.
struct DadosLaudo {
    Q_DECLARE_TR_FUNCTIONS(DadosLaudo)

public:
    // A field check of an accelerometer against the calibrator, m/s².
    struct Verificacao {
        QString referencia;
        QString antes;
        QString depois;
        bool preenchida() const;
        // (after - before) / reference, in %; NaN when not all are numbers.
        double diferenca() const;
    };

    QString numero;
    QString objetivo;
    QString funcao;
    QString ges;
    QString atividades; // the activities and the conditions of the evaluation
    QString protecao;   // collective and personal protection in use
    QString conclusao;
    QString local;
    QString data; // of issue, dd/MM/yyyy
    QString sensorMao;
    QString sensorCorpo;
    QString calibrador; // the calibrator used, by its identity
    Verificacao verificacaoMao;
    Verificacao verificacaoCorpo;

    static QString arquivo(const QString &pastaMedida);
    // A jornada's or a group's: "NOME.laudo" beside its file.
    static QString arquivoAoLado(const QString &arquivo);
    // What the file holds; the defaults where there is no file. False, with
    // "PATH: reason", when a file is there and cannot be read.
    static bool ler(const QString &pastaMedida, DadosLaudo *dados, QString *erro = nullptr);
    static bool lerArquivo(const QString &arquivo, DadosLaudo *dados, QString *erro = nullptr);
    // Creates or replaces the file whole.
    Desfecho gravar(const QString &pastaMedida) const;
    Desfecho gravarArquivo(const QString &arquivo) const;
    // Records the sensors' serials, keeping everything else of the file.
    static Desfecho gravarSensores(const QString &pastaMedida, const QString &mao, const QString &corpo);

    static QString objetivoPadrao();
};
