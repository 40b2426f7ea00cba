#include "evaluation/calculoexposicao.h"

#include "data/rastro.h"
#include "data/arquivoregistro.h"
#include "data/gravacaosegura.h"
#include "data/layoutmedida.h"
#include "data/travamedida.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

const double jornadaReferencia = 28800; // 8 h, in seconds

} // namespace

CalculoExposicao::CalculoExposicao(AcessarArquivo &exposicao, const QStringList &pastas,
                                   const QString &tipoAvaliado)
    : acessarArquivo(exposicao)
    , tipo(tipoAvaliado)
{
    for (const QString &p : pastas) {
        const QStringList pedacos = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        // Files reached through a link lie outside the measurement.
        if (pedacos.size() < 2 || pedacos.last() != tipo || QFileInfo(p).isSymLink())
            continue;
        const QString arquivoParcial = p + QLatin1Char('/') + pedacos.at(pedacos.size() - 2)
            + QStringLiteral(".id");
        // A body folder that is there but cannot be read would hide its
        // task file and its components.
        QString erro;
        QStringList nomes;
        if (!LayoutMedida::listarPasta(p, &nomes, &erro)) {
            erroLeitura = erro;
            return;
        }
        if (!QFileInfo::exists(arquivoParcial) && !QFileInfo(arquivoParcial).isSymLink())
            continue;
        qCDebug(rastro) << "Pasta: " << p << "----   &   ----" << " Arquivo: " << arquivoParcial;

        // Each file starts from the unset fields: a key one file lacks must
        // not take another file's value.
        acessarArquivo.limparExposicaoParcial();
        acessarArquivo.lerExposicaoParcial(arquivoParcial);
        std::fill(std::begin(fcParcial), std::end(fcParcial), 0.0);
        const QStringList bases = LayoutMedida::componentesMaisNovosPrimeiro(p, &erro);
        for (const QString &base : bases) {
            // Without its values the component would count as 0 and pull
            // its task's mean down.
            if (!LayoutMedida::componenteCompleto(base)) {
                qCDebug(rastro) << "Componente sem .dat ou .res, ignorado:" << base;
                ignorados << base;
                continue;
            }
            ++numArquivosComponente;
            acessarArquivo.lerValoresComponente(base);
            acumularComponente();
        }
        // A file that is there but could not be read is no absence: the
        // figures would be wrong, so the run stops.
        erroLeitura = erro.isEmpty() ? acessarArquivo.erroLeitura() : erro;
        if (!erroLeitura.isEmpty())
            return;
        qCDebug(rastro) << " -------------------------------- EXPOSIÇÃO PARCIAL "
                    "-------------------------------- ";
        qCDebug(rastro) << arquivoParcial;
        avaliarParcial();
        contagem();
        gravacoes.append({arquivoParcial, acessarArquivo.textoExposicaoParcial()});
    }
    qCDebug(rastro) << " -------------------------------- EXPOSIÇÃO  "
                "-------------------------------- ";
    avaliarExposicao();
}

CalculoExposicao::Resultado CalculoExposicao::avaliarPastas(const QString &arquivoExposicao,
                                                            const QStringList &pastas,
                                                            const Carimbo &carimbo)
{
    Resultado r;
    // An export or another evaluation of the same measurement waits, and
    // sees it before or after, never in between.
    const TravaMedida trava(QFileInfo(arquivoExposicao).path(), TravaMedida::Modo::Exclusiva);
    AcessarArquivo exposicao;
    exposicao.lerExposicao(arquivoExposicao);
    r.erroLeitura = exposicao.erroLeitura();
    QVector<QPair<QString, QString>> gravacoes;
    for (const char *tipo : {"corpo", "mao"}) {
        if (!r.erroLeitura.isEmpty())
            break;
        const CalculoExposicao run(exposicao, pastas, QLatin1String(tipo));
        r.erroLeitura = run.erroLeitura;
        r.ignorados += run.ignorados;
        gravacoes += run.gravacoes;
    }
    if (!r.erroLeitura.isEmpty()) {
        r.falhas << r.erroLeitura;
        return r;
    }
    if (carimbo)
        carimbo(exposicao);
    // A missing exposure file is not created; its tasks are still written.
    if (QFileInfo::exists(arquivoExposicao) || QFileInfo(arquivoExposicao).isSymLink())
        gravacoes.append({arquivoExposicao, exposicao.textoExposicao()});
    else
        r.falhas << GravacaoSegura::falha(arquivoExposicao, GravacaoSegura::tr("o arquivo não existe"));
    QString erro;
    if (!ArquivoRegistro::substituirTodos(gravacoes, &erro))
        r.falhas.prepend(erro);
    return r;
}

CalculoExposicao::Resultado CalculoExposicao::avaliarMedida(const QString &pastaMedida,
                                                            const Carimbo &carimbo)
{
    Resultado r;
    if (QFileInfo(pastaMedida).isSymLink()) {
        r.erroLeitura = GravacaoSegura::falha(pastaMedida, GravacaoSegura::tr("é um link; nada é gravado através de links"));
        r.falhas << r.erroLeitura;
        return r;
    }
    const QStringList pastas = LayoutMedida::pastasCorpo(pastaMedida, &r.erroLeitura);
    if (!r.erroLeitura.isEmpty()) {
        r.falhas << r.erroLeitura;
        return r;
    }
    return avaliarPastas(LayoutMedida::arquivoExposicao(pastaMedida), pastas, carimbo);
}

double CalculoExposicao::numero(const QString &texto)
{
    return ArquivoRegistro::numero(texto);
}

double CalculoExposicao::segundosDeTexto(const QString &texto, int partes)
{
    // A time before its start ("-00:10:00", or any piece below 0) is no
    // exposure at all; counted as such it cannot poison the day's sums.
    if (texto.contains(QLatin1Char('-')))
        return 0;
    const QStringList p = texto.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto parte = [&](int i) { return i < p.size() ? numero(p.at(i)) : 0.0; };
    double segundos = parte(0) * 60 * 60 + parte(1) * 60;
    if (partes == 3)
        segundos += parte(2);
    return segundos;
}

QString CalculoExposicao::textoResultado(double v)
{
    if (std::isnan(v))
        v = 0;
    else if (std::isinf(v))
        v = v > 0 ? DBL_MAX : -DBL_MAX;
    return QString::number(v, 'g', 6);
}

QString CalculoExposicao::textoFatorDeCrista(double v)
{
    return QString::number(std::isfinite(v) ? v : 0.0, 'f', 3);
}

void CalculoExposicao::acumularComponente()
{
    // An rms value or a dose below 0 is a damaged recording, not an
    // exposure: it counts as 0, as a negative repetition count does.
    const auto valor = [](const QString &texto) { return std::max(0.0, numero(texto)); };
    somaAmr += valor(acessarArquivo.getAmr());
    numComponentes += 1.0;
    if (!ehCorpo())
        return;
    const double vdv[3] = {valor(acessarArquivo.getVdvx()), valor(acessarArquivo.getVdvy()),
                           valor(acessarArquivo.getVdvz())};
    const double fc[3] = {numero(acessarArquivo.getFC_x()), numero(acessarArquivo.getFC_y()),
                          numero(acessarArquivo.getFC_z())};
    for (int e = 0; e < 3; ++e) {
        somaVdv4[e] += std::pow(vdv[e], 4);
        if (fc[e] > fcParcial[e])
            fcParcial[e] = fc[e];
    }
}

void CalculoExposicao::avaliarParcial()
{
    AREP();
    qCDebug(rastro) << acessarArquivo.getJornada_de_trabalho();
    qCDebug(rastro) << acessarArquivo.getTempo_exp();
    jornada = segundosDeTexto(acessarArquivo.getJornada_de_trabalho(), 2);
    tempoExp = segundosDeTexto(acessarArquivo.getTempo_exp(), 3);
    bool ok = false;
    numRepeticao = acessarArquivo.getNum_repeticao().toInt(&ok, 10);
    if (!ok || numRepeticao < 0)
        numRepeticao = 0;
    somaEnergia += arep * arep * numRepeticao * tempoExp;
    somaAmr = 0;
    numComponentes = 0;
    if (!ehCorpo())
        return;
    VDVji();
    std::fill(std::begin(somaVdv4), std::end(somaVdv4), 0.0);
    tempoExpTotal = segundosDeTexto(acessarArquivo.getTempo_exp_total(), 3);
    qCDebug(rastro) << "acessarArquivo->getTempo_amostrado()" << acessarArquivo.getTempo_amostrado();
    tempoAmostrado = segundosDeTexto(acessarArquivo.getTempo_amostrado(), 3);
    VDVexpji();
    acessarArquivo.setFC_x_parcial(textoFatorDeCrista(fcParcial[0]));
    acessarArquivo.setFC_y_parcial(textoFatorDeCrista(fcParcial[1]));
    acessarArquivo.setFC_z_parcial(textoFatorDeCrista(fcParcial[2]));
    for (int e = 0; e < 3; ++e)
        fcResultante[e] = std::max(fcResultante[e], fcParcial[e]);
}

void CalculoExposicao::AREP()
{
    arep = numComponentes == 0 ? 0 : somaAmr * (1 / numComponentes);
    qCDebug(rastro) << " AREP: " << arep;
    acessarArquivo.setArep(textoResultado(arep));
}

void CalculoExposicao::VDVji()
{
    for (int e = 0; e < 3; ++e)
        vdvji[e] = std::pow(somaVdv4[e], 0.25);
    qCDebug(rastro) << "VDVji (x,y,z): " << vdvji[0] << "-" << vdvji[1] << "-" << vdvji[2];
    acessarArquivo.setVdvix(textoResultado(vdvji[0]));
    acessarArquivo.setVdviy(textoResultado(vdvji[1]));
    acessarArquivo.setVdviz(textoResultado(vdvji[2]));
}

void CalculoExposicao::VDVexpji()
{
    if (tempoAmostrado == 0) {
        std::fill(std::begin(vdvexpji), std::end(vdvexpji), 0.0);
    } else {
        const double r = std::pow(tempoExpTotal / tempoAmostrado, 0.25);
        vdvexpji[0] = 1.4 * vdvji[0] * r;
        vdvexpji[1] = 1.4 * vdvji[1] * r;
        vdvexpji[2] = vdvji[2] * r;
    }
    qCDebug(rastro) << "VDV expji (x,y,z): " << vdvexpji[0] << vdvexpji[1] << vdvexpji[2];
    for (int e = 0; e < 3; ++e)
        somaVdvexp4[e] += std::pow(vdvexpji[e], 4);
    acessarArquivo.setVdvexpx_parcial(textoResultado(vdvexpji[0]));
    acessarArquivo.setVdvexpy_parcial(textoResultado(vdvexpji[1]));
    acessarArquivo.setVdvexpz_parcial(textoResultado(vdvexpji[2]));
}

void CalculoExposicao::contagem()
{
    const QString n = QString::number(numArquivosComponente, 10);
    if (ehCorpo())
        acessarArquivo.setEnable_corpo(n);
    else
        acessarArquivo.setEnable_mao(n);
}

void CalculoExposicao::avaliarExposicao()
{
    ARE();
    AREN();
    if (!ehCorpo())
        return;
    VDVexpj();
    VDVR();
    std::fill(std::begin(somaVdvexp4), std::end(somaVdvexp4), 0.0);
    acessarArquivo.setFC_x_resultante(textoFatorDeCrista(fcResultante[0]));
    acessarArquivo.setFC_y_resultante(textoFatorDeCrista(fcResultante[1]));
    acessarArquivo.setFC_z_resultante(textoFatorDeCrista(fcResultante[2]));
}

void CalculoExposicao::ARE()
{
    // Without a working day (no partial exposure evaluated, or "00:00")
    // the daily value has no meaning: it is written as 0, and the 8-hour
    // value below is taken from the energy alone.
    are = jornada > 0 ? std::sqrt(somaEnergia * (1 / jornada)) : 0;
    qCDebug(rastro) << " ARE: " << are;
    const QString texto = textoResultado(are);
    if (ehCorpo())
        acessarArquivo.setAre_corpo(texto);
    else
        acessarArquivo.setAre_mao(texto);
}

void CalculoExposicao::AREN()
{
    const double aren = jornada > 0 ? are * std::sqrt(jornada / jornadaReferencia)
                                    : std::sqrt(somaEnergia / jornadaReferencia);
    qCDebug(rastro) << " AREN: " << aren;
    const QString texto = textoResultado(aren);
    if (ehCorpo())
        acessarArquivo.setAren_corpo(texto);
    else
        acessarArquivo.setAren_mao(texto);
}

void CalculoExposicao::VDVexpj()
{
    for (int e = 0; e < 3; ++e)
        vdvexpj[e] = std::pow(somaVdvexp4[e], 0.25);
    qCDebug(rastro) << "VDV expj (x,y,z): " << vdvexpj[0] << vdvexpj[1] << vdvexpj[2];
    acessarArquivo.setVdvexpx(textoResultado(vdvexpj[0]));
    acessarArquivo.setVdvexpy(textoResultado(vdvexpj[1]));
    acessarArquivo.setVdvexpz(textoResultado(vdvexpj[2]));
}

void CalculoExposicao::VDVR()
{
    vdvr = std::pow(std::pow(vdvexpj[0], 4) + std::pow(vdvexpj[1], 4) + std::pow(vdvexpj[2], 4),
                    0.25);
    qCDebug(rastro) << "VDVR: " << vdvr;
    acessarArquivo.setVdvr(textoResultado(vdvr));
}
