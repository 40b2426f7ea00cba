#include "platform/areadetrabalho.h"
#include "data/arquivolingua.h"
#include "data/locaisprograma.h"
#include "app/inicio.h"
#include "app/perguntadordialogos.h"
#include "app/reinicio.h"
#include "platform/servicos.h"
#include "device/volumes.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Inicio::instalarFonte();
    QTranslator tradutor;
    PerguntadorDialogos perguntador;
    const LocaisPrograma locais = LocaisPrograma::para(QCoreApplication::applicationDirPath());
    Inicio::carregarIdioma(&tradutor, locais.configuracao, perguntador);
    QCoreApplication::installTranslator(&tradutor);
    // Qt's own buttons and dialogs in the same language.
    QTranslator tradutorQt;
    if (tradutorQt.load(ArquivoLingua::catalogoDoQt(tradutor.filePath())))
        QCoreApplication::installTranslator(&tradutorQt);

    const FonteVolumesSistema volumes;
    AreaDeTrabalhoSistema areaDeTrabalho;
    ReinicioSistema reinicio;
    const Servicos servicos{&perguntador, &volumes, &areaDeTrabalho, &reinicio};
    const auto janela = Inicio::montarJanela(locais, servicos);
    janela->show();
    QCoreApplication::setAttribute(Qt::AA_DisableWindowContextHelpButton);
    return app.exec();
}
