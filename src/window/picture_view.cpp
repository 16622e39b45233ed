#include "picture_view.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <utility>

namespace morvane {
namespace {

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(PictureView::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

PictureView::PictureView(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent)
{
    static const bool accessibleAsImage = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsImage);
    setObjectName(name);
    setGeometry(geometry);
}

void PictureView::setPictureSource(PictureSource source)
{
    source_ = std::move(source);
    picture_ = QPixmap();
    pictureRatio_ = 0;
    update();
}

QPixmap PictureView::picture()
{
    const qreal ratio = devicePixelRatioF();
    // A source that gave nothing is not asked again at the same ratio.
    if (!source_ || ratio == pictureRatio_)
        return picture_;
    pictureRatio_ = ratio;
    picture_ = QPixmap::fromImage(source_(size(), ratio));
    picture_.setDevicePixelRatio(ratio);
    return picture_;
}

void PictureView::paintEvent(QPaintEvent*)
{
    const QPixmap shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown);
}

}  // namespace morvane
