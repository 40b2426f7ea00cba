#include "app/inicio.h"
#include "app/perguntadordialogos.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Inicio::instalarFonte();
    QTranslator tradutor;
    PerguntadorDialogos perguntador;
    Inicio::carregarIdioma(&tradutor, QCoreApplication::applicationDirPath(), perguntador);
    QCoreApplication::installTranslator(&tradutor);

    const auto janela = Inicio::montarJanela(QCoreApplication::applicationDirPath());
    janela->show();
    QCoreApplication::setAttribute(Qt::AA_DisableWindowContextHelpButton);
    return app.exec();
}
