#pragma once

#include "device/copia.h"
#include "evaluation/calculoexposicao.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

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
    FalhaGravacao,     // the results could not be read or written; the store is as it was
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
// ("e_" and 12 digits) is kept, so that its local copy stays paired; one
// that a download stopped midway had begun to give (the folder holds
// an "e_" file with 12 digits and ".id" beside its own exposure file) is given again; otherwise "e_"
// and the folder's modification time.
QString novoNome(const QString &pastaInstrumento);

// The local copy a download of this instrument folder would replace (or,
// when `sincronizado` is false, delete first): the store entry of its new
// name, empty when there is none.
QString copiaLocal(const QString &pastaInstrumento, const QString &diretorioQT);

// The local copy is made, evaluated and stamped in a hidden folder, and
// only then takes the place of an older copy of its name, which it
// replaces whole: the store never holds a measurement half copied or not
// evaluated. On the instrument every step leaves a measurement that the
// next download completes.
Relatorio baixar(const QString &pastaInstrumento, const QString &diretorioQT,
                 const Avaliador &avaliador, const QString &idEquipamento);

// What "Baixar Tudo" would do with the instrument folders given: the
// measurements without a local copy, and the local copies of the others.
struct Plano {
    QStringList novas;
    QStringList todas;      // every measurement among the folders
    QStringList existentes; // the local copies a download of all would replace
};
Plano planejar(const QStringList &pastasInstrumento, const QString &diretorioQT);

// Downloads each folder in turn. `seguir(feitas, total, proxima)` is told
// before each one (`proxima` its name) and once after the last (`proxima`
// empty); false stops after the measurement at hand, which ends whole.
// What each download did, in order.
QVector<Relatorio> baixarTodas(const QStringList &pastas, const QString &diretorioQT, const Avaliador &avaliador,
                               const QString &idEquipamento,
                               const std::function<bool(int feitas, int total, const QString &proxima)> &seguir);

// Evaluates a measurement folder (both body parts) and stamps the
// evaluator; with `idEquipamento` not null, the instrument identity too.
// Everything is written at once, or nothing: what could not be read or
// written is in `falhas`.
CalculoExposicao::Resultado avaliarECarimbar(const QString &pastaLocal, const Avaliador &avaliador,
                                             const QString &idEquipamento = QString());
// The same as the preparation of a copy before it is published; what it
// did goes into `avaliacao`.
Copia::Preparo avaliarECarimbarCopia(const Avaliador &avaliador, const QString &idEquipamento,
                                     CalculoExposicao::Resultado *avaliacao);

} // namespace Download
