// What the detectors showed, in the window: asked through "What the
// detectors showed…" (Ctrl+Shift+D) with the dialog answered by the test,
// the answer under the legend, read by screen readers and in Copy results,
// kept across Recalculate; and the window untouched without an answer.

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QRegularExpression>

#include <memory>

#include "action_dialogs.h"
#include "capturing_reporter.h"
#include "detector_answer_dialog.h"
#include "detector_answer_view.h"
#include "number_format_settings.h"
#include "window_actions.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// Answers the detectors' dialog with `answer` and keeps what it was asked.
class DetectorsAnswer : public StandardDialogs {
public:
    std::optional<DetectorsShowed> askDetectorsShowed(QWidget*, const DetectorQuestion& question) override
    {
        asked.append(question);
        return answer;
    }
    std::optional<DetectorsShowed> answer;
    QList<DetectorQuestion> asked;
};

constexpr auto up = FloatPosition::up;
constexpr auto down = FloatPosition::down;

// The default inputs, shallow UP and deep DOWN (tests/model/detector_answer_tests.cpp):
// light 17.31 to 55.76 mm, heavy 27.31 to 65.76 mm, 3.46 to 11.15 and
// 5.46 to 13.15 mm a day.
const QString kShowed = u"Shallow detector (165 mm) UP, deep detector (335 mm) DOWN."_s;
const QString kLightAnswer =
    u"Your detectors say the deficit before this irrigation was between 17.3 and 55.8 mm "
    "(you estimated 25 mm): the crop used 3.5 to 11.2 mm a day."_s;
const QString kHeavyAnswer =
    u"Your detectors say the deficit before this irrigation was between 27.3 and 65.8 mm "
    "(you estimated 25 mm, less than that): the crop used 5.5 to 13.2 mm a day."_s;

// A text of the C locale with the decimal separator the test runs with.
QString withSeparator(QString text)
{
    const QString separator = QChar::fromLatin1(numberFormatSettings().decimalSeparator);
    return text.replace(QRegularExpression(u"(\\d)\\.(\\d)"_s), u"\\1"_s + separator + u"\\2"_s);
}

}  // namespace

class TestDetectorAnswer : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    DetectorsAnswer dialogs_;
    std::unique_ptr<MainWindow> window_;

    WindowProbe probe() { return WindowProbe(*window_); }
    DetectorAnswerView* answerArea() { return probe().control<DetectorAnswerView>("detectorAnswer"); }
    QString copied()
    {
        window_->findChild<WindowActions*>(u"windowActions"_s)->copyResults();
        return QGuiApplication::clipboard()->text();
    }
    // Chooses the entry as the user does, from an edit box, with `answer`.
    void answerTheDialog(std::optional<DetectorsShowed> answer)
    {
        dialogs_.answer = answer;
        QWidget* edit = probe().control("Duration");
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence(u"Ctrl+Shift+D"_s));
    }

private slots:
    void init()
    {
        reporter_.boxes.clear();
        dialogs_ = DetectorsAnswer();
        Application::instance()->setErrorReporter(&reporter_);
        loadNumberFormatSettings();
        window_ = std::make_unique<MainWindow>();
        window_->findChild<WindowActions*>(u"windowActions"_s)->setDialogs(&dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void answerIsShownReadAndCopiedUntilCleared()
    {
        // Where the answer shows: the legend's empty lower part (the edit boxes'
        // blinking cursor would make a grab of the whole window differ).
        const QRect under(424, 405, 304, 223);
        const QImage without = window_->grab(under).toImage();
        const QString reportWithout = copied();

        answerTheDialog(DetectorsShowed{up, down});
        QCOMPARE(dialogs_.asked.size(), 1);
        QCOMPARE(dialogs_.asked[0].shallowDepthText, u"165"_s);
        QCOMPARE(dialogs_.asked[0].deepDepthText, std::optional(u"335"_s));
        QCOMPARE(dialogs_.asked[0].current, DetectorsShowed{});
        QVERIFY(answerArea()->isVisible());
        QCOMPARE(answerArea()->accessibleName(), u"What the detectors showed"_s);
        QCOMPARE(answerArea()->accessibleDescription(),
                 u"What the detectors showed: "_s + kShowed + u" Light textured soil: "_s +
                     withSeparator(kLightAnswer) + u" Heavy textured soil: "_s +
                     withSeparator(kHeavyAnswer));
        QCOMPARE(copied(), reportWithout + u"What the detectors showed\t"_s + kShowed +
                               u"\nLight textured soil, detectors' answer\t"_s +
                               withSeparator(kLightAnswer) +
                               u"\nHeavy textured soil, detectors' answer\t"_s +
                               withSeparator(kHeavyAnswer) + u"\n"_s);
        // Under the legend's frame, within the window, its whole text shown.
        QVERIFY(under.contains(answerArea()->geometry()));
        QVERIFY(window_->grab(under).toImage() != without);

        // Asked again, the dialog opens on the choices made; "Not checked" clears the answer.
        answerTheDialog(DetectorsShowed{});
        QCOMPARE(dialogs_.asked.last().current, (DetectorsShowed{up, down}));
        QVERIFY(answerArea()->isHidden());
        QCOMPARE(copied(), reportWithout);
        QCOMPARE(window_->grab(under).toImage(), without);
    }

    void answerFollowsTheNextGoodRun()
    {
        answerTheDialog(DetectorsShowed{up, down});
        answerTheDialog(std::nullopt);  // Cancel changes nothing
        QCOMPARE(dialogs_.asked.size(), 2);
        // Three days: an estimate of 15 mm, below both soils' ranges.
        probe().type("LtDIrrig", u"3"_s);
        probe().pressRecalculate();
        QVERIFY(copied().contains(u"(you estimated 15 mm, less than that): the crop used "_s +
                                  withSeparator(u"5.8 to 18.6 mm a day."_s)));
        // A run that fails leaves the last good run's answer.
        const QString before = answerArea()->accessibleDescription();
        probe().type("LtDIrrig", u"0"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(answerArea()->accessibleDescription(), before);
        // Root zone 299: no deep detector to ask about, and its DOWN no longer counts.
        probe().type("LtDIrrig", u"5"_s);
        probe().type("Ltsdepth", u"299"_s);
        probe().pressRecalculate();
        answerTheDialog(DetectorsShowed{std::nullopt, down});
        QCOMPARE(dialogs_.asked.last().shallowDepthText, u"150"_s);
        QCOMPARE(dialogs_.asked.last().deepDepthText, std::nullopt);
        QVERIFY(answerArea()->isHidden());
    }

    void dialogShowsTheDetectorsAndKeepsAHiddenOnesChoice()
    {
        DetectorAnswerDialog dialog(window_.get(), {u"150"_s, std::nullopt, {up, down}});
        using Detector = DetectorAnswerDialog::Detector;
        QVERIFY(dialog.choice(Detector::shallow, up)->isChecked());
        QCOMPARE(dialog.choice(Detector::deep, down), nullptr);
        QCOMPARE(dialog.findChild<QWidget*>(u"shallowShowed"_s)->property("title").toString(),
                 u"Shallow detector (150 mm)"_s);
        dialog.choice(Detector::shallow, std::nullopt)->click();
        QCOMPARE(dialog.showed(), (DetectorsShowed{std::nullopt, down}));
    }
};

MORVANE_APP_TEST_MAIN(TestDetectorAnswer)
#include "tst_detector_answer.moc"
