#include "evaluation/planilha.h"

#include "evaluation/avaliacaoexposicao.h"
#include "evaluation/relatoriotexto.h"
#include "evaluation/textoavaliacao.h"
#include "data/arquivoregistro.h"

#include <QIODevice>

namespace Planilha {

QStringList cabecalho()
{
    QStringList r;
    for (const auto &v : RelatorioTexto::valoresDaMedida(QString()))
        r << v.first;
    for (const auto &c : TextoAvaliacao::colunas(AvaliacaoExposicao()))
        r << c.first;
    return r;
}

QStringList linha(const QString &pastaMedida)
{
    QStringList r;
    for (const auto &v : RelatorioTexto::valoresDaMedida(pastaMedida))
        r << v.second.trimmed();
    for (const auto &c : TextoAvaliacao::colunas(AvaliacaoExposicao::avaliar(pastaMedida)))
        r << TextoAvaliacao::textoCsv(c.second);
    return r;
}

namespace {

QString campo(QString texto, const QLocale &local, QChar separador)
{
    // A number as the language writes it; every other text as it is.
    double v = 0;
    if (ArquivoRegistro::numeroFinito(texto, &v) && texto.contains(QLatin1Char('.')))
        texto.replace(QLatin1Char('.'), local.decimalPoint());
    if (texto.contains(separador) || texto.contains(QLatin1Char('"')) || texto.contains(QLatin1Char('\n'))
        || texto.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + texto.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return texto;
}

} // namespace

bool escrever(const QStringList &medidas, const QLocale &local, QIODevice *saida, QString *erro)
{
    const QChar separador = local.decimalPoint() == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    const auto escreverLinha = [&](const QStringList &campos) {
        QStringList c;
        for (const QString &t : campos)
            c << campo(t, local, separador);
        const QByteArray bytes = (c.join(separador) + QStringLiteral("\r\n")).toUtf8();
        return saida->write(bytes) == bytes.size();
    };
    bool ok = saida->write("\xEF\xBB\xBF", 3) == 3 && escreverLinha(cabecalho());
    for (int i = 0; ok && i < medidas.size(); ++i)
        ok = escreverLinha(linha(medidas.at(i)));
    if (!ok && erro)
        *erro = saida->errorString();
    return ok;
}

} // namespace Planilha
