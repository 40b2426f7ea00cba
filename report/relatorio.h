#pragma once

#include "report/layoutrelatorio.h"

#include "report/dadosgraficos.h"

#include <QHash>
#include <QPicture>
#include <QString>


// Every component's charts of a report, as drawing commands, by the
// component's path without ".head".
struct FigurasRelatorio {
    QHash<QString, QPicture> linhas;
    QHash<QString, QPicture> bandas;
};

// The multi-page A4 PDF report of an exposure of the local store. The page
// layout comes from LayoutRelatorio; this class paints it. Asking where
// to write it and opening it are the viewer's (GeracaoRelatorio).
class Relatorio
{
public:
    Relatorio();

    // Writes the report of `pastaExposicao` to `arquivo`. The PDF is
    // written beside it and renamed over it once complete: when it fails,
    // nothing is left under that name (an older file there stays), and
    // `erro` says "PATH: reason". `progresso` is told of each component
    // and may stop the report, which then fails the same way. A long
    // report is drawn in `partes` parts at once, on as many threads, and
    // joined (0: two on a machine of more than one core when the report
    // has 64 pages or more, else one).
    static bool escrever(const QString &pastaExposicao, const QString &arquivo, QString *erro = nullptr,
                         const LayoutRelatorio::Progresso &progresso = {}, int partes = 0);

    // Where the save dialog starts: the store's "Arquivos PDF" folder and
    // a name made of the measurement's name and recording time, such as
    // "Arquivos PDF/Linha3 2024-01-15 08h30.pdf".
    static QString arquivoSugerido(const QString &pastaExposicao);

    // The charts of every component the report of `pastaExposicao` draws:
    // their data read on the calling thread, their drawing recorded on the
    // program's main thread (a chart is a widget), all in one trip there.
    // `erro` says which data file could not be read whole.
    static FigurasRelatorio figuras(const QString &pastaExposicao, QString *erro);
    // The component charts on paper, as drawing commands; on the program's
    // main thread.
    static QPicture graficoLinhas(const DadosLinhas &dados);
    static QPicture graficoBandas(const DadosBandas &dados);
};
