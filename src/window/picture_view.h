#pragma once
// An image control: shows a picture the size of the control.
//
// The picture is made when the control is first painted, at the device
// pixel ratio of the screen it is painted on, and made again when that
// ratio changes (the window moved to a screen of another resolution). So
// building and showing a window costs nothing for its pictures, and a
// picture is always sharp: one picture pixel per device pixel.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace morvane {

// Screen readers see the control as an image, named by its accessible name.
class PictureView : public QWidget {
    Q_OBJECT

public:
    // Makes the picture for a control of `size` logical pixels on a screen
    // with `devicePixelRatio` device pixels per logical pixel, so of
    // size * devicePixelRatio device pixels. A null image leaves the
    // control empty.
    using PictureSource = std::function<QImage(QSize size, qreal devicePixelRatio)>;

    PictureView(QWidget* parent, const QString& name, QRect geometry);

    // The picture is made from `source` when next needed.
    void setPictureSource(PictureSource source);

    // The picture as the control paints it now, made first if need be:
    // in device pixels, with its device pixel ratio set. Null when there is
    // no source or the source gave nothing.
    QPixmap picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSource source_;
    QPixmap picture_;
    qreal pictureRatio_ = 0;  // the ratio picture_ was made for; 0: none made
};

}  // namespace morvane
