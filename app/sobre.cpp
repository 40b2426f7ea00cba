#include "app/sobre.h"

#include "ui_sobre.h"

sobre::sobre(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::sobre>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

sobre::~sobre() = default;
