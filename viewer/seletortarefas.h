#pragma once

#include "data/catalogotarefas.h"

#include <QDialog>

#include <memory>

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
    void mostrar(const QVector<CatalogoTarefas::Linha> &linhas);
    void filtrar(const QString &texto);

    std::unique_ptr<Ui::SeletorTarefas> ui;
    QVector<CatalogoTarefas::Linha> linhas;
};
