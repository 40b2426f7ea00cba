#include "data/pastaslocais.h"

#include <QDir>

PastasLocais PastasLocais::de(const QString &diretorioAplicacao)
{
    PastasLocais p;
    p.raiz = diretorioAplicacao + QStringLiteral("/Z2registros/");
    p.pdf = p.raiz + QStringLiteral("Arquivos PDF/");
    p.perfil = p.raiz + QStringLiteral("/Perfil");
    return p;
}

bool PastasLocais::criar() const
{
    bool ok = true;
    for (const QString &pasta : {raiz, pdf, perfil}) {
        QDir dir(pasta);
        if (!dir.exists())
            ok = QDir().mkdir(pasta) && ok;
    }
    return ok;
}
