#pragma once

#include "evaluation/laudo.h"

#include <QDialog>

#include <memory>

namespace Ui {
class JanelaDadosLaudo;
}
class Perguntador;

// "Dados do laudo": shows what the measurement already holds and asks for
// the rest of its laudo (number, objective, function, GES, activities,
// protection, conclusion, place and date, the chain's serials and the
// field checks), listing what is still missing or doubtful as it is
// typed. Gerar Laudo stores the data (with the measurement, "laudo.id", or
// beside a jornada) and accepts; the laudo itself is written by the caller.
class JanelaDadosLaudo : public QDialog
{
    Q_OBJECT

public:
    // The laudo as gathered, its data kept in `arquivoDados`.
    JanelaDadosLaudo(const Laudo &laudo, const QString &arquivoDados, Perguntador &perguntador, QWidget *pai = nullptr);
    ~JanelaDadosLaudo() override;

    // The laudo with the data as typed.
    const Laudo &laudo() const { return atual; }
    // Whether the laudo gets the annex of charts.
    bool anexarGraficos() const;

private slots:
    void on_pushButton_Gerar_clicked();

private:
    DadosLaudo digitados() const;
    void atualizar();

    std::unique_ptr<Ui::JanelaDadosLaudo> ui;
    QString arquivoDados;
    Perguntador &perguntador;
    Laudo atual;
};
