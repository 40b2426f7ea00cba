#pragma once

#include <QObject>
#include <QPointer>

class Perguntador;
class QWidget;

// Closing the program while long work runs asks first; on "Sim" the work
// stops after the item at hand (a measurement is copied whole or not at
// all) and the window closes once it has ended.
class GuardaSaida : public QObject
{
    Q_OBJECT

public:
    GuardaSaida(QWidget *janela, Perguntador &perguntador);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QPointer<QWidget> janela;
    Perguntador &perguntador;
};
