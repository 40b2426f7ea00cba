#include "data/gravacaosegura.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// SincroniaAdiada objects alive on this thread.
thread_local int adiadas = 0;

} // namespace

// Collects what the writer sends in blocks and writes each block out whole,
// so that a short write is seen however the writer writes (QPdfWriter
// never looks at what write() returns).
class GravacaoSegura::Saida : public QIODevice
{
public:
    explicit Saida(QSaveFile &arquivo) : arquivo(arquivo) { open(QIODevice::WriteOnly); }

    bool esvaziar()
    {
        if (!falhou && !bloco.isEmpty() && !escreverTudo(arquivo, bloco.constData(), bloco.size())) {
            falhou = true;
            setErrorString(arquivo.errorString());
        }
        bloco.clear();
        return !falhou;
    }
    bool falhou = false;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *dados, qint64 n) override
    {
        constexpr int tamanhoBloco = 1 << 18;
        if (falhou)
            return -1;
        bloco.append(dados, int(n));
        if (bloco.size() >= tamanhoBloco && !esvaziar())
            return -1;
        return n;
    }

private:
    QSaveFile &arquivo;
    QByteArray bloco;
};

GravacaoSegura::GravacaoSegura(const QString &caminho)
    : arquivo(caminho)
    , caminho(caminho)
{
}

GravacaoSegura::~GravacaoSegura() = default;

QString GravacaoSegura::falha(const QString &caminho, const QString &motivo)
{
    return QDir::toNativeSeparators(caminho) + QStringLiteral(": ") + motivo;
}

bool GravacaoSegura::escreverTudo(QIODevice &arquivo, const char *dados, qint64 n)
{
    while (n > 0) {
        const qint64 escritos = arquivo.write(dados, n);
        if (escritos <= 0)
            return false;
        dados += escritos;
        n -= escritos;
    }
    return true;
}

bool GravacaoSegura::falhou(const QString &motivo)
{
    mensagem = falha(caminho, motivo);
    if (arquivo.isOpen())
        arquivo.cancelWriting();
    return false;
}

bool GravacaoSegura::abrir()
{
    const QFileInfo info(caminho);
    if (info.isSymLink())
        return falhou(tr("é um link; nada é gravado através de links"));
    if (info.isDir())
        return falhou(tr("é uma pasta"));
    // Qt names no reason for this one.
    if (!QFileInfo(info.absolutePath()).isDir())
        return falhou(tr("a pasta não existe"));
    // Unbuffered: every write reaches the system, which says how much it took.
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return falhou(arquivo.errorString());
    saida = std::make_unique<Saida>(arquivo);
    return true;
}

QIODevice *GravacaoSegura::dispositivo()
{
    return saida.get();
}

bool GravacaoSegura::preparar()
{
    if (!arquivo.isOpen() || !saida)
        return false;
    if (!saida->esvaziar() || arquivo.error() != QFileDevice::NoError || !arquivo.flush())
        return falhou(arquivo.error() != QFileDevice::NoError ? arquivo.errorString()
                                                               : tr("nem tudo pôde ser gravado"));
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data reach it.
    if (adiadas == 0 && ::fsync(arquivo.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return falhou(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    return true;
}

GravacaoSegura::SincroniaAdiada::SincroniaAdiada()
{
    ++adiadas;
}

GravacaoSegura::SincroniaAdiada::~SincroniaAdiada()
{
    --adiadas;
}

bool GravacaoSegura::sincronizar(const QString &pasta, QString *erro)
{
#ifdef Q_OS_LINUX
    // One call for the whole copy: syncing its files one by one costs a
    // disk flush each.
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::syncfs(fd) == 0;
    const int causa = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok && erro)
        *erro = falha(pasta, QString::fromLocal8Bit(std::strerror(causa)));
    return ok;
#else
    Q_UNUSED(pasta)
    Q_UNUSED(erro)
    return true;
#endif
}

bool GravacaoSegura::publicar()
{
    if (!arquivo.isOpen())
        return false;
    if (!arquivo.commit()) {
        mensagem = falha(caminho, arquivo.errorString());
        return false;
    }
    return true;
}

Desfecho GravacaoSegura::gravar(const QString &caminho, const QByteArray &bytes)
{
    return gravarTodos({{caminho, bytes}});
}

Desfecho GravacaoSegura::gravarTodos(const QVector<QPair<QString, QByteArray>> &arquivos)
{
    std::vector<std::unique_ptr<GravacaoSegura>> gravacoes;
    for (const auto &[caminho, bytes] : arquivos) {
        gravacoes.push_back(std::make_unique<GravacaoSegura>(caminho));
        GravacaoSegura &g = *gravacoes.back();
        if (!g.abrir() || !escreverTudo(*g.dispositivo(), bytes.constData(), bytes.size()) || !g.preparar()) {
            if (g.mensagem.isEmpty())
                g.preparar(); // names the reason the write stopped
            return Desfecho::falhou(g.erro()); // the prepared files are dropped with their objects
        }
    }
    for (const auto &g : gravacoes) {
        if (!g->publicar())
            return Desfecho::falhou(g->erro());
    }
    return Desfecho();
}

Desfecho GravacaoSegura::criarPasta(const QString &pasta)
{
    if (QFileInfo(pasta).isDir())
        return Desfecho();
    const QString pai = QFileInfo(QDir::cleanPath(pasta)).path();
    if (pai != QDir::cleanPath(pasta)) {
        const Desfecho acima = criarPasta(pai);
        if (!acima)
            return acima;
    }
    return criarNivel(pasta);
}

Desfecho GravacaoSegura::criarNivel(const QString &pasta)
{
#ifdef Q_OS_UNIX
    if (::mkdir(QFile::encodeName(pasta).constData(), 0777) == 0)
        return Desfecho();
    // Taken before the look below, which may set errno again.
    const int causa = errno;
    if (QFileInfo(pasta).isDir())
        return Desfecho();
    // Something that is not a folder already has the name.
    return Desfecho::falhou(falha(pasta, QString::fromLocal8Bit(std::strerror(causa == EEXIST ? ENOTDIR : causa))));
#else
    return QDir().mkdir(pasta) ? Desfecho() : Desfecho::falhou(falha(pasta, tr("a pasta não pôde ser criada")));
#endif
}

bool GravacaoSegura::renomear(const QString &de, const QString &para, QString *erro)
{
#ifdef Q_OS_UNIX
    const QByteArray a = QFile::encodeName(de);
    const QByteArray b = QFile::encodeName(para);
#ifdef Q_OS_LINUX
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) {
        *erro = falha(de, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#endif
    if (QFileInfo::exists(para) || QFileInfo(para).isSymLink()) {
        *erro = falha(para, QString::fromLocal8Bit(std::strerror(EEXIST)));
        return false;
    }
    if (::rename(a.constData(), b.constData()) == 0)
        return true;
    *erro = falha(de, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
#else
    if (QDir().rename(de, para))
        return true;
    *erro = falha(de, tr("não pôde ser renomeado"));
    return false;
#endif
}
