#pragma once

#include <QString>

#include <functional>

class QObject;
class QProgressDialog;
class QWidget;

// Runs long work on a worker thread while the window keeps painting, one
// way for every window: the work takes values (copies of what it needs
// from the window, taken before), runs, and its result goes back to the
// window through `depois`, on the window's thread, once the work has
// ended. No event loop waits inside: the call returns at once. The
// window's parts are disabled meanwhile (its note stays usable), so that
// nothing the user does can change what the work acts on; they are
// enabled again before `depois` runs.
namespace TrabalhoAoLado {

// Dresses a progress dialog: its title, a readable label (the windows'
// white labels would vanish on its grey) and, with `cancelar`, its
// Cancelar button.
void preparar(QProgressDialog *nota, const QString &titulo, const QString &texto, bool cancelar);

// Behind a busy note over `janela`'s window that shows if the work lasts
// past half a second. `depois` is not called once `janela` is gone.
void executar(QWidget *janela, const QString &titulo, const QString &texto, std::function<void()> trabalho,
              std::function<void()> depois = {});

// The same behind the caller's own progress dialog, whose parent is the
// window to disable; the dialog is deleted once the work has ended.
void esperar(QProgressDialog *nota, std::function<void()> trabalho, std::function<void()> depois = {});

bool emAndamento();

// Work made of several items stops after the item at hand once a stop
// was asked for.
bool paradaPedida();

// Asks the work in progress to stop, and calls `depois` on the window's
// thread once it has ended.
void pararEDepois(const std::function<void()> &depois);

// Calls `depois` on the window's thread once the work in progress, and
// the work queued behind it, has ended (at once when none runs).
void emSeguida(const std::function<void()> &depois);

// Asks every work to stop and waits for each to end, their `depois` left
// uncalled: at quit, no worker outlives the program's objects.
void encerrar();

// Handles the window's events until no work runs, for code (tests, the
// command line) that needs the result before it goes on.
void aguardar();

} // namespace TrabalhoAoLado
