#pragma once

#include <QObject>

class AvaliacaoExposicao;
class QTableView;
namespace Ui {
class Medidas;
}

// The viewer's Avaliação tab: both criteria's tables, every row and
// heading whole (names, statuses and actions wrap, each table as tall as
// its rows), what could not be computed and why the criteria differ.
class AbaAvaliacao : public QObject
{
    Q_OBJECT

public:
    explicit AbaAvaliacao(Ui::Medidas *ui, QObject *parent = nullptr);

    void mostrar(const AvaliacaoExposicao &a);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // An assessment table as tall as its rows as they wrap at its width.
    void ajustarAltura(QTableView *tabela);

    Ui::Medidas *ui;
};
