#include "data/leitoramostras.h"

#include "data/codificacao.h"

LeitorAmostras::LeitorAmostras(const QString &caminho)
    : leitor(caminho)
{
    const char *texto = nullptr;
    int n = 0;
    while (!naTabela && leitor.proxima(&texto, &n)) {
        const QStringList pedacos = ArquivoRegistro::pedacos(Codificacao::decodificar(texto, n));
        naTabela = !pedacos.isEmpty() && pedacos.first() == QLatin1String("Tempo");
    }
}

bool LeitorAmostras::linha(const char **texto, int *n)
{
    return naTabela && leitor.proxima(texto, n);
}

bool LeitorAmostras::proxima()
{
    const char *texto = nullptr;
    int n = 0;
    while (linha(&texto, &n)) {
        if (ArquivoRegistro::separarLinhaTabela(texto, n, inicio, tamanho) == 8)
            return true;
    }
    return false;
}

QString LeitorAmostras::celula(int coluna) const
{
    if (coluna < 0 || coluna >= 8 || !inicio[coluna])
        return QString();
    return Codificacao::decodificar(inicio[coluna], tamanho[coluna]);
}

QString LeitorAmostras::mudou(const QString &caminho)
{
    return tr("%1: o arquivo mudou durante a leitura").arg(caminho);
}

int LeitorAmostras::contar(const QString &caminho, QString *erro)
{
    LeitorAmostras leitor(caminho);
    int n = 0;
    while (leitor.proxima())
        ++n;
    if (leitor.erro().isEmpty())
        return n;
    if (erro)
        *erro = leitor.erro();
    return -1;
}
