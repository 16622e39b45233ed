// The minimal window with one line of text in it: the price of any text
// (the font database and a first font) without the rest of Morvane's window.
// A second yardstick for bench/startup_cost.sh.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text"));
    window.setFixedSize(862, 628);
    auto* label = new QLabel(QStringLiteral("Light textured soil"), &window);
    label->move(80, 176);
    window.show();
    return application.exec();
}
