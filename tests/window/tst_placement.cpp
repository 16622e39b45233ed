// Where the window opens: centred in the screen's available area, its
// frame's top-left corner never off the screen. Run on a 1024 x 600 screen.

#include <QGuiApplication>
#include <QScreen>

#include "capturing_reporter.h"
#include "startup.h"
#include "window_probe.h"

using namespace morvane;

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void framePositionIsCentredAndOnTheArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room all round") << QRect(0, 0, 1280, 1024) << QSize(841, 628)
                                        << QPoint(219, 198);
        QTest::newRow("too short") << QRect(0, 0, 1024, 600) << QSize(841, 628) << QPoint(91, 0);
        QTest::newRow("panel above") << QRect(0, 32, 1024, 568) << QSize(841, 628)
                                     << QPoint(91, 32);
        QTest::newRow("panel at the left, too narrow")
            << QRect(48, 0, 752, 600) << QSize(841, 500) << QPoint(48, 50);
        QTest::newRow("second screen") << QRect(1920, 0, 1024, 768) << QSize(824, 568)
                                       << QPoint(2020, 100);
    }
    void framePositionIsCentredAndOnTheArea()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        QFETCH(QPoint, expected);
        QCOMPARE(centredFramePosition(available, frame), expected);
    }

    void windowOpensOnTheSmallScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(available.size(), QSize(1024, 600));
        CapturingReporter reporter;
        Application::instance()->setErrorReporter(&reporter);
        {
            MainWindow window;
            showCentred(window);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QRect frame = window.frameGeometry();
            // Taller than the screen: the title bar stays on it.
            QVERIFY(frame.height() > available.height());
            QCOMPARE(frame.top(), available.top());
            QCOMPARE(frame.left() - available.left(), available.right() - frame.right());
        }
        Application::instance()->setErrorReporter(nullptr);
        QVERIFY(reporter.boxes.isEmpty());
    }
};

MORVANE_APP_TEST_MAIN(TestPlacement)
#include "tst_placement.moc"
