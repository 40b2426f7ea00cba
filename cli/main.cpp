#include "app/arquivolingua.h"
#include "app/inicio.h"
#include "cli/comandos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <QVector>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // The report draws its charts and pages with the GUI classes, on no
    // screen at all.
    const bool relatorio = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (relatorio && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(relatorio ? new QApplication(argc, argv)
                                                    : new QCoreApplication(argc, argv));
    // The evaluation's trace goes to the debug stream; QT_LOGGING_RULES=
    // "default.debug=true" shows it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        erros << Comandos::ajuda();
        return 2;
    }
    const QString comando = args.takeFirst();
    // What the assessment cannot compute is said in the catalogs' English;
    // the report is written in the program's language, as the viewer
    // writes it: the one chosen in lingua.lg beside the program, else
    // Portuguese.
    Inicio::registrarRecursos();
    QString catalogo = QStringLiteral(":/language/ingles.qm");
    if (relatorio && !ArquivoLingua::ler(QCoreApplication::applicationDirPath(), &catalogo))
        catalogo = QStringLiteral(":/language/portugues.qm");
    QTranslator tradutor;
    if (tradutor.load(catalogo))
        QCoreApplication::installTranslator(&tradutor);
    if (comando == QLatin1String("--help") || comando == QLatin1String("-h")) {
        saida << Comandos::ajuda();
        return 0;
    }
    using Comando = int (*)(const QStringList &, QTextStream &, QTextStream &);
    const QVector<QPair<const char *, Comando>> comandos = {
        {"simulate", Comandos::simular}, {"evaluate", Comandos::avaliar},
        {"list", Comandos::listar},      {"csv", Comandos::csv},
        {"report", Comandos::relatorio}, {"download", Comandos::baixar},
        {"import", Comandos::importar},  {"export", Comandos::exportar},
    };
    for (const auto &[nome, executar] : comandos) {
        if (comando != QLatin1String(nome))
            continue;
        int status = executar(args, saida, erros);
        // Output that did not reach its file (a full disk behind "> file")
        // is a failure, whatever the command did.
        saida.flush();
        if (saida.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
            erros << "kt9400-cli " << comando << ": cannot write the standard output: "
                  << saida.device()->errorString() << '\n';
            status = 1;
        }
        return status;
    }
    erros << "kt9400-cli: unknown command '" << comando << "'\n" << Comandos::ajuda();
    return 2;
}
