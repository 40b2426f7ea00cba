#pragma once

#include "data/catalogotarefas.h"

#include <QDialog>

#include <functional>
#include <memory>

class ModeloBusca;
class QSortFilterProxyModel;

namespace Ui {
class SeletorArmazem;
}

// A choice among the store's tasks (for a jornada) or its measurements
// (to export): read beside the window once it is open, searchable as one
// types (every word, any case or accent), several selectable.
class SeletorArmazem : public QDialog
{
    Q_OBJECT

public:
    // Tasks; measurements; or measurements, jornadas and groups.
    enum class Conteudo { Tarefas, Medidas, MedidasJornadasGrupos };

    SeletorArmazem(const QString &raizArmazem, Conteudo conteudo, QWidget *pai = nullptr);
    ~SeletorArmazem() override;

    // Opens the picker over `pai` (window-modal, no loop waits) and hands
    // it to `aoEscolher` once the user accepts it; `titulo` empty keeps
    // the form's own.
    static void escolher(const QString &raizArmazem, Conteudo conteudo, const QString &titulo, QWidget *pai,
                         const std::function<void(const SeletorArmazem &)> &aoEscolher);

    // The tasks chosen (Tarefas), or the measurement folders and jornada
    // and group files.
    QVector<CatalogoTarefas::Linha> tarefasEscolhidas() const;
    QStringList medidasEscolhidas() const;

private:
    QVector<int> escolhidas() const;

    std::unique_ptr<Ui::SeletorArmazem> ui;
    ModeloBusca *modelo;
    QSortFilterProxyModel *ordem; // the columns' sorting
    QVector<CatalogoTarefas::Linha> tarefas;
    QStringList medidas;
};
