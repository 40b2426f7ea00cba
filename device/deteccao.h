#pragma once

#include "device/volumes.h"

#include <QString>

// The walk over the mounted volumes that finds the instrument. The look
// of the main window follows the last volume the walk handled.
struct EstadoConexao {
    enum class Aparencia { Inalterada, Conectada, Desconectada };

    QString caminhoPenDrive;          // root of the instrument, " " after another volume
    bool atualizacaoPendente = true;  // data path, identity and table are due a refresh
    Aparencia aparencia = Aparencia::Inalterada;
    bool conectado = false;
    int instrumentos = 0;             // writable volumes labelled "KT9400" seen
};

namespace Deteccao {

// The first valid, ready, writable volume labelled exactly "KT9400" is the
// instrument; the walk stops there. A read-only instrument is passed over.
EstadoConexao verificar(const QList<Volume> &volumes, const EstadoConexao &anterior);

// The configuration file that gives the identity: "Crv_vib.cfg" when it
// is a file, else "KT9400.cfg", else none (empty).
QString arquivoConfiguracao(const QString &caminhoDados);
// The last piece of the first "id_equipamento" or "id_equip" line of that
// file; empty when there is none.
QString lerIdentidade(const QString &caminhoDados);

} // namespace Deteccao
