// kt9400-relatorio report DIR OUT.pdf | laudo DIR OUT.pdf|OUT.odt: the
// documents of `kt9400-cli report` and `kt9400-cli laudo`. They draw with
// the GUI classes; kept in a program of its own, those are not loaded by
// every other command of the tool.

#include "data/arquivolingua.h"
#include "data/locaisprograma.h"
#include "data/layoutmedida.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "report/documentolaudo.h"
#include "report/relatorio.h"


#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTranslator>

// The icons and catalogs live in static libraries: registered by hand.
static void registrarRecursos()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(language);
}

int main(int argc, char *argv[])
{
    // On no screen at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString comando = args.value(0);
    const bool graficos = comando == QLatin1String("laudo") && args.size() == 4 && args.at(3) == QLatin1String("--charts");
    if ((args.size() != 3 && !graficos) || (comando != QLatin1String("report") && comando != QLatin1String("laudo"))) {
        erros << "kt9400-relatorio: usage: report DIR OUT.pdf | laudo DIR OUT.pdf|OUT.odt [--charts]\n";
        return 2;
    }
    const QString pasta = args.at(1);
    const QString destino = args.at(2);
    // In the program's language, as the viewer writes it: the one chosen in
    // the program's lingua.lg, else Portuguese.
    registrarRecursos();
    QString catalogo;
    if (!ArquivoLingua::ler(LocaisPrograma::para(QCoreApplication::applicationDirPath()).configuracao, &catalogo))
        catalogo = QStringLiteral(":/language/portugues.qm");
    QTranslator tradutor;
    if (tradutor.load(catalogo))
        QCoreApplication::installTranslator(&tradutor);
    QString erro;
    if (comando == QLatin1String("laudo")) {
        // A jornada's or group's laudo: its data beside its file, the Perfil
        // folder of its store.
        Laudo laudo;
        if (Jornada::ehArquivoDeJornada(pasta) || Grupo::ehArquivoDeGrupo(pasta)) {
            const bool ehJornada = Jornada::ehArquivoDeJornada(pasta);
            Jornada jornada;
            Grupo grupo;
            DadosLaudo dados;
            if (!(ehJornada ? Jornada::ler(pasta, &jornada, &erro) : Grupo::ler(pasta, &grupo, &erro))
                || !DadosLaudo::lerArquivo(DadosLaudo::arquivoAoLado(pasta), &dados, &erro)) {
                erros << "kt9400-cli laudo: cannot read " << erro << '\n';
                return 1;
            }
            const QString armazem = Jornada::armazemDe(pasta);
            const QString perfil = QDir(armazem).filePath(QStringLiteral("Perfil"));
            laudo = ehJornada ? Laudo::montarJornada(jornada, armazem, perfil, dados)
                              : Laudo::montarGrupo(grupo, armazem, perfil, dados);
        } else {
            laudo = Laudo::montar(pasta, Laudo::pastaPerfilDe(pasta));
        }
        for (const QString &aviso : laudo.avisos)
            erros << "kt9400-cli laudo: warning: " << aviso << '\n';
        erros.flush();
        DocumentoLaudo documento(laudo, ArquivoLingua::localDoCatalogo(catalogo));
        if (graficos)
            documento.anexarGraficos(Relatorio::figuras(pasta, &erro).linhas);
        if (!erro.isEmpty() || !documento.escrever(destino, &erro)) {
            erros << "kt9400-cli laudo: cannot write " << erro << '\n';
            return 1;
        }
    } else if (!Relatorio::escrever(pasta, destino, &erro)) {
        erros << "kt9400-cli report: cannot write " << erro << '\n';
        return 1;
    }
    saida << "Wrote " << destino << '\n';
    return 0;
}
