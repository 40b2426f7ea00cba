#pragma once

#include "app/perguntador.h"

// Asks through the toolkit's standard dialogs.
class PerguntadorDialogos : public Perguntador
{
public:
    bool escolherItem(QWidget *pai, const QString &titulo, const QString &rotulo,
                      const QStringList &itens, QString *escolhido) override;
};
