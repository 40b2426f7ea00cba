#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class sobre;
}

// The about dialog: the instrument, the standards it measures to, the
// maker, the version and the folder of the measurements.
class sobre : public QDialog
{
    Q_OBJECT

public:
    explicit sobre(const QString &pastaArmazem, QWidget *parent = nullptr);
    ~sobre() override;

private:
    std::unique_ptr<Ui::sobre> ui;
};
