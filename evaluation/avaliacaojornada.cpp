#include "evaluation/avaliacaojornada.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/layoutmedida.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// A stored value that must be a finite number not below 0.
bool valor(const QString &texto, double *v)
{
    return ArquivoRegistro::numeroFinito(texto.trimmed(), v) && *v >= 0;
}

} // namespace

AvaliacaoJornada AvaliacaoJornada::avaliar(const Jornada &jornada, const QString &raizArmazem)
{
    AvaliacaoJornada r;
    r.nome = jornada.nome;
    QVector<FormulasExposicao::Parcial> parciais[2]; // hand-arm, whole body
    QVector<AvaliacaoExposicao::TarefaDoDia> doDia[2];
    bool pedida[2] = {false, false};
    for (const Jornada::Tarefa &linha : jornada.tarefas) {
        Tarefa t;
        t.referencia = linha.referencia;
        const QStringList partes = linha.referencia.split(QLatin1Char('/'));
        const QString parte = partes.value(2);
        t.corpo = parte == QLatin1String("corpo");
        const auto deixar = [&](const QString &motivo) {
            t.motivo = motivo;
            r.tarefas << t;
        };
        if (partes.size() != 3 || (!t.corpo && parte != QLatin1String("mao"))
            || partes.contains(QString()) || partes.contains(QStringLiteral(".."))) {
            deixar(tr("a referência não é MEDIDA/TAREFA/corpo ou MEDIDA/TAREFA/mao"));
            continue;
        }
        pedida[t.corpo] = true;
        const QString pastaMedida = QDir(raizArmazem).filePath(partes.at(0));
        if (LayoutMedida::ehPastaDoArmazem(partes.at(0)) || QFileInfo(pastaMedida).isSymLink()
            || !LayoutMedida::ehMedida(pastaMedida)) {
            deixar(tr("a medida %1 não está no armazém").arg(partes.at(0)));
            continue;
        }
        AcessarArquivo e;
        e.lerExposicao(LayoutMedida::arquivoExposicao(pastaMedida));
        t.trabalhador = e.getFuncionario_avaliado().trimmed();
        t.dataMedida = LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao()).trimmed();
        const QString pastaCorpo = pastaMedida + QLatin1Char('/') + partes.at(1) + QLatin1Char('/') + parte;
        const QString arquivo = LayoutMedida::arquivoParcial(pastaCorpo);
        if (QFileInfo(pastaCorpo).isSymLink() || !QFileInfo(arquivo).isFile()) {
            deixar(tr("a tarefa %1 não está na medida").arg(partes.at(1) + QLatin1Char('/') + parte));
            continue;
        }
        AcessarArquivo p;
        p.lerExposicaoParcial(arquivo);
        t.nomeTarefa = p.getNome_exp_parcial().trimmed();
        // The day's repetitions and time, the task's own where none is given.
        const QString repeticoes = linha.repeticoes.isEmpty() ? p.getNum_repeticao() : linha.repeticoes;
        const QString tempo = linha.tempoMedio.isEmpty() ? p.getTempo_exp() : linha.tempoMedio;
        if (!AvaliacaoExposicao::lerRepeticoes(repeticoes, &t.repeticoes)) {
            deixar(tr("repetições inválidas: %1").arg(repeticoes));
            continue;
        }
        if (!AvaliacaoExposicao::lerTempo(tempo, 3, &t.tempoRepeticao)) {
            deixar(tr("tempo por repetição inválido: %1").arg(tempo));
            continue;
        }
        double vdvi[3] = {0, 0, 0};
        double fc[3] = {0, 0, 0};
        double amostrado = 0;
        const bool amostradoLido = AvaliacaoExposicao::lerTempo(p.getTempo_amostrado(), 3, &amostrado);
        double total = t.repeticoes * t.tempoRepeticao;
        if (!valor(p.getArep(), &t.arep)) {
            deixar(tr("o arep armazenado não é um número utilizável"));
            continue;
        }
        if (t.corpo) {
            const QString vdv[3] = {p.getVdvix(), p.getVdviy(), p.getVdviz()};
            const QString fatores[3] = {p.getFC_x_parcial(), p.getFC_y_parcial(), p.getFC_z_parcial()};
            bool usavel = amostradoLido && amostrado > 0;
            for (int i = 0; i < 3; ++i) {
                usavel = usavel && valor(vdv[i], &vdvi[i]);
                if (!valor(fatores[i], &fc[i]))
                    fc[i] = 0;
            }
            if (!usavel) {
                deixar(tr("os VDVi ou o tempo amostrado armazenados não são utilizáveis"));
                continue;
            }
            // The task's own times extend its VDV as its evaluation did.
            double proprio = 0;
            int repeticoesProprias = 0;
            double tempoProprio = 0;
            if (AvaliacaoExposicao::lerRepeticoes(p.getNum_repeticao(), &repeticoesProprias)
                && AvaliacaoExposicao::lerTempo(p.getTempo_exp(), 3, &tempoProprio)
                && repeticoesProprias == t.repeticoes && tempoProprio == t.tempoRepeticao
                && AvaliacaoExposicao::lerTempo(p.getTempo_exp_total(), 3, &proprio))
                total = proprio;
        }
        t.usada = true;
        t.pastaCorpo = pastaCorpo;
        t.tempoAmostrado = amostrado;
        parciais[t.corpo] << FormulasExposicao::parcial(
            t.arep, vdvi, fc, {t.tempoRepeticao, t.repeticoes, total, amostrado}, t.corpo);
        t.vdvexp = *std::max_element(std::begin(parciais[t.corpo].last().vdvexp), std::end(parciais[t.corpo].last().vdvexp));
        doDia[t.corpo].append({pastaCorpo, t.referencia, t.repeticoes, t.tempoRepeticao});
        r.tarefas << t;
    }
    r.mao = FormulasExposicao::exposicao(parciais[0], 0, false);
    r.corpo = FormulasExposicao::exposicao(parciais[1], 0, true);
    AvaliacaoExposicao::Resultados resultados;
    resultados.temMao = pedida[0];
    resultados.temCorpo = pedida[1];
    resultados.arenMao = r.mao.aren;
    resultados.arenCorpo = r.corpo.aren;
    resultados.vdvr = r.corpo.vdvr;
    std::copy(std::begin(r.corpo.vdvexp), std::end(r.corpo.vdvexp), resultados.vdvExp);
    r.avaliacao = AvaliacaoExposicao::avaliarDia(doDia[0], doDia[1], resultados);
    return r;
}

bool AvaliacaoJornada::maoCalculada() const
{
    return avaliacao.temMao && avaliacao.nrMao.calculada();
}

bool AvaliacaoJornada::corpoCalculado() const
{
    return avaliacao.temCorpo && avaliacao.nrCorpo.calculada();
}
