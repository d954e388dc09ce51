// The about window.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Acerca;
}

namespace zw {

// The maker's credits; "Volver" only hides it.
class Acerca : public QWidget
{
    Q_OBJECT

public:
    explicit Acerca(QWidget *parent = nullptr);
    ~Acerca() override;

private:
    std::unique_ptr<Ui::Acerca> ui;
};

} // namespace zw
