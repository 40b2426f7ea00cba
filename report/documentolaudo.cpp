#include "report/documentolaudo.h"

#include "data/arquivoregistro.h"
#include "data/gravacaosegura.h"
#include "evaluation/tabelasavaliacao.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "report/coresavaliacao.h"
#include "report/layoutrelatorio.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QUrl>

#include <cmath>

namespace {

// Page geometry, in millimetres of A4.
constexpr double larguraA4 = 210;
constexpr double alturaA4 = 297;
constexpr double margem = 18;
constexpr double cabecalho = 20; // below the top margin, before the body
constexpr int resolucao = 300;

double pontos(double mm)
{
    return mm / 25.4 * resolucao;
}

// Where the technician signs.
const QString linhaAssinatura(46, QLatin1Char('_'));

QString esc(const QString &t)
{
    return t.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString secao(int n, const QString &titulo)
{
    return QStringLiteral("<h2>%1. %2</h2>").arg(n).arg(esc(titulo));
}

QString tabela(const QStringList &cabecalhos, const QVector<QStringList> &linhas,
               const QVector<QColor> &fundos = {}, int colunaCor = -1)
{
    QString h = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse: collapse; border-color: #808080\"><tr>");
    for (const QString &c : cabecalhos)
        h += QStringLiteral("<th bgcolor=\"#e6e6e6\">") + c + QStringLiteral("</th>");
    h += QStringLiteral("</tr>");
    for (int i = 0; i < linhas.size(); ++i) {
        h += QStringLiteral("<tr>");
        for (int c = 0; c < linhas.at(i).size(); ++c) {
            const QColor fundo = c == colunaCor ? fundos.value(i) : QColor();
            h += fundo.isValid() ? QStringLiteral("<td bgcolor=\"%1\">").arg(fundo.name()) : QStringLiteral("<td>");
            h += linhas.at(i).at(c) + QStringLiteral("</td>");
        }
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

// Label and value rows, the value "não informado" when empty.
QString pares(const QVector<QPair<QString, QString>> &linhas)
{
    QString h = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    for (const auto &[rotulo, valor] : linhas)
        h += QStringLiteral("<tr><td width=\"32%\"><b>%1</b></td><td>%2</td></tr>").arg(esc(rotulo), valor);
    return h + QStringLiteral("</table>");
}

// The annex's charts in the report's order, each with its caption: task,
// body part and component.
QVector<QPair<QString, QString>> graficosDoAnexo(const QString &pastaMedida, const QHash<QString, QPicture> &graficos)
{
    QVector<QPair<QString, QString>> r;
    for (const QString &base : LayoutRelatorio::componentesDoRelatorio(pastaMedida)) {
        if (!graficos.contains(base))
            continue;
        const QString pastaCorpo = QFileInfo(base).absolutePath();
        AcessarArquivo a;
        a.lerExposicaoParcial(LayoutMedida::arquivoParcial(pastaCorpo));
        a.lerComponente(base + QStringLiteral(".head"));
        const bool corpo = QFileInfo(pastaCorpo).fileName() == QLatin1String("corpo");
        r.append({base, QStringLiteral("%1 — %2 — %3")
                            .arg(a.getNome_exp_parcial().trimmed(),
                                 corpo ? DocumentoLaudo::tr("Corpo inteiro") : DocumentoLaudo::tr("Mãos e braços"),
                                 a.getNome_componente().trimmed())});
    }
    return r;
}

} // namespace

DocumentoLaudo::DocumentoLaudo(const Laudo &laudo, const QLocale &local)
    : laudo(laudo)
    , local(local)
{
}

// A stored number as the files give it, digit for digit, with the
// language's decimal separator.
QString DocumentoLaudo::numero(const QString &armazenado) const
{
    const QString t = armazenado.trimmed();
    double v = 0;
    if (!ArquivoRegistro::numeroFinito(t, &v))
        return esc(t.isEmpty() ? tr("não informado") : t);
    return esc(QString(t).replace(QLatin1Char('.'), local.decimalPoint()));
}

// The units and numbers of the assessment's texts as this language writes
// them: "m/s^1.75" typeset, and a decimal comma where the language has one.
QString DocumentoLaudo::unidades(QString texto) const
{
    static const QRegularExpression decimal(QStringLiteral("(\\d)\\.(\\d)"));
    texto = esc(texto).replace(QStringLiteral("m/s^1.75"), QStringLiteral("m/s<sup>1.75</sup>"));
    return texto.replace(decimal, QStringLiteral("\\1") + local.decimalPoint() + QStringLiteral("\\2"));
}

// A group's members, each quantity with its band on its colour.
QString DocumentoLaudo::tabelaMembros() const
{
    const AvaliacaoGrupo &g = laudo.grupo;
    QString h = QStringLiteral("<p><b>%1</b></p>").arg(esc(tr("Membros do grupo")));
    h += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                        "style=\"border-collapse: collapse; border-color: #808080\"><tr>");
    for (const QString &c : {tr("Membro"), tr("Tipo"), AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::ArenMao),
                             AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::ArenCorpo), AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::Vdvr)})
        h += QStringLiteral("<th bgcolor=\"#e6e6e6\">") + unidades(c) + QStringLiteral("</th>");
    h += QStringLiteral("</tr>");
    for (const AvaliacaoGrupo::Membro &m : g.membros) {
        h += QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(esc(m.nome), esc(m.jornada ? tr("Jornada") : tr("Medição")));
        if (!m.motivo.isEmpty()) {
            h += QStringLiteral("<td colspan=\"3\"><i>%1</i></td></tr>").arg(esc(tr("deixado de fora: %1").arg(m.motivo)));
            continue;
        }
        for (int q = 0; q < AvaliacaoGrupo::grandezas; ++q) {
            const AvaliacaoExposicao::FiguraNr *f = m.figura(AvaliacaoGrupo::Grandeza(q));
            if (!f) {
                h += QStringLiteral("<td>—</td>");
                continue;
            }
            h += QStringLiteral("<td bgcolor=\"%1\">%2 — %3</td>")
                     .arg(CoresAvaliacao::fundo(TabelasAvaliacao::corDaFaixa(f->faixa())).name(),
                          local.toString(f->valor, 'g', 6), esc(TabelasAvaliacao::textoFaixa(f->faixa())));
        }
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

// A group's summary and whose verdict it takes.
QString DocumentoLaudo::resumoGrupo() const
{
    const AvaliacaoGrupo &g = laudo.grupo;
    QVector<QStringList> linhas;
    for (int q = 0; q < AvaliacaoGrupo::grandezas; ++q) {
        const AvaliacaoGrupo::Resumo &r = g.resumo[q];
        const bool tem = r.quantos > 0;
        linhas << QStringList{unidades(AvaliacaoGrupo::nomeDaGrandeza(AvaliacaoGrupo::Grandeza(q))), QString::number(r.quantos),
                              tem ? local.toString(r.media, 'g', 6) : QStringLiteral("—"),
                              tem ? local.toString(r.maximo, 'g', 6) : QStringLiteral("—"),
                              tem ? esc(TabelasAvaliacao::textoFaixa(r.faixa)) : QStringLiteral("—")};
    }
    QString h = tabela({esc(tr("Grandeza")), esc(tr("Membros")), esc(tr("Média")), esc(tr("Máximo")), esc(tr("Faixa do máximo"))}, linhas);
    h += QStringLiteral("<p>%1</p>").arg(esc(g.maisExposto.isEmpty()
                                             ? tr("Nenhum membro do grupo pôde ser avaliado.")
                                             : tr("O veredito do grupo é o do seu membro mais exposto, %1: %2. As tabelas a seguir são as desse membro.")
                                                   .arg(g.maisExposto, TabelasAvaliacao::textoFaixa(g.veredito))));
    return h;
}

// A criterion's table, each figure's band or status on its colour.
QString DocumentoLaudo::tabelaAvaliacao(const TabelasAvaliacao::Tabela &t) const
{
    QStringList cabecalhos;
    for (const QString &c : t.cabecalhos)
        cabecalhos << esc(c);
    QVector<QStringList> linhas;
    QVector<QColor> fundos;
    for (const TabelasAvaliacao::Linha &linha : t.linhas) {
        QStringList c;
        for (const QString &celula : linha.celulas)
            c << unidades(celula);
        linhas << c;
        fundos << CoresAvaliacao::fundo(linha.cor);
    }
    return tabela(cabecalhos, linhas, fundos, 3);
}

QString DocumentoLaudo::html(double larguraImagens) const
{
    const Laudo &l = laudo;
    const QString naoInformado = QStringLiteral("<i>") + esc(tr("não informado")) + QStringLiteral("</i>");
    const auto v = [&](const QString &t) { return t.trimmed().isEmpty() ? naoInformado : esc(t.trimmed()); };
    QString formatoData = local.dateFormat(QLocale::ShortFormat);
    if (!formatoData.contains(QLatin1String("yyyy")))
        formatoData.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const auto data = [&](const QDate &d) { return d.isValid() ? local.toString(d, formatoData) : naoInformado; };
    const QString vdvUnidade = QStringLiteral("m/s<sup>%1</sup>").arg(local.toString(1.75, 'f', 2));
    const AvaliacaoExposicao &a = l.avaliacao;
    const TabelasAvaliacao::Tabela nr = TabelasAvaliacao::nr(a);

    QString h = QStringLiteral("<html><body style=\"font-family: Arial; font-size: 10pt\">");
    h += QStringLiteral("<h1 align=\"center\">%1</h1>").arg(esc(tr("Laudo técnico de avaliação de vibrações")));
    h += QStringLiteral("<p align=\"center\">%1</p>").arg(esc(tr("Laudo nº %1").arg(l.dados.numero.trimmed().isEmpty() ? tr("não informado") : l.dados.numero.trimmed())));

    // Summary.
    h += QStringLiteral("<h2>%1</h2>").arg(esc(tr("Resumo")));
    h += pares({{tr("Trabalhador"), v(l.funcionario)},
                {tr("Função"), v(l.dados.funcao)},
                {tr("Setor"), v(l.setor)},
                {tr("Empresa avaliada"), v(l.empresaAvaliada)},
                {tr("Empresa avaliadora"), v(l.empresaAvaliadora)},
                {tr("Data da medição"), data(l.dataMedicao)}});
    QVector<QStringList> veredito;
    QVector<QColor> cores;
    for (const TabelasAvaliacao::Linha &linha : nr.linhas) {
        veredito << QStringList{unidades(linha.celulas.value(0)), unidades(linha.celulas.value(1)),
                                esc(linha.celulas.value(3))};
        cores << CoresAvaliacao::fundo(linha.cor);
    }
    h += QStringLiteral("<p></p>") + tabela({esc(tr("Grandeza")), esc(tr("Valor")), esc(tr("Situação"))}, veredito, cores, 2);
    h += QStringLiteral("<p><b>%1</b> %2</p>").arg(esc(tr("Conclusão:")), esc(l.conclusao()));

    int n = 0;
    h += secao(++n, tr("Identificação"));
    h += pares({{tr("Empresa avaliadora"), v(l.empresaAvaliadora)},
                {tr("CNPJ"), v(l.cnpj)},
                {tr("Cidade"), v(l.cidade)},
                {tr("Empresa avaliada"), v(l.empresaAvaliada)},
                {tr("Setor"), v(l.setor)},
                {tr("Trabalhador"), v(l.funcionario)},
                {tr("Função"), v(l.dados.funcao)},
                {tr("Grupo de exposição similar (GES)"), v(l.dados.ges)},
                {tr("Jornada de trabalho"), v(l.jornada)},
                {tr("Medição"), v(l.nomeMedida)},
                {tr("Data da medição"), data(l.dataMedicao)}});

    h += secao(++n, tr("Objetivo"));
    h += QStringLiteral("<p>%1</p>").arg(v(l.dados.objetivo));

    h += secao(++n, tr("Metodologia"));
    if (l.metodos.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(naoInformado);
    for (const Laudo::Metodo &m : l.metodos) {
        h += QStringLiteral("<p><b>%1</b>: %2</p>")
                 .arg(esc(m.corpo ? tr("Corpo inteiro") : tr("Mãos e braços")),
                      esc(m.corpo ? tr("NHO 09 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. "
                                       "Aceleração ponderada em frequência nos três eixos, aceleração resultante "
                                       "de exposição normalizada (aren) e valor da dose de vibração resultante (VDVR).")
                                  : tr("NHO 10 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. "
                                       "Aceleração ponderada em frequência nos três eixos e aceleração resultante "
                                       "de exposição normalizada (aren).")));
        QVector<QStringList> eixos;
        const char *nomes[3] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i)
            eixos << QStringList{QString::fromLatin1(nomes[i]), v(m.ponderacao[i]), numero(m.fator[i])};
        h += tabela({esc(tr("Eixo")), esc(tr("Filtro de ponderação")), esc(tr("Fator multiplicador"))}, eixos);
        h += QStringLiteral("<p>%1 %2</p>").arg(esc(tr("Período de amostragem:")),
                                                 m.periodo.isEmpty() ? naoInformado : numero(m.periodo) + QStringLiteral(" s"));
    }
    QVector<QStringList> tempos;
    for (const Laudo::Tarefa &t : l.tarefas)
        tempos << QStringList{v(t.nome), esc(t.corpo ? tr("Corpo inteiro") : tr("Mãos e braços")), v(t.tempoAmostrado),
                              v(t.tempoTotal)};
    if (!l.ehGrupo) {
        h += QStringLiteral("<p>%1</p>").arg(esc(tr("Tempo amostrado de cada tarefa diante do seu tempo de exposição na jornada:")));
        h += tabela({esc(tr("Tarefa")), esc(tr("Região")), esc(tr("Tempo amostrado")), esc(tr("Tempo de exposição"))}, tempos);
    }

    h += secao(++n, tr("Cadeia de medição e calibração"));
    QVector<QStringList> cadeia;
    QVector<QStringList> verificacoes;
    for (const Laudo::Dispositivo &d : l.cadeia) {
        const bool vencido = d.temCertificado && l.dataMedicao.isValid() && !d.certificado.validaEm(l.dataMedicao);
        cadeia << QStringList{esc(d.papel), v(d.identidade),
                              d.temCertificado ? v(d.certificado.certificado) : naoInformado,
                              d.temCertificado ? v(d.certificado.laboratorio) : naoInformado,
                              d.temCertificado ? data(d.certificado.data) : naoInformado,
                              d.temCertificado ? data(d.certificado.validade) + (vencido ? QStringLiteral(" <b>(") + esc(tr("vencido")) + QStringLiteral(")</b>") : QString())
                                               : naoInformado};
        if (d.acelerometro) {
            const double dif = d.verificacao.diferenca();
            verificacoes << QStringList{esc(d.papel), v(d.verificacao.referencia), v(d.verificacao.antes),
                                        v(d.verificacao.depois),
                                        std::isnan(dif) ? naoInformado : local.toString(dif, 'f', 1) + QStringLiteral(" %")};
        }
    }
    h += tabela({esc(tr("Equipamento")), esc(tr("Identificação")), esc(tr("Certificado")), esc(tr("Laboratório")),
                 esc(tr("Calibração")), esc(tr("Válido até"))}, cadeia);
    h += QStringLiteral("<p>%1</p>").arg(esc(tr("Verificação de campo dos acelerômetros com o calibrador, antes e depois da medição (m/s²):")));
    h += tabela({esc(tr("Acelerômetro")), esc(tr("Referência")), esc(tr("Antes")), esc(tr("Depois")), esc(tr("Diferença"))},
                verificacoes);

    h += secao(++n, tr("Atividades e condições da avaliação"));
    h += QStringLiteral("<p>%1</p>").arg(v(l.dados.atividades));
    h += QStringLiteral("<p><b>%1</b> %2</p>").arg(esc(tr("Proteção coletiva e individual em uso:")), v(l.dados.protecao));
    if (l.ehGrupo) {
        h += tabelaMembros();
    } else {
        QVector<QStringList> tarefas;
        for (const Laudo::Tarefa &t : l.tarefas)
            tarefas << QStringList{v(t.nome), esc(t.corpo ? tr("Corpo inteiro") : tr("Mãos e braços")), v(t.repeticoes),
                                   v(t.tempoRepeticao), v(t.tempoTotal), v(t.tempoAmostrado), numero(t.arep),
                                   t.corpo ? numero(t.vdvexp) : QStringLiteral("—")};
        h += tabela({esc(tr("Tarefa")), esc(tr("Região")), esc(tr("Repetições")), esc(tr("Tempo por repetição")),
                     esc(tr("Tempo total")), esc(tr("Tempo amostrado")), esc(tr("arep [m/s²]")),
                     esc(tr("VDVexp")) + QStringLiteral(" [") + vdvUnidade + QStringLiteral("]")},
                    tarefas);
    }

    h += secao(++n, tr("Resultados e interpretação"));
    if (l.ehGrupo)
        h += resumoGrupo();
    h += tabelaAvaliacao(nr);
    h += QStringLiteral("<p><small>%1</small></p>").arg(unidades(nr.fonte));

    h += secao(++n, tr("Referência complementar: Diretiva 2002/44/CE"));
    h += tabelaAvaliacao(TabelasAvaliacao::ue(a));
    h += QStringLiteral("<p>%1</p>").arg(esc(tr("Os valores brasileiros são a resultante dos três eixos, como o instrumento a armazena; "
                                                 "os europeus usam o eixo dominante e a média de energia das componentes. Por isso podem diferir.")));

    h += secao(++n, tr("Conclusão e recomendações"));
    h += QStringLiteral("<p>%1</p>").arg(esc(l.conclusao()));
    for (const TabelasAvaliacao::Linha &linha : nr.linhas)
        h += QStringLiteral("<p>%1: %2</p>").arg(unidades(linha.celulas.value(0)), esc(linha.celulas.value(4)));

    h += secao(++n, tr("Responsável técnico"));
    const QString lugar = l.dados.local.trimmed().isEmpty() ? l.cidade : l.dados.local.trimmed();
    // "8 de dezembro de 2026": the long date without its weekday.
    const QString formatoLongo = local.dateFormat(QLocale::LongFormat).remove(QStringLiteral("dddd, "));
    // Issued the day it is written unless the evaluator dated it.
    const QDate emissao = l.dados.data.trimmed().isEmpty()
        ? QDate::currentDate()
        : QDate::fromString(l.dados.data.trimmed(), QStringLiteral("dd/MM/yyyy"));
    h += QStringLiteral("<p>%1, %2<br><br><br>%3<br>%4<br>%5<br>%6</p>")
             .arg(v(lugar), emissao.isValid() ? local.toString(emissao, formatoLongo) : v(l.dados.data),
                  linhaAssinatura, v(l.responsavel), v(l.titulo), v(l.registro));

    h += secao(++n, tr("Referências"));
    h += QStringLiteral("<p>%1</p>").arg(esc(tr("NR-09, Anexo I (Vibração), aprovado pela Portaria MTP nº 426/2021; "
                                                 "NR-15, Anexo 8 (Vibração); NHO 09 e NHO 10 da FUNDACENTRO; "
                                                 "Diretiva 2002/44/CE (referência complementar).")));
    const QVector<QPair<QString, QString>> anexo = graficosDoAnexo(l.pastaMedida, graficos);
    if (!anexo.isEmpty()) {
        h += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>").arg(esc(tr("Anexo: aceleração de cada componente")));
        for (const auto &[base, legenda] : anexo)
            h += QStringLiteral("<p><b>%1</b><br><img src=\"grafico:%2\" width=\"%3\"></p>")
                     .arg(esc(legenda), base.toHtmlEscaped())
                     .arg(qRound(larguraImagens));
    }
    return h + QStringLiteral("</body></html>");
}

void DocumentoLaudo::anexarGraficos(const QHash<QString, QPicture> &novos)
{
    graficos = novos;
}

void DocumentoLaudo::preparar(QTextDocument &doc, QPaintDevice *dispositivo) const
{
    if (dispositivo)
        doc.documentLayout()->setPaintDevice(dispositivo);
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    doc.setDocumentMargin(0);
    // The charts as images of the document, drawn at print resolution.
    for (const auto &[base, legenda] : graficosDoAnexo(laudo.pastaMedida, graficos)) {
        Q_UNUSED(legenda)
        const QPicture &figura = graficos[base];
        // At 200 dpi against the picture's own, which an image of the
        // default resolution plays it at.
        const double escala = 200.0 / figura.logicalDpiX();
        const QRect r = figura.boundingRect();
        QImage imagem((r.size() * escala).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        p.scale(escala * imagem.logicalDpiX() / figura.logicalDpiX(), escala * imagem.logicalDpiY() / figura.logicalDpiY());
        p.drawPicture(-r.topLeft(), figura);
        p.end();
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafico:") + base), imagem);
    }
    // As wide as the text; a document's image sizes are in pixels of 1/96 in.
    doc.setHtml(html((larguraA4 - 2 * margem) / 25.4 * 96));
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        // A chart stays with its caption, the signature with its name.
        if (b.text().contains(linhaAssinatura) || b.text().contains(QChar::ObjectReplacementCharacter)) {
            QTextBlockFormat f = b.blockFormat();
            f.setNonBreakableLines(true);
            QTextCursor(b).setBlockFormat(f);
        }
    }
}

int DocumentoLaudo::paginas() const
{
    QBuffer nada;
    nada.open(QIODevice::WriteOnly);
    QPdfWriter w(&nada);
    w.setResolution(resolucao);
    QTextDocument doc;
    preparar(doc, &w);
    doc.setPageSize(QSizeF(pontos(larguraA4 - 2 * margem), pontos(alturaA4 - 2 * margem - cabecalho)));
    return doc.pageCount();
}

bool DocumentoLaudo::escrever(const QString &arquivo, QString *erro) const
{
    GravacaoSegura gravacao(arquivo);
    if (!gravacao.abrir()) {
        if (erro)
            *erro = gravacao.erro();
        return false;
    }
    const bool odt = QFileInfo(arquivo).suffix().compare(QLatin1String("odt"), Qt::CaseInsensitive) == 0;
    bool escrito = true;
    if (odt) {
        QTextDocument doc;
        preparar(doc, nullptr);
        QTextDocumentWriter escritor(gravacao.dispositivo(), "odf");
        escrito = escritor.write(&doc);
    } else {
        QPdfWriter w(gravacao.dispositivo());
        w.setPageSize(QPageSize(QPageSize::A4));
        w.setPageMargins(QMarginsF(0, 0, 0, 0));
        w.setResolution(resolucao);
        w.setTitle(tr("Laudo nº %1").arg(laudo.dados.numero.trimmed()));
        QTextDocument doc;
        preparar(doc, &w);
        const QSizeF corpo(pontos(larguraA4 - 2 * margem), pontos(alturaA4 - 2 * margem - cabecalho));
        doc.setPageSize(corpo);
        const int total = doc.pageCount();
        QPainter p(&w);
        const QImage logo = laudo.logotipo.isEmpty() ? QImage() : QImage(laudo.logotipo);
        for (int i = 0; i < total; ++i) {
            if (i > 0)
                w.newPage();
            // The header: logo and company on the left, number and page on the right.
            const QRectF faixa(pontos(margem), pontos(margem), corpo.width(), pontos(cabecalho - 6));
            double x = faixa.left();
            if (!logo.isNull()) {
                const QSizeF s = logo.size().scaled(faixa.size().toSize() * 0.9, Qt::KeepAspectRatio);
                p.drawImage(QRectF(QPointF(x, faixa.top()), s), logo);
                x += s.width() + pontos(3);
            }
            p.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
            const QString empresa = laudo.empresaAvaliadora.isEmpty() ? tr("não informado") : laudo.empresaAvaliadora;
            p.drawText(QRectF(x, faixa.top(), faixa.right() - x, faixa.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, empresa);
            p.setFont(QFont(QStringLiteral("Arial"), 9));
            const QString numero = laudo.dados.numero.trimmed().isEmpty() ? tr("não informado") : laudo.dados.numero.trimmed();
            p.drawText(faixa, Qt::AlignRight | Qt::AlignVCenter,
                       tr("Laudo nº %1").arg(numero) + QLatin1Char('\n') + tr("Página %1 de %2").arg(i + 1).arg(total));
            p.drawLine(QPointF(faixa.left(), faixa.bottom() + pontos(2)), QPointF(faixa.right(), faixa.bottom() + pontos(2)));
            p.save();
            p.translate(pontos(margem), pontos(margem + cabecalho) - i * corpo.height());
            const QRectF recorte(0, i * corpo.height(), corpo.width(), corpo.height());
            p.setClipRect(recorte);
            QAbstractTextDocumentLayout::PaintContext contexto;
            contexto.clip = recorte;
            doc.documentLayout()->draw(&p, contexto);
            p.restore();
        }
        escrito = p.end();
    }
    if (escrito && gravacao.concluir())
        return true;
    if (erro)
        *erro = escrito ? gravacao.erro() : GravacaoSegura::falha(arquivo, tr("não foi possível escrever o documento"));
    return false;
}
