#include "startup.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <malloc.h>

#include "application.h"
#include "floating_point_environment.h"
#include "number_format_settings.h"

namespace morvane {
namespace {

// Watches a window for its first exposure, which Qt answers by painting it
// at once; the trim runs from the event loop once that frame is drawn.
class FirstFrameTrim : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { malloc_trim(0); });
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void prepareProcess()
{
    resetFloatingPointEnvironment();
    loadNumberFormatSettings();
}

int runApplication(Application& application, const std::function<void()>& createMainWindow)
{
    try {
        createMainWindow();
    } catch (...) {
        application.showApplicationError(std::current_exception());
        return 1;
    }
    return application.exec();
}

QPoint centredFramePosition(const QRect& available, const QSize& frameSize)
{
    const QSize room = available.size() - frameSize;
    return available.topLeft() + QPoint(qMax(0, room.width() / 2), qMax(0, room.height() / 2));
}

void showCentred(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.show();
        return;
    }
    // A top-level widget's position is that of its frame. The frame's size
    // is known only once the window is shown, if then; until it is, the
    // window's own size stands in for it.
    const QRect available = screen->availableGeometry();
    window.move(centredFramePosition(available, window.frameGeometry().size()));
    window.show();
    window.move(centredFramePosition(available, window.frameGeometry().size()));
}

void trimHeapAfterFirstFrame(QWidget& window)
{
    if (QWindow* handle = window.windowHandle())
        handle->installEventFilter(new FirstFrameTrim(handle));
}

}  // namespace morvane
