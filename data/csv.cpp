#include "data/csv.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"
#include "data/leitoramostras.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Csv {

QString campo(const QString &texto)
{
    static const QString especiais = QStringLiteral(",\"\r\n");
    const bool aspas = std::any_of(texto.cbegin(), texto.cend(),
                                   [](QChar c) { return especiais.contains(c); });
    if (!aspas)
        return texto;
    QString t = texto;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString linha(const QStringList &campos)
{
    QStringList c;
    c.reserve(campos.size());
    for (const QString &t : campos)
        c << campo(t);
    return c.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

namespace {

// A table row as a CSV record in UTF-8, appended at `saida` (which has room
// for the line and ten bytes more); returns the bytes written, 0 for a line
// that is no sample (fewer than eight pieces). The instrument writes plain
// ASCII numbers and times, copied in one pass; anything else (a decimal
// comma, a quote, a letter of the code page) takes the long way.
#if defined(__SSE2__)
// The common row, eight plain pieces each ended by ';', copied sixteen
// bytes at a time with its separators turned into commas; -1 when the row
// is anything else (the piece by piece copy below then decides).
int registroComum(const char *linha, int n, char *saida)
{
    const int util = n > 0 && linha[n - 1] == ';' ? n - 1 : n;
    const __m128i separador = _mm_set1_epi8(';');
    const __m128i virgula = _mm_set1_epi8(',');
    const __m128i aspas = _mm_set1_epi8('"');
    const __m128i diferenca = _mm_set1_epi8(';' - ',');
    int separadores = 0;
    unsigned anterior = 1; // a row must not start with a separator
    int i = 0;
    for (; i + 16 <= util; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(linha + i));
        const __m128i ehSeparador = _mm_cmpeq_epi8(b, separador);
        const unsigned m = unsigned(_mm_movemask_epi8(ehSeparador));
        const unsigned ruins = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, virgula), _mm_cmpeq_epi8(b, aspas)), b)));
        // An empty piece is a separator right after another.
        if (ruins != 0 || (m & ((m << 1) | anterior)) != 0)
            return -1;
        anterior = m >> 15;
        separadores += __builtin_popcount(m);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(saida + i), _mm_sub_epi8(b, _mm_and_si128(ehSeparador, diferenca)));
    }
    for (; i < util; ++i) {
        const unsigned char c = static_cast<unsigned char>(linha[i]);
        const unsigned ehSeparador = c == ';';
        if (c >= 0x80 || c == ',' || c == '"' || (ehSeparador && anterior))
            return -1;
        anterior = ehSeparador;
        separadores += int(ehSeparador);
        saida[i] = ehSeparador ? ',' : char(c);
    }
    if (separadores != 7 || anterior)
        return -1;
    saida[util] = '\r';
    saida[util + 1] = '\n';
    return util + 2;
}
#endif

int registro(const char *linha, int n, char *saida)
{
#if defined(__SSE2__)
    const int comum = registroComum(linha, n, saida);
    if (comum >= 0)
        return comum;
#endif
    // 0 a plain byte, 1 the separator, 2 a byte that needs the long way.
    static const auto classe = [] {
        std::array<unsigned char, 256> c{};
        for (int b = 0x80; b < 256; ++b)
            c[size_t(b)] = 2;
        c[size_t(',')] = 2;
        c[size_t('"')] = 2;
        c[size_t(';')] = 1;
        return c;
    }();
    char *d = saida;
    int pecas = 0;
    int i = 0;
    while (i < n && pecas < 8) {
        const int comeco = i;
        while (i < n && classe[static_cast<unsigned char>(linha[i])] == 0)
            ++i;
        if (i < n && linha[i] != ';')
            return -1;
        if (i > comeco) {
            if (pecas++ > 0)
                *d++ = ',';
            std::memcpy(d, linha + comeco, size_t(i - comeco));
            d += i - comeco;
        }
        ++i;
    }
    if (pecas < 8)
        return 0;
    *d++ = '\r';
    *d++ = '\n';
    return int(d - saida);
}

// The long way: each piece decoded from the code page and quoted as needed.
QByteArray registroDecodificado(const char *linha, int n)
{
    const char *inicio[8];
    int tamanho[8];
    if (ArquivoRegistro::separarLinhaTabela(linha, n, inicio, tamanho) != 8)
        return QByteArray();
    QStringList campos;
    for (int c = 0; c < 8; ++c)
        campos << Codificacao::decodificar(inicio[c], tamanho[c]);
    return Csv::linha(campos).toUtf8();
}

} // namespace

Tabela escreverTabelaComponente(const QString &base, QIODevice *saida, QString *erro)
{
    if (!QFileInfo(base + QStringLiteral(".head")).isFile())
        return Tabela::SemComponente;
    const QByteArray cabecalho =
        linha({QStringLiteral("time (hh:mm:ss)"), QStringLiteral("amx (m/s²)"), QStringLiteral("amy (m/s²)"),
               QStringLiteral("amz (m/s²)"), QStringLiteral("amr (m/s²)"), QStringLiteral("vdvx (m/s^1.75)"),
               QStringLiteral("vdvy (m/s^1.75)"), QStringLiteral("vdvz (m/s^1.75)")})
            .toUtf8();
    if (saida->write(cabecalho) != cabecalho.size())
        return Tabela::FalhaGravacao;
    LeitorAmostras leitor(base + QStringLiteral(".dat"));
    const char *texto = nullptr;
    int n = 0;
    constexpr int limiteBloco = 1 << 18;
    QByteArray bloco;
    int usado = 0;
    const auto esvaziar = [&] {
        const bool ok = saida->write(bloco.constData(), usado) == usado;
        usado = 0;
        return ok;
    };
    while (leitor.linha(&texto, &n)) {
        if (bloco.size() < usado + n + 16)
            bloco.resize(std::max(usado + n + 16, limiteBloco + limiteBloco / 2));
        int escritos = registro(texto, n, bloco.data() + usado);
        if (escritos < 0) {
            const QByteArray longo = registroDecodificado(texto, n);
            if (bloco.size() < usado + longo.size())
                bloco.resize(usado + int(longo.size()));
            std::memcpy(bloco.data() + usado, longo.constData(), size_t(longo.size()));
            escritos = int(longo.size());
        }
        usado += escritos;
        if (usado >= limiteBloco && !esvaziar())
            return Tabela::FalhaGravacao;
    }
    if (!esvaziar())
        return Tabela::FalhaGravacao;
    if (leitor.erro().isEmpty())
        return Tabela::Escrita;
    if (erro)
        *erro = leitor.erro();
    return Tabela::FalhaLeitura;
}

} // namespace Csv
