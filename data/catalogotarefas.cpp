#include "data/catalogotarefas.h"

#include "data/acessararquivo.h"
#include "data/layoutmedida.h"

#include <QDir>
#include <QtConcurrent>

namespace CatalogoTarefas {

QString paraBusca(const QString &texto)
{
    QString r;
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    r.reserve(decomposto.size());
    for (const QChar c : decomposto) {
        if (c.category() != QChar::Mark_NonSpacing)
            r += c.toLower();
    }
    return r;
}

QString Linha::textoDeBusca() const
{
    return paraBusca(QStringList{medida, trabalhador, empresa, setor, data, tarefa}.join(QLatin1Char(' ')));
}

namespace {

QVector<Linha> daMedida(const QString &medida)
{
    QVector<Linha> linhas;
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(medida));
    const QString nome = LayoutMedida::nomePasta(medida);
    for (const LayoutMedida::LinhaParcial &p : LayoutMedida::parciaisDaExposicao(medida)) {
        AcessarArquivo a;
        a.lerExposicaoParcial(p.arquivoParcial);
        Linha l;
        l.medida = nome;
        l.referencia = nome + QLatin1Char('/') + QDir(medida).relativeFilePath(p.pastaCorpo);
        l.trabalhador = e.getFuncionario_avaliado().trimmed();
        l.empresa = e.getEmpresa_avaliada().trimmed();
        l.setor = e.getSetor().trimmed();
        l.data = LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao()).trimmed();
        l.tarefa = a.getNome_exp_parcial().trimmed();
        l.corpo = p.sensor == QLatin1String("corpo");
        l.arep = a.getArep().trimmed();
        l.repeticoes = a.getNum_repeticao().trimmed();
        l.tempo = a.getTempo_exp().trimmed();
        linhas << l;
    }
    return linhas;
}

} // namespace

QVector<Linha> ler(const QString &raizArmazem)
{
    // A store of years holds thousands of small files: read on every core,
    // kept in the store's order.
    const QList<QVector<Linha>> porMedida =
        QtConcurrent::blockingMapped<QList<QVector<Linha>>>(LayoutMedida::medidasDoArmazem(raizArmazem), daMedida);
    QVector<Linha> linhas;
    for (const QVector<Linha> &m : porMedida)
        linhas += m;
    return linhas;
}

} // namespace CatalogoTarefas
