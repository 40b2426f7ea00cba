#pragma once

#include "data/acessararquivo.h"
#include "evaluation/formulasexposicao.h"

#include <QString>
#include <QStringList>
#include <QPair>
#include <QVector>

#include <functional>

// One evaluation run of one body part ("corpo" or "mao") of one
// measurement: reads its partial-exposure, component, data and result
// files and works out, with FormulasExposicao, every partial exposure's
// results and the exposure's results, into the exposure fields it is given. Constructing the object
// runs the evaluation; nothing is written until both runs are done (see
// `avaliarPastas`).
class CalculoExposicao
{
public:
    // `exposicao` holds the exposure file as read, or as the run before
    // left it: the "mao" run starts from the "corpo" run's results.
    CalculoExposicao(AcessarArquivo &exposicao, const QStringList &pastas, const QString &tipo);

    // What both runs of a measurement did not do.
    struct Resultado {
        QString erroLeitura;     // "PATH: reason" of a file or folder that could not be read: nothing written
        QStringList falhas;      // "PATH: reason" of each file not written (the read failure included)
        QStringList ignorados;   // components left out: their .dat or .res is missing
        bool gravou() const { return falhas.isEmpty(); }
        explicit operator bool() const { return gravou(); }
    };
    // Changes the exposure fields just before they are written.
    using Carimbo = std::function<void(AcessarArquivo &)>;
    // Both runs, "corpo" then "mao", over a list of body folders; then
    // every partial-exposure file and the exposure file at once, only when
    // everything could be read and each of them can be written.
    static Resultado avaliarPastas(const QString &arquivoExposicao, const QStringList &pastas,
                                   const Carimbo &carimbo = {});
    // Both runs on a measurement folder of the local store, with its list
    // of body folders.
    static Resultado avaliarMedida(const QString &pastaMedida, const Carimbo &carimbo = {});

    // "hh:mm:ss" (three parts) or "hh:mm" (two) in seconds; a missing or
    // unreadable piece counts as 0, pieces need not be in range, and a
    // negative time counts as 0.
    static double segundosDeTexto(const QString &texto, int partes);
    // The C-locale number of a text; 0 for anything that is not a finite
    // number, the unset blank included.
    static double numero(const QString &texto);
    // Results: six significant digits, crest factors three decimals. A
    // result beyond the range of numbers is written as the largest one,
    // and one that has no value as 0, never "inf" or "nan".
    static QString textoResultado(double v);
    static QString textoFatorDeCrista(double v);

private:
    bool ehCorpo() const { return tipo == QLatin1String("corpo"); }
    // The values the formulas take, from the files just read.
    FormulasExposicao::Componente componenteLido() const;
    FormulasExposicao::Tempos temposLidos() const;
    void gravarParcial(const FormulasExposicao::Parcial &p);
    void gravarExposicao(const FormulasExposicao::Exposicao &x);

    AcessarArquivo &acessarArquivo;
    QString tipo;
    int numArquivosComponente = 0;
    QString erroLeitura;
    QVector<QPair<QString, QString>> gravacoes; // each partial-exposure file and its text
    QStringList ignorados;
};
