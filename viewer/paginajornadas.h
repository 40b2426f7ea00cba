#pragma once

#include "data/grupo.h"
#include "data/jornada.h"
#include "platform/servicos.h"

#include <QWidget>

#include <memory>

namespace Ui {
class PaginaJornadas;
}
class QListWidget;
class QStackedWidget;
class QStandardItemModel;

// "Jornadas e grupos": a worker's days composed of tasks of the store's
// measurements, and similar-exposure groups. On the left the jornadas and
// groups (new, rename, delete, each delete asked naming the item); on the
// right the one chosen. A jornada's results follow each repetition count
// or time as it is typed (what-if), before anything is saved; a group shows
// its members' values and bands, its summary and its verdict.
class PaginaJornadas : public QWidget
{
    Q_OBJECT

public:
    PaginaJornadas(const QString &raizArmazem, const Servicos &servicos, QWidget *pai = nullptr);
    ~PaginaJornadas() override;

    void setStackedWidget(QStackedWidget *pilha) { this->pilha = pilha; }
    // Reads the store's jornadas and groups again.
    void listar();

private slots:
    void on_voltarMenu_clicked();
    void on_pushButton_NovaJornada_clicked();
    void on_pushButton_RenomearJornada_clicked();
    void on_pushButton_ApagarJornada_clicked();
    void on_pushButton_NovoGrupo_clicked();
    void on_pushButton_RenomearGrupo_clicked();
    void on_pushButton_ApagarGrupo_clicked();
    void on_pushButton_AdicionarTarefas_clicked();
    void on_pushButton_RemoverTarefa_clicked();
    void on_pushButton_SalvarJornada_clicked();
    void on_pushButton_LaudoJornada_clicked();
    void on_pushButton_AdicionarJornadas_clicked();
    void on_pushButton_AdicionarMedidas_clicked();
    void on_pushButton_RemoverMembro_clicked();
    void on_pushButton_SalvarGrupo_clicked();
    void on_pushButton_LaudoGrupo_clicked();

private:
    enum class Tipo { Jornada, Grupo };
    QString pastaDe(Tipo tipo) const;
    QListWidget *listaDe(Tipo tipo) const;
    void escolher(Tipo tipo);
    // A new name asked for, checked; empty when cancelled or refused.
    QString pedirNome(Tipo tipo, const QString &atual);
    void criar(Tipo tipo);
    // The lists read again, `nome` chosen and shown.
    void mostrarNaLista(Tipo tipo, const QString &nome);
    void renomear(Tipo tipo);
    void apagar(Tipo tipo);
    // Asks whether to save the item being edited; false to stay on it.
    bool podeSair();
    bool salvar();

    void mostrarJornada();
    Jornada jornadaEditada() const;
    void calcularJornada();
    void mostrarGrupo();

    std::unique_ptr<Ui::PaginaJornadas> ui;
    QString raiz;
    Servicos servicos;
    QStackedWidget *pilha = nullptr;
    Jornada jornada;
    Grupo grupo;
    bool emEdicao = false; // a jornada or group is shown
    Tipo tipoAtual = Tipo::Jornada;
    bool modificado = false;
    bool preenchendo = false; // the widgets are being filled, not edited
    std::unique_ptr<QStandardItemModel> modeloNr;
    std::unique_ptr<QStandardItemModel> modeloUe;
};
