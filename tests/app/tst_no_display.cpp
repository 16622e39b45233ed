// The real program started where there is no display to open: one line on
// standard error naming the display, exit code 1, no crash.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestNoDisplay : public QObject {
    Q_OBJECT

private:
    // An X display number that no server on this machine holds, above the
    // ones that virtual displays started beside this test take (99 on).
    static QString unusedDisplay()
    {
        for (int n = 180; n < 400; ++n)
            if (!QFile::exists(QString("/tmp/.X%1-lock").arg(n)) &&
                !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
                return QString(":%1").arg(n);
        return QString();
    }

private slots:
    void endsWithOneLineAndExitCodeOne_data()
    {
        QTest::addColumn<QString>("display");  // empty: no DISPLAY variable
        QTest::addColumn<QString>("expected");
        const QString display = unusedDisplay();
        QVERIFY(!display.isEmpty());
        QTest::newRow("display not there")
            << display << QString("morvane: cannot open display \"%1\"\n").arg(display);
        QTest::newRow("no DISPLAY variable")
            << QString() << QStringLiteral("morvane: cannot open a display: DISPLAY is not set\n");
    }
    void endsWithOneLineAndExitCodeOne()
    {
        QFETCH(QString, display);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                 "DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MORVANE_PROGRAM), {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), expected);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "tst_no_display.moc"
