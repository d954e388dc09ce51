#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class Camarero;
}

namespace zw {

// The conversation with the waiter of the bar in scene 6: his card, the
// player's four lines and the waiter's answer in List1. The adventure screen
// is hidden while it is open; leaving asks for it back through salir().
class Camarero : public QWidget
{
    Q_OBJECT

public:
    explicit Camarero(QWidget *parent = nullptr);
    ~Camarero() override;

signals:
    // Emitted after the window has hidden itself: show the adventure screen.
    void salir();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void responder(const QStringList &lineas);

    std::unique_ptr<Ui::Camarero> ui;
};

} // namespace zw
