#pragma once

#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

// Runs a long piece of work on a worker thread while the window keeps
// painting, behind a window-modal busy note that shows if the work lasts
// past half a second; returns when the work is done. The work must not
// touch widgets: what it needs from them is taken before.
namespace TrabalhoAoLado {

// A window-modal progress dialog with readable text (the windows' white
// labels would vanish on its grey); `maximo` 0 for a busy note, and a
// Cancelar button when `cancelar` is set.
void preparar(QProgressDialog *nota, const QString &titulo, const QString &texto, bool cancelar);

void executar(QWidget *janela, const QString &titulo, const QString &texto, const std::function<void()> &trabalho);

// The same behind the caller's own progress dialog: runs `trabalho` on a
// worker thread and returns when it is done, the window's events handled
// meanwhile.
void esperar(const std::function<void()> &trabalho);

} // namespace TrabalhoAoLado
