#include "report/relatorio.h"

#include "data/rastro.h"
#include "data/acessararquivo.h"
#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "data/travamedida.h"
#include "report/celulaspdf.h"
#include "report/coresavaliacao.h"
#include "report/dadosgraficos.h"
#include "report/graficos.h"
#include "report/juncaopdf.h"
#include "report/layoutrelatorio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
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
    PintorPdf(QPdfWriter &impressora, QPainter &pintor, const FigurasRelatorio &figuras, CelulasPdf *celulas)
        : impressora(impressora)
        , pintor(pintor)
        , figuras(figuras)
        , celulas(celulas && celulas->valida() ? celulas : nullptr)
        , logo(QStringLiteral(":/icons/Logomarca_fundoBranco.png"))
    {
        for (int f = 0; f < 5; ++f) {
            fontes[f] = fonteDe(FonteRelatorio(f));
            metricas.append(QFontMetrics(fontes[f], &impressora));
        }
        pintor.setPen(QPen(Qt::black, 1));
    }

    static QFont fonteDe(FonteRelatorio f)
    {
        const QString arial = QStringLiteral("Arial");
        switch (f) {
        case FonteRelatorio::Titulo:
            return QFont(arial, 10, QFont::Normal, true);
        case FonteRelatorio::Normal:
            return QFont(arial, 12);
        case FonteRelatorio::Secao:
            return QFont(arial, 12, QFont::Bold);
        case FonteRelatorio::CabecalhoTabela:
            return QFont(arial, 8, QFont::Bold);
        case FonteRelatorio::CelulaTabela:
            break;
        }
        return QFont(arial, 8);
    }

    // Ends the last page; false, with `erro`, when the cells of a page could
    // not be kept.
    bool terminar(QString *erro)
    {
        fecharCelulas();
        if (!falhaCelulas.isEmpty() && erro)
            *erro = falhaCelulas;
        return falhaCelulas.isEmpty();
    }

    void novaPagina() override
    {
        fecharCelulas();
        ++pagina;
        impressora.newPage();
    }
    void texto(const QPointF &base, FonteRelatorio fonte, const QString &texto,
               double largura) override
    {
        if (celulas && fonte == FonteRelatorio::CelulaTabela && largura <= 0 && celulas->aceita(texto)) {
            celulas->escrever(base, texto);
            return;
        }
        // A table page holds hundreds of texts in two fonts: a font is set
        // when it changes, and a text is measured only where it has a width.
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
    void fecharCelulas()
    {
        if (celulas && falhaCelulas.isEmpty())
            celulas->fecharPagina(pagina, &falhaCelulas);
    }

    QPdfWriter &impressora;
    QPainter &pintor;
    const FigurasRelatorio &figuras;
    CelulasPdf *celulas; // the sample tables' cells, when they can be written by us
    QImage logo;
    QFont fontes[5];
    QVector<QFontMetrics> metricas; // of each font on the PDF's device
    int fonteAtual = -1;
    int pagina = 0;       // of the part drawn here, from 0
    QString falhaCelulas; // why the cells of a page could not be kept
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

// The pages [de, ate) of the report, as a PDF written to `saida`, their
// table cells into `celulas`; false when `progresso` stopped it, or with
// `erro` when a data file could not be read whole.
bool desenhar(const QString &pastaExposicao, const FigurasRelatorio &figuras, QIODevice *saida,
              std::unique_ptr<CelulasPdf> *celulas, int de, int ate, QString *erro,
              const LayoutRelatorio::Progresso &progresso)
{
    QPdfWriter impressora(saida);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageMargins(QMarginsF(0, 0, 0, 0));
    impressora.setResolution(72); // page units are points
    QPainter pintor(&impressora);
    *celulas = std::make_unique<CelulasPdf>(PintorPdf::fonteDe(FonteRelatorio::CelulaTabela), &impressora,
                                            impressora.pageLayout().fullRectPoints().height());
    PintorPdf destino(impressora, pintor, figuras, celulas->get());
    return LayoutRelatorio::compor(pastaExposicao, destino, erro, progresso, de, ate) && destino.terminar(erro);
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
    std::vector<std::unique_ptr<CelulasPdf>> celulas(partes);
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
            desenhar(pastaExposicao, figuras, pdfs[i].get(), &celulas[i], de, ate, &erros[i],
                     [&](int feitos, int componentes) {
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
    JuncaoPdf::Acrescimo acrescimo;
    if (celulas.front()->valida())
        acrescimo.fonte = celulas.front()->fonte();
    acrescimo.conteudo = [&](int parte, int pagina, QByteArray *fluxo, QString *erro) {
        return celulas[parte]->conteudo(pagina, fluxo, erro);
    };
    return JuncaoPdf::juntar(caminhos, saida, motivo, acrescimo);
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
        const QVector<int> limites = partes == 1 ? QVector<int>{0, std::numeric_limits<int>::max()}
                                                 : LayoutRelatorio::cortes(total, comGraficos, partes);
        const bool inteiro = motivo.isEmpty()
            && desenharEmPartes(pastaExposicao, graficos, gravacao.dispositivo(), limites, progresso, &motivo);
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

