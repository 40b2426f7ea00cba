#pragma once

#include <QList>
#include <QString>

// A mounted volume as the platform reports it.
struct Volume {
    QString nome; // the label
    QString raiz; // root path
    bool valido = false;
    bool pronto = false;
    bool somenteLeitura = false;
};

// Where the mounted volumes come from: the platform for the program, a
// plain list for the tests.
class FonteVolumes
{
public:
    virtual ~FonteVolumes() = default;
    virtual QList<Volume> volumes() const = 0;
};

// The platform's volumes. When the environment variable KT9400_VOLUME
// names a folder, that folder comes first as a mounted, ready, writable
// volume labelled "KT9400": the demo and the tests use it as the
// instrument.
class FonteVolumesSistema : public FonteVolumes
{
public:
    QList<Volume> volumes() const override;
};
