#pragma once

#include "data/catalogotarefas.h"
#include "viewer/modelotarefas.h"

#include <QDialog>

#include <memory>

class QSortFilterProxyModel;

namespace Ui {
class SeletorTarefas;
}

// "Adicionar tarefas": the store's measurements and their tasks, read
// beside the window once it is open, searchable as one types (worker,
// company, sector, date, task; case and every word), several selectable.
class SeletorTarefas : public QDialog
{
    Q_OBJECT

public:
    SeletorTarefas(const QString &raizArmazem, QWidget *pai = nullptr);
    ~SeletorTarefas() override;

    QVector<CatalogoTarefas::Linha> escolhidas() const;

private:
    std::unique_ptr<Ui::SeletorTarefas> ui;
    ModeloTarefas *modelo;
    QSortFilterProxyModel *ordem; // the columns' sorting
};
