#include "device/sincronizacao.h"

#include "data/rastro.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <future>

namespace Sincronizacao {

namespace {

QFileInfoList subpastas(const QString &local, QDir::SortFlags ordem)
{
    return QDir(local).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, ordem);
}

} // namespace

Comparacao compararDiretorios(const QString &caminhoDados, const QString &diretorioQT,
                              const QString &idEquipamento)
{
    const QFileInfoList instrumento = subpastas(caminhoDados, QDir::Name | QDir::IgnoreCase);
    const QFileInfoList locais = subpastas(diretorioQT, QDir::Name | QDir::IgnoreCase);
    qCDebug(rastro) << locais.size();
    // Names are unique within a folder, so each instrument folder has at
    // most one local folder of its name.
    QHash<QString, QString> localPorNome;
    for (const QFileInfo &l : locais)
        localPorNome.insert(l.fileName(), l.absoluteFilePath());
    Comparacao c;
    QVector<QPair<QString, QString>> pares; // instrument folder, local folder of its name
    for (const QFileInfo &i : instrumento) {
        const QString pastaI = i.absoluteFilePath();
        c.dadosTabelaMedidas << pastaI;
        const QString pastaL = localPorNome.value(i.fileName());
        if (!pastaL.isEmpty())
            pares.append({pastaI, pastaL});
    }
    // Each pair costs a walk of both folders; with thousands of them the
    // walks are shared between two threads, each on its own files.
    const auto iguais = [&](int de, int ate) {
        QVector<bool> r;
        for (int k = de; k < ate; ++k) {
            const auto &[pastaI, pastaL] = pares.at(k);
            bool igual = false;
            if (LayoutMedida::contarArquivosHead(pastaI) == LayoutMedida::contarArquivosHead(pastaL)) {
                // A fresh reader per file: a missing file must read as
                // unset, not as the previous file's values.
                AcessarArquivo a, b;
                a.lerExposicao(LayoutMedida::arquivoExposicao(pastaI));
                b.lerExposicao(LayoutMedida::arquivoExposicao(pastaL));
                igual = a.getData_criacao() == b.getData_criacao() && b.getId_equipamento() == idEquipamento;
            }
            r << igual;
        }
        return r;
    };
    const int metade = int(pares.size()) / 2;
    auto primeira = std::async(pares.size() > 100 ? std::launch::async : std::launch::deferred, iguais, 0, metade);
    const QVector<bool> segunda = iguais(metade, int(pares.size()));
    const QVector<bool> todos = primeira.get() + segunda;
    for (int k = 0; k < pares.size(); ++k) {
        if (todos.at(k))
            c.dadosIguais << pares.at(k).first;
    }
    return c;
}

QVector<LinhaMedida> linhas(const QString &caminhoDados, const QStringList &dadosIguais)
{
    QSet<QString> nomesIguais;
    for (const QString &p : dadosIguais)
        nomesIguais.insert(LayoutMedida::nomePasta(p));
    QVector<LinhaMedida> resultado;
    for (const auto &[f, momento] : LayoutMedida::maisNovasPrimeiro(subpastas(caminhoDados, QDir::Name))) {
        const QString exposicao = LayoutMedida::arquivoExposicao(f.filePath());
        const QString hora = momento.toString(QStringLiteral(" HH:mm:ss"));
        qCDebug(rastro) << exposicao << f.lastModified().toString(QStringLiteral("yy-MM-dd  HH:mm:ss"));
        if (!QFileInfo::exists(exposicao))
            continue;
        AcessarArquivo a;
        a.lerExposicao(exposicao);
        LinhaMedida linha;
        linha.pasta = f.filePath();
        linha.nome = LayoutMedida::nomeMostrado(a.getNome_exposicao());
        linha.data = a.getData_criacao() + hora;
        linha.sincronizado = nomesIguais.contains(f.fileName());
        resultado.append(linha);
    }
    return resultado;
}

} // namespace Sincronizacao
