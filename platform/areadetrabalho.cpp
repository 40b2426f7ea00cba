#include "platform/areadetrabalho.h"

#include <QDesktopServices>

bool AreaDeTrabalhoSistema::abrirUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
