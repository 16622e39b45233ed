// The real error box as the user sees it: typed text shown as plain text
// and in its own order, long messages wrapped and on the screen, OK on
// Enter. The box is opened through the application's reporter and read
// while it is open.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>

#include "capturing_reporter.h"
#include "error_box.h"
#include "error_reporter.h"

using namespace morvane;

namespace {

const QString kNotValid = QStringLiteral("' is not a valid floating point value");
const QChar kFsi(0x2068), kPdi(0x2069), kRlo(0x202E), kLri(0x2066), kRle(0x202B);

QString conversionMessage(const QString& typed) { return "'" + typed + kNotValid + "."; }

QString withoutIsolates(QString text)
{
    text.remove(kFsi);
    text.remove(kPdi);
    return text;
}

// What was seen of one open box.
struct SeenBox {
    bool seen = false;
    QString caption;
    QString shownText;         // every visible text of the box, joined
    bool anyRichText = false;  // a visible label would render markup
    QRect frame;
    QRect screen;
    bool hasView = false;  // the message shows in a view that wraps and scrolls
    int firstParagraphLines = 0;
    bool wholeMessageReachable = false;
    bool scrolls = false;
    bool tailReadsLeftToRight = false;
};

// Whether the characters of the message's tail stand left to right on
// their lines, as laid out in the view.
bool tailReadsLeftToRight(const QTextEdit& view)
{
    const QString text = view.toPlainText();
    const qsizetype tail = text.lastIndexOf(kNotValid);
    if (tail < 0)
        return false;
    for (qsizetype pos = tail; pos + 1 < tail + kNotValid.size(); ++pos) {
        const QTextBlock block = view.document()->findBlock(int(pos));
        const int here = int(pos - block.position());
        const QTextLine line = block.layout()->lineForTextPosition(here);
        if (line.lineNumber() != block.layout()->lineForTextPosition(here + 1).lineNumber())
            continue;
        if (!(line.cursorToX(here) < line.cursorToX(here + 1)))
            return false;
    }
    return true;
}

SeenBox look(QWidget* box)
{
    SeenBox seen;
    seen.seen = true;
    seen.caption = box->windowTitle();
    seen.frame = box->frameGeometry();
    seen.screen = box->screen()->availableGeometry();
    QStringList texts;
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        texts << label->text();
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
            seen.anyRichText = true;
    }
    for (QTextEdit* view : box->findChildren<QTextEdit*>()) {
        if (!view->isVisible())
            continue;
        seen.hasView = true;
        seen.firstParagraphLines = view->document()->firstBlock().layout()->lineCount();
        texts << view->toPlainText();
        const QTextDocument* document = view->document();
        const QScrollBar* bar = view->verticalScrollBar();
        seen.scrolls = bar->isVisible() && bar->maximum() > 0;
        const bool fitsAcross = document->idealWidth() <= view->viewport()->width();
        const bool fitsDown = document->size().height() <= view->viewport()->height();
        seen.wholeMessageReachable = fitsAcross && (fitsDown || seen.scrolls);
        seen.tailReadsLeftToRight = tailReadsLeftToRight(*view);
    }
    seen.shownText = texts.join(QLatin1Char('\n'));
    return seen;
}

// Opens the real box with the text, looks at it while it is open and
// presses Enter. A box that Enter does not close is closed as the window
// manager would, and counted in stillOpenAfterEnter.
SeenBox showAndLook(const QString& text, bool* stillOpenAfterEnter = nullptr)
{
    SeenBox seen;
    bool stayedOpen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        if (seen.seen) {
            stayedOpen = true;
            box->close();
            return;
        }
        seen = look(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll.start(10);
    MessageBoxReporter().showErrorBox(QStringLiteral("Morvane"), text);
    if (stillOpenAfterEnter)
        *stillOpenAfterEnter = stayedOpen;
    return seen;
}

}  // namespace

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void displayedMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        const QString ordinary = conversionMessage(QStringLiteral("2.5"));
        QTest::newRow("left-to-right typed text") << ordinary << ordinary;
        QTest::newRow("markup is text") << conversionMessage("<b>x</b>")
                                        << conversionMessage("<b>x</b>");
        QTest::newRow("right-to-left override")
            << conversionMessage(QString("ab") + kRlo + "cd")
            << conversionMessage(kFsi + QString("ab") + kRlo + "cd" + kPdi);
        QTest::newRow("right-to-left letters")
            << conversionMessage(QString::fromUtf8("\u0661\u066B\u0665"))
            << conversionMessage(kFsi + QString::fromUtf8("\u0661\u066B\u0665") + kPdi);
        QTest::newRow("a stray pop-isolate cannot close ours")
            << conversionMessage(QString("a") + kPdi + kRlo + "b")
            << conversionMessage(QString(kFsi) + kFsi + "a" + kPdi + kRlo + "b" + kPdi);
        QTest::newRow("an isolate left open is closed")
            << conversionMessage(QString("a") + kLri + kRle + "b")
            << conversionMessage(kFsi + QString("a") + kLri + kRle + "b" + kPdi + kPdi);
        QTest::newRow("quotes inside the typed text")
            << conversionMessage(QString("it's") + kRlo + "'")
            << conversionMessage(kFsi + QString("it's") + kRlo + "'" + kPdi);
        QTest::newRow("empty typed text") << conversionMessage("") << conversionMessage("");
        QTest::newRow("application error, line ends")
            << QString("Exception EConvertError in module m at 00000010.\r\n'a") + kRlo +
                   "' is not a valid floating point value.\r\n"
            << QString("Exception EConvertError in module m at 00000010.\n'") + kFsi + "a" +
                   kRlo + kPdi + "' is not a valid floating point value.";
        QTest::newRow("no typed text") << QString("Odd ") + kRlo + "' is not a valid floating"
                                                                   " point value."
                                       << QString("Odd ") + kRlo + "' is not a valid floating"
                                                                   " point value.";
        QTest::newRow("other message") << QStringLiteral("Floating point division by zero.")
                                       << QStringLiteral("Floating point division by zero.");
    }
    void displayedMessage()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(morvane::displayedMessage(message), shown);
    }

    // Whatever was typed is shown character for character, never rendered.
    void typedTextIsShownAsPlainText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("bold") << QStringLiteral("<b>x</b>");
        QTest::newRow("picture") << QStringLiteral("<img src='/usr/share/pixmaps/debian-logo.png'>");
        QTest::newRow("entity") << QStringLiteral("&lt;1&amp;");
        QTest::newRow("html document") << QStringLiteral("<html><h1>big</h1></html>");
    }
    void typedTextIsShownAsPlainText()
    {
        QFETCH(QString, typed);
        const SeenBox seen = showAndLook(conversionMessage(typed));
        QVERIFY(seen.seen);
        QVERIFY(!seen.anyRichText);
        QVERIFY2(seen.shownText.contains(conversionMessage(typed)), qPrintable(seen.shownText));
    }

    void overrideInTypedTextDoesNotReverseTheMessage()
    {
        const QString message = conversionMessage(QString("12") + kRlo + "34");
        const SeenBox seen = showAndLook(message);
        QVERIFY(seen.hasView);
        QCOMPARE(withoutIsolates(seen.shownText), message);
        QVERIFY(seen.tailReadsLeftToRight);
    }

    // The whole message can be read on the screen: wrapped (inside long
    // runs too) into a column no wider than half the screen, scrolling
    // when it is taller than that.
    void longMessagesFitTheScreen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("300 characters in one run") << QString(300, QLatin1Char('7')) << false;
        QTest::newRow("300 characters in words") << QString("1234 ").repeated(60) << false;
        QTest::newRow("longest text an edit takes") << QString(32767, QLatin1Char('w')) << true;
    }
    void longMessagesFitTheScreen()
    {
        QFETCH(QString, typed);
        QFETCH(bool, scrolls);
        const SeenBox seen = showAndLook(conversionMessage(typed));
        QVERIFY(seen.hasView);
        QVERIFY2(seen.screen.contains(seen.frame),
                 qPrintable(QString("box %1x%2 at %3,%4")
                                .arg(seen.frame.width()).arg(seen.frame.height())
                                .arg(seen.frame.x()).arg(seen.frame.y())));
        QVERIFY(seen.frame.width() <= seen.screen.width() * 2 / 3);
        QVERIFY(seen.wholeMessageReachable);
        QCOMPARE(seen.scrolls, scrolls);
        QCOMPARE(seen.shownText, conversionMessage(typed));
    }

    void shortMessageKeepsItsOneLine()
    {
        bool stillOpen = true;
        const SeenBox seen = showAndLook(QStringLiteral("Floating point division by zero."),
                                         &stillOpen);
        QVERIFY(seen.hasView);
        QCOMPARE(seen.caption, QStringLiteral("Morvane"));
        QCOMPARE(seen.firstParagraphLines, 1);
        QVERIFY2(!stillOpen, "Enter did not press OK");
    }
};

MORVANE_APP_TEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
