#include "report/juncaopdf.h"

#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QObject>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace {

// One part as QPdfWriter writes it: a classic cross-reference table, the
// catalog and the page tree as ordinary objects. Only the table, the
// trailer and the page tree are held; the objects stay in the file.
struct Parte {
    QFile arquivo;
    QVector<qint64> posicoes; // by object number; -1 for a free entry
    QVector<qint64> inicios;  // where the objects start, in file order
    qint64 inicioTabela = 0;  // where the cross-reference table starts
    int raiz = 0;
    int info = 0;
    int paginas = 0;
    QByteArray textoPaginas; // the page tree object, whole
    QVector<int> filhas;     // its /Kids, as many as its /Count says
    QHash<int, int> novos;   // object number here -> in the joined document
};

QByteArray lerEm(QFile &f, qint64 de, qint64 n)
{
    return f.seek(de) ? f.read(n) : QByteArray();
}

// The number after `chave` in `texto` (a reference "N 0 R" gives N); -1
// when it is not there.
int numeroApos(const QByteArray &texto, const char *chave)
{
    const int i = int(texto.indexOf(chave));
    if (i < 0)
        return -1;
    bool ok = false;
    const int n = texto.mid(i + int(qstrlen(chave))).trimmed().split(' ').value(0).split('\n').value(0).toInt(&ok);
    return ok ? n : -1;
}

// The object `n`'s bytes, from "n 0 obj" to where the next object starts.
QByteArray objeto(Parte &p, int n, qint64 fim)
{
    return lerEm(p.arquivo, p.posicoes.value(n), fim - p.posicoes.value(n));
}

// The object `n`'s bytes, up to where the next object in the file starts.
QByteArray objetoInteiro(Parte &p, int n)
{
    const auto i = std::upper_bound(p.inicios.cbegin(), p.inicios.cend(), p.posicoes.value(n));
    return objeto(p, n, i == p.inicios.cend() ? p.inicioTabela : *i);
}

bool abrir(Parte &p, const QString &caminho, QString *erro)
{
    p.arquivo.setFileName(caminho);
    if (!p.arquivo.open(QIODevice::ReadOnly)) {
        *erro = caminho + QStringLiteral(": ") + p.arquivo.errorString();
        return false;
    }
    const auto estranho = [&] {
        *erro = caminho + QStringLiteral(": ") + QObject::tr("não é um PDF inteiro");
        return false;
    };
    const qint64 tamanho = p.arquivo.size();
    const QByteArray fim = lerEm(p.arquivo, std::max<qint64>(0, tamanho - 1024), 1024);
    const int sx = int(fim.lastIndexOf("startxref"));
    if (sx < 0 || !fim.trimmed().endsWith("%%EOF"))
        return estranho();
    bool ok = false;
    p.inicioTabela = fim.mid(sx + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || p.inicioTabela <= 0 || p.inicioTabela >= tamanho)
        return estranho();
    // "xref", "0 SIZE", then SIZE entries of 20 bytes.
    const QByteArray cabecalho = lerEm(p.arquivo, p.inicioTabela, 64);
    const QList<QByteArray> linhas = cabecalho.split('\n');
    if (linhas.value(0).trimmed() != "xref" || linhas.value(1).trimmed().split(' ').value(0) != "0")
        return estranho();
    const int objetos = linhas.value(1).trimmed().split(' ').value(1).toInt(&ok);
    if (!ok || objetos < 4)
        return estranho();
    const qint64 inicioEntradas = p.inicioTabela + linhas.value(0).size() + linhas.value(1).size() + 2;
    const QByteArray entradas = lerEm(p.arquivo, inicioEntradas, qint64(objetos) * 20);
    const QByteArray trailer = lerEm(p.arquivo, inicioEntradas + entradas.size(), tamanho);
    if (entradas.size() != qint64(objetos) * 20 || !trailer.startsWith("trailer"))
        return estranho();
    p.posicoes.resize(objetos);
    for (int n = 0; n < objetos; ++n) {
        const QByteArray e = entradas.mid(n * 20, 20);
        p.posicoes[n] = e.at(17) == 'n' ? e.left(10).toLongLong() : -1;
        if (p.posicoes[n] >= p.inicioTabela)
            return estranho();
    }
    p.raiz = numeroApos(trailer, "/Root");
    p.info = numeroApos(trailer, "/Info");
    if (p.raiz <= 0 || p.raiz >= objetos || p.posicoes.at(p.raiz) < 0)
        return estranho();
    for (const qint64 pos : qAsConst(p.posicoes)) {
        if (pos >= 0)
            p.inicios << pos;
    }
    std::sort(p.inicios.begin(), p.inicios.end());
    p.paginas = numeroApos(objetoInteiro(p, p.raiz), "/Pages");
    if (p.paginas <= 0 || p.paginas >= objetos || p.posicoes.at(p.paginas) < 0)
        return estranho();
    p.textoPaginas = objetoInteiro(p, p.paginas);
    static const QRegularExpression filhas(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch m = filhas.match(QString::fromLatin1(p.textoPaginas));
    if (!m.hasMatch() || !p.textoPaginas.startsWith(QByteArray::number(p.paginas) + " 0 obj"))
        return estranho();
    static const QRegularExpression referencia(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (auto i = referencia.globalMatch(m.captured(1)); i.hasNext();)
        p.filhas << i.next().captured(1).toInt();
    return p.filhas.size() == numeroApos(p.textoPaginas, "/Count") ? true : estranho();
}

// `texto` with every reference "N 0 R" and the object's own "N 0 obj"
// numbered as in the joined document; strings are passed over.
QByteArray renumerar(const QByteArray &texto, const QHash<int, int> &novos)
{
    QByteArray r;
    r.reserve(texto.size() + 64);
    const int n = int(texto.size());
    for (int i = 0; i < n;) {
        const char c = texto.at(i);
        if (c == '(') {
            int nivel = 0;
            int j = i;
            for (; j < n; ++j) {
                if (texto.at(j) == '\\') {
                    ++j;
                    continue;
                }
                nivel += texto.at(j) == '(' ? 1 : texto.at(j) == ')' ? -1 : 0;
                if (nivel == 0)
                    break;
            }
            r += texto.mid(i, j + 1 - i);
            i = j + 1;
            continue;
        }
        const char antes = i > 0 ? texto.at(i - 1) : ' ';
        const bool inicioDeNumero = std::isdigit(uchar(c)) && !std::isalnum(uchar(antes)) && antes != '.' && antes != '/';
        if (inicioDeNumero) {
            int j = i;
            while (j < n && std::isdigit(uchar(texto.at(j))))
                ++j;
            const QByteArray resto = texto.mid(j, 8);
            const bool ref = resto.startsWith(" 0 R") && (resto.size() == 4 || !std::isalnum(uchar(resto.at(4))));
            const bool obj = resto.startsWith(" 0 obj");
            if (ref || obj) {
                r += QByteArray::number(novos.value(texto.mid(i, j - i).toInt()));
                i = j;
                continue;
            }
            r += texto.mid(i, j - i);
            i = j;
            continue;
        }
        r += c;
        ++i;
    }
    return r;
}

// The page object `n` of `p`, renumbered, drawing first the content stream
// `fluxo` and with the font `fonte` as `/nome` in its resources; empty when
// the page is not as QPdfWriter writes it.
QByteArray paginaAcrescida(Parte &p, int n, int fluxo, int fonte, const QByteArray &nome)
{
    static const QRegularExpression conteudo(QStringLiteral("/Contents\\s+(\\d+\\s+0\\s+R)"));
    static const QRegularExpression recursos(QStringLiteral("/Resources\\s+(\\d+)\\s+0\\s+R"));
    const QByteArray original = objetoInteiro(p, n);
    const QRegularExpressionMatch r = recursos.match(QString::fromLatin1(original));
    if (!r.hasMatch())
        return {};
    QByteArray dicionario = objetoInteiro(p, r.captured(1).toInt());
    const int de = int(dicionario.indexOf("<<"));
    const int ate = int(dicionario.lastIndexOf(">>"));
    if (de < 0 || ate < de)
        return {};
    dicionario = renumerar(dicionario.mid(de, ate + 2 - de), p.novos);
    const QByteArray entrada = '/' + nome + ' ' + QByteArray::number(fonte) + " 0 R\n";
    const int fontes = int(dicionario.indexOf("/Font <<"));
    if (fontes >= 0)
        dicionario.insert(fontes + 8, '\n' + entrada);
    else
        dicionario.insert(2, "\n/Font <<\n" + entrada + ">>\n");
    // The resources go into the page itself; their object stays, unused.
    QString pagina = QString::fromLatin1(renumerar(original, p.novos));
    const QRegularExpressionMatch rn = recursos.match(pagina);
    pagina.replace(rn.capturedStart(), rn.capturedLength(), QStringLiteral("/Resources ") + QString::fromLatin1(dicionario));
    const QRegularExpressionMatch c = conteudo.match(pagina);
    if (!c.hasMatch())
        return {};
    pagina.replace(c.capturedStart(), c.capturedLength(),
                   QStringLiteral("/Contents [%1 0 R %2]").arg(fluxo).arg(c.captured(1)));
    return pagina.toLatin1();
}

QByteArray objetoComFluxo(int n, const JuncaoPdf::Objeto &o)
{
    QByteArray r = QByteArray::number(n) + " 0 obj\n<<\n" + o.dicionario;
    if (o.fluxo.isNull())
        return r + "\n>>\nendobj\n";
    return r + "\n/Length " + QByteArray::number(o.fluxo.size()) + "\n>>\nstream\n" + o.fluxo
        + "\nendstream\nendobj\n";
}

// Writes everything or throws the device's reason.
class Escrita
{
public:
    explicit Escrita(QIODevice *destino)
        : destino(destino)
    {
    }
    bool escrever(const QByteArray &b)
    {
        if (destino->write(b) != b.size())
            return false;
        posicao += b.size();
        return true;
    }
    qint64 posicao = 0;

private:
    QIODevice *destino;
};

} // namespace

namespace JuncaoPdf {

bool juntar(const QStringList &partes, QIODevice *destino, QString *erro, const Acrescimo &acrescimo)
{
    QString motivo;
    std::vector<std::unique_ptr<Parte>> ps;
    for (const QString &caminho : partes) {
        ps.push_back(std::make_unique<Parte>());
        if (!abrir(*ps.back(), caminho, &motivo)) {
            if (erro)
                *erro = motivo;
            return false;
        }
    }
    if (ps.empty()) {
        if (erro)
            *erro = QObject::tr("nenhuma parte");
        return false;
    }
    // New numbers: the first part's objects keep theirs; each further part
    // follows, without its catalog, information and page tree, whose pages
    // hang from the first part's tree.
    Parte &primeira = *ps.front();
    int proximo = int(primeira.posicoes.size());
    for (int n = 0; n < primeira.posicoes.size(); ++n)
        primeira.novos.insert(n, n);
    for (size_t k = 1; k < ps.size(); ++k) {
        Parte &p = *ps[k];
        for (int n = 1; n < p.posicoes.size(); ++n) {
            if (p.posicoes.at(n) < 0 || n == p.raiz || n == p.info)
                continue;
            p.novos.insert(n, n == p.paginas ? primeira.paginas : proximo++);
        }
    }
    QByteArray filhas;
    int quantas = 0;
    for (const auto &p : ps) {
        for (const int f : qAsConst(p->filhas))
            filhas += QByteArray::number(p->novos.value(f)) + " 0 R ";
        quantas += p->filhas.size();
    }
    // The added font's objects come last; each added stream is numbered
    // as it is written.
    const bool acrescentar = acrescimo.conteudo && !acrescimo.fonte.objetos.isEmpty();
    QHash<int, int> numerosDaFonte;
    if (acrescentar) {
        for (int i = 0; i < acrescimo.fonte.objetos.size(); ++i)
            numerosDaFonte.insert(i + 1, proximo++);
    }

    Escrita saida(destino);
    QVector<qint64> posicoes(proximo, -1);
    const auto falhou = [&](const QString &m) {
        if (erro)
            *erro = m;
        return false;
    };
    // The header: "%PDF-1.4" and its binary comment, up to the first object.
    qint64 primeiroObjeto = primeira.inicioTabela;
    for (const qint64 pos : qAsConst(primeira.posicoes)) {
        if (pos >= 0)
            primeiroObjeto = std::min(primeiroObjeto, pos);
    }
    if (!saida.escrever(lerEm(primeira.arquivo, 0, primeiroObjeto)))
        return falhou(destino->errorString());
    constexpr qint64 bloco = 1 << 20;
    for (size_t k = 0; k < ps.size(); ++k) {
        const auto &p = ps[k];
        QHash<int, int> paginaDe;
        for (int i = 0; i < p->filhas.size(); ++i)
            paginaDe.insert(p->filhas.at(i), i);
        QVector<QPair<qint64, int>> ordem;
        for (int n = 1; n < p->posicoes.size(); ++n) {
            if (p->posicoes.at(n) >= 0)
                ordem.append({p->posicoes.at(n), n});
        }
        std::sort(ordem.begin(), ordem.end());
        for (int i = 0; i < ordem.size(); ++i) {
            const auto [pos, n] = ordem.at(i);
            const qint64 fim = i + 1 < ordem.size() ? ordem.at(i + 1).first : p->inicioTabela;
            if (p.get() != &primeira && (n == p->raiz || n == p->info || n == p->paginas))
                continue;
            const int novo = p->novos.value(n);
            posicoes[novo] = saida.posicao;
            if (p.get() == &primeira && n == primeira.paginas) {
                // The first tree, now with every part's pages.
                static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[[^\\]]*\\]"));
                static const QRegularExpression count(QStringLiteral("/Count\\s+\\d+"));
                QString t = QString::fromLatin1(primeira.textoPaginas);
                t.replace(kids, QStringLiteral("/Kids [") + QString::fromLatin1(filhas) + QStringLiteral("]"));
                t.replace(count, QStringLiteral("/Count ") + QString::number(quantas));
                if (!saida.escrever(t.toLatin1()))
                    return falhou(destino->errorString());
                continue;
            }
            QByteArray fluxo;
            if (acrescentar && paginaDe.contains(n)) {
                if (!acrescimo.conteudo(int(k), paginaDe.value(n), &fluxo, &motivo))
                    return falhou(motivo);
            }
            if (!fluxo.isEmpty()) {
                const int numeroFluxo = proximo++;
                const QByteArray pagina = paginaAcrescida(*p, n, numeroFluxo, numerosDaFonte.value(1),
                                                          acrescimo.fonte.nome);
                if (pagina.isEmpty())
                    return falhou(p->arquivo.fileName() + QStringLiteral(": ") + QObject::tr("não é um PDF inteiro"));
                if (!saida.escrever(pagina))
                    return falhou(destino->errorString());
                posicoes.append(saida.posicao);
                if (!saida.escrever(objetoComFluxo(numeroFluxo, {"/Filter /FlateDecode", fluxo})))
                    return falhou(destino->errorString());
                continue;
            }
            // Only the dictionary is renumbered; a stream's bytes go as
            // they are, a block at a time.
            QByteArray inicio = lerEm(p->arquivo, pos, std::min<qint64>(fim - pos, 64 * 1024));
            int corpo = int(inicio.indexOf(">>\nstream\n"));
            if (corpo < 0) {
                inicio = objeto(*p, n, fim);
                corpo = int(inicio.size());
            } else {
                corpo += 10;
            }
            if (inicio.size() < std::min<qint64>(fim - pos, corpo))
                return falhou(p->arquivo.fileName() + QStringLiteral(": ") + p->arquivo.errorString());
            if (!saida.escrever(renumerar(inicio.left(corpo), p->novos)))
                return falhou(destino->errorString());
            for (qint64 de = pos + corpo; de < fim; de += bloco) {
                const QByteArray parte = lerEm(p->arquivo, de, std::min(bloco, fim - de));
                if (parte.size() != std::min(bloco, fim - de))
                    return falhou(p->arquivo.fileName() + QStringLiteral(": ") + p->arquivo.errorString());
                if (!saida.escrever(parte))
                    return falhou(destino->errorString());
            }
        }
    }
    for (int i = 0; acrescentar && i < acrescimo.fonte.objetos.size(); ++i) {
        const int n = numerosDaFonte.value(i + 1);
        posicoes[n] = saida.posicao;
        const JuncaoPdf::Objeto &o = acrescimo.fonte.objetos.at(i);
        if (!saida.escrever(objetoComFluxo(n, {renumerar(o.dicionario, numerosDaFonte), o.fluxo})))
            return falhou(destino->errorString());
    }
    const qint64 tabela = saida.posicao;
    QByteArray xref = "xref\n0 " + QByteArray::number(proximo) + "\n0000000000 65535 f \n";
    for (int n = 1; n < proximo; ++n)
        xref += posicoes.at(n) >= 0 ? QByteArray::number(posicoes.at(n)).rightJustified(10, '0') + " 00000 n \n"
                                    : QByteArray("0000000000 00000 f \n");
    xref += "trailer\n<<\n/Size " + QByteArray::number(proximo) + "\n";
    if (primeira.info > 0)
        xref += "/Info " + QByteArray::number(primeira.info) + " 0 R\n";
    xref += "/Root " + QByteArray::number(primeira.raiz) + " 0 R\n>>\nstartxref\n" + QByteArray::number(tabela)
        + "\n%%EOF\n";
    if (!saida.escrever(xref))
        return falhou(destino->errorString());
    return true;
}

} // namespace JuncaoPdf
