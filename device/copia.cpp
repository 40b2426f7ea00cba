#include "device/copia.h"

#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "data/travamedida.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace Copia {

namespace {

// A temporary file that a save killed midway left beside the file it was
// replacing: the file's name and six letters or digits.
bool ehRestoDeGravacao(const QFileInfo &arquivo)
{
    static const QRegularExpression temporario(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch m = temporario.match(arquivo.fileName());
    return m.hasMatch() && QFileInfo(arquivo.dir().filePath(m.captured(1))).isFile();
}

// A plain copy into a new file, every write checked: the copy lands in a
// hidden folder that replaces the measurement only once complete, so a
// file needs no replacing of its own.
bool copiarArquivo(const QString &de, const QString &para, QString *erro)
{
    QFile origem(de);
    if (!origem.open(QIODevice::ReadOnly)) {
        *erro = GravacaoSegura::falha(de, origem.errorString());
        return false;
    }
    // Unbuffered, so that the system's count of every write is seen.
    QFile destino(para);
    if (!destino.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *erro = GravacaoSegura::falha(para, destino.errorString());
        return false;
    }
    bool ok = true;
    while (ok) {
        const QByteArray bloco = origem.read(1 << 20);
        if (bloco.isEmpty())
            break;
        ok = GravacaoSegura::escreverTudo(destino, bloco.constData(), bloco.size());
    }
    if (origem.error() != QFileDevice::NoError) {
        *erro = GravacaoSegura::falha(de, origem.errorString());
        return false;
    }
    if (!ok || destino.error() != QFileDevice::NoError) {
        *erro = GravacaoSegura::falha(para, destino.errorString());
        return false;
    }
    return true;
}

QString motivoDoSistema()
{
#ifdef Q_OS_UNIX
    return QString::fromLocal8Bit(std::strerror(errno));
#else
    return QString();
#endif
}

// A hidden folder that a copy of `nome` made beside it: ".copiando-NAME"
// and, since copies work each in their own, six random letters or digits.
bool ehPastaDeCopia(const QString &entrada, const QString &nome)
{
    const QString prefixo = QStringLiteral(".copiando-") + nome;
    static const QRegularExpression sufixo(QStringLiteral("^-[A-Za-z0-9]{6}$"));
    return entrada == prefixo
        || (entrada.startsWith(prefixo) && sufixo.match(entrada.mid(prefixo.size())).hasMatch());
}

// Removes the hidden folders of copies of `nome` in `pai` whose process is
// gone: untouched for an hour, and not held by a running copy.
void limparRestos(const QString &pai, const QString &nome)
{
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QFileInfoList entradas =
        QDir(pai).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &e : entradas) {
        if (!ehPastaDeCopia(e.fileName(), nome) || e.lastModified().toUTC() > limite)
            continue;
        const TravaMedida trava(e.filePath(), TravaMedida::Modo::ExclusivaSeLivre);
        if (trava.obtida())
            removerPasta(e.filePath());
    }
}

enum class Publicacao { Feita, OutraPrimeiro, Falhou };

// Renames the prepared copy to `destino`. Over an older folder the two
// are exchanged at once where the system can (the old one then lies in
// the hidden folder, removed with it); a `destino` that did not exist
// when the copy began must still not exist.
Publicacao publicar(const QString &copia, const QString &destino, bool existia, const QString &guardaAntiga)
{
    const QByteArray de = QFile::encodeName(copia);
    const QByteArray para = QFile::encodeName(destino);
#ifdef Q_OS_LINUX
    if (::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, para.constData(),
                    existia ? RENAME_EXCHANGE : RENAME_NOREPLACE) == 0)
        return Publicacao::Feita;
    if (errno == EEXIST)
        return Publicacao::OutraPrimeiro;
    if (errno != EINVAL && errno != ENOSYS && !(existia && errno == ENOENT))
        return Publicacao::Falhou;
#endif
    // File systems without an exchange: the old folder is moved aside into
    // the hidden folder, and back if the new one cannot take its place.
    const bool existe = QFileInfo::exists(destino);
    if (existe && !existia)
        return Publicacao::OutraPrimeiro;
    if (existe && !QDir().rename(destino, guardaAntiga))
        return Publicacao::Falhou;
    if (QDir().rename(copia, destino))
        return Publicacao::Feita;
    if (existe)
        QDir().rename(guardaAntiga, destino);
    return Publicacao::Falhou;
}

} // namespace

bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir, Relato *relato)
{
    Relato local;
    Relato &r = relato ? *relato : local;
    const QDir origem(de);
    QDir alvo(para);
    if (!alvo.exists()) {
        const Desfecho criada = GravacaoSegura::criarNivel(alvo.absolutePath());
        if (!criada) {
            r.erro = criada.motivo;
            return false;
        }
    }
    QStringList nomes;
    if (!LayoutMedida::listarPasta(de, &nomes, &r.erro))
        return false;
    for (const QString &n : qAsConst(nomes)) {
        const QFileInfo e(origem.filePath(n));
        const QString destino = alvo.filePath(e.fileName());
        // A link may lead out of the measurement, to a private file, or
        // round in a loop.
        if (e.isSymLink()) {
            r.links << e.filePath();
            continue;
        }
        if (e.isDir()) {
            if (!copyDirectoryFiles(e.filePath(), destino, substituir, &r))
                return false;
            continue;
        }
        if (ehRestoDeGravacao(e))
            continue;
        // A pipe or a device would block the copy or never end.
        if (!e.isFile()) {
            r.erro = GravacaoSegura::falha(e.filePath(), GravacaoSegura::tr("não é um arquivo comum"));
            return false;
        }
        if (substituir && QFileInfo::exists(destino))
            QFile::remove(destino);
        if (QFileInfo::exists(destino))
            continue;
        if (!copiarArquivo(e.filePath(), destino, &r.erro))
            return false;
    }
    return true;
}

bool removerPasta(const QString &pasta)
{
    const QFileInfo info(pasta);
    if (info.isSymLink())
        return QFile::remove(pasta);
    return !info.exists() || QDir(pasta).removeRecursively();
}

Desfecho copiarInteiro(const QString &origem, const QString &destino, Relato *relato, const Preparo &preparar)
{
    Relato local;
    Relato &r = relato ? *relato : local;
    if (!QFileInfo(origem).isDir()) {
        r.erro = GravacaoSegura::falha(origem, GravacaoSegura::tr("a pasta não existe"));
        return Desfecho::falhou(r.erro);
    }
    const QFileInfo info(destino);
    if (info.isSymLink())
        return Desfecho::recusado();
    const QString pai = info.absolutePath();
    const QString nome = info.fileName();
    limparRestos(pai, nome);

    // Made by this process alone, under a name nobody can plant a link at;
    // removed at the end with whatever is left in it.
    QTemporaryDir oculta(pai + QStringLiteral("/.copiando-") + nome + QStringLiteral("-XXXXXX"));
    if (!oculta.isValid()) {
        r.erro = GravacaoSegura::falha(pai, oculta.errorString());
        return Desfecho::falhou(r.erro);
    }
    const TravaMedida emUso(oculta.path(), TravaMedida::Modo::Exclusiva);
    const QString copia = oculta.filePath(nome);
    const bool existia = info.isDir();
    {
        // A measurement being evaluated is copied before or after, whole.
        const TravaMedida leitura(origem, TravaMedida::Modo::Compartilhada);
        if (!copyDirectoryFiles(origem, copia, false, &r))
            return Desfecho::falhou(r.erro);
    }
    {
        // The copy is made durable once, whole, before it is published.
        const GravacaoSegura::SincroniaAdiada adiada;
        if (preparar && !preparar(copia, &r.erro))
            return Desfecho::falhou(r.erro);
    }
    if (!GravacaoSegura::sincronizar(copia, &r.erro))
        return Desfecho::falhou(r.erro);
    switch (publicar(copia, destino, existia, oculta.filePath(QStringLiteral("antiga")))) {
    case Publicacao::Feita:
        return Desfecho();
    case Publicacao::OutraPrimeiro:
        r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("outra cópia desta medida foi gravada "
                                                                   "antes; nada foi substituído"));
        return Desfecho::falhou(r.erro);
    case Publicacao::Falhou:
        break;
    }
    r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("a pasta não pôde ser substituída: %1")
                                                .arg(motivoDoSistema()));
    return Desfecho::falhou(r.erro);
}

} // namespace Copia
