#include "report/dadosgraficos.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"

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
    QVector<int> linhas(n);
    for (int i = 0; i < n; ++i)
        linhas[i] = i;
    while (linhas.size() > maximoAmostrasGrafico) {
        const int k = int(linhas.size()) / 3 + 1;
        QVector<int> ficam;
        ficam.reserve(linhas.size() - k);
        for (int i = 1; i < 2 * (k - 1); i += 2)
            ficam.append(linhas.at(i));
        for (int i = 2 * k - 1; i < linhas.size(); ++i)
            ficam.append(linhas.at(i));
        linhas = ficam;
    }
    return linhas;
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
    d.chaves.reserve(n);
    for (int i = 1; i <= n; ++i)
        d.chaves.append(i);

    d.rotulos.reserve(n);
    for (int i = 0; i < n; ++i)
        d.rotulos.append(QStringLiteral(" "));
    if (n > 1) {
        d.rotulos[0] = a.getInicio_comp();
        const int q = n / 4, h = n / 2;
        for (int i : {q, h, h + q}) {
            if (i > 1 && i < n)
                d.rotulos[i] = a.celula(kept.at(i), 0);
        }
        if (n - 1 > 1)
            d.rotulos[n - 1] = a.getFim_comp();
    }
    d.faixaX = {0.5, n + 0.5};
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
