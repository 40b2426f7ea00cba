#pragma once

#include "device/copia.h"
#include "device/download.h"

#include <QString>

// Import and export of measurement folders, and the erase of the
// instrument's loose recording files.
namespace Transferencia {

enum class Importacao {
    Importada,
    NaoEhMedida,   // the folder holds no exposure file of its own name
    FalhaCopia,    // nothing of it stayed in the store
    DestinoEhLink, // refused: the store entry of its name is a link
    FalhaGravacao, // the results could not be read or written; the store is as it was
};

struct RelatoImportacao {
    Importacao resultado = Importacao::FalhaCopia;
    QString destino;                        // the store folder
    Copia::Relato copia;                    // links left out; what could not be copied
    CalculoExposicao::Resultado avaliacao;  // files not written; components left out
};

// The folder a copy of `origem` into `pasta` makes, import or export:
// the measurement keeps its folder name.
QString destinoCopia(const QString &origem, const QString &pasta);

// Copies a measurement folder into the store under its own name,
// evaluates it and stamps the evaluator, and only then puts it in the
// store, in place of an older copy of its name, which it replaces whole.
// Never leaves a half copy, nor one not evaluated, in the store.
RelatoImportacao importar(const QString &origem, const QString &diretorioQT, const Avaliador &avaliador);

// Copies a folder into `destino`/its name, replacing a folder there whole,
// or not at all. Fails when `destino` lies inside the folder, and is
// refused when `destino`/its name is a link.
Desfecho exportar(const QString &origem, const QString &destino, Copia::Relato *relato = nullptr);

struct Apagamento {
    int apagados = 0;
    int falhas = 0;
};

// Deletes the files "*.head", "*.dat" and "*.res" lying directly in the
// instrument's data folder. Links are neither followed nor deleted, and a
// data folder that is itself a link is refused (every file then counts as
// not deleted).
Apagamento apagarArquivosSoltos(const QString &caminhoDados);

} // namespace Transferencia
