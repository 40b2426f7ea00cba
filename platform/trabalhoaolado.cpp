#include "platform/trabalhoaolado.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <utility>

namespace TrabalhoAoLado {

namespace {

int emCurso = 0; // on the window's thread only
std::atomic<bool> parada{false};
std::function<void()> depoisDoTrabalho;

// Runs `f` on the window's thread once no work runs; work that starts before
// it is called (a listing after a download, say) puts it off again.
void quandoLivre(const std::function<void()> &f)
{
    if (emCurso > 0) {
        depoisDoTrabalho = f;
        return;
    }
    QTimer::singleShot(0, qApp, [f] {
        if (emCurso > 0)
            depoisDoTrabalho = f;
        else
            f();
    });
}

} // namespace

void preparar(QProgressDialog *nota, const QString &titulo, const QString &texto, bool cancelar)
{
    nota->setWindowTitle(titulo);
    auto *rotulo = new QLabel(texto, nota);
    rotulo->setStyleSheet(QStringLiteral("color: black;"));
    nota->setLabel(rotulo);
    if (!cancelar)
        nota->setCancelButton(nullptr);
}

void executar(QWidget *janela, const QString &titulo, const QString &texto, const std::function<void()> &trabalho)
{
    QProgressDialog nota(janela ? janela->window() : nullptr);
    nota.setRange(0, 0);
    preparar(&nota, titulo, texto, false);
    nota.setMinimumDuration(500);
    nota.setValue(0); // shown if the work lasts past half a second
    esperar(&nota, trabalho);
    nota.close();
}

void esperar(QProgressDialog *nota, const std::function<void()> &trabalho)
{
    if (++emCurso == 1)
        parada = false;
    QWidget *janela = nota->parentWidget();
    const QPointer<QWidget> foco = QApplication::focusWidget();
    QList<QPointer<QWidget>> desativados;
    if (janela) {
        for (QWidget *w : janela->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w != nota && w->isEnabled()) {
                w->setEnabled(false);
                desativados << w;
            }
        }
    }
    std::unique_ptr<QThread> fio(QThread::create(trabalho));
    QEventLoop espera;
    QObject::connect(fio.get(), &QThread::finished, &espera, &QEventLoop::quit);
    // Closed or cancelled, the note comes back: the window stays disabled
    // until the work has ended, and says why.
    const auto emCursoAqui = std::make_shared<bool>(true);
    const auto reabrir = [nota, emCursoAqui] {
        QTimer::singleShot(0, nota, [nota, emCursoAqui] {
            if (*emCursoAqui)
                nota->show();
        });
    };
    const QMetaObject::Connection c1 = QObject::connect(nota, &QProgressDialog::canceled, nota, reabrir);
    const QMetaObject::Connection c2 = QObject::connect(nota, &QDialog::rejected, nota, reabrir);
    fio->start();
    espera.exec();
    // A quit ends the loop before the work: the work is asked to stop,
    // and waited for, never left running.
    if (fio->isRunning()) {
        parada = true;
        fio->wait();
    }
    *emCursoAqui = false;
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    for (const QPointer<QWidget> &w : desativados) {
        if (w)
            w->setEnabled(true);
    }
    if (foco)
        foco->setFocus();
    if (--emCurso == 0 && depoisDoTrabalho)
        quandoLivre(std::exchange(depoisDoTrabalho, nullptr));
}

bool emAndamento()
{
    return emCurso > 0;
}

bool paradaPedida()
{
    return parada;
}

void pararEDepois(const std::function<void()> &depois)
{
    // The work may have ended while the user was being asked.
    if (emCurso > 0)
        parada = true;
    quandoLivre(depois);
}

} // namespace TrabalhoAoLado
