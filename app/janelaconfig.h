#pragma once

#include "data/acessararquivo.h"

#include <QDialog>

#include <memory>

namespace Ui {
class JanelaConfig;
}
class Perguntador;
class QComboBox;
class QDoubleSpinBox;
class QSlider;

// Edits the instrument's configuration file in place: sampling period,
// programmed time, and weighting, factor and sensitivity of each axis of
// both sensors. `completo` picks the long key set ("Crv_vib.cfg") or the
// short one ("KT9400.cfg").
class JanelaConfig : public QDialog
{
    Q_OBJECT

public:
    JanelaConfig(QWidget *parent, const QString &caminho, bool completo, Perguntador &perguntador);
    ~JanelaConfig() override;

private slots:
    void on_pushButton_Salvar_clicked();
    void updateSpin_Sensib_x_mao(int posicao);
    void updateSlider_Sensib_x_mao(double valor);
    void updateSpin_Sensib_y_mao(int posicao);
    void updateSlider_Sensib_y_mao(double valor);
    void updateSpin_Sensib_z_mao(int posicao);
    void updateSlider_Sensib_z_mao(double valor);
    void updateSpin_Sensib_x_corpo(int posicao);
    void updateSlider_Sensib_x_corpo(double valor);
    void updateSpin_Sensib_y_corpo(int posicao);
    void updateSlider_Sensib_y_corpo(double valor);
    void updateSpin_Sensib_z_corpo(int posicao);
    void updateSlider_Sensib_z_corpo(double valor);

private:
    // One axis of one sensor: its widgets and its three fields.
    struct Eixo {
        QComboBox *ponderacao;
        QComboBox *fator;
        QSlider *slider;
        QDoubleSpinBox *sensibilidade;
        QString (AcessarArquivo::*getPonderacao)() const;
        void (AcessarArquivo::*setPonderacao)(const QString &);
        QString (AcessarArquivo::*getFator)() const;
        void (AcessarArquivo::*setFator)(const QString &);
        QString (AcessarArquivo::*getSensibilidade)() const;
        void (AcessarArquivo::*setSensibilidade)(const QString &);
    };

    void carregar();
    QStringList codigosTempo() const;
    QStringList codigosPeriodo() const;

    std::unique_ptr<Ui::JanelaConfig> ui;
    AcessarArquivo acessarArquivo;
    const QString caminho;
    const bool completo;
    Perguntador &perguntador;
    QVector<Eixo> eixos; // x, y, z of the hand-arm sensor, then of the whole-body sensor
};
