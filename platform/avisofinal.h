#pragma once

#include <QString>

// The box that says how long work ended: a message box of its own (without
// a parent, so that the windows' dark style does not reach it) that
// deletes itself when closed.
namespace AvisoFinal {

// With `fecharSozinha` its OK button clicks itself after 1.5 s.
void mostrar(const QString &titulo, const QString &texto, bool fecharSozinha, bool comIcone = true);

} // namespace AvisoFinal
