#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Pairing the instrument's measurement folders with the local store.
namespace Sincronizacao {

struct Comparacao {
    QStringList dadosIguais;        // instrument folders with an identical local copy
    QStringList dadosTabelaMedidas; // every instrument sub-folder, by name
};

// An instrument folder I is synchronised with a local folder L of the
// same name when both hold as many "*.head" files, their exposure files
// carry the same `data_criacao`, and L's `id_equipamento` is the connected
// instrument's identity.
Comparacao compararDiretorios(const QString &caminhoDados, const QString &diretorioQT,
                              const QString &idEquipamento);

// One row of the main window's measurement table.
struct LinhaMedida {
    QString pasta; // the instrument folder
    QString nome;  // `nome_exposicao` up to its first "-"
    QString data;  // `data_criacao` and the folder's time " HH:mm:ss"
    bool sincronizado = false;
};

// The instrument's measurements (folders holding their exposure file),
// newest first by the time they were recorded (LayoutMedida::momentoDaPasta).
QVector<LinhaMedida> linhas(const QString &caminhoDados, const QStringList &dadosIguais);

} // namespace Sincronizacao
