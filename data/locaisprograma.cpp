#include "data/locaisprograma.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

LocaisPrograma LocaisPrograma::para(const QString &diretorioAplicacao)
{
    // An installed copy never writes into the system's folders, not even
    // when root starts it; its report helper, in a folder of its own, reads
    // the same language file as the programs.
    const QDir pasta(diretorioAplicacao);
    const bool instalado = pasta == QDir(QStringLiteral(KT9400_PASTA_PROGRAMAS))
        || pasta == QDir(QStringLiteral(KT9400_PASTA_AJUDANTE_INSTALADO));
    if (!instalado && QFileInfo(diretorioAplicacao).isWritable())
        return {diretorioAplicacao, diretorioAplicacao};
    // The window's AppDataLocation and AppConfigLocation, whichever of the
    // programs asks.
    const QString nome = QStringLiteral("/medidor-vibracao");
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + nome,
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + nome};
}
