#pragma once

#include "data/desfecho.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The language file "lingua.lg" in the configuration folder LocaisPrograma
// gives: one line, the resource path of the chosen translation catalog.
namespace ArquivoLingua {

QString caminho(const QString &pasta);
// The first line of the file; false when there is no file or it does not
// open.
bool ler(const QString &pasta, QString *catalogo);
// Creates or replaces the file whole with the catalog path and no line
// end, creating its folder first; failed, with "PATH: reason", when it
// was not written.
Desfecho gravar(const QString &pasta, const QString &catalogo);

// The items of the first-start language choice, in their order.
QStringList itensIdioma();
// The catalog for a chosen item: "Español" and "English" have their own,
// anything else is Portuguese.
QString catalogoDoItem(const QString &item);
// Qt's own catalog for a program catalog (the texts of Qt's dialogs and
// buttons); empty for English, Qt's own language.
QString catalogoDoQt(const QString &catalogo);
// The locale whose dates and month names go with a program catalog:
// Brazilian Portuguese for Portuguese, the program's own language, and for
// no catalog at all.
QLocale localDoCatalogo(const QString &catalogo);

} // namespace ArquivoLingua
