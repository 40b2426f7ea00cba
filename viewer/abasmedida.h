#pragma once

#include <QHash>
#include <QList>
#include <QString>

class AcessarArquivo;
class QLineEdit;
class QWidget;
namespace Ui {
class Medidas;
}

// The viewer's tabs of values: what the files read into an AcessarArquivo
// hold, shown in the form's fields (identification, results, partial
// exposure, component settings and values, observation, both charts).
class AbasMedida
{
public:
    // `janela` holds the form, whose length limits are taken once.
    AbasMedida(Ui::Medidas *ui, QWidget *janela);

    void identificacao(const AcessarArquivo &a);
    // Each body part's results tab enabled only when it has results.
    void resultados(const AcessarArquivo &a);
    // `corpo`: a whole-body task, whose VDV and crest factors are shown.
    void parcial(const AcessarArquivo &a, bool corpo);
    void configuracao(const AcessarArquivo &a);
    void componente(const AcessarArquivo &a, bool corpo);
    void observacao(const AcessarArquivo &a);
    void graficoLinhas(const AcessarArquivo &a);
    void graficoBandas(const AcessarArquivo &a);

    // A stored value whole, even past the field's typing limit.
    void mostrar(QLineEdit *edicao, const QString &valor);

private:
    void mostrarLinhasDeCorpo(const QList<QWidget *> &widgets, bool mostrar);

    Ui::Medidas *ui;
    QHash<const QLineEdit *, int> limites; // the form's length limits
};
