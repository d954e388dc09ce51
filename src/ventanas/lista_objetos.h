// The inventory list, picked from by mouse and by keys.
#pragma once

#include <QListWidget>

namespace zw {

// Reports a pick when the player selects an entry with the mouse (the one
// already selected too) or moves the selection with the keys; Space or Enter
// picks the entry under the cursor, as a click on it would, and Control with
// the arrows, Home or End moves the cursor without picking. Filling the list,
// or the focus arriving, picks nothing, and the first arrow key after the
// focus arrives lands on the first entry. Without the focus no entry is
// current, so a reader never hears one as focused then.
class ListaObjetos : public QListWidget
{
    Q_OBJECT

public:
    explicit ListaObjetos(QWidget *parent = nullptr);

signals:
    void elegida(int fila);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    bool moverSinElegir(const QKeyEvent *e);
};

} // namespace zw
