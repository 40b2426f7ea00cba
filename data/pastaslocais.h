#pragma once

#include "data/desfecho.h"

#include <QString>

// The local store: "Z2registros" with its "Arquivos PDF" and "Perfil"
// folders, in the folder LocaisPrograma gives. The paths keep the form the rest of the program
// concatenates onto (the root ends in "/", the profile folder's path holds
// a doubled separator).
struct PastasLocais {
    QString raiz;   // diretorioQT
    QString pdf;    // diretorioPDF
    QString perfil; // diretorioPerfil

    static PastasLocais de(const QString &diretorioDados);
    // Creates each missing folder, root (with the parents it lacks) first;
    // existing ones are left as they are. Failed with "PATH: reason" of
    // the first that could not be made.
    Desfecho criar() const;
};
