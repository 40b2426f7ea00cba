#pragma once

#include "evaluation/laudo.h"
#include "evaluation/tabelasavaliacao.h"

#include <QCoreApplication>
#include <QHash>
#include <QPicture>
#include <QLocale>
#include <QString>

class QPaintDevice;
class QTextDocument;

// The laudo as a document: A4, summary first, in the interface language
// (`local` gives the decimal separator and the dates). As PDF each page
// has a header with the evaluating company, its logo, "Laudo nº …" and
// "Página x de y"; as ODT (OpenDocument text) the same text, for a word
// processor.
class DocumentoLaudo
{
    Q_DECLARE_TR_FUNCTIONS(DocumentoLaudo)

public:
    DocumentoLaudo(const Laudo &laudo, const QLocale &local);

    // Adds an annex with the acceleration chart of each component, from
    // `graficos` (Relatorio::figuras' line charts, by component path).
    void anexarGraficos(const QHash<QString, QPicture> &graficos);

    // The body, as the rich text QTextDocument reads, the annex's charts
    // `larguraImagens` wide.
    QString html(double larguraImagens) const;
    // Writes `arquivo`, PDF or ODT by its extension (".odt", else PDF),
    // beside it first and renamed over it once whole. False with "PATH:
    // reason".
    bool escrever(const QString &arquivo, QString *erro) const;
    // How many pages the PDF has.
    int paginas() const;

private:
    void preparar(QTextDocument &doc, QPaintDevice *dispositivo) const;
    QString numero(const QString &armazenado) const;
    QString unidades(QString texto) const;
    QString tabelaAvaliacao(const TabelasAvaliacao::Tabela &t) const;
    QString tabelaMembros() const;
    QString resumoGrupo() const;

    const Laudo &laudo;
    QLocale local;
    QHash<QString, QPicture> graficos;
};
