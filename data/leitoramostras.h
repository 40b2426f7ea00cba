#pragma once

#include "data/arquivoregistro.h"

#include <QCoreApplication>
#include <QString>

// The sample table of a component's data file, row after row, in a fixed
// amount of memory: a 10-day recording at 10 samples per second has 8.64
// million rows, and a report or a spreadsheet needs each only once.
class LeitorAmostras
{
    Q_DECLARE_TR_FUNCTIONS(LeitorAmostras)

public:
    // Opens the file and passes over its values, up to the "Tempo" line.
    explicit LeitorAmostras(const QString &caminho);

    // The table's next line as it stands, valid until the next call; false
    // at its end or when reading failed.
    bool linha(const char **inicio, int *tamanho);
    // The next complete sample, its eight cells then at `celula`: a shorter
    // line (a recording cut off midway) is passed over, as the whole-file
    // reading does.
    bool proxima();
    // Column 0 the time, then amx, amy, amz, amr, vdvx, vdvy, vdvz.
    QString celula(int coluna) const;

    // "PATH: reason" when the file is there but could not be read whole.
    QString erro() const { return leitor.erro(); }

    // The complete samples of a data file; -1 with `erro` set when it could
    // not be read whole.
    static int contar(const QString &caminho, QString *erro = nullptr);
    // "PATH: ..." of a file whose rows ran out before those counted in it.
    static QString mudou(const QString &caminho);

private:
    ArquivoRegistro::LeitorArquivo leitor;
    bool naTabela = false;
    const char *inicio[8] = {};
    int tamanho[8] = {};
};
