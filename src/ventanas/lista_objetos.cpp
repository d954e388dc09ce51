// The inventory list, picked from by mouse and by keys.
#include "lista_objetos.h"

#include "teclado.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zw {

ListaObjetos::ListaObjetos(QWidget *parent)
    : QListWidget(parent)
{
}

void ListaObjetos::mousePressEvent(QMouseEvent *e)
{
    QListWidget::mousePressEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    if (QListWidgetItem *entrada = itemAt(e->position().toPoint()))
        emit elegida(row(entrada));
}

void ListaObjetos::focusInEvent(QFocusEvent *e)
{
    // The list would make its first entry current as the focus arrives, so the
    // first arrow would go on to the second, and a reader would hear an entry
    // nobody chose; with nothing chosen yet, nothing is current.
    if (selectedItems().isEmpty()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
        return;
    }
    // Back on the entry chosen last, which the focus leaving made not current.
    selectionModel()->setCurrentIndex(selectionModel()->selectedIndexes().first(), QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(e);
}

// An entry that stays current reads as focused to a reader though the keys
// went elsewhere; the choice itself stays.
void ListaObjetos::focusOutEvent(QFocusEvent *e)
{
    QListWidget::focusOutEvent(e);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// Control with the arrows moves the cursor without choosing, so a keyboard
// player can reach any entry and pick only that one with Space.
bool ListaObjetos::moverSinElegir(const QKeyEvent *e)
{
    if (e->modifiers() != Qt::ControlModifier || count() == 0)
        return false;
    int fila = -1;
    switch (e->key()) {
    case Qt::Key_Up: fila = std::max(0, currentRow() - 1); break;
    case Qt::Key_Down: fila = currentRow() < 0 ? 0 : std::min(count() - 1, currentRow() + 1); break;
    case Qt::Key_Home: fila = 0; break;
    case Qt::Key_End: fila = count() - 1; break;
    default: return false;
    }
    selectionModel()->setCurrentIndex(model()->index(fila, 0), QItemSelectionModel::NoUpdate);
    return true;
}

void ListaObjetos::keyPressEvent(QKeyEvent *e)
{
    if (teclado::esPulsar(e)) {
        if (currentRow() >= 0) {
            setCurrentRow(currentRow());
            emit elegida(currentRow());
        }
        return;
    }
    if (moverSinElegir(e))
        return;
    const int antes = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != antes && currentRow() >= 0)
        emit elegida(currentRow());
}

} // namespace zw
