#include "device/sincronizacao.h"

#include "data/acessararquivo.h"
#include "data/layoutmedida.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Sincronizacao {

namespace {

QFileInfoList subpastas(const QString &local, QDir::SortFlags ordem)
{
    return QDir(local).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, ordem);
}

QString ultimoPedaco(const QString &caminho)
{
    const QStringList p = caminho.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return p.isEmpty() ? QString() : p.last();
}

} // namespace

Comparacao compararDiretorios(const QString &caminhoDados, const QString &diretorioQT,
                              const QString &idEquipamento)
{
    const QFileInfoList instrumento = subpastas(caminhoDados, QDir::Name | QDir::IgnoreCase);
    const QFileInfoList locais = subpastas(diretorioQT, QDir::Name | QDir::IgnoreCase);
    qDebug() << locais.size();
    Comparacao c;
    for (const QFileInfo &i : instrumento) {
        // Local folders are looked up by name; the counts and exposure
        // files are read only for a pair of equal names.
        for (const QFileInfo &l : locais) {
            if (i.fileName() != l.fileName())
                continue;
            if (LayoutMedida::contarArquivosHead(i.absoluteFilePath())
                != LayoutMedida::contarArquivosHead(l.absoluteFilePath()))
                continue;
            // A fresh reader per file: a missing file must read as unset,
            // not as the previous file's values.
            AcessarArquivo a, b;
            a.lerExposicao(LayoutMedida::arquivoExposicao(i.absoluteFilePath()));
            b.lerExposicao(LayoutMedida::arquivoExposicao(l.absoluteFilePath()));
            if (a.getData_criacao() == b.getData_criacao()
                && b.getId_equipamento() == idEquipamento)
                c.dadosIguais << i.absoluteFilePath();
        }
        c.dadosTabelaMedidas << i.absoluteFilePath();
    }
    return c;
}

QVector<LinhaMedida> linhas(const QString &caminhoDados, const QStringList &dadosIguais)
{
    QStringList nomesIguais;
    for (const QString &p : dadosIguais)
        nomesIguais << ultimoPedaco(p);
    QFileInfoList pastas = subpastas(caminhoDados, QDir::Name);
    std::stable_sort(pastas.begin(), pastas.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return LayoutMedida::momentoDaPasta(a) > LayoutMedida::momentoDaPasta(b);
    });
    QVector<LinhaMedida> resultado;
    for (const QFileInfo &f : pastas) {
        const QString exposicao = LayoutMedida::arquivoExposicao(f.filePath());
        const QString hora = LayoutMedida::momentoDaPasta(f).toString(QStringLiteral(" HH:mm:ss"));
        qDebug() << exposicao << f.lastModified().toString(QStringLiteral("yy-MM-dd  HH:mm:ss"));
        if (!QFileInfo::exists(exposicao))
            continue;
        AcessarArquivo a;
        a.lerExposicao(exposicao);
        const QStringList pedacos = a.getNome_exposicao().split(QLatin1Char('-'),
                                                                 Qt::SkipEmptyParts);
        LinhaMedida linha;
        linha.pasta = f.filePath();
        linha.nome = pedacos.isEmpty() ? QString() : pedacos.first();
        linha.data = a.getData_criacao() + hora;
        linha.sincronizado = nomesIguais.contains(f.fileName());
        resultado.append(linha);
    }
    return resultado;
}

} // namespace Sincronizacao
