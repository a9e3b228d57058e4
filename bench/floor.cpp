// The yardstick for start-up: plain Qt widgets in the trainer's shape and
// title. The strip holds a menu bar, a tab bar with eleven tabs and two progress
// bars; a second, empty window lies below it. No pictures, no painting of its
// own. Quits when the strip is closed.
#include <QApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget strip;
    strip.setWindowTitle(QStringLiteral("Prozentrechnung"));
    auto* layout = new QVBoxLayout(&strip);
    auto* menu = new QMenuBar(&strip);
    menu->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"));
    layout->setMenuBar(menu);
    auto* tabs = new QTabBar(&strip);
    for (int i = 0; i < 11; ++i)
        tabs->addTab(QStringLiteral("Tab %1").arg(i));
    layout->addWidget(new QProgressBar(&strip));
    layout->addWidget(new QProgressBar(&strip));
    layout->addWidget(tabs);
    strip.setGeometry(0, 0, 800, 102);
    QWidget below;
    below.setWindowTitle(QStringLiteral("Aufgabe"));
    below.setGeometry(0, 102, 800, 468);
    strip.show();
    below.show();
    return app.exec();
}
