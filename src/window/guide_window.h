#pragma once
// The user's guide in a window of its own: the Markdown file at a path,
// with its pictures, which lie beside it and are named relative to it
// (docs/guide.md and docs/guide-window.png in the source tree,
// share/doc/morvane/guide.md and share/doc/morvane/guide-window.png when
// installed). Links to web pages open in the desktop's browser.

#include <QTextBrowser>

namespace morvane {

class GuideWindow : public QTextBrowser {
    Q_OBJECT

public:
    // A window of `parent`'s, closed with it.
    explicit GuideWindow(QWidget* parent);

    // Shows the guide at `path`; false, showing nothing new, when the file
    // cannot be read.
    bool showGuide(const QString& path);
};

}  // namespace morvane
