#include "device/copia.h"

#include "data/gravacaosegura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
    QFile destino(para);
    if (!destino.open(QIODevice::WriteOnly)) {
        *erro = GravacaoSegura::falha(para, destino.errorString());
        return false;
    }
    bool ok = true;
    while (ok && !origem.atEnd()) {
        const QByteArray bloco = origem.read(1 << 20);
        if (bloco.isEmpty())
            break;
        ok = destino.write(bloco) == bloco.size();
    }
    destino.close();
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

} // namespace

bool copyDirectoryFiles(const QString &de, const QString &para, bool substituir, Relato *relato)
{
    Relato local;
    Relato &r = relato ? *relato : local;
    const QDir origem(de);
    QDir alvo(para);
    if (!alvo.exists() && !alvo.mkdir(alvo.absolutePath())) {
        r.erro = GravacaoSegura::falha(para, GravacaoSegura::tr("a pasta não pôde ser criada"));
        return false;
    }
    const QFileInfoList entradas = origem.entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &e : entradas) {
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

Resultado copiarInteiro(const QString &origem, const QString &destino, bool substituir, Base base,
                        Relato *relato)
{
    Relato local;
    Relato &r = relato ? *relato : local;
    if (!QFileInfo(origem).isDir()) {
        r.erro = GravacaoSegura::falha(origem, GravacaoSegura::tr("a pasta não existe"));
        return Resultado::Falhou;
    }
    const QFileInfo info(destino);
    if (info.isSymLink())
        return Resultado::DestinoEhLink;
    const QString pai = info.absolutePath();
    const QString nome = info.fileName();
    const QString temporaria = pai + QStringLiteral("/.copiando-") + nome;
    const QString antiga = pai + QStringLiteral("/.antiga-") + nome;
    // Left over by an interrupted copy; a link there is removed, never
    // followed.
    removerPasta(temporaria);
    removerPasta(antiga);

    const bool existe = info.isDir();
    bool ok = true;
    if (existe && base == Base::CopiaAntiga) {
        Relato antigo; // links of the old copy were reported when it was made
        ok = copyDirectoryFiles(destino, temporaria, true, &antigo);
        r.erro = antigo.erro;
    }
    ok = ok && copyDirectoryFiles(origem, temporaria, substituir, &r);
    if (!ok) {
        removerPasta(temporaria);
        return Resultado::Falhou;
    }
    QDir dir(pai);
    if (existe && !dir.rename(nome, QFileInfo(antiga).fileName())) {
        r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("a pasta não pôde ser substituída"));
        removerPasta(temporaria);
        return Resultado::Falhou;
    }
    if (!dir.rename(QFileInfo(temporaria).fileName(), nome)) {
        r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("a pasta não pôde ser substituída"));
        if (existe)
            dir.rename(QFileInfo(antiga).fileName(), nome);
        removerPasta(temporaria);
        return Resultado::Falhou;
    }
    removerPasta(antiga);
    return Resultado::Copiada;
}

} // namespace Copia
