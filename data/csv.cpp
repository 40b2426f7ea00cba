#include "data/csv.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"

#include <QFileInfo>

#include <algorithm>

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

// A table cell as a CSV field in UTF-8. The instrument writes plain ASCII
// numbers and times, copied as they are; anything else takes the long way.
void acrescentarCampo(QByteArray *saida, const char *inicio, int tamanho)
{
    for (int i = 0; i < tamanho; ++i) {
        const unsigned char c = static_cast<unsigned char>(inicio[i]);
        if (c >= 0x80 || c == ',' || c == '"') {
            saida->append(campo(Codificacao::decodificar(inicio, tamanho)).toUtf8());
            return;
        }
    }
    saida->append(inicio, tamanho);
}

} // namespace

Tabela escreverTabelaComponente(const QString &base, QIODevice *saida)
{
    if (!QFileInfo(base + QStringLiteral(".head")).isFile())
        return Tabela::SemComponente;
    QByteArray bloco = linha({QStringLiteral("time (hh:mm:ss)"), QStringLiteral("amx (m/s²)"),
                              QStringLiteral("amy (m/s²)"), QStringLiteral("amz (m/s²)"),
                              QStringLiteral("amr (m/s²)"), QStringLiteral("vdvx (m/s^1.75)"),
                              QStringLiteral("vdvy (m/s^1.75)"), QStringLiteral("vdvz (m/s^1.75)")})
                           .toUtf8();
    ArquivoRegistro::LeitorArquivo leitor(base + QStringLiteral(".dat"));
    const char *texto = nullptr;
    int n = 0;
    // Above the table, the component's values: up to the "Tempo" line.
    bool tabela = false;
    while (!tabela && leitor.proxima(&texto, &n)) {
        const QStringList pedacos = ArquivoRegistro::pedacos(Codificacao::decodificar(texto, n));
        tabela = !pedacos.isEmpty() && pedacos.first() == QLatin1String("Tempo");
    }
    constexpr int limiteBloco = 1 << 18;
    const char *inicio[8];
    int tamanho[8];
    while (tabela && leitor.proxima(&texto, &n)) {
        // A row cut short (a recording stopped midway) is no sample.
        if (ArquivoRegistro::separarLinhaTabela(texto, n, inicio, tamanho) != 8)
            continue;
        for (int c = 0; c < 8; ++c) {
            if (c > 0)
                bloco.append(',');
            acrescentarCampo(&bloco, inicio[c], tamanho[c]);
        }
        bloco.append("\r\n");
        if (bloco.size() >= limiteBloco) {
            if (saida->write(bloco) != bloco.size())
                return Tabela::FalhaGravacao;
            bloco.clear();
        }
    }
    return saida->write(bloco) == bloco.size() ? Tabela::Escrita : Tabela::FalhaGravacao;
}

} // namespace Csv
