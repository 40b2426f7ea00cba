#include "report/celulaspdf.h"

#include "data/gravacaosegura.h"

#include <QDir>
#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace {

const QString caracteres = QStringLiteral("0123456789.,:+-eE");

quint16 u16(const QByteArray &b, int i)
{
    return i + 2 <= b.size() ? qFromBigEndian<quint16>(b.constData() + i) : 0;
}

quint32 u32(const QByteArray &b, int i)
{
    return i + 4 <= b.size() ? qFromBigEndian<quint32>(b.constData() + i) : 0;
}

void poe16(QByteArray &b, quint16 v)
{
    char c[2];
    qToBigEndian(v, c);
    b.append(c, 2);
}

void poe32(QByteArray &b, quint32 v)
{
    char c[4];
    qToBigEndian(v, c);
    b.append(c, 4);
}

// The glyphs a composite glyph is made of.
QVector<quint16> componentes(const QByteArray &glifo)
{
    QVector<quint16> r;
    if (glifo.size() < 10 || qint16(u16(glifo, 0)) >= 0)
        return r;
    int i = 10;
    for (quint16 flags = 0x20; flags & 0x20;) {
        flags = u16(glifo, i);
        r << u16(glifo, i + 2);
        i += 4 + ((flags & 0x1) ? 4 : 2);
        i += (flags & 0x8) ? 2 : (flags & 0x40) ? 4 : (flags & 0x80) ? 8 : 0;
        if (i > glifo.size())
            break;
    }
    return r;
}

// A TrueType font file holding only the glyphs `usados` (and what they are
// made of); every other glyph is left empty, so that glyph numbers stay.
// Empty when the font is not TrueType.
QByteArray subconjunto(const QRawFont &fonte, QSet<quint16> usados)
{
    QByteArray head = fonte.fontTable("head");
    const QByteArray loca = fonte.fontTable("loca");
    const QByteArray glyf = fonte.fontTable("glyf");
    const int n = u16(fonte.fontTable("maxp"), 4);
    if (head.size() < 54 || glyf.isEmpty() || n == 0)
        return {};
    const bool longa = u16(head, 50) == 1;
    const auto inicio = [&](int g) { return longa ? qint64(u32(loca, g * 4)) : qint64(u16(loca, g * 2)) * 2; };
    if (loca.size() < (n + 1) * (longa ? 4 : 2))
        return {};
    const auto glifo = [&](int g) { return glyf.mid(int(inicio(g)), int(inicio(g + 1) - inicio(g))); };
    usados << 0;
    for (QVector<quint16> aVer(usados.cbegin(), usados.cend()); !aVer.isEmpty();) {
        for (const quint16 c : componentes(glifo(aVer.takeLast()))) {
            if (c < n && !usados.contains(c)) {
                usados << c;
                aVer << c;
            }
        }
    }
    QByteArray novoGlyf;
    QByteArray novaLoca;
    for (int g = 0; g < n; ++g) {
        poe32(novaLoca, quint32(novoGlyf.size()));
        if (usados.contains(quint16(g))) {
            novoGlyf += glifo(g);
            novoGlyf.append((4 - novoGlyf.size() % 4) % 4, '\0');
        }
    }
    poe32(novaLoca, quint32(novoGlyf.size()));
    head.replace(8, 4, QByteArray(4, '\0')); // checkSumAdjustment: not worked out
    head.replace(50, 2, QByteArray("\0\1", 2)); // long offsets
    std::map<QByteArray, QByteArray> tabelas{{"head", head},
                                             {"hhea", fonte.fontTable("hhea")},
                                             {"maxp", fonte.fontTable("maxp")},
                                             {"hmtx", fonte.fontTable("hmtx")},
                                             {"loca", novaLoca},
                                             {"glyf", novoGlyf}};
    for (const char *opcional : {"cmap", "cvt ", "fpgm", "prep"}) {
        const QByteArray t = fonte.fontTable(opcional);
        if (!t.isEmpty())
            tabelas[opcional] = t;
    }
    const auto quantas = quint16(tabelas.size());
    quint16 potencia = 1;
    quint16 expoente = 0;
    while (potencia * 2 <= quantas) {
        potencia *= 2;
        ++expoente;
    }
    QByteArray arquivo;
    poe32(arquivo, 0x00010000);
    poe16(arquivo, quantas);
    poe16(arquivo, potencia * 16);
    poe16(arquivo, expoente);
    poe16(arquivo, quantas * 16 - potencia * 16);
    QByteArray dados;
    const int inicioDados = 12 + 16 * quantas;
    for (const auto &[etiqueta, tabela] : tabelas) {
        QByteArray alinhada = tabela;
        alinhada.append((4 - alinhada.size() % 4) % 4, '\0');
        quint32 soma = 0;
        for (int i = 0; i < alinhada.size(); i += 4)
            soma += u32(alinhada, i);
        arquivo += etiqueta;
        poe32(arquivo, soma);
        poe32(arquivo, quint32(inicioDados + dados.size()));
        poe32(arquivo, quint32(tabela.size()));
        dados += alinhada;
    }
    return arquivo + dados;
}

// A coordinate as short as it can be written: "12", "-3.5".
QByteArray numero(double v)
{
    QByteArray r = QByteArray::number(v, 'f', 3);
    while (r.endsWith('0'))
        r.chop(1);
    if (r.endsWith('.'))
        r.chop(1);
    return r == "-0" ? QByteArray("0") : r;
}

// What FlateDecode reads: zlib's stream, without qCompress's length.
QByteArray comprimir(const QByteArray &b)
{
    return qCompress(b).mid(4);
}

} // namespace

CelulasPdf::CelulasPdf(const QFont &letra, QPaintDevice *dispositivo, double alturaPagina)
    : altura(alturaPagina)
    , guardado(QDir::temp().filePath(QStringLiteral("kt9400-celulas-XXXXXX")))
{
    // The font and glyphs Qt would draw the cells with on that device.
    QTextLayout layout(caracteres, letra, dispositivo);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> corridas = layout.glyphRuns();
    // A character drawn from a fallback font, or as more than one glyph,
    // leaves the cells to Qt.
    if (corridas.size() != 1 || corridas.first().glyphIndexes().size() != caracteres.size())
        return;
    raw = corridas.first().rawFont();
    const QVector<quint32> indices = corridas.first().glyphIndexes();
    const QVector<QPointF> avancos = raw.advancesForGlyphIndexes(indices);
    for (int i = 0; i < caracteres.size(); ++i) {
        if (indices.at(i) == 0 || indices.at(i) > 0xffff)
            return;
        glifos[caracteres.at(i).unicode()] = {quint16(indices.at(i)), avancos.at(i).x(), true};
    }
    // Made here, on the thread that drew with the font: its glyphs are the
    // thread's.
    objetosFonte = montarFonte();
    temFonte = !objetosFonte.objetos.isEmpty() && guardado.open();
}

bool CelulasPdf::aceita(const QString &texto) const
{
    return std::all_of(texto.cbegin(), texto.cend(), [this](const QChar c) {
        return c.unicode() < glifos.size() && glifos[c.unicode()].conhecido;
    });
}

void CelulasPdf::escrever(const QPointF &base, const QString &texto)
{
    // Each cell is moved to from the one before, by the same steps on
    // every row: the page's stream compresses well.
    const QPointF p(base.x(), altura - base.y());
    pagina += numero(p.x() - anterior.x()) + ' ' + numero(p.y() - anterior.y()) + " Td (" + texto.toLatin1()
        + ") Tj\n";
    anterior = p;
}

bool CelulasPdf::fecharPagina(int numeroPagina, QString *erro)
{
    if (pagina.isEmpty())
        return true;
    const QByteArray fluxo = comprimir("q BT /KtCel " + numero(raw.pixelSize()) + " Tf\n" + pagina + "ET Q\n");
    pagina.resize(0);
    anterior = QPointF();
    if (onde.size() <= numeroPagina)
        onde.resize(numeroPagina + 1);
    onde[numeroPagina] = {guardado.pos(), int(fluxo.size())};
    if (guardado.write(fluxo) != fluxo.size()) {
        *erro = GravacaoSegura::falha(guardado.fileName(), guardado.errorString());
        return false;
    }
    return true;
}

bool CelulasPdf::conteudo(int numeroPagina, QByteArray *fluxo, QString *erro)
{
    fluxo->clear();
    const QPair<qint64, int> o = onde.value(numeroPagina, {0, 0});
    if (o.second == 0)
        return true;
    if (!guardado.flush() || !guardado.seek(o.first) || (*fluxo = guardado.read(o.second)).size() != o.second) {
        *erro = GravacaoSegura::falha(guardado.fileName(), guardado.errorString());
        return false;
    }
    return true;
}

JuncaoPdf::Fonte CelulasPdf::montarFonte() const
{
    QSet<quint16> usados;
    for (const Glifo &g : glifos) {
        if (g.conhecido)
            usados << g.indice;
    }
    const QByteArray arquivo = subconjunto(raw, usados);
    if (arquivo.isEmpty())
        return {};
    // Sizes in thousandths of the em, as a PDF font gives them.
    const double porEm = 1000.0 / raw.pixelSize();
    const QByteArray head = raw.fontTable("head");
    const double porUnidade = 1000.0 / qMax<quint16>(1, u16(head, 18));
    const auto unidades = [&](int i) { return QByteArray::number(qRound(qint16(u16(head, i)) * porUnidade)); };
    const QByteArray nome = "KTCELA+" + raw.familyName().toLatin1().replace(' ', "");
    // A simple font: a cell's characters are its codes, in WinAnsi as in
    // ASCII, and the font's own cmap finds their glyphs.
    const int primeiro = std::min_element(caracteres.cbegin(), caracteres.cend())->unicode();
    QByteArray larguras;
    int ultimo = primeiro;
    for (int c = primeiro; c < int(glifos.size()); ++c) {
        if (glifos[c].conhecido)
            ultimo = c;
    }
    for (int c = primeiro; c <= ultimo; ++c)
        larguras += numero(glifos[c].conhecido ? glifos[c].avanco * porEm : 0) + ' ';
    JuncaoPdf::Fonte f;
    f.nome = "KtCel";
    f.objetos = {
        {"/Type /Font /Subtype /TrueType /BaseFont /" + nome + " /FirstChar " + QByteArray::number(primeiro)
             + " /LastChar " + QByteArray::number(ultimo) + " /Widths [" + larguras.trimmed()
             + "] /Encoding /WinAnsiEncoding /FontDescriptor 2 0 R",
         {}},
        {"/Type /FontDescriptor /FontName /" + nome + " /Flags 32 /FontBBox [" + unidades(36) + ' ' + unidades(38)
             + ' ' + unidades(40) + ' ' + unidades(42) + "] /ItalicAngle 0 /Ascent "
             + numero(raw.ascent() * porEm) + " /Descent " + numero(-raw.descent() * porEm) + " /CapHeight "
             + numero(raw.capHeight() * porEm) + " /StemV 80 /FontFile2 3 0 R",
         {}},
        {"/Length1 " + QByteArray::number(arquivo.size()) + " /Filter /FlateDecode", comprimir(arquivo)},
    };
    return f;
}
