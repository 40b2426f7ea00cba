#include "cli/comandos.h"

#include "device/simuladorinstrumento.h"

#include <QTextStream>

namespace {

// Reads the integer after an option; false on a missing or bad value.
bool valorInteiro(const QStringList &args, int *i, int minimo, int *valor)
{
    if (*i + 1 >= args.size())
        return false;
    bool ok = false;
    const int v = args.at(++*i).toInt(&ok);
    if (!ok || v < minimo)
        return false;
    *valor = v;
    return true;
}

} // namespace

namespace Comandos {

QString ajuda()
{
    return QStringLiteral(
        "Usage: kt9400-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  simulate DIR [--measurements N] [--components N] [--samples N]\n"
        "               [--short-config] [--seed S]\n"
        "      Write DIR/DATA as a KT9400 instrument would: its configuration file\n"
        "      (Crv_vib.cfg, or KT9400.cfg with --short-config) and N measurement\n"
        "      folders of synthetic recordings (default 4 measurements, 2 components\n"
        "      per body folder, 300 samples per component, seed 1).\n"
        "\n"
        "  --help  Show this text.\n");
}

int simular(const QStringList &args, QTextStream &saida, QTextStream &erros)
{
    OpcoesSimulacao opcoes;
    QString destino;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        int semente = 0;
        bool ok = true;
        if (a == QLatin1String("--measurements"))
            ok = valorInteiro(args, &i, 0, &opcoes.medidas);
        else if (a == QLatin1String("--components"))
            ok = valorInteiro(args, &i, 0, &opcoes.componentes);
        else if (a == QLatin1String("--samples"))
            ok = valorInteiro(args, &i, 0, &opcoes.amostras);
        else if (a == QLatin1String("--seed")) {
            ok = valorInteiro(args, &i, 0, &semente);
            opcoes.semente = quint32(semente);
        } else if (a == QLatin1String("--short-config"))
            opcoes.configuracaoCurta = true;
        else if (a.startsWith(QLatin1String("--")) || !destino.isEmpty())
            ok = false;
        else
            destino = a;
        if (!ok) {
            erros << "kt9400-cli simulate: bad argument '" << a << "'\n" << ajuda();
            return 2;
        }
    }
    if (destino.isEmpty()) {
        erros << "kt9400-cli simulate: missing DIR\n" << ajuda();
        return 2;
    }
    QString erro;
    if (!simularInstrumento(destino, opcoes, &erro)) {
        erros << "kt9400-cli simulate: " << erro << '\n';
        return 1;
    }
    saida << "Wrote " << opcoes.medidas << " measurements to " << destino << "/DATA\n";
    return 0;
}

} // namespace Comandos
