// The yardstick of the start-up timings (scripts/medir.sh): a bare Qt program
// with one main window, a menu bar and a 103 × 161 picture, as light as a Qt
// window gets.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Ventana sola"));
    ventana.menuBar()->addMenu(QStringLiteral("&Juego"))->addAction(QStringLiteral("J&ugar"));
    ventana.menuBar()->addMenu(QStringLiteral("&Partida"))->addAction(QStringLiteral("&Cargar partida"));
    QPixmap dibujo(103, 161);
    dibujo.fill(Qt::white);
    QPainter pintor(&dibujo);
    pintor.setBrush(QColor(200, 120, 60));
    pintor.drawEllipse(10, 10, 83, 141);
    pintor.end();
    auto *imagen = new QLabel;
    imagen->setPixmap(dibujo);
    ventana.setCentralWidget(imagen);
    ventana.show();
    return app.exec();
}
