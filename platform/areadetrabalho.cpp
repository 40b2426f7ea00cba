#include "platform/areadetrabalho.h"

#include "platform/perguntador.h"

#include <QDesktopServices>

void AreaDeTrabalho::abrirOuAvisar(const QUrl &url, Perguntador &perguntador, QWidget *pai, const QString &titulo,
                                   const QString &aviso)
{
    if (!abrirUrl(url))
        perguntador.informar(pai, titulo,
                             aviso + QLatin1Char('\n') + (url.isLocalFile() ? url.toLocalFile() : url.toString()));
}

bool AreaDeTrabalhoSistema::abrirUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
