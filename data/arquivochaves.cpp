#include "data/arquivochaves.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"
#include "data/gravacaosegura.h"

#include <algorithm>

namespace {

// What the code page cannot hold goes as "%uXXXX".
QString escapar(const QString &v)
{
    QString r;
    r.reserve(v.size());
    for (const QChar c : v) {
        if (c == QLatin1Char('%') || c == QLatin1Char(';') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            r += QLatin1Char('%') + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else if (c.unicode() > 0x7f && Codificacao::decodificar(Codificacao::codificar(QString(c))) != QString(c))
            r += QStringLiteral("%u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
}

QString desescapar(const QString &v)
{
    if (!v.contains(QLatin1Char('%')))
        return v;
    QString r;
    r.reserve(v.size());
    for (int i = 0; i < v.size(); ++i) {
        const bool longo = v.midRef(i + 1, 1) == QLatin1String("u");
        const int digitos = longo ? 4 : 2;
        bool ok = false;
        const int c = v.midRef(i + 1 + (longo ? 1 : 0), digitos).toInt(&ok, 16);
        if (v.at(i) == QLatin1Char('%') && ok && i + digitos + (longo ? 1 : 0) < v.size()) {
            r += QChar(c);
            i += digitos + (longo ? 1 : 0);
        } else {
            r += v.at(i);
        }
    }
    return r;
}

} // namespace

bool ArquivoChaves::ler(const QString &caminho, QString *erro)
{
    QByteArray dados;
    if (!ArquivoRegistro::ler(caminho, &dados, erro))
        return false;
    linhas.clear();
    for (ArquivoRegistro::LeitorLinhas leitor(dados); !leitor.fim();) {
        QStringList pedacos = leitor.proxima().split(QLatin1Char(';'));
        // "key;value;" ends in an empty piece after the last ";".
        if (pedacos.size() > 1 && pedacos.last().isEmpty())
            pedacos.removeLast();
        if (pedacos.value(0).isEmpty())
            continue;
        Linha l{pedacos.takeFirst(), {}};
        for (const QString &p : qAsConst(pedacos))
            l.valores << desescapar(p);
        linhas << l;
    }
    return true;
}

Desfecho ArquivoChaves::gravar(const QString &caminho) const
{
    QString texto;
    for (const Linha &l : linhas) {
        texto += l.chave + QLatin1Char(';');
        for (const QString &v : l.valores)
            texto += escapar(v) + QLatin1Char(';');
        texto += QLatin1Char('\n');
    }
    return GravacaoSegura::gravar(caminho, Codificacao::codificar(texto));
}

QString ArquivoChaves::valor(const QString &chave) const
{
    for (auto l = linhas.crbegin(); l != linhas.crend(); ++l) {
        if (l->chave == chave)
            return l->valores.value(0);
    }
    return QString();
}

void ArquivoChaves::definir(const QString &chave, const QString &v)
{
    for (int i = 0; i < linhas.size(); ++i) {
        if (linhas.at(i).chave == chave) {
            linhas[i].valores = QStringList{v};
            for (int j = int(linhas.size()) - 1; j > i; --j) {
                if (linhas.at(j).chave == chave)
                    linhas.remove(j);
            }
            return;
        }
    }
    linhas.append({chave, {v}});
}

QVector<QStringList> ArquivoChaves::todas(const QString &chave) const
{
    QVector<QStringList> r;
    for (const Linha &l : linhas) {
        if (l.chave == chave)
            r << l.valores;
    }
    return r;
}

void ArquivoChaves::remover(const QString &chave)
{
    linhas.erase(std::remove_if(linhas.begin(), linhas.end(), [&](const Linha &l) { return l.chave == chave; }),
                 linhas.end());
}
