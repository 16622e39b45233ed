#include "error_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QStringView>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <memory>

namespace morvane {
namespace {

// The widest text column, in pixels, on a screen wide enough for it.
constexpr int kWidestText = 480;

const QChar kFirstStrongIsolate(0x2068);
const QChar kPopDirectionalIsolate(0x2069);

bool isIsolateInitiator(QChar c)
{
    return c.direction() == QChar::DirLRI || c.direction() == QChar::DirRLI ||
           c.direction() == QChar::DirFSI;
}

// Whether the text holds a character that can change the visual order of
// what follows it: a right-to-left letter, an Arabic digit or an explicit
// bidirectional control.
bool canReorder(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirR: case QChar::DirAL: case QChar::DirAN:
        case QChar::DirLRE: case QChar::DirLRO: case QChar::DirRLE: case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI: case QChar::DirRLI: case QChar::DirFSI: case QChar::DirPDI:
            return true;
        default:
            return false;
        }
    });
}

// The text inside an isolate of its own. A pop-isolate in the text that
// closes nothing of the text's own would close ours early, so each gets an
// initiator of its own in front; every isolate the text leaves open is
// closed before ours. Closing our isolate also ends every embedding and
// override the text opened.
QString isolated(QStringView text)
{
    int open = 0;
    int strayPops = 0;
    for (QChar c : text) {
        if (isIsolateInitiator(c))
            ++open;
        else if (c.direction() == QChar::DirPDI)
            open > 0 ? --open : ++strayPops;
    }
    return QString(strayPops + 1, kFirstStrongIsolate) + text.toString() +
           QString(open + 1, kPopDirectionalIsolate);
}

}  // namespace

QString displayedMessage(const QString& message)
{
    QString shown = message;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);

    // The typed text stands between a quote at the start of a line and the
    // last "' is not a valid ..."; it may itself hold quotes.
    static const QString tail = QStringLiteral("' is not a valid floating point value");
    const qsizetype tailStart = shown.lastIndexOf(tail);
    if (tailStart < 0)
        return shown;
    const qsizetype lineStart = shown.lastIndexOf(QLatin1Char('\n'), tailStart) + 1;
    if (lineStart == tailStart || shown.at(lineStart) != QLatin1Char('\''))
        return shown;
    const QStringView typed = QStringView(shown).sliced(lineStart + 1, tailStart - lineStart - 1);
    if (!canReorder(typed))
        return shown;
    return shown.left(lineStart + 1) + isolated(typed) + shown.mid(tailStart);
}

ErrorBox::ErrorBox(const QString& caption, const QString& message, QWidget* parent)
    : QMessageBox(QMessageBox::Critical, caption, message, QMessageBox::Ok, parent)
{
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);

    // The box's own label cannot break inside a long word nor scroll, and
    // sizes the box to the longest one: the message goes into a view that
    // does both, in the label's place and font.
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!label || !grid)
        return;
    messageView_ = new QTextEdit(this);
    messageView_->setObjectName(QStringLiteral("errorMessage"));
    messageView_->setFont(label->font());
    messageView_->setReadOnly(true);
    messageView_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageView_->setFocusPolicy(Qt::NoFocus);  // Enter and Space keep pressing OK
    messageView_->setFrameShape(QFrame::NoFrame);
    messageView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageView_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    messageView_->viewport()->setAutoFillBackground(false);
    QPalette palette = messageView_->palette();
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    messageView_->setPalette(palette);
    messageView_->document()->setDocumentMargin(0);
    messageView_->setPlainText(displayedMessage(message));
    label->hide();
    grid->addWidget(messageView_, 0, 1, Qt::AlignTop);
    fitMessageView();
}

// The view takes the width of the message's longest line, up to a column
// that fits the screen, and the height of the wrapped message, up to half
// the screen; beyond that it scrolls.
void ErrorBox::fitMessageView()
{
    const QRect available = (parentWidget() ? parentWidget() : this)->screen()->availableGeometry();
    const int widest = std::min(kWidestText, available.width() / 2);
    const int tallest = available.height() / 2;

    // Measured on a copy: the view's own document is laid out to the view's
    // present width.
    const std::unique_ptr<QTextDocument> measure(messageView_->document()->clone());
    measure->setTextWidth(-1);
    const int width = std::min(widest, int(std::ceil(measure->idealWidth())) + 1);
    measure->setTextWidth(width);
    const int height = int(std::ceil(measure->size().height()));
    if (height <= tallest) {
        messageView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        messageView_->setFixedSize(width, height);
        return;
    }
    messageView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageView_->setFixedSize(width + messageView_->verticalScrollBar()->sizeHint().width(),
                               tallest);
}

}  // namespace morvane
