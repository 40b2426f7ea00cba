#include "data/locaisprograma.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

LocaisPrograma LocaisPrograma::para(const QString &diretorioAplicacao)
{
    // An installed copy never writes into the system's program folder, not
    // even when root starts it.
    const bool instalado = QDir(diretorioAplicacao) == QDir(QStringLiteral(KT9400_PASTA_PROGRAMAS));
    if (!instalado && QFileInfo(diretorioAplicacao).isWritable())
        return {diretorioAplicacao, diretorioAplicacao};
    // The window's AppDataLocation and AppConfigLocation, whichever of the
    // programs asks.
    const QString nome = QStringLiteral("/medidor-vibracao");
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + nome,
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + nome};
}
