#pragma once

#include "device/download.h"
#include "device/transferencia.h"

#include <QString>
#include <QStringList>

// What the main window says of downloads, imports and exports.
namespace TextosInstrumento {

// Why a download failed, with the file and the reason; empty when it did
// not fail.
QString falha(const Download::Relatorio &r);
// The links a copy left out, after `texto`.
QString comLinks(const QString &texto, const QStringList &links);
// The local copies a download would replace, by name (the first ones of a
// long list), and what is lost with them.
QString avisoDeSubstituicao(const QStringList &locais);
// What an import and an export did, with the links they left out.
QString importacao(const Transferencia::RelatoImportacao &r);
QString exportacao(const Desfecho &resultado, const Copia::Relato &relato, const QString &alvo);

} // namespace TextosInstrumento
