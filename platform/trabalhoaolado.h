#pragma once

#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

// Runs long work on a worker thread while the window keeps painting. The
// window's parts are disabled meanwhile (its note stays usable), so that
// nothing acts on files being changed. The work must not touch widgets:
// what it needs from them is taken before.
namespace TrabalhoAoLado {

// Dresses a progress dialog: its title, a readable label (the windows'
// white labels would vanish on its grey) and, with `cancelar`, its
// Cancelar button.
void preparar(QProgressDialog *nota, const QString &titulo, const QString &texto, bool cancelar);

// Behind a busy note over `janela`'s window that shows if the work lasts
// past half a second; returns when the work is done.
void executar(QWidget *janela, const QString &titulo, const QString &texto, const std::function<void()> &trabalho);

// The same behind the caller's own progress dialog, whose parent is the
// window to disable; the window's events are handled meanwhile.
void esperar(QProgressDialog *nota, const std::function<void()> &trabalho);

bool emAndamento();

// Work made of several items stops after the item at hand once a stop
// was asked for.
bool paradaPedida();

// Asks the work in progress to stop, and calls `depois` on the window's
// thread once it has ended.
void pararEDepois(const std::function<void()> &depois);

} // namespace TrabalhoAoLado
