#include "device/transferencia.h"

#include "data/layoutmedida.h"
#include "device/copia.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace Transferencia {

QString destinoImportacao(const QString &origem, const QString &diretorioQT)
{
    return diretorioQT + QLatin1Char('/') + LayoutMedida::nomePasta(origem);
}

Importacao importar(const QString &origem, const QString &diretorioQT, bool substituir,
                    const Avaliador &avaliador)
{
    if (!LayoutMedida::ehMedida(origem))
        return Importacao::NaoEhMedida;
    const QString destino = destinoImportacao(origem, diretorioQT);
    if (!Copia::copiarInteiro(origem, destino, substituir, Copia::Base::CopiaAntiga))
        return Importacao::FalhaCopia;
    return Download::avaliarECarimbar(destino, avaliador) ? Importacao::Importada
                                                          : Importacao::FalhaGravacao;
}

bool exportar(const QString &origem, const QString &destino)
{
    const QString alvo = destino + QLatin1Char('/') + LayoutMedida::nomePasta(origem);
    qDebug() << alvo;
    if (!QFileInfo(origem).isDir())
        return false;
    // A copy into the folder itself would go on copying its own copy.
    const QString dentro = QFileInfo(origem).canonicalFilePath() + QLatin1Char('/');
    if ((QFileInfo(destino).canonicalFilePath() + QLatin1Char('/')).startsWith(dentro))
        return false;
    return Copia::copyDirectoryFiles(origem, alvo, true);
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
        qDebug() << "Arquivo deletado: " << f.fileName();
        if (QFile::remove(f.filePath()))
            ++r.apagados;
        else
            ++r.falhas;
    }
    return r;
}

} // namespace Transferencia
