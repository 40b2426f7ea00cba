// The commands that move measurements: download from the instrument,
// import into and export from a local store. They call the same core
// functions as the main window.

#include "cli/comandos.h"

#include "data/layoutmedida.h"
#include "data/perfil.h"
#include "device/deteccao.h"
#include "device/download.h"
#include "device/sincronizacao.h"
#include "device/transferencia.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// What the main window shows, and stamps, without a profile.
const char semPerfil[] = "-----------------------";

// Splits the arguments into the positional ones and "--replace"; false on
// any other option.
bool argumentos(const QStringList &args, QStringList *posicionais, bool *substituir)
{
    *substituir = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--replace"))
            *substituir = true;
        else if (a.startsWith(QLatin1String("--")))
            return false;
        else
            *posicionais << a;
    }
    return true;
}

// The store path with the final "/" that the folder names are appended to.
QString raizDoArmazem(const QString &armazem)
{
    return armazem.endsWith(QLatin1Char('/')) ? armazem : armazem + QLatin1Char('/');
}

// The company and first technician of STORE/Perfil/perfil.id, as a
// download from the window with the first technician chosen stamps them.
Avaliador avaliadorDoArmazem(const QString &raiz)
{
    Perfil perfil;
    Avaliador a{QLatin1String(semPerfil), QLatin1String(semPerfil)};
    if (Perfil::ler(raiz + QStringLiteral("Perfil/perfil.id"), &perfil)) {
        if (perfil.pedacos >= 1)
            a.empresa = perfil.empresa;
        if (perfil.pedacos >= 2)
            a.responsavel = perfil.responsavel1;
    }
    return a;
}

void avisos(QTextStream &erros, const QString &comando, const QStringList &links,
            const QStringList &ignorados)
{
    for (const QString &l : links)
        erros << "kt9400-cli " << comando << ": link left out of the copy: " << l << '\n';
    for (const QString &c : ignorados)
        erros << "kt9400-cli " << comando << ": component left out (no .dat or .res): " << c << '\n';
}

QString motivoDownload(const Download::Relatorio &r)
{
    switch (r.resultado) {
    case Download::Resultado::Baixado:
        return QString();
    case Download::Resultado::SemExposicao:
        return QStringLiteral("not a measurement (no exposure file of its name)");
    case Download::Resultado::FalhaCabecalho:
        return QStringLiteral("cannot rewrite its exposure file on the instrument: ") + r.detalhe;
    case Download::Resultado::FalhaRenomear:
        return QStringLiteral("cannot rename it on the instrument; nothing copied: ") + r.detalhe;
    case Download::Resultado::FalhaCopia:
        return QStringLiteral("copy not completed, the store is as it was: ") + r.detalhe;
    case Download::Resultado::LocalEhLink:
        return r.pastaLocal + QStringLiteral(" is a link; nothing written");
    case Download::Resultado::FalhaGravacao:
        return QStringLiteral("results not read or written, the store is as it was: ") + r.detalhe;
    }
    return QString();
}

} // namespace

namespace Comandos {

int baixar(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QStringList p;
    bool substituir = false;
    if (!argumentos(args, &p, &substituir) || p.size() < 2) {
        erros << "kt9400-cli download: usage: download VOLUME STORE [NAME...] [--replace]\n" << ajuda();
        return 2;
    }
    const QString caminhoDados = p.at(0) + QStringLiteral("/DATA/");
    const QString raiz = raizDoArmazem(p.at(1));
    if (!QFileInfo(caminhoDados).isDir()) {
        erros << "kt9400-cli download: " << p.at(0) << " holds no DATA folder\n";
        return 1;
    }
    if (!QFileInfo(raiz).isDir()) {
        erros << "kt9400-cli download: " << p.at(1) << " is not a folder\n";
        return 1;
    }
    const QString id = Deteccao::lerIdentidade(caminhoDados);
    const Avaliador avaliador = avaliadorDoArmazem(raiz);
    const Sincronizacao::Comparacao c = Sincronizacao::compararDiretorios(caminhoDados, raiz, id);
    QStringList pedidos = p.mid(2);
    int falhas = 0;
    for (const QString &pasta : c.dadosTabelaMedidas) {
        const QString nome = LayoutMedida::nomePasta(pasta);
        if (!LayoutMedida::ehMedida(pasta) || (p.size() > 2 && !pedidos.removeAll(nome)))
            continue;
        const QString local = Download::copiaLocal(pasta, raiz);
        if (!local.isEmpty() && !substituir) {
            saida << "kept " << nome << ": " << QDir::toNativeSeparators(local)
                  << " is in the store already; --replace downloads it again, losing the changes made to it\n";
            continue;
        }
        const Download::Relatorio r = Download::baixar(pasta, raiz, avaliador, id);
        avisos(erros, QStringLiteral("download"), r.links, r.ignorados);
        if (r.resultado == Download::Resultado::Baixado) {
            saida << "downloaded " << nome << " -> " << QDir::toNativeSeparators(r.pastaLocal) << '\n';
        } else {
            saida << "failed " << nome << ": " << motivoDownload(r) << '\n';
            ++falhas;
        }
    }
    for (const QString &nome : pedidos) {
        saida << "failed " << nome << ": no such measurement in " << caminhoDados << '\n';
        ++falhas;
    }
    if (falhas > 0) {
        erros << "kt9400-cli download: " << falhas << " measurement(s) not downloaded\n";
        return 1;
    }
    return 0;
}

int importar(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    QStringList p;
    bool substituir = false;
    if (!argumentos(args, &p, &substituir) || p.size() != 2) {
        erros << "kt9400-cli import: usage: import FOLDER STORE [--replace]\n" << ajuda();
        return 2;
    }
    const QString origem = p.at(0);
    const QString raiz = raizDoArmazem(p.at(1));
    const QString nome = LayoutMedida::nomePasta(origem);
    if (!QFileInfo(raiz).isDir()) {
        erros << "kt9400-cli import: " << p.at(1) << " is not a folder\n";
        return 1;
    }
    if (!LayoutMedida::ehMedida(origem)) {
        saida << "failed " << nome << ": not a measurement (no " << LayoutMedida::arquivoExposicao(origem)
              << ")\n";
        return 1;
    }
    const QFileInfo destino(Transferencia::destinoCopia(origem, raiz));
    if ((destino.exists() || destino.isSymLink()) && !substituir) {
        saida << "kept " << nome << ": already in the store; --replace replaces it\n";
        return 0;
    }
    const Transferencia::RelatoImportacao r =
        Transferencia::importar(origem, raiz, avaliadorDoArmazem(raiz));
    avisos(erros, QStringLiteral("import"), r.copia.links, r.avaliacao.ignorados);
    switch (r.resultado) {
    case Transferencia::Importacao::Importada:
        saida << "imported " << nome << " -> " << QDir::toNativeSeparators(QDir::cleanPath(r.destino)) << '\n';
        return 0;
    case Transferencia::Importacao::NaoEhMedida:
    case Transferencia::Importacao::FalhaCopia:
        saida << "failed " << nome << ": copy not completed, the store is as it was: " << r.copia.erro << '\n';
        break;
    case Transferencia::Importacao::DestinoEhLink:
        saida << "failed " << nome << ": " << r.destino << " is a link; nothing written\n";
        break;
    case Transferencia::Importacao::FalhaGravacao:
        saida << "failed " << nome << ": results not read or written, the store is as it was: "
              << r.avaliacao.falhas.join(QStringLiteral("; ")) << '\n';
        break;
    }
    return 1;
}

int exportar(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--"))
        || args.at(1).startsWith(QLatin1String("--"))) {
        erros << "kt9400-cli export: usage: export MEASUREMENT DESTINATION\n" << ajuda();
        return 2;
    }
    const QString origem = args.at(0);
    const QString nome = LayoutMedida::nomePasta(origem);
    if (!LayoutMedida::ehMedida(origem)) {
        saida << "failed " << nome << ": not a measurement (no " << LayoutMedida::arquivoExposicao(origem)
              << ")\n";
        return 1;
    }
    const QString alvo = Transferencia::destinoCopia(origem, args.at(1));
    Copia::Relato relato;
    const Desfecho r = Transferencia::exportar(origem, args.at(1), &relato);
    avisos(erros, QStringLiteral("export"), relato.links, {});
    switch (r.estado) {
    case Desfecho::Estado::Feito:
        saida << "exported " << nome << " -> " << QDir::toNativeSeparators(QDir::cleanPath(alvo)) << '\n';
        return 0;
    case Desfecho::Estado::Recusado:
        saida << "failed " << nome << ": " << alvo << " is a link; nothing written\n";
        break;
    case Desfecho::Estado::Falhou:
        saida << "failed " << nome << ": copy not completed, " << alvo << " is as it was: " << relato.erro
              << '\n';
        break;
    }
    return 1;
}

} // namespace Comandos
