#pragma once

#include <QRect>
#include <QString>

#include <memory>

class Perguntador;
struct LocaisPrograma;
struct Servicos;
class QStackedWidget;
class QTranslator;

// The steps of start-up, in the order `main` runs them.
namespace Inicio {

// Icons, font and catalogs, compiled into the windows' library.
void registrarRecursos();

// Registers the application font and makes its family the default;
// returns the family, or empty text when the font could not be registered.
QString instalarFonte();

// Loads the catalog the language file in `configuracao` names. At the
// first start (no language file) asks for the language and stores the
// choice; a cancelled choice loads nothing and stores nothing.
void carregarIdioma(QTranslator *tradutor, const QString &configuracao, Perguntador &perguntador);

// Where the window opens on a screen whose free area is `disponivel`:
// 1600 x 900 in its middle where that fits, else the whole free area.
QRect geometriaInicial(const QRect &disponivel);

// The only top-level window: page 0 the main window, page 1 the viewer,
// placed by geometriaInicial on the primary screen.
std::unique_ptr<QStackedWidget> montarJanela(const LocaisPrograma &locais, const Servicos &servicos);

} // namespace Inicio
