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

private:
    void Command1_Click();

    std::unique_ptr<Ui::Final> ui;
};

} // namespace zw
