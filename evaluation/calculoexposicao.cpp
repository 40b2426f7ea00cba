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

CalculoExposicao::CalculoExposicao(AcessarArquivo &exposicao, const QStringList &pastas,
                                   const QString &tipoAvaliado)
    : acessarArquivo(exposicao)
    , tipo(tipoAvaliado)
{
    QVector<FormulasExposicao::Parcial> parciais;
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
        QVector<FormulasExposicao::Componente> componentes;
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
            componentes << componenteLido();
        }
        // A file that is there but could not be read is no absence: the
        // figures would be wrong, so the run stops.
        erroLeitura = erro.isEmpty() ? acessarArquivo.erroLeitura() : erro;
        if (!erroLeitura.isEmpty())
            return;
        qCDebug(rastro) << " -------------------------------- EXPOSIÇÃO PARCIAL "
                           "-------------------------------- ";
        qCDebug(rastro) << arquivoParcial;
        qCDebug(rastro) << acessarArquivo.getJornada_de_trabalho();
        qCDebug(rastro) << acessarArquivo.getTempo_exp();
        parciais << FormulasExposicao::parcial(componentes, temposLidos(), ehCorpo());
        gravarParcial(parciais.last());
        // The count of component files evaluated so far in the run.
        const QString n = QString::number(numArquivosComponente, 10);
        if (ehCorpo())
            acessarArquivo.setEnable_corpo(n);
        else
            acessarArquivo.setEnable_mao(n);
        gravacoes.append({arquivoParcial, acessarArquivo.textoExposicaoParcial()});
    }
    qCDebug(rastro) << " -------------------------------- EXPOSIÇÃO  "
                       "-------------------------------- ";
    // The working day as the last task converted it: none without tasks.
    const double jornada = parciais.isEmpty() ? 0 : segundosDeTexto(acessarArquivo.getJornada_de_trabalho(), 2);
    gravarExposicao(FormulasExposicao::exposicao(parciais, jornada, ehCorpo()));
}

FormulasExposicao::Componente CalculoExposicao::componenteLido() const
{
    FormulasExposicao::Componente c;
    c.amr = numero(acessarArquivo.getAmr());
    const QString vdv[3] = {acessarArquivo.getVdvx(), acessarArquivo.getVdvy(), acessarArquivo.getVdvz()};
    const QString fc[3] = {acessarArquivo.getFC_x(), acessarArquivo.getFC_y(), acessarArquivo.getFC_z()};
    for (int e = 0; e < 3; ++e) {
        c.vdv[e] = numero(vdv[e]);
        c.fc[e] = numero(fc[e]);
    }
    return c;
}

FormulasExposicao::Tempos CalculoExposicao::temposLidos() const
{
    FormulasExposicao::Tempos t;
    t.tempoExp = segundosDeTexto(acessarArquivo.getTempo_exp(), 3);
    bool ok = false;
    t.repeticoes = acessarArquivo.getNum_repeticao().toInt(&ok, 10);
    if (!ok)
        t.repeticoes = 0;
    t.tempoTotal = segundosDeTexto(acessarArquivo.getTempo_exp_total(), 3);
    t.tempoAmostrado = segundosDeTexto(acessarArquivo.getTempo_amostrado(), 3);
    return t;
}

void CalculoExposicao::gravarParcial(const FormulasExposicao::Parcial &p)
{
    qCDebug(rastro) << " AREP: " << p.arep;
    acessarArquivo.setArep(textoResultado(p.arep));
    if (!ehCorpo())
        return;
    qCDebug(rastro) << "VDVji (x,y,z): " << p.vdvi[0] << "-" << p.vdvi[1] << "-" << p.vdvi[2];
    acessarArquivo.setVdvix(textoResultado(p.vdvi[0]));
    acessarArquivo.setVdviy(textoResultado(p.vdvi[1]));
    acessarArquivo.setVdviz(textoResultado(p.vdvi[2]));
    qCDebug(rastro) << "VDV expji (x,y,z): " << p.vdvexp[0] << p.vdvexp[1] << p.vdvexp[2];
    acessarArquivo.setVdvexpx_parcial(textoResultado(p.vdvexp[0]));
    acessarArquivo.setVdvexpy_parcial(textoResultado(p.vdvexp[1]));
    acessarArquivo.setVdvexpz_parcial(textoResultado(p.vdvexp[2]));
    acessarArquivo.setFC_x_parcial(textoFatorDeCrista(p.fc[0]));
    acessarArquivo.setFC_y_parcial(textoFatorDeCrista(p.fc[1]));
    acessarArquivo.setFC_z_parcial(textoFatorDeCrista(p.fc[2]));
}

void CalculoExposicao::gravarExposicao(const FormulasExposicao::Exposicao &x)
{
    qCDebug(rastro) << " ARE: " << x.are;
    qCDebug(rastro) << " AREN: " << x.aren;
    if (ehCorpo()) {
        acessarArquivo.setAre_corpo(textoResultado(x.are));
        acessarArquivo.setAren_corpo(textoResultado(x.aren));
    } else {
        acessarArquivo.setAre_mao(textoResultado(x.are));
        acessarArquivo.setAren_mao(textoResultado(x.aren));
        return;
    }
    qCDebug(rastro) << "VDV expj (x,y,z): " << x.vdvexp[0] << x.vdvexp[1] << x.vdvexp[2];
    qCDebug(rastro) << "VDVR: " << x.vdvr;
    acessarArquivo.setVdvexpx(textoResultado(x.vdvexp[0]));
    acessarArquivo.setVdvexpy(textoResultado(x.vdvexp[1]));
    acessarArquivo.setVdvexpz(textoResultado(x.vdvexp[2]));
    acessarArquivo.setVdvr(textoResultado(x.vdvr));
    acessarArquivo.setFC_x_resultante(textoFatorDeCrista(x.fc[0]));
    acessarArquivo.setFC_y_resultante(textoFatorDeCrista(x.fc[1]));
    acessarArquivo.setFC_z_resultante(textoFatorDeCrista(x.fc[2]));
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
    const Desfecho gravado = ArquivoRegistro::substituirTodos(gravacoes);
    if (!gravado)
        r.falhas.prepend(gravado.motivo);
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
