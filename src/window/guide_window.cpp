#include "guide_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// Wide enough for the window's picture (862 pixels) beside the margins,
// and no larger than the screen.
constexpr QSize kPreferredSize(920, 700);

}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(u"guideWindow"_s);
    setWindowFlag(Qt::Window);
    setWindowTitle(u"Morvane user's guide"_s);
    setFont(windowFont(13));
    setOpenExternalLinks(true);
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    resize(kPreferredSize.boundedTo(screen->availableGeometry().size()));
}

bool GuideWindow::showGuide(const QString& path)
{
    const QFileInfo guide(path);
    if (!guide.isFile() || !guide.isReadable())
        return false;
    // A source of its own gives the relative picture names their folder.
    setSource(QUrl::fromLocalFile(guide.absoluteFilePath()), QTextDocument::MarkdownResource);
    return true;
}

}  // namespace morvane
