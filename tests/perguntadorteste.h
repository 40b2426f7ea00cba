#pragma once

#include "app/perguntador.h"

// Answers the program's questions from a script and records what was asked.
class PerguntadorTeste : public Perguntador
{
public:
    bool aceitar = true;
    QString item;
    QStringList perguntas;

    bool escolherItem(QWidget *, const QString &titulo, const QString &rotulo,
                      const QStringList &itens, QString *escolhido) override
    {
        perguntas << titulo + " | " + rotulo + " | " + itens.join(',');
        if (aceitar)
            *escolhido = item;
        return aceitar;
    }
};
