#include "app/sobre.h"

#include "ui_sobre.h"

sobre::sobre(const QString &pastaArmazem, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::sobre>())
{
    ui->setupUi(this);
    ui->label_Armazem->setText(tr("Medidas guardadas em:") + QLatin1Char('\n') + pastaArmazem);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

sobre::~sobre() = default;
