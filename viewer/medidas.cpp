#include "viewer/medidas.h"

#include "ui_medidas.h"

#include <QStackedWidget>

Medidas::Medidas(const QString &diretorio, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Medidas>())
    , diretorioQT(diretorio)
{
    ui->setupUi(this);
}

Medidas::~Medidas() = default;

void Medidas::setStackedWidget(QStackedWidget *p)
{
    pilha = p;
}

void Medidas::on_voltarMenu_clicked()
{
    if (pilha)
        pilha->setCurrentIndex(0);
}
