#include "data/arquivoregistro.h"

#include "data/codificacao.h"
#include "data/gravacaosegura.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

bool substituir(const QString &caminho, const QString &texto, QString *erro)
{
    const QFileInfo info(caminho);
    if (caminho.isEmpty() || (!info.isFile() && !info.isSymLink())) {
        if (erro)
            *erro = GravacaoSegura::falha(caminho, GravacaoSegura::tr("o arquivo não existe"));
        return false;
    }
#ifdef Q_OS_WIN
    QString comFinais = texto;
    comFinais.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = Codificacao::codificar(comFinais);
#else
    const QByteArray bytes = Codificacao::codificar(texto);
#endif
    return GravacaoSegura::gravar(caminho, bytes, erro);
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

int separarLinhaTabela(const char *linha, int n, const char *inicio[8], int tamanho[8])
{
    int achados = 0;
    int i = 0;
    while (i < n && achados < 8) {
        const int comeco = i;
        while (i < n && linha[i] != ';')
            ++i;
        if (i > comeco) {
            inicio[achados] = linha + comeco;
            tamanho[achados] = i - comeco;
            ++achados;
        }
        ++i;
    }
    return achados;
}

namespace {

// LF, CR LF and a lone CR each end a line, in both readers.

// The length of the line at `base` without its end: up to the first LF or
// CR, whichever comes first.
int tamanhoLinha(const char *base, int restante)
{
    const void *lf = std::memchr(base, '\n', size_t(restante));
    const int n = lf ? int(static_cast<const char *>(lf) - base) : restante;
    const void *cr = std::memchr(base, '\r', size_t(n));
    return cr ? int(static_cast<const char *>(cr) - base) : n;
}

// The bytes the line of length `n` takes with its end.
int comFinal(const char *base, int n, int restante)
{
    if (n >= restante)
        return n;
    return n + (base[n] == '\r' && n + 1 < restante && base[n + 1] == '\n' ? 2 : 1);
}

} // namespace

LeitorArquivo::LeitorArquivo(const QString &caminho)
    : arquivo(caminho)
{
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile() || !arquivo.open(QIODevice::ReadOnly))
        return;
    encher();
    if (bloco.startsWith("\xEF\xBB\xBF"))
        pos = 3;
}

bool LeitorArquivo::encher()
{
    constexpr qint64 tamanhoBloco = 1 << 18;
    bloco.remove(0, pos);
    pos = 0;
    const int antes = bloco.size();
    bloco.resize(antes + int(tamanhoBloco));
    const qint64 lidos = arquivo.read(bloco.data() + antes, tamanhoBloco);
    bloco.resize(antes + int(std::max<qint64>(lidos, 0)));
    if (lidos <= 0)
        acabou = true;
    return lidos > 0;
}

bool LeitorArquivo::proxima(const char **inicio, int *tamanho)
{
    if (!arquivo.isOpen())
        return false;
    for (;;) {
        const char *base = bloco.constData() + pos;
        const int restante = bloco.size() - pos;
        const int n = tamanhoLinha(base, restante);
        // A line end, or a CR that may be followed by an LF, must be seen
        // whole before the line is handed out.
        const bool completa = n < restante && (base[n] == '\n' || n + 1 < restante || acabou);
        if (!completa && !acabou) {
            encher();
            continue;
        }
        if (restante == 0)
            return false;
        pos += comFinal(base, n, restante);
        *inicio = base;
        *tamanho = n;
        return true;
    }
}

LeitorLinhas::LeitorLinhas(const QByteArray &dados)
    : dados(dados)
{
    if (dados.startsWith("\xEF\xBB\xBF"))
        pos = 3;
}

void LeitorLinhas::proximaBruta(const char **inicio, int *tamanho)
{
    const char *base = dados.constData() + pos;
    const int restante = dados.size() - pos;
    const int n = tamanhoLinha(base, restante);
    pos += comFinal(base, n, restante);
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
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

} // namespace ArquivoRegistro
