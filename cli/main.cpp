#include "cli/comandos.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QVector>
#include <QTranslator>

#include <cstdio>

// The catalogs live in a static library; they must be registered by hand,
// outside any namespace.
static void registrarCatalogos()
{
    Q_INIT_RESOURCE(language);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        erros << Comandos::ajuda();
        return 2;
    }
    const QString comando = args.takeFirst();
    // What the assessment cannot compute is said in the catalogs' English
    // (the report, written by kt9400-relatorio, keeps the program's language).
    registrarCatalogos();
    QTranslator ingles;
    if (ingles.load(QStringLiteral(":/language/ingles.qm")))
        QCoreApplication::installTranslator(&ingles);
    if (comando == QLatin1String("--help") || comando == QLatin1String("-h")) {
        saida << Comandos::ajuda();
        return 0;
    }
    using Comando = int (*)(const QStringList &, QTextStream &, QTextStream &);
    const QVector<QPair<const char *, Comando>> comandos = {
        {"simulate", Comandos::simular}, {"evaluate", Comandos::avaliar},
        {"store", Comandos::armazem},     {"list", Comandos::listar},      {"csv", Comandos::csv},
        {"report", Comandos::relatorio}, {"laudo", Comandos::laudo},
        {"jornada", Comandos::jornada}, {"grupo", Comandos::grupo}, {"esocial", Comandos::esocial}, {"download", Comandos::baixar},
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
