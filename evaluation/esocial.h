#pragma once

#include <QString>
#include <QVector>

// The exposure values the employer's eSocial event S-2240 (layout S-1.3,
// group agNoc) takes, one entry per quantity measured: hand-arm aren
// (table 24 code 02.01.002), whole-body aren (02.01.003) and VDVR
// (02.01.004), quantitative (tpAval 1), in m/s² (unMed 5) or m/s^1.75 (6),
// with the FUNDACENTRO procedure. Only the exposure part of the event: the
// worker's CPF, the employer and the protective equipment are the SST
// system's.
namespace ESocial {

struct Entrada {
    QString item;        // the measurement's folder, or the jornada's or group's name
    QString trabalhador;
    QString data;
    QString codAgNoc;
    int tpAval = 1;
    double intConc = 0;  // rounded to 4 decimals
    int unMed = 5;
    QString tecMedicao;
};

// The entries of a measurement folder, a jornada file or a group file (a
// group's: its highest value of each quantity). False, with the reason,
// when `item` is none of them or cannot be read.
bool entradas(const QString &item, QVector<Entrada> *lista, QString *erro);
// The value as intConc takes it: a decimal point, at most 4 decimals.
QString valor(double v);
// The fragment of agNoc elements, each after a comment naming its worker,
// date and item.
QString xml(const QVector<Entrada> &lista);

} // namespace ESocial
