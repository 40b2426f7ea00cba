#include "app/perguntadordialogos.h"

#include <QInputDialog>

bool PerguntadorDialogos::escolherItem(QWidget *pai, const QString &titulo,
                                       const QString &rotulo, const QStringList &itens,
                                       QString *escolhido)
{
    bool aceito = false;
    const QString item = QInputDialog::getItem(pai, titulo, rotulo, itens, 0, false, &aceito);
    if (aceito)
        *escolhido = item;
    return aceito;
}
