// The smallest Qt Widgets program with a window the size of Morvane's main
// window: the yardstick that bench/startup_cost.sh measures Morvane's
// start-up against.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(862, 628);
    window.show();
    return application.exec();
}
