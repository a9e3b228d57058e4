// The yardstick for start-up: a plain Qt Widgets window of the strip's shape and
// title, with nothing in it. Quits when it is closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Prozentrechnung"));
    window.setGeometry(0, 0, 800, 102);
    window.show();
    return app.exec();
}
