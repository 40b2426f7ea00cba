#include "data/perfil.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"
#include "data/gravacaosegura.h"

bool Perfil::ler(const QString &caminho, Perfil *perfil)
{
    QByteArray dados;
    if (!ArquivoRegistro::ler(caminho, &dados))
        return false;
    ArquivoRegistro::LeitorLinhas leitor(dados);
    const QStringList p = ArquivoRegistro::pedacos(leitor.fim() ? QString() : leitor.proxima());
    *perfil = Perfil();
    perfil->pedacos = qMin(3, p.size());
    perfil->empresa = p.value(0);
    perfil->responsavel1 = p.value(1);
    perfil->responsavel2 = p.value(2);
    return true;
}

Desfecho Perfil::gravar(const QString &caminho) const
{
    const auto valor = [](const QString &v) { return v.isEmpty() ? QStringLiteral(" ") : v; };
    return GravacaoSegura::gravar(caminho,
                                  Codificacao::codificar(valor(empresa) + QLatin1Char(';')
                                                         + valor(responsavel1) + QLatin1Char(';')
                                                         + valor(responsavel2)));
}
