#include "data/dadoslaudo.h"

#include "data/arquivochaves.h"
#include "data/arquivoregistro.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

const QString chaveVerificacaoMao = QStringLiteral("verificacao_mao");
const QString chaveVerificacaoCorpo = QStringLiteral("verificacao_corpo");

// Each text field and its key, in the order the file is written.
template <typename Dados, typename F>
void campos(Dados &d, F &&f)
{
    f(QStringLiteral("numero_laudo"), d.numero);
    f(QStringLiteral("objetivo"), d.objetivo);
    f(QStringLiteral("funcao"), d.funcao);
    f(QStringLiteral("ges"), d.ges);
    f(QStringLiteral("atividades"), d.atividades);
    f(QStringLiteral("protecao"), d.protecao);
    f(QStringLiteral("conclusao"), d.conclusao);
    f(QStringLiteral("local_emissao"), d.local);
    f(QStringLiteral("data_emissao"), d.data);
    f(QStringLiteral("sensor_mao"), d.sensorMao);
    f(QStringLiteral("sensor_corpo"), d.sensorCorpo);
    f(QStringLiteral("calibrador"), d.calibrador);
}

DadosLaudo::Verificacao verificacao(const QStringList &v)
{
    return {v.value(0), v.value(1), v.value(2)};
}

} // namespace

bool DadosLaudo::Verificacao::preenchida() const
{
    return !referencia.trimmed().isEmpty() && !antes.trimmed().isEmpty() && !depois.trimmed().isEmpty();
}

double DadosLaudo::Verificacao::diferenca() const
{
    double r = 0, a = 0, d = 0;
    const auto num = [](const QString &t, double *v) {
        return ArquivoRegistro::numeroFinito(QString(t).replace(QLatin1Char(','), QLatin1Char('.')).trimmed(), v);
    };
    if (!num(referencia, &r) || !num(antes, &a) || !num(depois, &d) || r == 0)
        return std::nan("");
    return (d - a) / r * 100;
}

QString DadosLaudo::arquivo(const QString &pastaMedida)
{
    return QDir(pastaMedida).filePath(QStringLiteral("laudo.id"));
}

QString DadosLaudo::objetivoPadrao()
{
    return tr("Avaliar a exposição ocupacional do trabalhador a vibrações de mãos e braços e de corpo inteiro, "
              "quantificando-a conforme as NHO 09 e NHO 10 da FUNDACENTRO e comparando-a com os níveis de ação "
              "do Anexo I da NR-09 e os limites de exposição do Anexo 8 da NR-15.");
}

QString DadosLaudo::arquivoAoLado(const QString &arquivo)
{
    const QFileInfo f(arquivo);
    return f.absoluteDir().filePath(f.completeBaseName() + QStringLiteral(".laudo"));
}

bool DadosLaudo::ler(const QString &pastaMedida, DadosLaudo *dados, QString *erro)
{
    return lerArquivo(arquivo(pastaMedida), dados, erro);
}

bool DadosLaudo::lerArquivo(const QString &caminho, DadosLaudo *dados, QString *erro)
{
    *dados = DadosLaudo();
    dados->objetivo = objetivoPadrao();
    ArquivoChaves a;
    QString motivo;
    if (!a.ler(caminho, &motivo)) {
        if (erro)
            *erro = motivo;
        return motivo.isEmpty();
    }
    campos(*dados, [&](const QString &chave, QString &campo) {
        if (!a.todas(chave).isEmpty())
            campo = a.valor(chave);
    });
    dados->verificacaoMao = verificacao(a.todas(chaveVerificacaoMao).value(0));
    dados->verificacaoCorpo = verificacao(a.todas(chaveVerificacaoCorpo).value(0));
    return true;
}

Desfecho DadosLaudo::gravar(const QString &pastaMedida) const
{
    return gravarArquivo(arquivo(pastaMedida));
}

Desfecho DadosLaudo::gravarArquivo(const QString &caminho) const
{
    ArquivoChaves a;
    campos(*this, [&](const QString &chave, const QString &campo) { a.definir(chave, campo); });
    for (const auto &[chave, v] : {qMakePair(chaveVerificacaoMao, verificacaoMao),
                                   qMakePair(chaveVerificacaoCorpo, verificacaoCorpo)})
        a.acrescentar(chave, {v.referencia, v.antes, v.depois});
    return a.gravar(caminho);
}

Desfecho DadosLaudo::gravarSensores(const QString &pastaMedida, const QString &mao, const QString &corpo)
{
    ArquivoChaves a;
    QString motivo;
    if (!a.ler(arquivo(pastaMedida), &motivo) && !motivo.isEmpty())
        return Desfecho::falhou(motivo);
    a.definir(QStringLiteral("sensor_mao"), mao);
    a.definir(QStringLiteral("sensor_corpo"), corpo);
    return a.gravar(arquivo(pastaMedida));
}
