#include "data/arquivoregistro.h"

#include "data/codificacao.h"
#include "data/gravacaosegura.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ArquivoRegistro {

QString motivoIlegivel(const QString &caminho)
{
    const QFileInfo info(caminho);
    if (info.isSymLink())
        return GravacaoSegura::falha(caminho, GravacaoSegura::tr("é um link; nada é lido através de links"));
    if (caminho.isEmpty() || !info.exists())
        return QString();
    if (info.isDir())
        return GravacaoSegura::falha(caminho, GravacaoSegura::tr("é uma pasta"));
    if (!info.isFile())
        return GravacaoSegura::falha(caminho, GravacaoSegura::tr("não é um arquivo comum"));
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return GravacaoSegura::falha(caminho, arquivo.errorString());
    return QString();
}

bool ler(const QString &caminho, QByteArray *conteudo, QString *erro)
{
    const QFileInfo info(caminho);
    QString motivo;
    if (caminho.isEmpty() || info.isSymLink() || !info.isFile()) {
        motivo = motivoIlegivel(caminho);
    } else {
        QFile arquivo(caminho);
        if (arquivo.open(QIODevice::ReadOnly)) {
            QByteArray dados = arquivo.readAll();
            if (arquivo.error() == QFileDevice::NoError) {
                *conteudo = std::move(dados);
                return true;
            }
        }
        motivo = GravacaoSegura::falha(caminho, arquivo.errorString());
    }
    if (erro)
        *erro = motivo;
    return false;
}

namespace {

// The bytes of a record text for `caminho`, or false with the reason: the
// writers replace an existing regular file and never create one.
bool bytesParaSubstituir(const QString &caminho, const QString &texto, QByteArray *bytes, QString *erro)
{
    const QFileInfo info(caminho);
    if (caminho.isEmpty() || (!info.isFile() && !info.isSymLink())) {
        *erro = GravacaoSegura::falha(caminho, GravacaoSegura::tr("o arquivo não existe"));
        return false;
    }
#ifdef Q_OS_WIN
    QString comFinais = texto;
    comFinais.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    *bytes = Codificacao::codificar(comFinais);
#else
    *bytes = Codificacao::codificar(texto);
#endif
    return true;
}

} // namespace

Desfecho substituir(const QString &caminho, const QString &texto)
{
    return substituirTodos({{caminho, texto}});
}

Desfecho substituirTodos(const QVector<QPair<QString, QString>> &textos)
{
    QVector<QPair<QString, QByteArray>> arquivos;
    for (const auto &[caminho, texto] : textos) {
        QByteArray bytes;
        QString erro;
        if (!bytesParaSubstituir(caminho, texto, &bytes, &erro))
            return Desfecho::falhou(erro);
        arquivos.append({caminho, bytes});
    }
    return GravacaoSegura::gravarTodos(arquivos);
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
    const QFileInfo info(caminho);
    if (caminho.isEmpty() || info.isSymLink() || !info.isFile()) {
        falha = motivoIlegivel(caminho);
        return;
    }
    if (!arquivo.open(QIODevice::ReadOnly)) {
        falha = GravacaoSegura::falha(caminho, arquivo.errorString());
        return;
    }
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
    if (lidos < 0)
        falha = GravacaoSegura::falha(arquivo.fileName(), arquivo.errorString());
    if (lidos <= 0)
        acabou = true;
    return lidos > 0;
}

bool LeitorArquivo::proxima(const char **inicio, int *tamanho)
{
    if (!arquivo.isOpen())
        return false;
    bool longa = false;
    for (;;) {
        const char *base = bloco.constData() + pos;
        const int restante = bloco.size() - pos;
        // Only what was not searched before: a long line costs its length
        // once, not once per block.
        const int n = visto + tamanhoLinha(base + visto, restante - visto);
        // A line end, or a CR that may be followed by an LF, must be seen
        // whole before the line is handed out.
        const bool completa = n < restante && (base[n] == '\n' || n + 1 < restante || acabou);
        if (!completa && !acabou) {
            if (n > linhaMaxima) {
                // Too long to be a record line: its bytes are let go.
                longa = true;
                pos += n;
                visto = 0;
            } else {
                visto = n;
            }
            encher();
            continue;
        }
        visto = 0;
        if (!falha.isEmpty() || (restante == 0 && !longa))
            return false;
        pos += comFinal(base, n, restante);
        if (longa || n > linhaMaxima) {
            ++linhasLongas;
            longa = false;
            continue;
        }
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
