#include "report/relatorio.h"

#include "data/rastro.h"
#include "data/acessararquivo.h"
#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "data/travamedida.h"
#include "report/coresavaliacao.h"
#include "report/dadosgraficos.h"
#include "report/graficos.h"
#include "report/juncaopdf.h"
#include "report/layoutrelatorio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QThread>

#include <algorithm>
#include <array>
#include <atomic>
#include <limits>
#include <memory>
#include <vector>

#include <qcustomplot.h>

namespace {

// Paints the layout on a PDF writer whose units are points.
class PintorPdf : public DestinoRelatorio
{
public:
    PintorPdf(QPdfWriter &impressora, QPainter &pintor, const FigurasRelatorio &figuras)
        : impressora(impressora)
        , pintor(pintor)
        , figuras(figuras)
        , logo(QStringLiteral(":/icons/Logomarca_fundoBranco.png"))
    {
        const QString arial = QStringLiteral("Arial");
        fontes[int(FonteRelatorio::Titulo)] = QFont(arial, 10, QFont::Normal, true);
        fontes[int(FonteRelatorio::Normal)] = QFont(arial, 12);
        fontes[int(FonteRelatorio::Secao)] = QFont(arial, 12, QFont::Bold);
        fontes[int(FonteRelatorio::CabecalhoTabela)] = QFont(arial, 8, QFont::Bold);
        fontes[int(FonteRelatorio::CelulaTabela)] = QFont(arial, 8);
        for (const QFont &f : fontes)
            metricas.append(QFontMetrics(f, &impressora));
        pintor.setPen(QPen(Qt::black, 1));
        prepararCelulas();
    }
    ~PintorPdf() override { descarregarCelulas(); }

    void novaPagina() override
    {
        descarregarCelulas();
        impressora.newPage();
    }
    void texto(const QPointF &base, FonteRelatorio fonte, const QString &texto,
               double largura) override
    {
        if (fonte == FonteRelatorio::CelulaTabela && largura <= 0 && guardarCelula(base, texto))
            return;
        // A table page holds hundreds of cells in one font: it is set when
        // it changes, and a text is measured only where it has a width.
        const int f = int(fonte);
        if (f != fonteAtual) {
            pintor.setFont(fontes[f]);
            fonteAtual = f;
        }
        if (largura > 0) {
            const double medida = metricas[f].horizontalAdvance(texto);
            if (medida > largura) {
                QFont menor = fontes[f];
                menor.setPointSizeF(std::max(6.0, menor.pointSizeF() * largura / medida));
                pintor.setFont(menor);
                fonteAtual = -1;
            }
        }
        pintor.drawText(base, texto);
    }
    void linha(const QPointF &de, const QPointF &ate) override { pintor.drawLine(de, ate); }
    void celulaColorida(const QRectF &onde, TabelasAvaliacao::Cor cor, const QString &texto) override
    {
        pintor.fillRect(onde, CoresAvaliacao::fundo(cor));
        pintor.setPen(CoresAvaliacao::texto(cor));
        const int f = int(FonteRelatorio::CelulaTabela);
        QFont fonte = fontes[f];
        const double medida = metricas[f].horizontalAdvance(texto);
        if (medida > onde.width() - 4)
            fonte.setPointSizeF(std::max(6.0, fonte.pointSizeF() * (onde.width() - 4) / medida));
        pintor.setFont(fonte);
        fonteAtual = -1;
        pintor.drawText(onde, Qt::AlignCenter, texto);
        pintor.setPen(QPen(Qt::black, 1));
    }
    void logotipo(const QRectF &onde) override { pintor.drawImage(onde, logo, logo.rect()); }
    // The charts, recorded before the pages were drawn.
    void graficoLinhas(const QString &base, const QPointF &canto) override
    {
        desenharFigura(canto, figuras.linhas.value(base));
    }
    void graficoBandas(const QString &base, const QPointF &canto) override
    {
        desenharFigura(canto, figuras.bandas.value(base));
    }

private:
    void desenharFigura(const QPointF &canto, const QPicture &figura)
    {
        descarregarCelulas();
        pintor.save();
        // A picture is played at the device's resolution against its own
        // (the screen's): undone, so that the chart keeps the size it was
        // laid out in, in points.
        pintor.translate(canto);
        pintor.scale(qreal(figura.logicalDpiX()) / impressora.logicalDpiX(),
                     qreal(figura.logicalDpiY()) / impressora.logicalDpiY());
        pintor.drawPicture(QPointF(), figura);
        pintor.restore();
        fonteAtual = -1;
    }

    // The sample tables are numbers and times. Their glyphs are shaped once,
    // and a page's cells are drawn as one glyph run when the page ends:
    // the PDF engine's cost is per text drawn, and a 24-hour recording
    // has 600,000 cells.
    void prepararCelulas()
    {
        const QString caracteres = QStringLiteral("0123456789.,:+-eE");
        QTextLayout layout(caracteres, fontes[int(FonteRelatorio::CelulaTabela)], &impressora);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> corridas = layout.glyphRuns();
        // A character drawn from a fallback font, or as more than one glyph,
        // leaves every cell to the ordinary path.
        if (corridas.size() != 1 || corridas.first().glyphIndexes().size() != caracteres.size())
            return;
        fonteCelulas = corridas.first().rawFont();
        const QVector<quint32> indices = corridas.first().glyphIndexes();
        const QVector<QPointF> avancos = fonteCelulas.advancesForGlyphIndexes(indices);
        for (int i = 0; i < caracteres.size(); ++i)
            glifos[caracteres.at(i).unicode()] = {indices.at(i), avancos.at(i).x(), true};
        temGlifos = true;
    }
    bool guardarCelula(const QPointF &base, const QString &texto)
    {
        if (!temGlifos)
            return false;
        for (const QChar c : texto) {
            if (c.unicode() >= glifos.size() || !glifos[c.unicode()].conhecido)
                return false;
        }
        double x = base.x();
        for (const QChar c : texto) {
            const Glifo &g = glifos[c.unicode()];
            indicesPendentes.append(g.indice);
            posicoesPendentes.append(QPointF(x, base.y()));
            x += g.avanco;
        }
        return true;
    }
    void descarregarCelulas()
    {
        if (indicesPendentes.isEmpty())
            return;
        QGlyphRun corrida;
        corrida.setRawFont(fonteCelulas);
        corrida.setGlyphIndexes(indicesPendentes);
        corrida.setPositions(posicoesPendentes);
        pintor.drawGlyphRun(QPointF(), corrida);
        indicesPendentes.clear();
        posicoesPendentes.clear();
    }

    QPdfWriter &impressora;
    QPainter &pintor;
    const FigurasRelatorio &figuras;
    QImage logo;
    QFont fontes[5];
    QVector<QFontMetrics> metricas; // of each font on the PDF's device
    int fonteAtual = -1;
    QRawFont fonteCelulas;
    struct Glifo {
        quint32 indice = 0;
        double avanco = 0;
        bool conhecido = false;
    };
    std::array<Glifo, 128> glifos{}; // by character code, ASCII only
    bool temGlifos = false;
    QVector<quint32> indicesPendentes;           // the page's cells not yet drawn
    QVector<QPointF> posicoesPendentes;
};

} // namespace

Relatorio::Relatorio()
{
    qCDebug(rastro) << "Gerando Relatorio";
}

namespace {

QPicture gravar(QCustomPlot &plot, int largura, int altura)
{
    QPicture figura;
    QCPPainter pintor(&figura);
    plot.toPainter(&pintor, largura, altura);
    pintor.end();
    return figura;
}

} // namespace

QPicture Relatorio::graficoLinhas(const DadosLinhas &dados)
{
    QCustomPlot plot;
    Graficos::posicionarLegenda(&plot);
    Graficos::desenharLinhas(&plot, dados, AparenciaGrafico::papel());
    return gravar(plot, 530, 180);
}

QPicture Relatorio::graficoBandas(const DadosBandas &dados)
{
    QCustomPlot plot;
    Graficos::desenharBandas(&plot, dados, AparenciaGrafico::papel());
    return gravar(plot, 540, 210);
}

FigurasRelatorio Relatorio::figuras(const QString &pastaExposicao, QString *erro)
{
    // The data of each chart are read and thinned out here, row by row;
    // only the recording of the charts' drawing goes to the main thread,
    // all at once.
    QVector<QPair<QString, DadosLinhas>> linhas;
    QVector<QPair<QString, DadosBandas>> bandas;
    for (const QString &base : LayoutRelatorio::componentesDoRelatorio(pastaExposicao)) {
        AcessarArquivo a;
        a.lerValoresComponente(base);
        linhas.append({base, DadosGraficos::linhas(base + QStringLiteral(".dat"), erro)});
        if (a.getFreq().size() > 1)
            bandas.append({base, DadosGraficos::bandas(a.getFreq(), a.getVibracao())});
    }
    FigurasRelatorio f;
    const auto gravarTodas = [&] {
        for (const auto &[base, dados] : qAsConst(linhas))
            f.linhas.insert(base, graficoLinhas(dados));
        for (const auto &[base, dados] : qAsConst(bandas))
            f.bandas.insert(base, graficoBandas(dados));
    };
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        gravarTodas();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), gravarTodas, Qt::BlockingQueuedConnection);
    return f;
}

namespace {

// The pages [de, ate) of the report, as a PDF written to `saida`; false
// when `progresso` stopped it, or with `erro` when a data file could not be
// read whole.
bool desenhar(const QString &pastaExposicao, const FigurasRelatorio &figuras, QIODevice *saida, int de, int ate,
              QString *erro, const LayoutRelatorio::Progresso &progresso)
{
    QPdfWriter impressora(saida);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageMargins(QMarginsF(0, 0, 0, 0));
    impressora.setResolution(72); // page units are points
    QPainter pintor(&impressora);
    PintorPdf destino(impressora, pintor, figuras);
    return LayoutRelatorio::compor(pastaExposicao, destino, erro, progresso, de, ate);
}

// Reports this long are worth drawing in parts: the PDF engine's time goes
// into every glyph and the compression of every page, one core each.
constexpr int paginasParaDividir = 64;

// The report drawn in parts at once, starting at the pages of `limites`
// (the last value is where the last part ends), and joined into `saida`.
// Each part goes to a temporary file, not to memory: a 10-day report is
// hundreds of megabytes. The last part tells `progresso`; when it says
// stop, every part stops, and false comes without a `motivo`.
bool desenharEmPartes(const QString &pastaExposicao, const FigurasRelatorio &figuras, QIODevice *saida,
                      const QVector<int> &limites, const LayoutRelatorio::Progresso &progresso, QString *motivo)
{
    const int partes = int(limites.size()) - 1;
    std::vector<std::unique_ptr<QTemporaryFile>> pdfs;
    QStringList caminhos;
    for (int i = 0; i < partes; ++i) {
        pdfs.push_back(std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("kt9400-parte-XXXXXX.pdf"))));
        if (!pdfs.back()->open()) {
            *motivo = GravacaoSegura::falha(pdfs.back()->fileTemplate(), pdfs.back()->errorString());
            return false;
        }
        caminhos << pdfs.back()->fileName();
    }
    QVector<QString> erros(partes);
    std::atomic<bool> parar{false};
    std::vector<std::unique_ptr<QThread>> fios;
    for (int i = 0; i < partes; ++i) {
        const int de = limites.at(i);
        const int ate = i + 1 == partes ? std::numeric_limits<int>::max() : limites.at(i + 1);
        fios.emplace_back(QThread::create([&, i, de, ate] {
            // A part stops only when its callback says so, which sets `parar`.
            desenhar(pastaExposicao, figuras, pdfs[i].get(), de, ate, &erros[i], [&](int feitos, int componentes) {
                if (i + 1 == partes && progresso && !progresso(feitos, componentes))
                    parar = true;
                return !parar;
            });
            if (!pdfs[i]->flush() && erros[i].isEmpty())
                erros[i] = GravacaoSegura::falha(pdfs[i]->fileName(), pdfs[i]->errorString());
        }));
    }
    // The parts call back for nothing: they run side by side to their end.
    for (const auto &fio : fios)
        fio->start();
    for (const auto &fio : fios)
        fio->wait();
    if (parar)
        return false;
    for (const QString &erro : qAsConst(erros)) {
        if (!erro.isEmpty()) {
            *motivo = erro;
            return false;
        }
    }
    return JuncaoPdf::juntar(caminhos, saida, motivo);
}

} // namespace

bool Relatorio::escrever(const QString &pastaExposicao, const QString &arquivo, QString *erro,
                         const LayoutRelatorio::Progresso &progresso, int partes)
{
    if (arquivo.isEmpty()) {
        if (erro)
            *erro = QObject::tr("Nenhum arquivo escolhido.");
        return false;
    }
    // An evaluation waits until the report has read the measurement.
    const TravaMedida trava(pastaExposicao, TravaMedida::Modo::Compartilhada);
    // Written to a temporary file of a name nobody can foresee, renamed
    // over `arquivo` only when every byte of it was written.
    GravacaoSegura gravacao(arquivo);
    if (gravacao.abrir()) {
        QVector<int> comGraficos;
        const int total = partes == 1 ? 0 : LayoutRelatorio::contarPaginas(pastaExposicao, &comGraficos);
        if (partes <= 0)
            partes = QThread::idealThreadCount() > 1 && total >= paginasParaDividir ? 2 : 1;
        // No part without a page of its own: it would add a blank one.
        partes = qMax(1, qMin(partes, total));
        QString motivo;
        const FigurasRelatorio graficos = figuras(pastaExposicao, &motivo);
        const bool inteiro = motivo.isEmpty()
            && (partes == 1 ? desenhar(pastaExposicao, graficos, gravacao.dispositivo(), 0,
                                       std::numeric_limits<int>::max(), &motivo, progresso)
                            : desenharEmPartes(pastaExposicao, graficos, gravacao.dispositivo(),
                                               LayoutRelatorio::cortes(total, comGraficos, partes), progresso,
                                               &motivo));
        if (!inteiro) {
            if (erro)
                *erro = GravacaoSegura::falha(arquivo, motivo.isEmpty() ? QObject::tr("interrompido") : motivo);
            return false;
        }
        if (gravacao.concluir())
            return true;
    }
    if (erro)
        *erro = gravacao.erro();
    return false;
}

QString Relatorio::arquivoSugerido(const QString &pastaExposicao)
{
    AcessarArquivo a;
    a.lerExposicao(LayoutMedida::arquivoExposicao(pastaExposicao));
    const QString nomeExposicao = a.getNome_exposicao();
    // Characters that some file systems refuse become "_".
    static const QRegularExpression proibidos(QStringLiteral("[\\x00-\\x1f/\\\\:*?\"<>|]"));
    QString nome = LayoutMedida::nomeMostrado(nomeExposicao).replace(proibidos, QStringLiteral("_")).trimmed();
    if (nome.isEmpty())
        nome = LayoutMedida::nomePasta(pastaExposicao);
    const QDateTime quando = QDateTime::fromString(LayoutMedida::dataMostrada(a.getData_criacao(), nomeExposicao),
                                                   QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (quando.isValid())
        nome += quando.toString(QStringLiteral(" yyyy-MM-dd HH'h'mm"));
    const QString raiz = QFileInfo(QFileInfo(pastaExposicao).absoluteFilePath()).absolutePath();
    return raiz + QStringLiteral("/Arquivos PDF/") + nome + QStringLiteral(".pdf");
}

