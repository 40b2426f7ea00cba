#include "platform/trabalhoaolado.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressDialog>
#include <QThread>

#include <memory>

namespace TrabalhoAoLado {

void preparar(QProgressDialog *nota, const QString &titulo, const QString &texto, bool cancelar)
{
    nota->setWindowTitle(titulo);
    auto *rotulo = new QLabel(texto, nota);
    rotulo->setStyleSheet(QStringLiteral("color: black;"));
    nota->setLabel(rotulo);
    if (!cancelar)
        nota->setCancelButton(nullptr);
    nota->setWindowModality(Qt::WindowModal);
}

void executar(QWidget *janela, const QString &titulo, const QString &texto, const std::function<void()> &trabalho)
{
    QProgressDialog nota(janela);
    nota.setRange(0, 0);
    preparar(&nota, titulo, texto, false);
    nota.setMinimumDuration(500);
    nota.setValue(0); // shown if the work lasts past half a second
    esperar(trabalho);
    nota.close();
}

void esperar(const std::function<void()> &trabalho)
{
    std::unique_ptr<QThread> fio(QThread::create(trabalho));
    QEventLoop espera;
    QObject::connect(fio.get(), &QThread::finished, &espera, &QEventLoop::quit);
    fio->start();
    espera.exec();
}

} // namespace TrabalhoAoLado
