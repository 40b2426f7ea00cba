#include "evaluation/relatoriotexto.h"

#include "data/layoutmedida.h"

#include "data/acessararquivo.h"

#include <QTextStream>

namespace RelatorioTexto {

Valores valoresDaMedida(const QString &pasta)
{
    AcessarArquivo a;
    if (!pasta.isEmpty())
        a.lerExposicao(LayoutMedida::arquivoExposicao(pasta));
    const Valores valores = {
        {"measurement", LayoutMedida::nomePasta(pasta)},
        {"name", LayoutMedida::nomeMostrado(a.getNome_exposicao())},
        {"date", LayoutMedida::dataMostrada(a.getData_criacao(), a.getNome_exposicao())},
    };
    return valores + resultadosExposicao(a);
}

Valores resultadosExposicao(const AcessarArquivo &a)
{
    return {
        {"enable_corpo", a.getEnable_corpo()},
        {"are_corpo", a.getAre_corpo()},
        {"aren_corpo", a.getAren_corpo()},
        {"vdvexpx", a.getVdvexpx()},
        {"vdvexpy", a.getVdvexpy()},
        {"vdvexpz", a.getVdvexpz()},
        {"vdvr", a.getVdvr()},
        {"FC_x_resultante", a.getFC_x_resultante()},
        {"FC_y_resultante", a.getFC_y_resultante()},
        {"FC_z_resultante", a.getFC_z_resultante()},
        {"enable_mao", a.getEnable_mao()},
        {"are_mao", a.getAre_mao()},
        {"aren_mao", a.getAren_mao()},
    };
}

Valores resultadosParcial(const AcessarArquivo &a)
{
    return {
        {"nome_exp_parcial", a.getNome_exp_parcial()},
        {"arep", a.getArep()},
        {"vdvix", a.getVdvix()},
        {"vdviy", a.getVdviy()},
        {"vdviz", a.getVdviz()},
        {"vdvexpx", a.getVdvexpx_parcial()},
        {"vdvexpy", a.getVdvexpy_parcial()},
        {"vdvexpz", a.getVdvexpz_parcial()},
        {"FC_x_parcial", a.getFC_x_parcial()},
        {"FC_y_parcial", a.getFC_y_parcial()},
        {"FC_z_parcial", a.getFC_z_parcial()},
    };
}

QJsonObject json(const Valores &valores)
{
    QJsonObject o;
    for (const auto &v : valores)
        o.insert(v.first, v.second);
    return o;
}

void escrever(QTextStream &saida, const Valores &valores, const QString &prefixo)
{
    for (const auto &v : valores)
        saida << prefixo << v.first << '=' << v.second << '\n';
}

} // namespace RelatorioTexto
