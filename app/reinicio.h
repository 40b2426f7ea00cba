#pragma once

#include <QStringList>

// Restarting the program (after a language change), behind a seam so that
// tests start nothing.
class Reinicio
{
public:
    virtual ~Reinicio() = default;
    // Ends this run and starts `programa` detached with `argumentos`.
    virtual void reiniciar(const QString &programa, const QStringList &argumentos) = 0;
};

class ReinicioSistema : public Reinicio
{
public:
    void reiniciar(const QString &programa, const QStringList &argumentos) override;
};
