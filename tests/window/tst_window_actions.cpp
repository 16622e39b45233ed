// The window's plan tooltips, its context menu and shortcuts: Copy results,
// Save picture…, Print…, About Morvane and Help, with the dialogs answered by
// the test.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include "action_dialogs.h"
#include "capturing_reporter.h"
#include "guide_window.h"
#include "number_format_settings.h"
#include "window_actions.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kLightPlan =
    u"Shallow detector (165 mm) responds once 14.8 mm is applied: 1 h 30 min at 10 mm/h. "
    "Deep detector (335 mm): 30.1 mm, 3 h 1 min. "
    "The whole root zone (500 mm) is wetted by 25.0 mm: 2 h 30 min."_s;
// 11.55, 23.450000000000003 and 24.999999999999993 mm at 10 mm/h: 69.3,
// 140.7 and just under 150 minutes.
const QString kHeavyPlan =
    u"Shallow detector (165 mm) responds once 11.6 mm is applied: 1 h 10 min at 10 mm/h. "
    "Deep detector (335 mm): 23.5 mm, 2 h 21 min. "
    "The whole root zone (500 mm) is wetted by 25.0 mm: 2 h 30 min."_s;

// What Copy results gives for the default inputs.
const QString kDefaultReport = u"Sprinkler Application Rate (mm/h)\t10\n"
                               "Specify duration of irrigation (h)\t2.5\n"
                               "Active Root Zone (mm)\t500\n"
                               "Daily Crop Water Use(mm)\t5\n"
                               "Days Since Last irrigation\t5\n"
                               "Applied depth (mm)\t25\n"
                               "Soil water deficit (mm)\t25\n"
                               "Light soil storage\t29%\n"
                               "Light soil shallow detector depth (mm)\t165\n"
                               "Light soil deep detector depth (mm)\t335\n"
                               "Heavy soil storage\t50%\n"
                               "Light textured soil\t"_s +
                              kLightPlan + u"\nHeavy textured soil\t"_s + kHeavyPlan + u"\n"_s;

struct Box {
    QString caption;
    QString text;
};

class AnsweringDialogs : public ActionDialogs {
public:
    QString pictureFileName(QWidget*, const QString& proposedPath) override
    {
        proposedPaths.append(proposedPath);
        return pictureAnswer;
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        ++printDialogs;
        if (pdfAnswer.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfAnswer);
        return true;
    }
    void showFailure(QWidget*, const QString& caption, const QString& text) override
    {
        failures.append({caption, text});
    }
    void showAbout(QWidget*, const QString& caption, const QString& text) override
    {
        abouts.append({caption, text});
    }

    QString pictureAnswer;
    QString pdfAnswer;
    QStringList proposedPaths;
    int printDialogs = 0;
    QList<Box> failures;
    QList<Box> abouts;
};

Application& application() { return *Application::instance(); }

// A text of the C locale with the decimal separator the test runs with.
QString withSeparator(QString text)
{
    const QString separator = qEnvironmentVariable("EXPECTED_DECIMAL_SEPARATOR", u"."_s);
    return text.replace(QRegularExpression(u"(\\d)\\.(\\d)"_s), u"\\1"_s + separator + u"\\2"_s);
}

QImage loaded(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestWindowActions : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    AnsweringDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> folder_;

    WindowProbe probe() { return WindowProbe(*window_); }
    WindowActions& actions() { return *window_->findChild<WindowActions*>(u"windowActions"_s); }
    // The tooltip puts each sentence on a line of its own.
    QString tooltip(const char* chart)
    {
        return probe().control(chart)->toolTip().replace(u".\n"_s, u". "_s);
    }
    QString inFolder(const QString& name) { return folder_->filePath(name); }

private slots:
    void init()
    {
        reporter_.boxes.clear();
        dialogs_ = AnsweringDialogs();
        application().setErrorReporter(&reporter_);
        folder_ = std::make_unique<QTemporaryDir>();
        loadNumberFormatSettings();  // as the program starts
        window_ = std::make_unique<MainWindow>();
        actions().setDialogs(&dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        window_.reset();
        application().setErrorReporter(nullptr);
    }

    void tooltipsTellThePlanOfTheDefaultInputs()
    {
        QCOMPARE(probe().control("Chart1")->toolTip().count(u'\n'), 2);
        QCOMPARE(tooltip("Chart1"), withSeparator(kLightPlan));
        QCOMPARE(tooltip("Chart2"), withSeparator(kHeavyPlan));
    }

    void tooltipFollowsTheRootZone()
    {
        probe().type("Ltsdepth", u"299"_s);
        probe().pressRecalculate();
        QVERIFY(!tooltip("Chart1").contains(u"Deep detector"_s));
        QVERIFY(tooltip("Chart1").startsWith(u"Shallow detector (150 mm) responds once"_s));
        QVERIFY(tooltip("Chart1").contains(u"The whole root zone (299 mm)"_s));
    }

    void failedRunKeepsThePreviousTooltip()
    {
        probe().type("LtDIrrig", u"0"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(tooltip("Chart1"), kLightPlan);
        QCOMPARE(tooltip("Chart2"), kHeavyPlan);
    }

    void zeroRateHasNoRunTimes()
    {
        probe().type("AppRate", u"0"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 0);
        QVERIFY(tooltip("Chart1").endsWith(u"No run time at 0 mm/h."_s));
    }

    // The run succeeds, but its run times are beyond the double range.
    void planThatCannotBeToldClearsTheTooltips()
    {
        probe().type("AppRate", u"1e-310"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 0);
        QCOMPARE(probe().labelText("AppAmount"), u"0"_s);
        QCOMPARE(tooltip("Chart1"), QString());
        QCOMPARE(tooltip("Chart2"), QString());
    }

    void copyResultsOfTheDefaultInputs()
    {
        actions().copyResults();
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultReport);
    }

    void copyResultsListsTheWarningsShown()
    {
        probe().type("AppRate", u"100"_s);
        probe().type("LtDIrrig", u"10"_s);
        probe().pressRecalculate();
        actions().copyResults();
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY(report.contains(u"\nWarning\tToo much water removed from soil 1\n"_s));
        QVERIFY(report.contains(u"\nWarning\t24h is beyond 600 mm (light textured soil)\n"_s));
        QVERIFY(!report.contains(u"soil 2"_s));
        for (const QString& line : report.split(u'\n', Qt::SkipEmptyParts))
            QCOMPARE(line.count(u'\t'), 1);
    }

    void copyResultsLeavesOutTheHiddenDeepDetector()
    {
        probe().type("Ltsdepth", u"299"_s);
        probe().pressRecalculate();
        probe().type("Duration", u"2\t5"_s);  // a pasted tab stays inside its line
        actions().copyResults();
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY(report.contains(u"\nSpecify duration of irrigation (h)\t2 5\n"_s));
        QVERIFY(report.contains(u"\nLight soil shallow detector depth (mm)\t150\n"_s));
        QVERIFY(!report.contains(u"deep detector"_s));
    }

    void savePictureWritesTheWindowsOwnPicture()
    {
        dialogs_.pictureAnswer = inFolder(u"window.png"_s);
        actions().savePicture();
        QCOMPARE(dialogs_.failures.size(), 0);
        const QImage expected = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(loaded(dialogs_.pictureAnswer).size(), QSize(862, 628));
        QCOMPARE(loaded(dialogs_.pictureAnswer), expected);
    }

    void savePictureProposesTodaysName()
    {
        actions().savePicture();
        QCOMPARE(dialogs_.proposedPaths.size(), 1);
        QCOMPARE(dialogs_.proposedPaths[0],
                 WindowActions::proposedPicturePath(QDate::currentDate()));
        const QFileInfo proposed(WindowActions::proposedPicturePath(QDate(2026, 12, 8)));
        QCOMPARE(proposed.fileName(), u"morvane-2026-12-08.png"_s);
        QVERIFY(proposed.isAbsolute());
        QVERIFY(proposed.dir().exists());
    }

    void cancelledSaveWritesNothing()
    {
        actions().savePicture();
        QCOMPARE(dialogs_.failures.size(), 0);
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    void failedSaveSaysWhyAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("oldFileStays");
        QTest::newRow("missing folder") << u"missing/window.png"_s << false;
        QTest::newRow("a folder") << u"folder.png"_s << true;
    }
    void failedSaveSaysWhyAndKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, oldFileStays);
        QVERIFY(QDir(folder_->path()).mkdir(u"folder.png"_s));
        dialogs_.pictureAnswer = inFolder(name);
        actions().savePicture();
        QCOMPARE(dialogs_.failures.size(), 1);
        QCOMPARE(dialogs_.failures[0].caption, application().title());
        QVERIFY2(dialogs_.failures[0].text.startsWith(u"The picture could not be saved as "_s +
                                                      inFolder(name) + u": "_s),
                 qPrintable(dialogs_.failures[0].text));
        QCOMPARE(QFileInfo(inFolder(name)).isDir(), oldFileStays);
    }

    void printMakesOnePdfPage()
    {
        dialogs_.pdfAnswer = inFolder(u"window.pdf"_s);
        actions().print();
        QCOMPARE(dialogs_.printDialogs, 1);
        QCOMPARE(dialogs_.failures.size(), 0);
        QFile pdf(dialogs_.pdfAnswer);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        QVERIFY(content.startsWith("%PDF-"));
        QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
        QVERIFY(content.size() > 10000);  // the window's picture is in it
    }

    void cancelledPrintPrintsNothing()
    {
        actions().print();
        QCOMPARE(dialogs_.printDialogs, 1);
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    void aboutNamesVersionLicencesAndQt()
    {
        actions().showAbout();
        QCOMPARE(dialogs_.abouts.size(), 1);
        QCOMPARE(dialogs_.abouts[0].caption, u"About Morvane"_s);
        const QString text = dialogs_.abouts[0].text;
        QVERIFY(text.startsWith(u"Morvane " MORVANE_EXPECTED_VERSION "\n"_s));
        for (const QString& part : {u"MIT"_s, u"Liberation Sans"_s, u"font exception"_s,
                                    u"Qt "_s + QString::fromLatin1(qVersion())})
            QVERIFY2(text.contains(part), qPrintable(part));
    }

    // F1 opens the user's guide in a window of its own; F1 again, once the
    // main window has the keyboard back, raises that same window.
    void helpShowsTheUsersGuideInOneWindow()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(probe().control("Duration"), Qt::Key_F1);
        QCOMPARE(dialogs_.failures.size(), 0);
        const QList<GuideWindow*> guides = window_->findChildren<GuideWindow*>();
        QCOMPARE(guides.size(), 1);
        GuideWindow* guide = guides[0];
        QVERIFY(QTest::qWaitForWindowActive(guide));
        QCOMPARE(QFileInfo(guide->source().toLocalFile()).fileName(), u"guide.md"_s);
        QVERIFY(guide->toPlainText().startsWith(u"Morvane user's guide"_s));

        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(probe().control("Duration"), Qt::Key_F1);
        QCOMPARE(window_->findChildren<GuideWindow*>(), guides);
        QVERIFY(QTest::qWaitForWindowActive(guide));
    }

    void shortcutsReachTheActionsFromAnEditBox_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("actionName");
        QTest::newRow("Ctrl+Shift+C") << u"Ctrl+Shift+C"_s << u"copyResults"_s;
        QTest::newRow("Ctrl+S") << u"Ctrl+S"_s << u"savePicture"_s;
        QTest::newRow("Ctrl+P") << u"Ctrl+P"_s << u"print"_s;
        QTest::newRow("F1") << u"F1"_s << u"help"_s;
    }
    void shortcutsReachTheActionsFromAnEditBox()
    {
        QFETCH(QString, keys);
        QFETCH(QString, actionName);
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QAction* action = window_->findChild<QAction*>(actionName);
        QVERIFY(action != nullptr);
        int triggered = 0;
        connect(action, &QAction::triggered, this, [&triggered] { ++triggered; });
        QGuiApplication::clipboard()->clear();
        QWidget* edit = probe().control("Duration");
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence(keys));
        QCOMPARE(triggered, 1);
        QCOMPARE(dialogs_.proposedPaths.size(), actionName == u"savePicture"_s ? 1 : 0);
        QCOMPARE(dialogs_.printDialogs, actionName == u"print"_s ? 1 : 0);
        QCOMPARE(window_->findChildren<GuideWindow*>().size(), actionName == u"help"_s ? 1 : 0);
        QCOMPARE(QGuiApplication::clipboard()->text().isEmpty(), actionName != u"copyResults"_s);
    }

    void editBoxesKeepTheirOwnKeys()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        auto* edit = probe().control<QLineEdit>("Duration");
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence::SelectAll);
        QTest::keySequence(edit, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"2.5"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(dialogs_.proposedPaths.size() + dialogs_.printDialogs, 0);
    }

    void contextMenuOpensOutsideTheEditBoxes_data()
    {
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<bool>("windowMenu");
        QTest::newRow("result label") << u"LtSWD"_s << true;
        QTest::newRow("soil chart") << u"Chart1"_s << true;
        QTest::newRow("legend") << u"Image1"_s << true;
        QTest::newRow("edit box") << u"Ltsdepth"_s << false;
    }
    void contextMenuOpensOutsideTheEditBoxes()
    {
        QFETCH(QString, controlName);
        QFETCH(bool, windowMenu);
        QWidget* control = probe().control(qPrintable(controlName));
        QStringList entries;
        QTimer::singleShot(0, this, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            for (const QAction* action : menu->actions())
                entries.append(action->text());
            menu->close();
        });
        const QPoint inside(4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, control->mapToGlobal(inside));
        QApplication::sendEvent(control, &event);
        QTRY_VERIFY(!entries.isEmpty());  // an edit box opens its menu without waiting
        const QStringList ours = {u"Soils…"_s,       u"What the detectors showed…"_s,
                                  QString(),         u"Copy results"_s,
                                  u"Save picture…"_s, u"Print…"_s,
                                  QString(),         u"Help"_s,
                                  u"About Morvane"_s};
        QCOMPARE(entries == ours, windowMenu);
    }
};

MORVANE_APP_TEST_MAIN(TestWindowActions)
#include "tst_window_actions.moc"
