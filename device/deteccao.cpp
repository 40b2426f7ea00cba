#include "device/deteccao.h"

#include "data/arquivoregistro.h"

#include <QFileInfo>

namespace Deteccao {

EstadoConexao verificar(const QList<Volume> &volumes, const EstadoConexao &anterior)
{
    EstadoConexao e = anterior;
    e.conectado = false;
    e.instrumentos = 0;
    bool achou = false;
    for (const Volume &v : volumes) {
        const bool instrumento = v.valido && v.pronto && v.nome == QLatin1String("KT9400");
        if (achou) {
            // Only counted, so that the window can say a second one is ignored.
            e.instrumentos += instrumento && !v.somenteLeitura;
            continue;
        }
        if (instrumento) {
            e.caminhoPenDrive = v.raiz;
            if (v.somenteLeitura)
                continue;
            e.aparencia = EstadoConexao::Aparencia::Conectada;
            e.conectado = true;
            e.instrumentos = 1;
            achou = true;
        } else {
            e.caminhoPenDrive = QStringLiteral(" ");
            e.atualizacaoPendente = true;
            e.aparencia = EstadoConexao::Aparencia::Desconectada;
        }
    }
    return e;
}

QString arquivoConfiguracao(const QString &caminhoDados)
{
    for (const char *nome : {"/Crv_vib.cfg", "/KT9400.cfg"}) {
        const QString caminho = caminhoDados + QLatin1String(nome);
        if (QFileInfo(caminho).isFile())
            return caminho;
    }
    return QString();
}

QString lerIdentidade(const QString &caminhoDados)
{
    QByteArray dados;
    if (!ArquivoRegistro::ler(arquivoConfiguracao(caminhoDados), &dados))
        return QString();
    ArquivoRegistro::LeitorLinhas leitor(dados);
    while (!leitor.fim()) {
        const QStringList pedacos = ArquivoRegistro::pedacos(leitor.proxima());
        if (pedacos.isEmpty())
            continue;
        if (pedacos.first() == QLatin1String("id_equipamento")
            || pedacos.first() == QLatin1String("id_equip"))
            return pedacos.last();
    }
    return QString();
}

} // namespace Deteccao
