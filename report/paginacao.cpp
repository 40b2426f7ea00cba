#include "report/paginacao.h"

#include <numeric>

namespace LayoutRelatorio {

namespace {

constexpr double primeiraLinhaTabela = 184;
constexpr double passoTabela = 12;
const double xCorpo[7] = {20, 70, 100, 130, 170, 210, 250};
constexpr double deslocamentoMeiaPagina = 270; // the right half starts at x 290
const double inicioBlocoMao[4] = {10, 152, 296, 441};
const double xDentroDoBlocoMao[4] = {0, 50, 80, 110};

} // namespace

int paginasDeTabela(int amostras, bool corpo)
{
    const int porPagina = corpo ? linhasPorPaginaCorpo : linhasPorPaginaMao;
    return amostras <= 0 ? 1 : (amostras + porPagina - 1) / porPagina;
}

int paginaDaLinha(int linha, bool corpo)
{
    return linha / (corpo ? linhasPorPaginaCorpo : linhasPorPaginaMao);
}

QPointF celula(int linha, int coluna, bool corpo)
{
    const int naPagina = linha % (corpo ? linhasPorPaginaCorpo : linhasPorPaginaMao);
    const int bloco = naPagina / linhasPorBloco;
    const double y = primeiraLinhaTabela + passoTabela * (naPagina % linhasPorBloco);
    const double x = corpo ? xCorpo[coluna] + bloco * deslocamentoMeiaPagina
                           : inicioBlocoMao[bloco] + xDentroDoBlocoMao[coluna];
    return QPointF(x, y);
}

QVector<int> cortes(int total, const QVector<int> &comGraficos, int partes)
{
    QVector<int> peso(total, 1);
    for (const int p : comGraficos) {
        if (p >= 0 && p < total)
            peso[p] += pesoDosGraficos;
    }
    const qint64 pesoTotal = std::accumulate(peso.cbegin(), peso.cend(), qint64(0));
    QVector<int> limites{0};
    qint64 acumulado = 0;
    int pagina = 0;
    for (int i = 1; i < partes; ++i) {
        // Each part after the first starts where the pages before it reach
        // its share of the work (but never empty).
        while (pagina < total && acumulado + peso.at(pagina) <= pesoTotal * i / partes)
            acumulado += peso.at(pagina++);
        pagina = qMax(pagina, limites.last() + 1);
        limites.append(qMin(pagina, total));
    }
    limites.append(total);
    return limites;
}

} // namespace LayoutRelatorio
