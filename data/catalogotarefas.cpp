#include "data/catalogotarefas.h"

#include "data/acessararquivo.h"
#include "data/layoutmedida.h"

#include <QDir>

namespace CatalogoTarefas {

QString Linha::textoDeBusca() const
{
    return QStringList{medida, trabalhador, empresa, setor, data, tarefa}.join(QLatin1Char(' ')).toLower();
}

QVector<Linha> ler(const QString &raizArmazem)
{
    QVector<Linha> linhas;
    for (const QString &medida : LayoutMedida::medidasDoArmazem(raizArmazem)) {
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
    }
    return linhas;
}

} // namespace CatalogoTarefas
