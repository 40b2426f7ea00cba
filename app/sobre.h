#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class sobre;
}

// The about dialog: the instrument, the standards it measures to, the
// maker and the version.
class sobre : public QDialog
{
    Q_OBJECT

public:
    explicit sobre(QWidget *parent = nullptr);
    ~sobre() override;

private:
    std::unique_ptr<Ui::sobre> ui;
};
