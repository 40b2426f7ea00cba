#include "report/layoutrelatorio.h"

#include "data/rastro.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "data/leitoramostras.h"
#include "evaluation/tabelasavaliacao.h"

#include <QDir>
#include <QObject>


namespace LayoutRelatorio {

namespace {

// A long line broken at blanks into pieces of at most `largura` characters.
QStringList quebrar(const QString &linha, int largura)
{
    // Walks the line once: cutting the rest off a copy each time would make
    // a long observation cost the square of its length.
    QStringList partes;
    int inicio = 0;
    int fim = int(linha.size());
    while (fim - inicio > largura) {
        int corte = int(linha.lastIndexOf(QLatin1Char(' '), inicio + largura)) - inicio;
        if (corte <= 0)
            corte = largura;
        partes << linha.mid(inicio, corte);
        inicio += corte;
        while (inicio < fim && linha.at(inicio).isSpace())
            ++inicio;
        while (fim > inicio && linha.at(fim - 1).isSpace())
            --fim;
    }
    partes << linha.mid(inicio, fim - inicio);
    return partes;
}

// Draws through a destination, starting pages only when something is
// drawn on them, so that no report ends with an empty page.
class Composicao
{
public:
    // Only pages [de, ate) reach `d`; with none, nothing is drawn and
    // `paginas()` tells how many there are.
    Composicao(const QString &pasta, DestinoRelatorio *d, const Progresso &p, int de, int ate)
        : pasta(pasta)
        , destino(d)
        , progresso(p)
        , de(de)
        , ate(ate)
    {
    }

    bool compor();
    // "PATH: reason" of a data file that could not be read whole.
    QString erro() const { return falha; }
    int paginas() const { return pagina + 1; }
    // The pages (from 0) that hold a component's charts.
    QVector<int> paginasDeGraficos;

private:
    void quebrarPagina() { quebraPendente = true; }
    // Starts the page something is drawn on; true when it is one to draw.
    bool prepararPagina()
    {
        if (quebraPendente) {
            ++pagina;
            if (pagina > de && pagina < ate)
                destino->novaPagina();
            quebraPendente = false;
        }
        return naFaixa();
    }
    bool naFaixa() const { return pagina >= de && pagina < ate; }
    void texto(double x, double y, FonteRelatorio f, const QString &t, double largura = 0)
    {
        if (prepararPagina())
            destino->texto(QPointF(x, y), f, t, largura);
    }
    void normal(double x, double y, const QString &t) { texto(x, y, FonteRelatorio::Normal, t); }
    void par(double xRotulo, double xValor, double y, const QString &rotulo, const QString &valor)
    {
        texto(xRotulo, y, FonteRelatorio::Normal, rotulo, xValor - xRotulo - 3);
        normal(xValor, y, valor);
    }
    void separador(double y)
    {
        if (prepararPagina())
            destino->linha(QPointF(25, y), QPointF(550, y));
    }
    void cabecalho()
    {
        if (prepararPagina())
            destino->logotipo(QRectF(25, 25, 100, 30));
        texto(170, 50, FonteRelatorio::Titulo,
              QObject::tr("Relatório Medidor de Vibração - KT9400 - ") + a.getId_equipamento());
        separador(65);
    }

    void primeiraPagina();
    void secao(bool corpo, const QStringList &pastasCorpo);
    void resumo(bool corpo, const QStringList &pastasCorpo);
    void componente(bool corpo, int n, int m, const QString &base);
    void tabela(bool corpo, int n, int m, const QString &arquivoDados);
    // A new page of partial exposure n's components: header and title.
    void paginaDeComponente(bool corpo, int n);
    void titulosDaTabela(bool corpo, int n, int m);
    // The last page: both criteria's verdicts on one page.
    void paginaDeAvaliacao();
    // Lines of small text from `y` on, a new page when the paper ends;
    // returns the y below them.
    double paragrafo(double y, const QString &texto, double x = 30);
    double tabelaDeAvaliacao(double y, const TabelasAvaliacao::Tabela &t, const QVector<double> &colunas);
    double continuar(double y, double altura);

    const QString pasta;
    DestinoRelatorio *const destino;
    const Progresso progresso; // a copy: callers may pass a temporary
    const int de;
    const int ate;
    AcessarArquivo a;
    bool quebraPendente = false;
    int pagina = 0;
    int feitos = 0;
    int total = 0;
    bool parado = false;
    QString falha;
};

namespace {

// The body folders the report shows, whole body and hand-arm, each when
// the measurement has results of it.
void pastasDoRelatorio(const QString &pasta, const AcessarArquivo &exposicao, QStringList *pastasCorpo,
                       QStringList *pastasMao)
{
    for (const QString &p : LayoutMedida::subpastas(pasta)) {
        for (const auto &[sensor, lista] : {std::pair{"/corpo", pastasCorpo}, std::pair{"/mao", pastasMao}}) {
            const QString s = p + QLatin1String(sensor);
            if (QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size() > 1)
                lista->append(s);
        }
    }
    if (exposicao.getEnable_corpo().toInt() <= 0)
        pastasCorpo->clear();
    if (exposicao.getEnable_mao().toInt() <= 0)
        pastasMao->clear();
}

} // namespace

bool Composicao::compor()
{
    a.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
    primeiraPagina();

    QStringList pastasCorpo, pastasMao;
    pastasDoRelatorio(pasta, a, &pastasCorpo, &pastasMao);
    const bool corpo = a.getEnable_corpo().toInt() > 0;
    const bool mao = a.getEnable_mao().toInt() > 0;
    for (const auto &[usada, pastas] : {std::pair{corpo, &pastasCorpo}, std::pair{mao, &pastasMao}}) {
        for (const QString &p : *pastas)
            total += usada ? int(LayoutMedida::componentes(p).size()) : 0;
    }
    if (corpo)
        secao(true, pastasCorpo);
    if (mao && !parado)
        secao(false, pastasMao);
    if (parado)
        return false;
    paginaDeAvaliacao();
    return falha.isEmpty();
}

void Composicao::primeiraPagina()
{
    cabecalho();
    texto(255, 90, FonteRelatorio::Secao, QObject::tr("Identificação: "));
    const QString rotulos[8] = {
        QObject::tr("Empresa Avaliadora: "), QObject::tr("Responsável Técnico: "),
        QObject::tr("Empresa Avaliada: "),   QObject::tr("Funcionário Avaliado: "),
        QObject::tr("Setor: "),              QObject::tr("Nome da Exposição: "),
        QObject::tr("Data de Criação: "),    QObject::tr("Jornada de Trabalho: ")};
    const QString valores[8] = {a.getEmpresa_avaliadora(), a.getResponsavel_tecnico(),
                                a.getEmpresa_avaliada(),   a.getFuncionario_avaliado(),
                                a.getSetor(),              a.getNome_exposicao(),
                                a.getData_criacao(),       a.getJornada_de_trabalho()};
    for (int i = 0; i < 8; ++i)
        normal(50, 120 + 20 * i, rotulos[i] + valores[i]);

    double y = 300;
    if (a.getEnable_corpo().toInt() != 0) {
        separador(300);
        texto(235, 320, FonteRelatorio::Secao, QObject::tr("Resultante de Corpo"));
        const QString vdv = QStringLiteral(" [m/s1,75]: ");
        par(50, 120, 340, QObject::tr("Are [m/s²]: "), a.getAre_corpo());
        par(200, 320, 340, QStringLiteral("VDVR") + vdv, a.getVdvr());
        par(390, 440, 340, QStringLiteral("FC (X): "), a.getFC_x_resultante());
        par(50, 120, 360, QObject::tr("Aren [m/s²]: "), a.getAren_corpo());
        par(200, 320, 360, QStringLiteral("VDVexp(x)") + vdv, a.getVdvexpx());
        par(390, 440, 360, QStringLiteral("FC (Y): "), a.getFC_y_resultante());
        par(200, 320, 380, QStringLiteral("VDVexp(y)") + vdv, a.getVdvexpy());
        par(390, 440, 380, QStringLiteral("FC (Z): "), a.getFC_z_resultante());
        par(200, 320, 400, QStringLiteral("VDVexp(z)") + vdv, a.getVdvexpz());
        y = 420;
    }
    if (a.getEnable_mao().toInt() != 0) {
        separador(y);
        texto(208, y + 20, FonteRelatorio::Secao, QObject::tr("Resultante de Mãos e Braços"));
        par(90, 175, y + 40, QObject::tr("Are [m/s²]: "), a.getAre_mao());
        par(320, 400, y + 40, QObject::tr("Aren [m/s²]: "), a.getAren_mao());
        y += 60;
    }
    separador(y);
    texto(255, y + 20, FonteRelatorio::Secao, QObject::tr("Observações:"));
    // Lines that would reach the signature go on to the next page.
    double yLinha = y + 40;
    for (const QString &paragrafo : a.getObservacoes().split(QLatin1Char('\n'))) {
        for (const QString &linha : quebrar(paragrafo, caracteresPorLinhaObservacao)) {
            if (yLinha > 740) {
                quebrarPagina();
                cabecalho();
                yLinha = 100;
            }
            normal(40, yLinha, linha);
            yLinha += 20;
        }
    }
    if (prepararPagina())
        destino->linha(QPointF(350, 760), QPointF(530, 760));
    normal(350, 775, a.getResponsavel_tecnico());
    quebrarPagina();
}

void Composicao::secao(bool corpo, const QStringList &pastasCorpo)
{
    resumo(corpo, pastasCorpo);
    for (int n = 0; n < pastasCorpo.size(); ++n) {
        const QStringList bases = LayoutMedida::componentesMaisNovosPrimeiro(pastasCorpo.at(n));
        for (int m = 0; m < bases.size(); ++m) {
            if (progresso && !progresso(feitos, total)) {
                parado = true;
                return;
            }
            componente(corpo, n + 1, m + 1, bases.at(m));
            ++feitos;
        }
    }
    quebrarPagina();
}

void Composicao::resumo(bool corpo, const QStringList &pastasCorpo)
{
    const QString titulo = corpo ? QObject::tr("Exposições Parciais de Corpo")
                                 : QObject::tr("Exposições Parciais de Mãos e Braços");
    const double xTitulo = corpo ? 200 : 170;
    const double passo = corpo ? 160 : 140;
    const auto paginaDeResumo = [&] {
        cabecalho();
        texto(xTitulo, 100, FonteRelatorio::Secao, titulo);
    };
    paginaDeResumo();
    for (int i = 0; i < pastasCorpo.size(); ++i) {
        if (i > 0 && i % blocosPorPaginaResumo == 0) {
            quebrarPagina();
            paginaDeResumo();
        }
        const double b = 135 + passo * (i % blocosPorPaginaResumo);
        a.limparExposicaoParcial();
        a.lerExposicaoParcial(LayoutMedida::arquivoParcial(pastasCorpo.at(i)));
        texto(corpo ? 225 : 230, b, FonteRelatorio::Secao,
              QObject::tr("Exposição Parcial ") + QString::number(i + 1));
        if (corpo) {
            const QString vdv = QStringLiteral(" [m/s1,75]: ");
            const QString linhas[6][3][2] = {
                {{QObject::tr("Exposição Parcial: "), a.getNome_exp_parcial()},
                 {QStringLiteral("VDVi(x)") + vdv, a.getVdvix()},
                 {QStringLiteral("FC (X): "), a.getFC_x_parcial()}},
                {{QObject::tr("Nº Repetições: "), a.getNum_repeticao()},
                 {QStringLiteral("VDVi(y)") + vdv, a.getVdviy()},
                 {QStringLiteral("FC (Y): "), a.getFC_y_parcial()}},
                {{QObject::tr("Tempo Exposição Médio: "), a.getTempo_exp()},
                 {QStringLiteral("VDVi(z)") + vdv, a.getVdviz()},
                 {QStringLiteral("FC (Z): "), a.getFC_z_parcial()}},
                {{QObject::tr("Tempo Exposição Total: "), a.getTempo_exp_total()},
                 {QStringLiteral("VDVexp(x)") + vdv, a.getVdvexpx_parcial()},
                 {QObject::tr("arep [m/s²]: "), a.getArep()}},
                {{QObject::tr("Tempo Amostrado: "), a.getTempo_amostrado()},
                 {QStringLiteral("VDVexp(y)") + vdv, a.getVdvexpy_parcial()},
                 {}},
                {{}, {QStringLiteral("VDVexp(z)") + vdv, a.getVdvexpz_parcial()}, {}},
            };
            const double xRotulo[3] = {20, 235, 420}, xValor[3] = {135, 360, 500};
            for (int r = 0; r < 6; ++r)
                for (int c = 0; c < 3; ++c)
                    if (!linhas[r][c][0].isEmpty())
                        par(xRotulo[c], xValor[c], b + 20 * (r + 1), linhas[r][c][0], linhas[r][c][1]);
            separador(b + 140);
        } else {
            const QString linhas[5][2] = {
                {QObject::tr("Exposição Parcial: "), a.getNome_exp_parcial()},
                {QObject::tr("Nº Repetições: "), a.getNum_repeticao()},
                {QObject::tr("Tempo Exposição Médio: "), a.getTempo_exp()},
                {QObject::tr("Tempo Exposição Total: "), a.getTempo_exp_total()},
                {QObject::tr("Tempo Amostrado: "), a.getTempo_amostrado()}};
            for (int r = 0; r < 5; ++r)
                par(90, 230, b + 20 * (r + 1), linhas[r][0], linhas[r][1]);
            par(340, 420, b + 20, QObject::tr("arep [m/s²]: "), a.getArep());
            separador(b + 120);
        }
    }
}

void Composicao::componente(bool corpo, int n, int m, const QString &base)
{
    a.lerValoresComponente(base);
    paginaDeComponente(corpo, n);
    texto(230, 135, FonteRelatorio::Secao, QObject::tr(" Componente ") + QString::number(m));
    const QString pares[5][2][2] = {
        {{QObject::tr("Nome da Componente: "), a.getNome_componente()},
         {QObject::tr("Tipo de Sensor: "), a.getTipo_de_sensor_comp()}},
        {{QObject::tr("Inicio: "), a.getInicio_comp()},
         {QObject::tr("Fator Multiplicativo(x): "), a.getK_x()}},
        {{QObject::tr("Fim: "), a.getFim_comp()}, {QObject::tr("Fator Multiplicativo(y): "), a.getK_y()}},
        {{QObject::tr("Duração: "), a.getDuracao_comp()},
         {QObject::tr("Fator Multiplicativo(z): "), a.getK_z()}},
        {{QObject::tr("Período de Amostragem: "), a.getPeriodo_amostragem_comp() + QStringLiteral(" seg")},
         {QObject::tr("Filtros aplicados (X ,Y, Z):  "),
          a.getPonderacao_frequencia_x() + QStringLiteral(", ") + a.getPonderacao_frequencia_y()
              + QStringLiteral(", ") + a.getPonderacao_frequencia_z()}},
    };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c)
            normal(c == 0 ? 50 : 320, 155 + 20 * r, pares[r][c][0] + pares[r][c][1]);

    texto(255, 275, FonteRelatorio::Secao, QObject::tr("Variáveis:"));
    const QString eixos[3] = {QStringLiteral("X  "), QStringLiteral("Y  "), QStringLiteral("Z  ")};
    const QString am[3] = {a.getAmx(), a.getAmy(), a.getAmz()};
    const QString pico[3] = {a.getPicox(), a.getPicoy(), a.getPicoz()};
    const QString vdv[3] = {a.getVdvx(), a.getVdvy(), a.getVdvz()};
    const QString fc[3] = {a.getFC_x(), a.getFC_y(), a.getFC_z()};
    if (corpo) {
        normal(90, 300, QObject::tr("Eixo"));
        normal(155, 300, QObject::tr("Amj [m/s²]"));
        normal(250, 300, QObject::tr("Pico"));
        normal(305, 300, QObject::tr("VDV [m/s1,75]"));
        normal(400, 300, QStringLiteral("FC"));
        for (int e = 0; e < 3; ++e) {
            const double y = 320 + 25 * e;
            normal(100, y, eixos[e]);
            normal(160, y, am[e]);
            normal(240, y, pico[e]);
            normal(320, y, vdv[e]);
            normal(395, y, fc[e]);
        }
    } else {
        normal(170, 300, QObject::tr("Eixo"));
        normal(235, 300, QObject::tr("Amj [m/s²]"));
        normal(330, 300, QObject::tr("Pico"));
        for (int e = 0; e < 3; ++e) {
            const double y = 320 + 25 * e;
            normal(180, y, eixos[e]);
            normal(240, y, am[e]);
            normal(320, y, pico[e]);
        }
    }

    texto(255, 410, FonteRelatorio::Secao, QObject::tr("Graficos:"));
    paginasDeGraficos.append(pagina);
    if (prepararPagina()) {
        destino->graficoLinhas(base, QPointF(25, 420));
        if (a.getFreq().size() > 1)
            destino->graficoBandas(base, QPointF(25, 600));
    }
    tabela(corpo, n, m, base + QStringLiteral(".dat"));
}

void Composicao::paginaDeComponente(bool corpo, int n)
{
    quebrarPagina();
    cabecalho();
    if (corpo)
        texto(145, 100, FonteRelatorio::Secao,
              QObject::tr(" Componentes de Corpo - Exposição Parcial ") + QString::number(n));
    else
        texto(140, 100, FonteRelatorio::Secao,
              QObject::tr(" Componentes de Mãos e Braços - Exposição Parcial ") + QString::number(n));
}

void Composicao::titulosDaTabela(bool corpo, int n, int m)
{
    paginaDeComponente(corpo, n);
    texto(200, 120, FonteRelatorio::Secao, QObject::tr(" Tabela da Componente ") + QString::number(m));
    const QString nomes[7] = {QStringLiteral("Tempo"), QStringLiteral("amX"), QStringLiteral("amY"),
                              QStringLiteral("amZ"), QStringLiteral("VDVexpX"),
                              QStringLiteral("VDVexpY"), QStringLiteral("VDVexpZ")};
    const QString unidades[7] = {QStringLiteral("[hh:mm:ss]"), QStringLiteral("[m/s²]"),
                                 QStringLiteral("[m/s²]"),     QStringLiteral("[m/s²]"),
                                 QStringLiteral("[m/s1,75]"),  QStringLiteral("[m/s1,75]"),
                                 QStringLiteral("[m/s1,75]")};
    const int colunas = corpo ? 7 : 4;
    const int blocos = corpo ? 2 : 4;
    for (int b = 0; b < blocos; ++b) {
        for (int c = 0; c < colunas; ++c) {
            const double x = celula(b * linhasPorBloco, c, corpo).x();
            texto(x, 160, FonteRelatorio::CabecalhoTabela, nomes[c]);
            texto(x, 172, FonteRelatorio::CabecalhoTabela, unidades[c]);
        }
    }
}

void Composicao::tabela(bool corpo, int n, int m, const QString &arquivoDados)
{
    // Time, amx, amy, amz and the three VDVs; amr is not printed. Rows are
    // read from the file as they are drawn, and decoded only on the pages
    // drawn here: the table may have millions. Where pages are drawn they
    // are counted first, so that a file that ends before its rows are all
    // drawn (cut or changed meanwhile) fails the report instead of
    // shortening it; a count of pages reads them once.
    const int colunas[7] = {0, 1, 2, 3, 5, 6, 7};
    const int nColunas = corpo ? 7 : 4;
    QString erro;
    const int contadas = destino ? LeitorAmostras::contar(arquivoDados, &erro) : -1;
    titulosDaTabela(corpo, n, m);
    const int porPagina = corpo ? linhasPorPaginaCorpo : linhasPorPaginaMao;
    LeitorAmostras leitor(arquivoDados);
    int l = 0;
    for (; leitor.proxima(); ++l) {
        if (l > 0 && l % porPagina == 0)
            titulosDaTabela(corpo, n, m);
        if (!naFaixa())
            continue;
        for (int c = 0; c < nColunas; ++c) {
            const QPointF p = celula(l, c, corpo);
            texto(p.x(), p.y(), FonteRelatorio::CelulaTabela, leitor.celula(colunas[c]));
        }
    }
    if (erro.isEmpty())
        erro = leitor.erro();
    if (erro.isEmpty() && contadas >= 0 && l != contadas)
        erro = LeitorAmostras::mudou(arquivoDados);
    if (!erro.isEmpty() && falha.isEmpty())
        falha = erro;
}

} // namespace

void Composicao::paginaDeAvaliacao()
{
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
    quebrarPagina();
    cabecalho();
    texto(215, 90, FonteRelatorio::Secao, QObject::tr("Avaliação da exposição"));
    const QString pares[8][2] = {
        {QObject::tr("Empresa Avaliadora: "), e.getEmpresa_avaliadora()},
        {QObject::tr("Responsável Técnico: "), e.getResponsavel_tecnico()},
        {QObject::tr("Empresa Avaliada: "), e.getEmpresa_avaliada()},
        {QObject::tr("Funcionário Avaliado: "), e.getFuncionario_avaliado()},
        {QObject::tr("Setor: "), e.getSetor()},
        {QObject::tr("Jornada de Trabalho: "), e.getJornada_de_trabalho()},
        {QObject::tr("Instrumento: "), e.getId_equipamento()},
        {QObject::tr("Data de Criação: "), LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao())}};
    double y = 112;
    for (const auto &par : pares) {
        texto(30, y, FonteRelatorio::CabecalhoTabela, par[0], 110);
        texto(145, y, FonteRelatorio::CelulaTabela, par[1], 405);
        y += 12;
    }
    const AvaliacaoExposicao avaliacao = AvaliacaoExposicao::avaliar(pasta);
    const TabelasAvaliacao::Tabela nr = TabelasAvaliacao::nr(avaliacao);
    const TabelasAvaliacao::Tabela ue = TabelasAvaliacao::ue(avaliacao);
    y = tabelaDeAvaliacao(y + 8, nr, {30, 230, 290, 380, 550});
    y = tabelaDeAvaliacao(y + 8, ue, {30, 212, 254, 318, 438, 472, 510, 550});
    y = paragrafo(y + 4, TabelasAvaliacao::diferencaDosCriterios());
    QStringList notas = nr.notas() + ue.notas();
    if (!avaliacao.temMao && !avaliacao.temCorpo)
        notas << QObject::tr("Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.");
    if (!notas.isEmpty()) {
        y = continuar(y + 8, 30);
        separador(y);
        texto(30, y + 16, FonteRelatorio::CabecalhoTabela, QObject::tr("Não calculado:"));
        y += 28;
        for (const QString &nota : notas)
            y = paragrafo(y, nota);
    }
}

double Composicao::continuar(double y, double altura)
{
    if (y + altura <= 815)
        return y;
    quebrarPagina();
    cabecalho();
    return 90;
}

double Composicao::paragrafo(double y, const QString &t, double x)
{
    for (const QString &linha : quebrar(t, 125)) {
        y = continuar(y, 11);
        texto(x, y, FonteRelatorio::CelulaTabela, linha);
        y += 11;
    }
    return y;
}

double Composicao::tabelaDeAvaliacao(double y, const TabelasAvaliacao::Tabela &t,
                                     const QVector<double> &colunas)
{
    if (t.linhas.isEmpty())
        return y;
    y = continuar(y, 60);
    separador(y);
    texto(30, y + 16, FonteRelatorio::Secao, t.titulo, 520);
    y += 34;
    // Every column but the one of sentences, which goes under its row.
    QVector<int> mostradas;
    for (int c = 0; c < t.cabecalhos.size(); ++c) {
        if (c != t.colunaTexto)
            mostradas << c;
    }
    const auto largura = [&](int i) { return colunas.at(i + 1) - colunas.at(i) - 3; };
    // A heading too long for its narrow column takes two lines, one word
    // on the first: side by side, "Acción tras" and "Límite tras" ran into
    // each other.
    bool duasLinhas = false;
    for (int i = 0; i < mostradas.size() && i + 1 < colunas.size(); ++i) {
        const QString c = t.cabecalhos.value(mostradas.at(i));
        const bool quebrar = largura(i) < 60 && c.contains(QLatin1Char(' '));
        texto(colunas.at(i), y, FonteRelatorio::CabecalhoTabela, quebrar ? c.section(QLatin1Char(' '), 0, 0) : c,
              largura(i));
        if (quebrar)
            texto(colunas.at(i), y + 10, FonteRelatorio::CabecalhoTabela, c.section(QLatin1Char(' '), 1), largura(i));
        duasLinhas = duasLinhas || quebrar;
    }
    y += duasLinhas ? 22 : 12;
    for (const TabelasAvaliacao::Linha &l : t.linhas) {
        y = continuar(y, t.colunaTexto >= 0 ? 24 : 12);
        for (int i = 0; i < mostradas.size() && i + 1 < colunas.size(); ++i) {
            const QString c = l.celulas.value(mostradas.at(i));
            if (mostradas.at(i) == l.colunaCor && !c.isEmpty() && prepararPagina())
                destino->celulaColorida(QRectF(colunas.at(i) - 2, y - 9, largura(i) + 2, 12), l.cor, c);
            else
                texto(colunas.at(i), y, FonteRelatorio::CelulaTabela, c, largura(i));
        }
        y += 12;
        if (t.colunaTexto >= 0)
            y = paragrafo(y, t.cabecalhos.at(t.colunaTexto) + QStringLiteral(": ") + l.celulas.value(t.colunaTexto), 45);
    }
    return paragrafo(y + 4, t.fonte);
}

QStringList componentesDoRelatorio(const QString &pastaExposicao)
{
    AcessarArquivo exposicao;
    exposicao.lerExposicao(LayoutMedida::arquivoExposicao(pastaExposicao));
    QStringList pastasCorpo, pastasMao;
    pastasDoRelatorio(pastaExposicao, exposicao, &pastasCorpo, &pastasMao);
    QStringList bases;
    for (const QString &p : pastasCorpo + pastasMao)
        bases += LayoutMedida::componentesMaisNovosPrimeiro(p);
    return bases;
}

bool compor(const QString &pastaExposicao, DestinoRelatorio &destino, QString *erro, const Progresso &progresso,
            int de, int ate)
{
    Composicao c(pastaExposicao, &destino, progresso, de, ate);
    const bool inteiro = c.compor();
    if (erro)
        *erro = c.erro();
    return inteiro;
}

int contarPaginas(const QString &pastaExposicao, QVector<int> *comGraficos)
{
    Composicao c(pastaExposicao, nullptr, {}, 0, 0);
    c.compor();
    if (comGraficos)
        *comGraficos = c.paginasDeGraficos;
    return c.paginas();
}

} // namespace LayoutRelatorio
