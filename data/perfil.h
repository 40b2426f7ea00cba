#pragma once

#include "data/desfecho.h"

#include <QString>

// The evaluator profile, "perfil.id" in the store's "Perfil" folder: one
// line, the company and the two technicians separated by ";".
struct Perfil {
    QString empresa;
    QString responsavel1;
    QString responsavel2;
    int pedacos = 0; // how many of the three the file held

    // False when there is no file or it does not open.
    static bool ler(const QString &caminho, Perfil *perfil);
    // Creates or replaces the file whole; an empty value is stored as one
    // blank. Failed, with "PATH: reason", when it was not written.
    Desfecho gravar(const QString &caminho) const;
};
