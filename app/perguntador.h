#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every question, choice and dialog the windows put to the user goes
// through this interface, so that tests can answer them.
class Perguntador
{
public:
    virtual ~Perguntador() = default;

    // A modal choice among items; false when cancelled.
    virtual bool escolherItem(QWidget *pai, const QString &titulo, const QString &rotulo,
                              const QStringList &itens, QString *escolhido) = 0;
};
