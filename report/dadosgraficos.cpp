#include "report/dadosgraficos.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"

#include <QTime>

#include <algorithm>
#include <cmath>

namespace DadosGraficos {

namespace {

// Room above and below the drawn values; a flat or empty series still
// gets a range that can be drawn.
QPair<double, double> faixaComFolga(double minimo, double maximo, double folgaBaixo,
                                    double folgaAlto)
{
    if (!(minimo <= maximo))
        return {0, 1};
    const double baixo = minimo - folgaBaixo * std::abs(minimo);
    const double alto = maximo + folgaAlto * std::abs(maximo);
    if (baixo == alto)
        return {baixo - 1, alto + 1};
    return {baixo, alto};
}

} // namespace

QVector<int> desbastar(int n)
{
    QVector<int> linhas;
    if (n <= 0)
        return linhas;
    const int passo = n <= maximoAmostrasGrafico ? 1 : (n - 1 + maximoAmostrasGrafico - 2) / (maximoAmostrasGrafico - 1);
    for (int i = 0; i < n - 1; i += passo)
        linhas.append(i);
    linhas.append(n - 1);
    return linhas;
}

int segundosDoDia(const QString &hora)
{
    const QTime t = QTime::fromString(hora.trimmed(), QStringLiteral("HH:mm:ss"));
    return t.isValid() ? t.msecsSinceStartOfDay() / 1000 : -1;
}

DadosLinhas linhas(const AcessarArquivo &a)
{
    // Only the kept rows are decoded: a 10-day recording has 864,000.
    const QVector<int> kept = desbastar(a.amostras());
    const int n = kept.size();

    DadosLinhas d;
    double minimo = INFINITY, maximo = -INFINITY;
    for (int s = 0; s < 4; ++s) {
        d.series[s].reserve(n);
        for (int linha : kept) {
            const double v = ArquivoRegistro::numero(a.celula(linha, s + 1));
            d.series[s].append(v);
            minimo = std::min(minimo, v);
            maximo = std::max(maximo, v);
        }
    }
    // Times of day, a later day counted on: a time earlier than the one
    // before it starts the next day; one that is not a time is drawn a
    // second after the sample before it.
    d.chaves.reserve(n);
    double dia = 0;
    for (int i = 0; i < n; ++i) {
        const double anterior = i > 0 ? d.chaves.at(i - 1) : -1;
        const int s = segundosDoDia(a.celula(kept.at(i), 0));
        if (s < 0) {
            d.chaves.append(anterior + 1);
            continue;
        }
        if (dia + s < anterior)
            dia += 86400 * std::ceil((anterior - dia - s) / 86400);
        d.chaves.append(dia + s);
    }
    d.faixaX = n > 0 ? qMakePair(d.chaves.first(), std::max(d.chaves.last(), d.chaves.first() + 1))
                     : qMakePair(0.0, 1.0);
    d.faixaY = faixaComFolga(minimo, maximo, 0.1, 0.1);
    return d;
}

DadosBandas bandas(const QStringList &freq, const QStringList &vibracao)
{
    DadosBandas d;
    const int n = int(std::min(freq.size(), vibracao.size()));
    d.rotulos = freq.mid(0, n);
    double maximo = -INFINITY;
    for (int i = 0; i < n; ++i) {
        d.chaves.append(i + 1);
        d.valores.append(ArquivoRegistro::numero(vibracao.at(i)));
        maximo = std::max(maximo, d.valores.last());
    }
    d.faixaX = {0, n + 1.0};
    d.faixaY = maximo > 0 ? QPair<double, double>{0, maximo + 0.3 * maximo}
                          : QPair<double, double>{0, 1};
    return d;
}

} // namespace DadosGraficos
