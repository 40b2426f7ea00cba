#pragma once

#include "data/desfecho.h"

#include <QDate>
#include <QString>
#include <QVector>

// The calibration register: one entry per device of a measurement chain
// (the instrument by its identity, each accelerometer by its serial, the
// calibrator), with its certificate. "calibracoes.id" in the Perfil folder,
// a line per device: `calibracao;TIPO;IDENTITY;CERTIFICATE;LABORATORY;DATE;VALID_UNTIL;`,
// TIPO one of "instrumento", "acelerometro", "calibrador", dates yyyy-MM-dd.
struct Calibracoes {
    enum class Tipo { Instrumento, Acelerometro, Calibrador };
    struct Entrada {
        Tipo tipo = Tipo::Instrumento;
        QString identidade;
        QString certificado;
        QString laboratorio;
        QDate data;
        QDate validade;
        bool validaEm(const QDate &dia) const { return validade.isValid() && dia <= validade; }
    };

    QVector<Entrada> entradas;

    static QString arquivo(const QString &pastaPerfil);
    // False, with "PATH: reason", when a file is there and cannot be read;
    // no file is an empty register.
    static bool ler(const QString &pastaPerfil, Calibracoes *c, QString *erro = nullptr);
    Desfecho gravar(const QString &pastaPerfil) const;

    // The entry of the device `identidade` of that kind; null when none.
    const Entrada *de(Tipo tipo, const QString &identidade) const;
    static QString chaveTipo(Tipo t);
};
