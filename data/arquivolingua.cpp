#include "data/arquivolingua.h"

#include "data/codificacao.h"
#include "data/gravacaosegura.h"

#include <QFile>
#include <QFileInfo>

namespace ArquivoLingua {

QString caminho(const QString &pasta)
{
    return pasta + QStringLiteral("/lingua.lg");
}

bool ler(const QString &pasta, QString *catalogo)
{
    const QString arquivo = caminho(pasta);
    if (!QFileInfo(arquivo).isFile())
        return false;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QByteArray linha = f.readLine();
    while (linha.endsWith('\n') || linha.endsWith('\r'))
        linha.chop(1);
    *catalogo = Codificacao::decodificar(linha);
    return true;
}

Desfecho gravar(const QString &pasta, const QString &catalogo)
{
    const Desfecho criada = GravacaoSegura::criarPasta(pasta);
    if (!criada)
        return criada;
    return GravacaoSegura::gravar(caminho(pasta), Codificacao::codificar(catalogo));
}

QStringList itensIdioma()
{
    return {QStringLiteral("Português"), QStringLiteral("English"), QStringLiteral("Español")};
}

QString catalogoDoItem(const QString &item)
{
    if (item == QStringLiteral("Español"))
        return QStringLiteral(":/language/espanhol.qm");
    if (item == QStringLiteral("English"))
        return QStringLiteral(":/language/ingles.qm");
    return QStringLiteral(":/language/portugues.qm");
}

QString catalogoDoQt(const QString &catalogo)
{
    if (catalogo == QLatin1String(":/language/portugues.qm"))
        return QStringLiteral(":/language/qtbase_pt_BR.qm");
    if (catalogo == QLatin1String(":/language/espanhol.qm"))
        return QStringLiteral(":/language/qtbase_es.qm");
    return QString();
}

QLocale localDoCatalogo(const QString &catalogo)
{
    if (catalogo == QLatin1String(":/language/ingles.qm"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    if (catalogo == QLatin1String(":/language/espanhol.qm"))
        return QLocale(QLocale::Spanish, QLocale::Spain);
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}

} // namespace ArquivoLingua
