#pragma once

#include <QWidget>

#include "ui_acerca.h"

namespace zw {

// The maker's credits; "Volver" only hides it.
class Acerca : public QWidget
{
    Q_OBJECT

public:
    explicit Acerca(QWidget *parent = nullptr);

private:
    Ui::Acerca ui;
};

} // namespace zw
