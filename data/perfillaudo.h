#pragma once

#include "data/desfecho.h"

#include <QString>

// What a laudo needs of the evaluating company and its technicians beside
// "perfil.id": each technician's professional title and registration, the
// company's CNPJ and city, and a logo. "perfil_laudo.id" in the Perfil
// folder; the logo is the image file "logotipo" there (any format Qt
// reads), named in the file.
struct PerfilLaudo {
    QString titulo1;
    QString registro1;
    QString titulo2;
    QString registro2;
    QString cnpj;
    QString cidade;
    QString logotipo; // the image's file name in the Perfil folder; empty for none

    static QString arquivo(const QString &pastaPerfil);
    // False, with "PATH: reason", when a file is there and cannot be read.
    static bool ler(const QString &pastaPerfil, PerfilLaudo *p, QString *erro = nullptr);
    Desfecho gravar(const QString &pastaPerfil) const;
    // The logo's path; empty when there is none.
    QString caminhoLogotipo(const QString &pastaPerfil) const;
};
