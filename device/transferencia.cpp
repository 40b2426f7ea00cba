#include "device/transferencia.h"

#include "data/rastro.h"
#include "data/layoutmedida.h"
#include "data/gravacaosegura.h"

#include <QDir>
#include <QFileInfo>

namespace Transferencia {

QString destinoCopia(const QString &origem, const QString &pasta)
{
    return pasta + QLatin1Char('/') + LayoutMedida::nomePasta(origem);
}

RelatoImportacao importar(const QString &origem, const QString &diretorioQT, const Avaliador &avaliador)
{
    RelatoImportacao r;
    r.destino = destinoCopia(origem, diretorioQT);
    if (!LayoutMedida::ehMedida(origem)) {
        r.resultado = Importacao::NaoEhMedida;
        return r;
    }
    switch (Copia::copiarInteiro(origem, r.destino, &r.copia,
                                 Download::avaliarECarimbarCopia(avaliador, QString(), &r.avaliacao))
                .estado) {
    case Desfecho::Estado::Recusado:
        r.resultado = Importacao::DestinoEhLink;
        break;
    case Desfecho::Estado::Falhou:
        r.resultado = r.avaliacao.gravou() ? Importacao::FalhaCopia : Importacao::FalhaGravacao;
        break;
    case Desfecho::Estado::Feito:
        r.resultado = Importacao::Importada;
        break;
    }
    return r;
}

Desfecho exportar(const QString &origem, const QString &destino, Copia::Relato *relato)
{
    Copia::Relato local;
    Copia::Relato &r = relato ? *relato : local;
    const QString alvo = destinoCopia(origem, destino);
    qCDebug(rastro) << alvo;
    const QFileInfo de(origem);
    const QFileInfo para(destino);
    if (!para.isDir()) {
        r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("a pasta não existe"));
        return Desfecho::falhou(r.erro);
    }
    // A copy into the folder itself would go on copying its own copy.
    if (de.isDir()
        && (para.canonicalFilePath() + QLatin1Char('/')).startsWith(de.canonicalFilePath() + QLatin1Char('/'))) {
        r.erro = GravacaoSegura::falha(destino, GravacaoSegura::tr("fica dentro da própria medida"));
        return Desfecho::falhou(r.erro);
    }
    return Copia::copiarInteiro(origem, alvo, &r);
}

Apagamento apagarArquivosSoltos(const QString &caminhoDados)
{
    Apagamento r;
    QString dados = caminhoDados;
    while (dados.endsWith(QLatin1Char('/')) && dados.size() > 1)
        dados.chop(1);
    const QDir dir(dados);
    const QFileInfoList arquivos =
        dir.entryInfoList({QStringLiteral("*.head"), QStringLiteral("*.dat"), QStringLiteral("*.res")},
                          QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    if (QFileInfo(dados).isSymLink()) {
        r.falhas = arquivos.size();
        return r;
    }
    for (const QFileInfo &f : arquivos) {
        if (f.isSymLink()) // not a recording; and what it points to is not ours
            continue;
        qCDebug(rastro) << "Arquivo deletado: " << f.fileName();
        if (QFile::remove(f.filePath()))
            ++r.apagados;
        else
            ++r.falhas;
    }
    return r;
}

} // namespace Transferencia
