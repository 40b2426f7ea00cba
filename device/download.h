#pragma once

#include "evaluation/calculoexposicao.h"

#include <QString>
#include <QStringList>

// What a download or an import stamps into the exposure file.
struct Avaliador {
    QString empresa;      // `empresa_avaliadora`
    QString responsavel;  // `responsavel_tecnico`
};

// Downloading one measurement folder of the instrument into the local
// store: the instrument folder and its exposure file get the "e_" name,
// the folder is copied in whole, evaluated, and stamped.
namespace Download {

enum class Resultado {
    Baixado,
    SemExposicao,      // the folder holds no exposure file of its name
    FalhaCabecalho,    // the exposure file on the instrument could not be rewritten
    FalhaRenomear,     // the instrument folder or its file could not be renamed
    FalhaCopia,        // the copy did not complete; the store is as it was
    LocalEhLink,       // refused: the store entry of its name is a link
    FalhaGravacao,     // copied, but the results could not all be written
};

struct Relatorio {
    Resultado resultado = Resultado::FalhaCopia;
    QString pastaInstrumento; // the instrument folder after renaming
    QString pastaLocal;       // the local copy
    QString detalhe;          // "PATH: reason" of the write that failed
    QStringList links;        // links of the instrument folder, left out of the copy
    QStringList ignorados;    // components the evaluation left out (no .dat or .res)
};

// The name a folder gets: one that an earlier download already gave
// ("e_" and 12 digits) is kept, so that its local copy stays paired;
// otherwise "e_" and the folder's modification time.
QString novoNome(const QString &pastaInstrumento);

// The local copy a download of this instrument folder would replace (or,
// when `sincronizado` is false, delete first): the store entry of its new
// name, empty when there is none.
QString copiaLocal(const QString &pastaInstrumento, const QString &diretorioQT);

// `sincronizado`: the instrument folder has an identical local copy (then
// the copy is refreshed from it); otherwise an older local copy of the
// same name is replaced as a whole. `substituir`: instrument files replace
// the ones already in the local copy.
Relatorio baixar(const QString &pastaInstrumento, const QString &diretorioQT,
                 bool sincronizado, bool substituir, const Avaliador &avaliador,
                 const QString &idEquipamento);

// Evaluates a measurement folder of the store (both body parts) and
// stamps the evaluator; with `idEquipamento` not null, the instrument
// identity too. What could not be written is in `falhas`.
CalculoExposicao::Resultado avaliarECarimbar(const QString &pastaLocal, const Avaliador &avaliador,
                                             const QString &idEquipamento = QString());

} // namespace Download
