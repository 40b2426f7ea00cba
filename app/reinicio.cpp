#include "app/reinicio.h"

#include <QCoreApplication>
#include <QProcess>

void ReinicioSistema::reiniciar(const QString &programa, const QStringList &argumentos)
{
    QCoreApplication::quit();
    QProcess::startDetached(programa, argumentos);
}
