#include "report/dadosgraficos.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/leitoramostras.h"

#include <QTime>

#include <algorithm>
#include <array>
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

namespace {

// The chart of the kept samples' cells: time, amx, amy, amz, amr.
DadosLinhas linhasDe(const QVector<std::array<QString, 5>> &mantidas)
{
    const int n = int(mantidas.size());
    DadosLinhas d;
    double minimo = INFINITY, maximo = -INFINITY;
    for (int s = 0; s < 4; ++s) {
        d.series[s].reserve(n);
        for (const auto &celulas : mantidas) {
            const double v = ArquivoRegistro::numero(celulas[s + 1]);
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
        const int s = segundosDoDia(mantidas.at(i)[0]);
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

} // namespace

DadosLinhas linhas(const AcessarArquivo &a)
{
    // Only the kept rows are decoded: a 10-day recording has 864,000.
    QVector<std::array<QString, 5>> mantidas;
    for (const int linha : desbastar(a.amostras()))
        mantidas.append({a.celula(linha, 0), a.celula(linha, 1), a.celula(linha, 2), a.celula(linha, 3),
                         a.celula(linha, 4)});
    return linhasDe(mantidas);
}

DadosLinhas linhas(const QString &arquivoDados, QString *erro)
{
    const QVector<int> kept = desbastar(LeitorAmostras::contar(arquivoDados, erro));
    QVector<std::array<QString, 5>> mantidas;
    mantidas.reserve(kept.size());
    LeitorAmostras leitor(arquivoDados);
    for (int linha = 0; mantidas.size() < kept.size() && leitor.proxima(); ++linha) {
        if (kept.at(mantidas.size()) == linha)
            mantidas.append({leitor.celula(0), leitor.celula(1), leitor.celula(2), leitor.celula(3),
                             leitor.celula(4)});
    }
    // A file that changed between the two readings is not drawn from half of it.
    if (mantidas.size() < kept.size() && erro && erro->isEmpty())
        *erro = leitor.erro().isEmpty() ? LeitorAmostras::mudou(arquivoDados) : leitor.erro();
    return linhasDe(mantidas);
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
