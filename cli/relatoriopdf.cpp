// kt9400-relatorio DIR OUT.pdf: the PDF report for `kt9400-cli report`.
// The report draws with the GUI classes; kept in a program of its own, they
// are not loaded by every other command of the tool.

#include "data/arquivolingua.h"
#include "data/layoutmedida.h"
#include "report/relatorio.h"

#include <QApplication>
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
    if (args.size() != 2) {
        erros << "kt9400-cli report: usage: report DIR OUT.pdf\n";
        return 2;
    }
    // In the program's language, as the viewer writes it: the one chosen in
    // lingua.lg beside the program, else Portuguese.
    registrarRecursos();
    QString catalogo;
    if (!ArquivoLingua::ler(QCoreApplication::applicationDirPath(), &catalogo))
        catalogo = QStringLiteral(":/language/portugues.qm");
    QTranslator tradutor;
    if (tradutor.load(catalogo))
        QCoreApplication::installTranslator(&tradutor);
    QString erro;
    if (!Relatorio::escrever(args.at(0), args.at(1), &erro)) {
        erros << "kt9400-cli report: cannot write " << erro << '\n';
        return 1;
    }
    saida << "Wrote " << args.at(1) << '\n';
    return 0;
}
