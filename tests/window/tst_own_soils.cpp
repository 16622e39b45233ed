// Soils of one's own in the window: chosen through Soils… (Ctrl+L), kept in
// the settings across a restart, a stored soil that is no longer valid, the
// captions above the charts, and the Soils dialog's fields.

#include <QLabel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <memory>

#include "capturing_reporter.h"
#include "action_dialogs.h"
#include "number_format_settings.h"
#include "soil_settings.h"
#include "soil_slot_editor.h"
#include "soils_dialog.h"
#include "text_label.h"
#include "window_actions.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// Answers the Soils dialog with `answer`; other dialogs are the real ones.
class SoilAnswer : public StandardDialogs {
public:
    std::optional<WindowSoils> chooseSoils(QWidget*, const WindowSoils& current) override
    {
        opened.append(current);
        return answer;
    }
    std::optional<WindowSoils> answer;
    QList<WindowSoils> opened;
};

OwnSoil ownSoil(const QString& name, SoilRecord record, const QStringList& texts)
{
    return {name, {texts[0], texts[1], texts[2], texts[3]}, record};
}

// The light slot's soil worked by hand with the default inputs: θi 0.15,
// detection depth 25 / 0.08 = 312.5, total 50.0, storage 50%; the shallow
// detector (165 mm) needs 165 x 0.08 = 13.2 mm, the deep one (335 mm) 26.8 mm.
const OwnSoil kLoam =
    ownSoil(u"Loam, north block"_s, {0.2, 0.1, 0.23, 0.3}, {u"0.2"_s, u"0.1"_s, u"0.23"_s, u"0.3"_s});

QSettings userSettings()
{
    return QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
}

Application& application() { return *Application::instance(); }

}  // namespace

class TestOwnSoils : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    SoilAnswer dialogs_;
    std::unique_ptr<MainWindow> window_;

    WindowProbe probe() { return WindowProbe(*window_); }
    void start()
    {
        window_ = std::make_unique<MainWindow>();
        window_->findChild<WindowActions*>(u"windowActions"_s)->setDialogs(&dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    // Chooses the soils as the user does: Ctrl+L from an edit box, then OK.
    void choose(const WindowSoils& soils)
    {
        dialogs_.answer = soils;
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QWidget* edit = probe().control("Duration");
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence(u"Ctrl+L"_s));
        QVERIFY(!dialogs_.opened.isEmpty());
    }
    TextLabel* caption(const char* name) { return probe().control<TextLabel>(name); }

private slots:
    void init()
    {
        reporter_.boxes.clear();
        dialogs_ = SoilAnswer();
        application().setErrorReporter(&reporter_);
        userSettings().clear();
        loadNumberFormatSettings();
    }
    void cleanup()
    {
        window_.reset();
        application().setErrorReporter(nullptr);
    }

    void ownSoilSurvivesARestart()
    {
        start();
        choose({kLoam, std::nullopt});
        QCOMPARE(window_->soils().light->name, kLoam.name);
        window_.reset();

        start();
        QVERIFY(reporter_.boxes.isEmpty());
        QCOMPARE(window_->soils().light->record, kLoam.record);
        QVERIFY(!window_->soils().heavy);
        QCOMPARE(caption("Label6")->text(), u"Loam, north block"_s);
        QCOMPARE(caption("Label7")->text(), u"Heavy textured soil"_s);
        QCOMPARE(probe().labelText("LtTAW"), u"50.0"_s);
        QCOMPARE(probe().labelText("LtSTO"), u"50%"_s);
        QCOMPARE(probe().labelText("Hv1STO"), u"50%"_s);
        // The chart, its description, its tooltip and Copy results follow the soil.
        QWidget* chart = probe().control("Chart1");
        QCOMPARE(chart->accessibleName(), u"Loam, north block"_s);
        QCOMPARE(chart->accessibleDescription(),
                 u"Loam, north block: 25 mm applied; the soil is wetted enough for a detector to "
                 "respond down to 313 mm; shallow detector at 165 mm responds; deep detector at "
                 "335 mm does not respond; the wetting front is at 400 mm after 24 hours; root "
                 "zone 500 mm."_s);
        QVERIFY2(chart->toolTip().startsWith(u"Shallow detector (165 mm) responds once 13.2 mm"_s),
                 qPrintable(chart->toolTip()));
        window_->findChild<WindowActions*>(u"windowActions"_s)->copyResults();
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            u"\nLoam, north block\tOwn soil in the light slot: field capacity 0.2, wilting point "
            "0.1, detection water content 0.23, upper water content 0.3 (m³/m³)\n"_s));

        // Back to the built-in soils: the captions and charts as they always
        // were (below the edit boxes, which hold the focus), and nothing stored.
        choose(WindowSoils{});
        const QRect profiles(0, 176, 862, 452);
        const QImage returned = window_->grab(profiles).toImage();
        window_.reset();
        QVERIFY(userSettings().childGroups().isEmpty());
        start();
        QCOMPARE(caption("Label6")->text(), u"Light textured soil"_s);
        QCOMPARE(window_->grab(profiles).toImage(), returned);
    }

    void storedSoilThatIsNoLongerValidIsNotUsed()
    {
        QSettings settings = userSettings();
        settings.setValue(u"lightSoil/name"_s, u"Sand"_s);
        settings.setValue(u"lightSoil/values"_s, u"0.14:0.15:0.18:0.25"_s);
        settings.setValue(u"heavySoil/name"_s, u"Clay\tbed"_s);
        settings.setValue(u"heavySoil/values"_s, u"0.36:0.2:0.4:0.45"_s);
        settings.sync();
        start();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].text,
                 u"The soil stored for the light slot is not used: the wilting point must be below "
                 "the field capacity (0.15 is not below 0.14). The soil stored for the heavy slot is "
                 "not used: the name cannot hold a control character such as a tab or a line break."_s);
        QVERIFY(!window_->soils().light && !window_->soils().heavy);
        QCOMPARE(caption("Label6")->text(), u"Light textured soil"_s);
        QCOMPARE(probe().labelText("LtSTO"), u"29%"_s);
        window_.reset();
        start();  // told once: the entries are gone
        QCOMPARE(reporter_.boxes.size(), 1);
    }

    // A caption never cuts its name and never meets the other one.
    void captionsShowTheWholeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("named") << u"Loam, north block"_s << u"Loam, north block"_s;
        QTest::newRow("unnamed") << QString() << QString();
        QTest::newRow("24 wide letters") << QString(24, u'W') << QString(24, u'W');
        QTest::newRow("24 at signs") << QString(24, u'@') << QString(24, u'@');
    }
    void captionsShowTheWholeName()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        start();
        choose({ownSoil(name, {0.2, 0.1, 0.23, 0.3}, {u"0.2"_s, u"0.1"_s, u"0.23"_s, u"0.3"_s}),
                ownSoil(name, {0.36, 0.2, 0.4, 0.45}, {u"0.36"_s, u"0.2"_s, u"0.4"_s, u"0.45"_s})});
        const QRect light = caption("Label6")->geometry(), heavy = caption("Label7")->geometry();
        QCOMPARE(caption("Label6")->text(), shown.isEmpty() ? u"Light slot: own soil"_s : shown);
        QCOMPARE(caption("Label7")->text(), shown.isEmpty() ? u"Heavy slot: own soil"_s : shown);
        for (TextLabel* label : {caption("Label6"), caption("Label7")}) {
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
            QVERIFY(label->font().pixelSize() >= 8);
        }
        QVERIFY(light.left() >= 8);
        QVERIFY(light.right() < heavy.left());
        QVERIFY(heavy.right() < probe().control("Image2")->geometry().left());
        QVERIFY(light.bottom() < probe().control("Chart1")->geometry().top());
    }

    void dialogTellsEachProblemInPlace_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("built-in") << 0 << u"0.14"_s << QString();
        QTest::newRow("not a number") << 1 << u"0,07"_s
                                      << u"The wilting point '0,07' is not a number."_s;
        QTest::newRow("empty") << 2 << QString() << u"The detection water content is missing."_s;
        QTest::newRow("rule") << 1 << u"0.15"_s
                              << u"The wilting point must be below the field capacity (0.15 is not "
                                 "below 0.14)."_s;
    }
    void dialogTellsEachProblemInPlace()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        SoilsDialog dialog(nullptr, {});
        SoilSlotEditor* light = dialog.editor(SoilSlot::light);
        QLineEdit* edit = light->valueEdit(static_cast<SoilValue>(value));
        QCOMPARE(light->valueEdit(SoilValue::fieldCapacity)->text(), u"0.14"_s);
        QCOMPARE(dialog.editor(SoilSlot::heavy)->valueEdit(SoilValue::upperContent)->text(), u"0.38"_s);
        edit->setText(text);
        QCOMPARE(dialog.okButton()->isEnabled(), problem.isEmpty());
        QCOMPARE(edit->accessibleDescription() == problem, !problem.isEmpty());
        QList<QLabel*> shown;
        for (QLabel* label : light->findChildren<QLabel*>())
            if (!label->isHidden() && label->text() == problem)
                shown.append(label);
        QCOMPARE(shown.size(), problem.isEmpty() ? 0 : 1);
        // The built-in values, however typed, and no name are the built-in soil.
        dialog.builtInButton()->click();
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(!dialog.soils().light && !dialog.soils().heavy);
        light->nameEdit()->setText(u"  Sand  "_s);
        QCOMPARE(dialog.soils().light->name, u"Sand"_s);
        QCOMPARE(dialog.soils().light->record, kLightSoil);
    }
};

MORVANE_APP_TEST_MAIN(TestOwnSoils)
#include "tst_own_soils.moc"
