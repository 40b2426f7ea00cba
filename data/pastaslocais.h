#pragma once

#include <QString>

// The local store beside the program: "Z2registros" with its "Arquivos PDF"
// and "Perfil" folders. The paths keep the form the rest of the program
// concatenates onto (the root ends in "/", the profile folder's path holds
// a doubled separator).
struct PastasLocais {
    QString raiz;   // diretorioQT
    QString pdf;    // diretorioPDF
    QString perfil; // diretorioPerfil

    static PastasLocais de(const QString &diretorioAplicacao);
    // Creates each missing folder, root first; existing ones are left as
    // they are. True when all three exist afterwards.
    bool criar() const;
};
