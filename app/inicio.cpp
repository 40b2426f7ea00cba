#include "app/inicio.h"

#include "data/rastro.h"
#include "data/arquivolingua.h"
#include "data/locaisprograma.h"
#include "app/mainwindow.h"
#include "platform/guardasaida.h"
#include "platform/perguntador.h"
#include "viewer/medidas.h"
#include "viewer/paginajornadas.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QStackedWidget>
#include <QTranslator>

// The resources live in a static library; they must be registered by
// hand, outside any namespace.
static void registrarRecursosDaBiblioteca()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(language);
}

namespace Inicio {

void registrarRecursos()
{
    registrarRecursosDaBiblioteca();
}

QString instalarFonte()
{
    registrarRecursos();
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/icons/fonte/Graphik-Light-App.ttf"));
    const QStringList familias = QFontDatabase::applicationFontFamilies(id);
    if (familias.isEmpty())
        return QString();
    QApplication::setFont(QFont(familias.first()));
    return familias.first();
}

void carregarIdioma(QTranslator *tradutor, const QString &configuracao, Perguntador &perguntador)
{
    registrarRecursos();
    qCDebug(rastro) << QDir::currentPath() << "App path : " << QCoreApplication::applicationDirPath();
    QString catalogo;
    if (QFileInfo::exists(ArquivoLingua::caminho(configuracao))) {
        if (ArquivoLingua::ler(configuracao, &catalogo))
            tradutor->load(catalogo);
        return;
    }
    QString item;
    if (!perguntador.escolherItem(nullptr, QObject::tr("Selecione o Idioma"),
                                  QObject::tr("Idioma:"), ArquivoLingua::itensIdioma(), &item))
        return;
    catalogo = ArquivoLingua::catalogoDoItem(item);
    tradutor->load(catalogo);
    const Desfecho gravado = ArquivoLingua::gravar(configuracao, catalogo);
    if (!gravado)
        perguntador.informar(nullptr, QObject::tr("Idioma"),
                             QObject::tr("Não foi possível salvar a escolha do idioma.") + QLatin1Char('\n')
                                 + gravado.motivo);
}

std::unique_ptr<QStackedWidget> montarJanela(const LocaisPrograma &locais, const Servicos &servicos)
{
    auto pilha = std::make_unique<QStackedWidget>();
    auto *principal = new MainWindow(locais, servicos);
    pilha->addWidget(principal);
    principal->setStackedWidget(pilha.get());
    auto *medidas = new Medidas(principal->getDiretorioQT(), servicos);
    pilha->addWidget(medidas);
    medidas->setStackedWidget(pilha.get());
    // Dates and month names as the interface language writes them.
    QString catalogo;
    ArquivoLingua::ler(locais.configuracao, &catalogo);
    medidas->setLocale(ArquivoLingua::localDoCatalogo(catalogo));
    // The instrument's list is read again when the viewer changes the
    // store; the viewer reads the store whenever it is opened.
    QObject::connect(medidas, &Medidas::armazemAlterado, principal, &MainWindow::listarMedidas);
    auto *jornadas = new PaginaJornadas(principal->getDiretorioQT(), servicos);
    pilha->addWidget(jornadas);
    jornadas->setStackedWidget(pilha.get());
    jornadas->setLocale(ArquivoLingua::localDoCatalogo(catalogo));
    new GuardaSaida(pilha.get(), *servicos.perguntador);
    pilha->setWindowTitle(QStringLiteral("Medidor de Vibração - Corvalendis"));
    pilha->setCurrentIndex(0);
    const QScreen *tela = QGuiApplication::primaryScreen();
    pilha->setGeometry(geometriaInicial(tela ? tela->availableGeometry() : QRect(0, 0, 1600, 900)));
    return pilha;
}

QRect geometriaInicial(const QRect &disponivel)
{
    const QSize preferido(1600, 900);
    if (disponivel.width() < preferido.width() || disponivel.height() < preferido.height())
        return disponivel;
    QRect r(QPoint(0, 0), preferido);
    r.moveCenter(disponivel.center());
    return r;
}

} // namespace Inicio
