#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class charrar1;
}

namespace zw {

// The conversation with the creature of scene 2: the two character cards,
// the player's five lines and the creature's answer in List1. It tells story
// only and touches no game state.
class Charrar1 : public QWidget
{
    Q_OBJECT

public:
    explicit Charrar1(QWidget *parent = nullptr);
    ~Charrar1() override;

private:
    void quieneres_Click();
    void salgodeaqui_Click();
    void eresfeo_Click();
    void dondemanos_Click();
    void adios_Click();
    void responder(const QStringList &lineas);

    std::unique_ptr<Ui::charrar1> ui;
};

} // namespace zw
