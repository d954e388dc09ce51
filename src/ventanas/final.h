// The ending window.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Final;
}

namespace zw {

// The ending window shown at the win: the end of the story and one button
// that ends the program.
class Final : public QWidget
{
    Q_OBJECT

public:
    explicit Final(QWidget *parent = nullptr);
    ~Final() override;

signals:
    // "FINAL": the program ends.
    void salir();

private:

    std::unique_ptr<Ui::Final> ui;
};

} // namespace zw
