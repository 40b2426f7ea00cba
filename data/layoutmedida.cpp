#include "data/layoutmedida.h"

#include "data/gravacaosegura.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#endif

namespace LayoutMedida {

QString carimbo(const QDateTime &momento)
{
    return momento.toLocalTime().toString(QStringLiteral("yyMMddHHmmss"));
}

QString nomeDownload(const QDateTime &modificacao)
{
    return QStringLiteral("e_") + carimbo(modificacao);
}

QDateTime lerDataHora(const QString &texto, const QString &formato)
{
    // Each form: its length, the position of every number, and the
    // separators in between; the year of "yy" is 19yy, as Qt reads it.
    struct Forma {
        const char *formato;
        int posicoes[6];
        int larguras[6];
        int seculo;
    };
    static const Forma formas[] = {
        {"yyMMddHHmmss", {0, 2, 4, 6, 8, 10}, {2, 2, 2, 2, 2, 2}, 1900},
        {"dd/MM/yyyy HH:mm:ss", {6, 3, 0, 11, 14, 17}, {4, 2, 2, 2, 2, 2}, 0},
    };
    for (const Forma &f : formas) {
        const QLatin1String modelo(f.formato);
        if (formato != modelo || texto.size() != modelo.size())
            continue;
        int v[6] = {0, 0, 0, 0, 0, 0};
        for (int i = 0; i < texto.size(); ++i) {
            const QChar m = modelo.at(i);
            const bool digito = m.isLetter();
            if (digito != (texto.at(i) >= QLatin1Char('0') && texto.at(i) <= QLatin1Char('9'))
                || (!digito && texto.at(i) != m))
                return QDateTime::fromString(texto, formato);
        }
        for (int k = 0; k < 6; ++k)
            v[k] = QStringView(texto).mid(f.posicoes[k], f.larguras[k]).toInt();
        const QDate data(f.seculo + v[0], v[1], v[2]);
        const QTime hora(v[3], v[4], v[5]);
        return data.isValid() && hora.isValid() ? QDateTime(data, hora) : QDateTime();
    }
    return QDateTime::fromString(texto, formato);
}

QDateTime momentoDaPasta(const QFileInfo &pasta)
{
    const QString nome = pasta.fileName();
    if (nome.size() == 14 && nome.startsWith(QLatin1String("e_"))) {
        const QDateTime carimbado =
            lerDataHora(nome.mid(2), QStringLiteral("yyMMddHHmmss"));
        if (carimbado.isValid())
            return carimbado.addYears(carimbado.date().year() < 2000 ? 100 : 0);
    }
    return pasta.lastModified();
}

QVector<QPair<QFileInfo, QDateTime>> maisNovasPrimeiro(const QFileInfoList &pastas)
{
    QVector<QPair<QFileInfo, QDateTime>> lista;
    lista.reserve(pastas.size());
    for (const QFileInfo &p : pastas)
        lista.append({p, momentoDaPasta(p)});
    std::stable_sort(lista.begin(), lista.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return lista;
}

QString renomearExposicao(const QString &nome, const QString &carimbo)
{
    return nomeMostrado(nome) + QLatin1Char('-') + carimbo;
}

QString nomeMostrado(const QString &nomeExposicao)
{
    const QStringList pedacos = nomeExposicao.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    return pedacos.isEmpty() ? nomeExposicao : pedacos.first();
}

QString dataMostrada(const QString &dataCriacao, const QString &nomeExposicao)
{
    const QStringList pedacos = nomeExposicao.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (pedacos.size() < 2)
        return dataCriacao;
    const QDateTime momento = lerDataHora(pedacos.last(), QStringLiteral("yyMMddHHmmss"));
    if (!momento.isValid())
        return dataCriacao;
    const QTime hora = momento.time();
    return dataCriacao + QString::asprintf(" %02d:%02d:%02d", hora.hour(), hora.minute(), hora.second());
}

QString nomePasta(const QString &pasta)
{
    QString limpo = pasta;
    while (limpo.size() > 1 && limpo.endsWith(QLatin1Char('/')))
        limpo.chop(1);
    return QFileInfo(limpo).fileName();
}

QString arquivoExposicao(const QString &pasta)
{
    return pasta + QLatin1Char('/') + nomePasta(pasta) + QStringLiteral(".id");
}

bool ehMedida(const QString &pasta)
{
    return QFileInfo(arquivoExposicao(pasta)).isFile();
}

bool listarPasta(const QString &pasta, QStringList *nomes, QString *erro)
{
    nomes->clear();
#ifdef Q_OS_UNIX
    // Read by hand: QDir says nothing of a folder it could not read, and
    // drops a name it cannot decode.
    DIR *dir = ::opendir(QFile::encodeName(pasta).constData());
    if (!dir) {
        if (errno == ENOENT)
            return true;
        *erro = GravacaoSegura::falha(pasta, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent *e = ::readdir(dir);
        if (!e) {
            if (errno != 0) {
                *erro = GravacaoSegura::falha(pasta, QString::fromLocal8Bit(std::strerror(errno)));
                ok = false;
            }
            break;
        }
        const QByteArray bruto(e->d_name);
        if (bruto == "." || bruto == "..")
            continue;
        const QString nome = QFile::decodeName(bruto);
        if (QFile::encodeName(nome) != bruto) {
            *erro = GravacaoSegura::falha(pasta + QLatin1Char('/') + nome,
                                          GravacaoSegura::tr("o nome não está na codificação deste sistema "
                                                             "(UTF-8); renomeie-o"));
            ok = false;
            break;
        }
        *nomes << nome;
    }
    ::closedir(dir);
    std::sort(nomes->begin(), nomes->end());
    return ok;
#else
    const QFileInfo info(pasta);
    if (info.exists() && !(info.isDir() && info.isReadable())) {
        *erro = GravacaoSegura::falha(pasta, GravacaoSegura::tr("a pasta não pode ser lida"));
        return false;
    }
    *nomes = QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                   QDir::Name);
    return true;
#endif
}

namespace {

// False, with the reason in `erro`, when `erro` is asked for and the folder
// cannot be listed whole.
bool listavel(const QString &pasta, QString *erro)
{
    QStringList nomes;
    return !erro || listarPasta(pasta, &nomes, erro);
}

} // namespace

QStringList subpastas(const QString &local, QString *erro)
{
    if (!listavel(local, erro))
        return {};
    const QDir dir(local);
    QStringList caminhos;
    const QStringList nomes = dir.entryList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QString &nome : nomes)
        caminhos << dir.filePath(nome);
    return caminhos;
}

QStringList medidas(const QString &local)
{
    QStringList encontradas;
    for (const QString &pasta : subpastas(local)) {
        if (ehMedida(pasta))
            encontradas << pasta;
    }
    return encontradas;
}

bool ehPastaDoArmazem(const QString &nome)
{
    for (const char *propria : {"Perfil", "Arquivos PDF", "Jornadas", "Grupos"}) {
        if (nome == QLatin1String(propria))
            return true;
    }
    return false;
}

QStringList medidasDoArmazem(const QString &raiz)
{
    const QFileInfoList pastas =
        QDir(raiz).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    QStringList encontradas;
    for (const auto &[pasta, momento] : maisNovasPrimeiro(pastas)) {
        if (!ehPastaDoArmazem(pasta.fileName()) && ehMedida(pasta.filePath()))
            encontradas << pasta.filePath();
    }
    return encontradas;
}

QStringList pastasCorpo(const QString &medida, QString *erro)
{
    QStringList pastas;
    for (const QString &parcial : subpastas(medida, erro)) {
        if (!listavel(parcial, erro))
            return {};
        for (const char *sensor : {"/corpo", "/mao"}) {
            const QString pasta = parcial + QLatin1String(sensor);
            if (!QFileInfo(pasta).isSymLink())
                pastas << pasta;
        }
    }
    return pastas;
}

QString arquivoParcial(const QString &pastaCorpo)
{
    const QString pai = QFileInfo(QFileInfo(pastaCorpo).path()).fileName();
    return pastaCorpo + QLatin1Char('/') + pai + QStringLiteral(".id");
}

QStringList componentes(const QString &pastaCorpo)
{
    const QDir dir(pastaCorpo);
    QStringList bases;
    const QStringList nomes = dir.entryList({QStringLiteral("*.head")}, QDir::Files, QDir::Name);
    for (const QString &nome : nomes)
        bases << dir.filePath(nome.left(nome.size() - 5));
    return bases;
}

QStringList componentesMaisNovosPrimeiro(const QString &pastaCorpo, QString *erro)
{
    if (!listavel(pastaCorpo, erro))
        return {};
    QFileInfoList arquivos = QDir(pastaCorpo).entryInfoList({QStringLiteral("*.head")}, QDir::Files,
                                                            QDir::Name);
    std::stable_sort(arquivos.begin(), arquivos.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList bases;
    for (const QFileInfo &f : arquivos) {
        const QString caminho = f.absoluteFilePath();
        bases << caminho.left(caminho.size() - 5); // without ".head"
    }
    return bases;
}

bool componenteCompleto(const QString &base)
{
    return QFileInfo(base + QStringLiteral(".dat")).isFile()
        && QFileInfo(base + QStringLiteral(".res")).isFile();
}

QVector<LinhaParcial> parciaisDaExposicao(const QString &pastaExposicao)
{
    QVector<LinhaParcial> linhas;
    for (const QString &p : subpastas(pastaExposicao)) {
        for (const char *sensor : {"corpo", "mao"}) {
            const QString corpo = p + QLatin1Char('/') + QLatin1String(sensor);
            if (QFileInfo(corpo).isSymLink())
                continue;
            const QString arquivo = arquivoParcial(corpo);
            const int entradas = int(QDir(corpo)
                                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                    | QDir::Hidden | QDir::System)
                                         .size());
            if (QFileInfo(arquivo).isFile() && entradas > 1)
                linhas.append({corpo, QLatin1String(sensor), arquivo});
        }
    }
    return linhas;
}

int contarArquivosHead(const QString &medida)
{
    // Matched by hand: a name filter would build a pattern matcher per call,
    // and pairing calls this for every measurement on both sides.
    int n = 0;
    QDirIterator it(medida, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        n += it.fileName().endsWith(QLatin1String(".head"), Qt::CaseInsensitive);
    }
    return n;
}

} // namespace LayoutMedida
