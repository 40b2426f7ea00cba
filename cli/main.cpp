#include "app/inicio.h"
#include "cli/comandos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
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
    // the report keeps the program's own language.
    Inicio::registrarRecursos();
    QTranslator ingles;
    if (!relatorio && ingles.load(QStringLiteral(":/language/ingles.qm")))
        QCoreApplication::installTranslator(&ingles);
    if (comando == QLatin1String("--help") || comando == QLatin1String("-h")) {
        saida << Comandos::ajuda();
        return 0;
    }
    if (comando == QLatin1String("simulate"))
        return Comandos::simular(args, saida, erros);
    if (comando == QLatin1String("evaluate"))
        return Comandos::avaliar(args, saida, erros);
    if (comando == QLatin1String("list"))
        return Comandos::listar(args, saida, erros);
    if (comando == QLatin1String("csv"))
        return Comandos::csv(args, saida, erros);
    if (relatorio)
        return Comandos::relatorio(args, saida, erros);
    erros << "kt9400-cli: unknown command '" << comando << "'\n" << Comandos::ajuda();
    return 2;
}
