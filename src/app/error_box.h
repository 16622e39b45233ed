#pragma once
// The error box: a message box with the stop icon, one OK button, modal over
// the whole application, captioned with the title it is given.
//
// The message is shown as plain text, exactly as given: markup such as
// "<b>x</b>" shows its angle brackets. It is wrapped at word boundaries and,
// inside a run longer than a line, anywhere; the box is never wider than
// half the screen, and a message taller than half the screen scrolls.
// text() is the message as given.

#include <QMessageBox>
#include <QString>

class QTextEdit;

namespace morvane {

class ErrorBox : public QMessageBox {
    Q_OBJECT

public:
    ErrorBox(const QString& caption, const QString& message, QWidget* parent = nullptr);

private:
    void fitMessageView();

    QTextEdit* messageView_ = nullptr;
};

// The message as the box shows it. A conversion failure's message quotes the
// text the user typed ("'%s' is not a valid floating point value"); when
// that text holds right-to-left letters or bidirectional controls it is
// isolated (FSI ... PDI) so that it cannot reorder the rest of the message.
// Line ends become "\n" and a final line end goes. Other messages, and
// messages whose typed text is plain left-to-right, keep their characters.
//   "'a\u202Eb' is not a valid floating point value."
//     -> "'\u2068a\u202Eb\u2069' is not a valid floating point value."
//   "'abc' is not a valid floating point value." -> unchanged
//   "Exception E in module m at 00000000.\r\nBad.\r\n"
//     -> "Exception E in module m at 00000000.\nBad."
QString displayedMessage(const QString& message);

}  // namespace morvane
