#include "data/pastaslocais.h"

#include "data/gravacaosegura.h"

PastasLocais PastasLocais::de(const QString &diretorioDados)
{
    PastasLocais p;
    p.raiz = diretorioDados + QStringLiteral("/Z2registros/");
    p.pdf = p.raiz + QStringLiteral("Arquivos PDF/");
    p.perfil = p.raiz + QStringLiteral("/Perfil");
    return p;
}

Desfecho PastasLocais::criar() const
{
    for (const QString &pasta : {raiz, pdf, perfil}) {
        const Desfecho criada = GravacaoSegura::criarPasta(pasta);
        if (!criada)
            return criada;
    }
    return Desfecho();
}
