#include "device/download.h"

#include "data/rastro.h"
#include "data/acessararquivo.h"
#include "data/layoutmedida.h"
#include "data/arquivoregistro.h"
#include "data/dadoslaudo.h"
#include "data/gravacaosegura.h"
#include "device/copia.h"
#include "device/deteccao.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Download {

namespace {

const QRegularExpression &nomeBaixado()
{
    static const QRegularExpression e(QStringLiteral("^e_\\d{12}$"));
    return e;
}

// The "e_" exposure files in a folder besides its own: what a download
// stopped between its renames left.
QStringList copiasDoArquivo(const QString &pasta)
{
    QStringList achados;
    const QString proprio = LayoutMedida::nomePasta(pasta);
    for (const QString &f : QDir(pasta).entryList({QStringLiteral("e_*.id")}, QDir::Files)) {
        const QString base = f.chopped(3);
        if (base != proprio && nomeBaixado().match(base).hasMatch())
            achados << base;
    }
    return achados;
}

// Gives the instrument folder its new name so that every step leaves a
// measurement: its exposure file is copied under the new name first, then
// the folder is renamed (it is a measurement under either name), and the
// old file, now a stray copy, removed. False, with "PATH: reason".
bool renomearNoInstrumento(const QString &pasta, const QString &novaPasta, QString *destino, QString *erro)
{
    const QFileInfo info(pasta);
    const QString nome = info.fileName();
    const QString pai = info.absolutePath();
    *destino = pasta;
    if (nome != novaPasta) {
        const QString antigoId = LayoutMedida::arquivoExposicao(pasta);
        const QString novoId = pasta + QLatin1Char('/') + novaPasta + QStringLiteral(".id");
        QByteArray bytes;
        if (!ArquivoRegistro::ler(antigoId, &bytes, erro))
            return false;
        const Desfecho copiado = GravacaoSegura::gravar(novoId, bytes);
        if (!copiado) {
            *erro = copiado.motivo;
            return false;
        }
        if (!GravacaoSegura::renomear(pasta, pai + QLatin1Char('/') + novaPasta, erro)) {
            QFile::remove(novoId);
            return false;
        }
        *destino = pai + QLatin1Char('/') + novaPasta;
    }
    // The exposure file under an old name, left by this or an earlier
    // download stopped before its end.
    const QByteArray proprio = [&] {
        QByteArray b;
        ArquivoRegistro::ler(LayoutMedida::arquivoExposicao(*destino), &b);
        return b;
    }();
    for (const QString &f : QDir(*destino).entryList({QStringLiteral("*.id")}, QDir::Files)) {
        const QString caminho = *destino + QLatin1Char('/') + f;
        QByteArray outro;
        if (f != novaPasta + QStringLiteral(".id") && ArquivoRegistro::ler(caminho, &outro) && outro == proprio
            && !QFile::remove(caminho))
            qCDebug(rastro) << "stray exposure file not removed:" << caminho;
    }
    return true;
}

} // namespace

QString novoNome(const QString &pastaInstrumento)
{
    const QString atual = LayoutMedida::nomePasta(pastaInstrumento);
    if (nomeBaixado().match(atual).hasMatch())
        return atual;
    const QStringList comecado = copiasDoArquivo(pastaInstrumento);
    if (comecado.size() == 1)
        return comecado.first();
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
    return CalculoExposicao::avaliarMedida(pastaLocal, [&](AcessarArquivo &a) {
        a.setEmpresa_avaliadora(avaliador.empresa);
        a.setResponsavel_tecnico(avaliador.responsavel);
        if (!idEquipamento.isNull())
            a.setId_equipamento(idEquipamento);
    });
}

Copia::Preparo avaliarECarimbarCopia(const Avaliador &avaliador, const QString &idEquipamento,
                                     CalculoExposicao::Resultado *avaliacao)
{
    return [=](const QString &copia, QString *erro) {
        *avaliacao = avaliarECarimbar(copia, avaliador, idEquipamento);
        *erro = avaliacao->falhas.join(QLatin1Char('\n'));
        return avaliacao->gravou();
    };
}

Plano planejar(const QStringList &pastasInstrumento, const QString &diretorioQT)
{
    Plano p;
    for (const QString &pasta : pastasInstrumento) {
        if (!LayoutMedida::ehMedida(pasta))
            continue;
        p.todas << pasta;
        const QString local = copiaLocal(pasta, diretorioQT);
        if (local.isEmpty())
            p.novas << pasta;
        else
            p.existentes << local;
    }
    return p;
}

QVector<Relatorio> baixarTodas(const QStringList &pastas, const QString &diretorioQT, const Avaliador &avaliador,
                               const QString &idEquipamento,
                               const std::function<bool(int, int, const QString &)> &seguir)
{
    QVector<Relatorio> feitos;
    const int total = int(pastas.size());
    for (const QString &pasta : pastas) {
        if (!seguir(int(feitos.size()), total, LayoutMedida::nomePasta(pasta)))
            return feitos;
        feitos << baixar(pasta, diretorioQT, avaliador, idEquipamento);
    }
    seguir(total, total, QString());
    return feitos;
}

Relatorio baixar(const QString &pastaInstrumento, const QString &diretorioQT, const Avaliador &avaliador,
                 const QString &idEquipamento)
{
    Relatorio r;
    const QString novaPasta = novoNome(pastaInstrumento);
    const QString carimbo = novaPasta.mid(2);
    qCDebug(rastro) << pastaInstrumento << novaPasta;
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
    if (!renomearNoInstrumento(pastaInstrumento, novaPasta, &r.pastaInstrumento, &r.detalhe)) {
        r.resultado = Resultado::FalhaRenomear;
        return r;
    }

    // The accelerometers the instrument's configuration names now go with
    // the measurement, for its laudo; what the evaluator recorded for an
    // earlier copy of it stays.
    AcessarArquivo configuracao;
    configuracao.lerConfiguracao(Deteccao::arquivoConfiguracao(QFileInfo(r.pastaInstrumento).absolutePath()));
    const QString sensorMao = configuracao.getId_sensor_mao().trimmed();
    const QString sensorCorpo = configuracao.getId_sensor_corpo().trimmed();
    const QString laudoAnterior = DadosLaudo::arquivo(r.pastaLocal);
    Copia::Relato copia;
    CalculoExposicao::Resultado avaliacao;
    const Copia::Preparo avaliar = avaliarECarimbarCopia(avaliador, idEquipamento, &avaliacao);
    const Desfecho copiada = Copia::copiarInteiro(r.pastaInstrumento, r.pastaLocal, &copia, [&](const QString &local, QString *erro) {
        if (!avaliar(local, erro))
            return false;
        QByteArray anterior;
        Desfecho d;
        if (ArquivoRegistro::ler(laudoAnterior, &anterior))
            d = GravacaoSegura::gravar(DadosLaudo::arquivo(local), anterior);
        if (d && (!sensorMao.isEmpty() || !sensorCorpo.isEmpty()))
            d = DadosLaudo::gravarSensores(local, sensorMao, sensorCorpo);
        *erro = d.motivo;
        return d.feito();
    });
    r.ignorados = avaliacao.ignorados;
    r.links = copia.links;
    r.detalhe = copia.erro;
    switch (copiada.estado) {
    case Desfecho::Estado::Feito:
        r.resultado = Resultado::Baixado;
        break;
    case Desfecho::Estado::Recusado:
        r.resultado = Resultado::LocalEhLink;
        break;
    case Desfecho::Estado::Falhou:
        qCDebug(rastro) << "ERRO: não foi possivel copiar os dados";
        // Whole, but not evaluated: nothing entered the store either.
        r.resultado = avaliacao.gravou() ? Resultado::FalhaCopia : Resultado::FalhaGravacao;
        break;
    }
    return r;
}

} // namespace Download
