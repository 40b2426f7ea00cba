#include "platform/avisofinal.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace AvisoFinal {

void mostrar(const QString &titulo, const QString &texto, bool fecharSozinha, bool comIcone)
{
    auto *caixa = new QMessageBox(comIcone ? QMessageBox::Information : QMessageBox::NoIcon, titulo, texto,
                                  QMessageBox::Ok);
    caixa->setStyleSheet(QStringLiteral("color:black"));
    caixa->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    caixa->setAttribute(Qt::WA_DeleteOnClose);
    caixa->show();
    if (fecharSozinha)
        caixa->button(QMessageBox::Ok)->animateClick(1500);
}

} // namespace AvisoFinal
