#include "platform/trabalhoaolado.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace TrabalhoAoLado {

namespace {

// One work in progress: its thread, its note, what it disabled, and what
// runs once it has ended.
struct Trabalho {
    std::unique_ptr<QThread> fio;
    QPointer<QProgressDialog> nota;
    QList<QPointer<QWidget>> desativados;
    QPointer<QWidget> foco;
    std::function<void()> depois;
    QPointer<QObject> dono; // `depois` belongs to it
};

// On the window's thread only.
std::vector<std::shared_ptr<Trabalho>> trabalhos;
std::atomic<bool> parada{false};
bool encerrando = false; // no work starts any more
QList<std::function<void()>> depoisDoTrabalho;

// Runs `f` on the window's thread once no work runs; work that starts before
// it is called (a listing after a download, say) puts it off again.
void quandoLivre(const std::function<void()> &f)
{
    if (!trabalhos.empty()) {
        depoisDoTrabalho << f;
        return;
    }
    QTimer::singleShot(0, qApp, [f] {
        if (!trabalhos.empty())
            depoisDoTrabalho << f;
        else
            f();
    });
}

void comecar(const std::shared_ptr<Trabalho> &t)
{
    t->foco = QApplication::focusWidget();
    if (QWidget *janela = t->nota ? t->nota->parentWidget() : nullptr) {
        for (QWidget *w : janela->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w != t->nota && w->isEnabled()) {
                w->setEnabled(false);
                t->desativados << w;
            }
        }
    }
    t->fio->start();
}

void concluir(const std::shared_ptr<Trabalho> &t)
{
    t->fio->wait();
    const auto i = std::find(trabalhos.begin(), trabalhos.end(), t);
    if (i == trabalhos.end())
        return; // let go by encerrar()
    trabalhos.erase(i);
    for (const QPointer<QWidget> &w : qAsConst(t->desativados)) {
        if (w)
            w->setEnabled(true);
    }
    delete t->nota;
    if (t->foco)
        t->foco->setFocus();
    if (t->depois && t->dono)
        t->depois();
    // One work at a time, in the order asked: each acts on what the one
    // before left.
    if (!encerrando && !trabalhos.empty() && !trabalhos.front()->fio->isRunning()
        && !trabalhos.front()->fio->isFinished())
        comecar(trabalhos.front());
    else if (trabalhos.empty())
        for (const auto &f : std::exchange(depoisDoTrabalho, {}))
            quandoLivre(f);
}

void iniciar(QProgressDialog *nota, std::function<void()> trabalho, std::function<void()> depois, QObject *dono)
{
    static const bool aoSair = QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &encerrar);
    Q_UNUSED(aoSair);
    if (trabalhos.empty())
        parada = false;
    auto t = std::make_shared<Trabalho>();
    t->nota = nota;
    t->depois = std::move(depois);
    t->dono = dono;
    // Closed or cancelled, the note comes back: the window stays disabled
    // until the work has ended, and says why.
    const auto emCurso = std::make_shared<bool>(true);
    const auto reabrir = [nota, emCurso] {
        QTimer::singleShot(0, nota, [nota, emCurso] {
            if (*emCurso)
                nota->show();
        });
    };
    QObject::connect(nota, &QProgressDialog::canceled, nota, reabrir);
    QObject::connect(nota, &QDialog::rejected, nota, reabrir);
    t->fio.reset(QThread::create(std::move(trabalho)));
    QObject::connect(t->fio.get(), &QThread::finished, qApp, [t, emCurso] {
        *emCurso = false;
        concluir(t);
    });
    trabalhos.push_back(t);
    if (trabalhos.size() == 1)
        comecar(t);
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


void executar(QWidget *janela, const QString &titulo, const QString &texto, std::function<void()> trabalho,
              std::function<void()> depois)
{
    auto *nota = new QProgressDialog(janela ? janela->window() : nullptr);
    nota->setRange(0, 0);
    preparar(nota, titulo, texto, false);
    nota->setMinimumDuration(500);
    nota->setValue(0); // shown if the work lasts past half a second
    iniciar(nota, std::move(trabalho), std::move(depois), janela ? static_cast<QObject *>(janela) : qApp);
}

void esperar(QProgressDialog *nota, std::function<void()> trabalho, std::function<void()> depois)
{
    iniciar(nota, std::move(trabalho), std::move(depois),
            nota->parentWidget() ? static_cast<QObject *>(nota->parentWidget()) : qApp);
}

bool emAndamento()
{
    return !trabalhos.empty();
}

bool paradaPedida()
{
    return parada;
}

void pararEDepois(const std::function<void()> &depois)
{
    // The work may have ended while the user was being asked.
    if (!trabalhos.empty())
        parada = true;
    quandoLivre(depois);
}

void emSeguida(const std::function<void()> &depois)
{
    if (trabalhos.empty())
        depois();
    else
        depoisDoTrabalho << depois;
}

void encerrar()
{
    parada = true;
    encerrando = true;
    const auto todos = trabalhos; // a work that ends leaves the list
    for (const auto &t : todos) {
        t->depois = nullptr;
        // A report's chart is drawn on this thread, which the work may be
        // waiting for: its events go on until the work has ended.
        while (t->fio->isRunning() && !t->fio->wait(50))
            QCoreApplication::processEvents();
    }
    // What was queued behind is not started.
    for (const auto &t : std::exchange(trabalhos, {}))
        delete t->nota;
    encerrando = false;
}

void aguardar()
{
    while (!trabalhos.empty())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

} // namespace TrabalhoAoLado
