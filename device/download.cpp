#include "device/download.h"

#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "device/copia.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Download {

QString novoNome(const QString &pastaInstrumento)
{
    static const QRegularExpression jaBaixada(QStringLiteral("^e_\\d{12}$"));
    const QString atual = LayoutMedida::nomePasta(pastaInstrumento);
    if (jaBaixada.match(atual).hasMatch())
        return atual;
    return LayoutMedida::nomeDownload(QFileInfo(pastaInstrumento).lastModified());
}

QString copiaLocal(const QString &pastaInstrumento, const QString &diretorioQT)
{
    const QFileInfo local(diretorioQT + novoNome(pastaInstrumento));
    return local.exists() || local.isSymLink() ? local.filePath() : QString();
}

CalculoExposicao::Resultado avaliarECarimbar(const QString &pastaLocal, const Avaliador &avaliador,
                                             const QString &idEquipamento)
{
    CalculoExposicao::Resultado r = CalculoExposicao::avaliarMedida(pastaLocal);
    const QString arquivo = LayoutMedida::arquivoExposicao(pastaLocal);
    AcessarArquivo a;
    a.lerExposicao(arquivo);
    a.setEmpresa_avaliadora(avaliador.empresa);
    a.setResponsavel_tecnico(avaliador.responsavel);
    if (!idEquipamento.isNull())
        a.setId_equipamento(idEquipamento);
    if (!a.salvarExposicao(arquivo) && !r.falhas.contains(a.erroGravacao()))
        r.falhas << a.erroGravacao();
    return r;
}

Relatorio baixar(const QString &pastaInstrumento, const QString &diretorioQT, bool sincronizado,
                 bool substituir, const Avaliador &avaliador, const QString &idEquipamento)
{
    Relatorio r;
    const QFileInfo info(pastaInstrumento);
    const QString nome = info.fileName();
    const QString pai = info.absolutePath();
    const QString novaPasta = novoNome(pastaInstrumento);
    const QString carimbo = novaPasta.mid(2);
    qDebug() << pai << nome << pastaInstrumento << novaPasta;
    r.pastaInstrumento = pastaInstrumento;
    r.pastaLocal = diretorioQT + novaPasta; // what copiaLocal() names

    const QString exposicao = LayoutMedida::arquivoExposicao(pastaInstrumento);
    if (!QFileInfo(exposicao).isFile()) {
        r.resultado = Resultado::SemExposicao;
        return r;
    }
    if (QFileInfo(r.pastaLocal).isSymLink()) {
        r.resultado = Resultado::LocalEhLink;
        return r;
    }
    AcessarArquivo a;
    a.lerExposicao(exposicao);
    if (!a.salvarCabecalhoExposicao(LayoutMedida::renomearExposicao(a.getNome_exposicao(), carimbo),
                                    exposicao)) {
        r.detalhe = a.erroGravacao();
        r.resultado = Resultado::FalhaCabecalho;
        return r;
    }

    // Rename on the instrument; a step that fails stops the download, and
    // the file is given its old name back if the folder would not move.
    if (nome != novaPasta) {
        QDir dir(pastaInstrumento);
        const QString antigoId = nome + QStringLiteral(".id");
        const QString novoId = novaPasta + QStringLiteral(".id");
        if (!dir.rename(antigoId, novoId)) {
            qDebug() << "rename failed:" << dir.filePath(antigoId);
            r.resultado = Resultado::FalhaRenomear;
            return r;
        }
        if (!QDir(pai).rename(nome, novaPasta)) {
            qDebug() << "rename failed:" << pastaInstrumento;
            dir.rename(novoId, antigoId);
            r.resultado = Resultado::FalhaRenomear;
            return r;
        }
        r.pastaInstrumento = pai + QLatin1Char('/') + novaPasta;
    }

    // An identical local copy is refreshed from its own files; a stale one
    // is replaced as a whole, but only once the new copy is complete.
    const Copia::Base base = sincronizado ? Copia::Base::CopiaAntiga : Copia::Base::Vazia;
    Copia::Relato copia;
    const Copia::Resultado copiada =
        Copia::copiarInteiro(r.pastaInstrumento, r.pastaLocal, substituir, base, &copia);
    r.links = copia.links;
    if (copiada != Copia::Resultado::Copiada) {
        qDebug() << "ERRO: não foi possivel copiar os dados";
        r.detalhe = copia.erro;
        r.resultado = copiada == Copia::Resultado::DestinoEhLink ? Resultado::LocalEhLink
                                                                 : Resultado::FalhaCopia;
        return r;
    }
    const CalculoExposicao::Resultado avaliacao = avaliarECarimbar(r.pastaLocal, avaliador, idEquipamento);
    r.ignorados = avaliacao.ignorados;
    r.detalhe = avaliacao.falhas.join(QLatin1Char('\n'));
    r.resultado = avaliacao.gravou() ? Resultado::Baixado : Resultado::FalhaGravacao;
    return r;
}

} // namespace Download
