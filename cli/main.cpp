#include "cli/comandos.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The evaluation's trace goes to the debug stream; QT_LOGGING_RULES=
    // "default.debug=true" shows it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        erros << Comandos::ajuda();
        return 2;
    }
    const QString comando = args.takeFirst();
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
    erros << "kt9400-cli: unknown command '" << comando << "'\n" << Comandos::ajuda();
    return 2;
}
