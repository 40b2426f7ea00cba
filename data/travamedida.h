#pragma once

#include <QString>

// Keeps another process of this program from seeing a measurement half
// changed: an evaluation holds the folder alone while it reads and writes
// it, a copy shares it while it reads. The lock is on the folder itself,
// so nothing is created in it, and it ends with the object, or with the
// process at the latest.
class TravaMedida
{
public:
    enum class Modo {
        Exclusiva,
        Compartilhada,
        ExclusivaSeLivre, // without waiting: obtida() says whether it was had
    };

    TravaMedida(const QString &pasta, Modo modo);
    bool obtida() const { return tem; }
    ~TravaMedida();
    TravaMedida(const TravaMedida &) = delete;
    TravaMedida &operator=(const TravaMedida &) = delete;

private:
    int descritor = -1;
    bool tem = false;
};
