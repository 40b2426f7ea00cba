#pragma once

#include <QString>

// Where the program keeps its files. Beside the program when that folder
// can be written (a build, a portable copy, a store already kept there);
// otherwise, and always for the copy installed in the system's program
// folder, the store in the user's data folder and the language file in
// the user's configuration folder. The window, the command-line tool and
// its report helper all follow this one rule. Nothing is created here.
struct LocaisPrograma {
    QString dados;        // the folder holding "Z2registros"
    QString configuracao; // the folder holding "lingua.lg"

    static LocaisPrograma para(const QString &diretorioAplicacao);
};
