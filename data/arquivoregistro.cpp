#include "data/arquivoregistro.h"

#include "data/codificacao.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>
#include <cstring>

namespace ArquivoRegistro {

bool ler(const QString &caminho, QByteArray *conteudo)
{
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile())
        return false;
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return false;
    *conteudo = arquivo.readAll();
    return true;
}

bool substituir(const QString &caminho, const QString &texto)
{
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile())
        return false;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
#ifdef Q_OS_WIN
    QString comFinais = texto;
    comFinais.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = Codificacao::codificar(comFinais);
#else
    const QByteArray bytes = Codificacao::codificar(texto);
#endif
    if (arquivo.write(bytes) != bytes.size()) {
        arquivo.cancelWriting();
        return false;
    }
    return arquivo.commit();
}

QString linha(const QString &chave, const QString &valor)
{
    return chave + QLatin1Char(';') + valor + QLatin1String(";\n");
}

double numero(const QString &texto)
{
    double v = 0;
    return numeroFinito(texto, &v) ? v : 0.0;
}

bool numeroFinito(const QString &texto, double *valor)
{
    bool ok = false;
    const double v = texto.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *valor = v;
    return true;
}

QStringList pedacos(const QString &linha)
{
    return linha.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

LeitorLinhas::LeitorLinhas(const QByteArray &dados)
    : dados(dados)
{
}

void LeitorLinhas::proximaBruta(const char **inicio, int *tamanho)
{
    const char *base = dados.constData() + pos;
    const int restante = dados.size() - pos;
    const void *lf = std::memchr(base, '\n', size_t(restante));
    int n = lf ? int(static_cast<const char *>(lf) - base) : restante;
    pos += lf ? n + 1 : n;
    if (lf && n > 0 && base[n - 1] == '\r')
        --n;
    *inicio = base;
    *tamanho = n;
}

QString LeitorLinhas::proxima()
{
    const char *inicio = nullptr;
    int tamanho = 0;
    proximaBruta(&inicio, &tamanho);
    return Codificacao::decodificar(inicio, tamanho);
}

QString LeitorLinhas::resto()
{
    QString texto = Codificacao::decodificar(dados.constData() + pos, dados.size() - pos);
    pos = dados.size();
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return texto;
}

} // namespace ArquivoRegistro
