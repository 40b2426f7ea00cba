#pragma once

#include <QString>

// Writes a volume as the instrument would: ROOT/DATA with the configuration
// file and measurement folders of synthetic but plausible recordings. The
// demo, the tests and the benchmarks run on it.
struct OpcoesSimulacao {
    int medidas = 4;
    int componentes = 2; // per body folder
    int amostras = 300;  // sample-table rows per component
    bool configuracaoCurta = false; // "KT9400.cfg" instead of "Crv_vib.cfg"
    quint32 semente = 1;
};

// False, with a message in `erro`, when a folder or file cannot be made.
bool simularInstrumento(const QString &raiz, const OpcoesSimulacao &opcoes, QString *erro);
