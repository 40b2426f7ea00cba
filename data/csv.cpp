#include "data/csv.h"

#include "data/acessararquivo.h"

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

bool tabelaComponente(const QString &base, QString *csv)
{
    if (!QFileInfo(base + QStringLiteral(".head")).isFile())
        return false;
    AcessarArquivo a;
    a.lerComponenteCompleto(base);
    const QStringList colunas[8] = {a.getColuna1(), a.getColuna2(), a.getColuna3(), a.getColuna4(),
                                    a.getColuna5(), a.getColuna6(), a.getColuna7(), a.getColuna8()};
    QString t = linha({QStringLiteral("time (hh:mm:ss)"), QStringLiteral("amx (m/s²)"),
                       QStringLiteral("amy (m/s²)"), QStringLiteral("amz (m/s²)"),
                       QStringLiteral("amr (m/s²)"), QStringLiteral("vdvx (m/s^1.75)"),
                       QStringLiteral("vdvy (m/s^1.75)"), QStringLiteral("vdvz (m/s^1.75)")});
    QStringList campos;
    for (int i = 0; i < colunas[0].size(); ++i) {
        campos.clear();
        for (const QStringList &c : colunas)
            campos << c.value(i);
        t += linha(campos);
    }
    *csv = t;
    return true;
}

} // namespace Csv
