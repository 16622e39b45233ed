// The window at the scale factor given by QT_SCALE_FACTOR (run at 1, 1.25,
// 1.5 and 1.75): every edit box keeps all four borders, the detector markers
// stay round, and the keyboard focus is shown with a contrast of at least
// 3:1 against what surrounds it. Rows and columns are device pixels.

#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QRegularExpression>
#include <QVector3D>
#include <QtMath>

#include <array>
#include <cmath>
#include <memory>

#include "capturing_reporter.h"
#include "expected_colours.h"
#include "labeled_edit.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(QColor colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrastRatio(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The device pixels a logical rectangle covers, rounded outwards.
QRect deviceCover(const QRect& logical, qreal scale)
{
    const int left = qFloor(logical.left() * scale);
    const int top = qFloor(logical.top() * scale);
    const int right = qCeil((logical.right() + 1) * scale) - 1;
    const int bottom = qCeil((logical.bottom() + 1) * scale) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

enum class Side { Top, Bottom, Left, Right };

// The device pixels across one side of a widget at the middle of that side,
// from one pixel outside the widget to `depth` logical pixels inside it.
QList<QPoint> acrossSide(const QRect& logical, Side side, qreal scale, int depth)
{
    const QRect cover = deviceCover(logical, scale);
    const QPoint middle = cover.center();
    const int reach = qCeil(depth * scale);
    QList<QPoint> points;
    for (int step = -1; step < reach; ++step) {
        switch (side) {
        case Side::Top: points.append({middle.x(), cover.top() + step}); break;
        case Side::Bottom: points.append({middle.x(), cover.bottom() - step}); break;
        case Side::Left: points.append({cover.left() + step, middle.y()}); break;
        case Side::Right: points.append({cover.right() - step, middle.y()}); break;
        }
    }
    return points;
}

// How plainly focus shows along the pixels across one side: the best, over
// the pixels that focus changed, of the lesser of two contrasts, the pixel
// against itself without the focus and against the best of its neighbours
// that focus left as they were. A mere change of shade, or a dark mark on a
// dark ground, scores low.
double focusContrast(const QImage& before, const QImage& after, const QList<QPoint>& across)
{
    double best = 0;
    for (const QPoint& at : across) {
        if (before.pixel(at) == after.pixel(at))
            continue;
        double againstNeighbours = 0;
        for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = at + step;
            if (before.pixel(next) == after.pixel(next))
                againstNeighbours = qMax(againstNeighbours,
                                         contrastRatio(after.pixelColor(at), after.pixelColor(next)));
        }
        const double againstItself = contrastRatio(after.pixelColor(at), before.pixelColor(at));
        best = qMax(best, qMin(againstNeighbours, againstItself));
    }
    return best;
}

// How much of a pixel is the yellow outline, if it is the outline blended
// with `other`: 1 for pure yellow, 0 for `other` or for any colour off the
// line between the two.
double outlineShareAgainst(QColor colour, QColor other)
{
    const QVector3D yellow(255, 255, 0);
    const QVector3D base(other.red(), other.green(), other.blue());
    const QVector3D seen(colour.red(), colour.green(), colour.blue());
    const QVector3D line = yellow - base;
    if (line.lengthSquared() == 0)
        return 0;
    const double share = QVector3D::dotProduct(seen - base, line) / line.lengthSquared();
    const QVector3D rest = seen - (base + line * share);
    if (rest.length() > 24)
        return 0;
    return qBound(0.0, share, 1.0);
}

QString sideName(Side side)
{
    static const std::array names{u"top"_s, u"bottom"_s, u"left"_s, u"right"_s};
    return names[static_cast<int>(side)];
}

constexpr std::array kSides{Side::Top, Side::Bottom, Side::Left, Side::Right};

}  // namespace

class TestScaledWindow : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    std::unique_ptr<MainWindow> window_;
    qreal scale_ = 1;

    WindowProbe probe() { return WindowProbe(*window_); }

    QRect geometryInWindow(const QWidget* widget) const
    {
        return QRect(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size());
    }

    // The window as grabbed with the focus on `focused`.
    QImage pictureFocusedOn(QWidget* focused)
    {
        focused->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([focused] { return focused->hasFocus(); }))
            qFatal("the focus did not move");
        return window_->grab().toImage();
    }

private slots:
    void initTestCase()
    {
        scale_ = qApp->devicePixelRatio();
        Application::instance()->setErrorReporter(&reporter_);
        window_ = std::make_unique<MainWindow>();
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(reporter_.boxes.isEmpty());
    }
    void cleanupTestCase()
    {
        window_.reset();
        Application::instance()->setErrorReporter(nullptr);
    }

    void everyEditKeepsAllFourBorders()
    {
        // With the focus on the button every edit shows its plain border.
        const QImage picture = pictureFocusedOn(probe().control("BitBtn1"));
        const QList<LabeledEdit*> edits = window_->findChildren<LabeledEdit*>();
        QVERIFY(edits.size() >= 5);
        for (const LabeledEdit* edit : edits) {
            const QRect logical = geometryInWindow(edit);
            for (Side side : kSides) {
                // The border lies in the outermost logical pixel; the white
                // box and the panel around it are light.
                bool found = false;
                for (const QPoint& at : acrossSide(logical, side, scale_, 1))
                    found = found || picture.pixelColor(at) == kBlack;
                QVERIFY2(found, qPrintable(u"%1: no %2 border"_s.arg(edit->objectName(),
                                                                     sideName(side))));
            }
        }
    }

    void markersAreRound()
    {
        // The outline's ink, weighed by how yellow each pixel is, lies at
        // the same distance from its centre in every direction: a notch or
        // a bump of one device pixel moves one direction's mean radius by
        // half a pixel or more.
        const QImage picture = window_->grab().toImage();
        const QList<QWidget*> markers =
            window_->findChildren<QWidget*>(QRegularExpression(u"^Shape[1-4]$"_s));
        QCOMPARE(markers.size(), 4);
        int measured = 0;
        for (const QWidget* marker : markers) {
            const QRect cover = deviceCover(geometryInWindow(marker), scale_);
            const QColor ground = picture.pixelColor(cover.topLeft());
            const QColor fill = picture.pixelColor(cover.center());
            // A yellow disc has no outline of its own to measure.
            if (outlineShareAgainst(fill, ground) > 0.9)
                continue;
            ++measured;
            QPointF centre;
            double total = 0;
            const auto outlineShare = [&](int x, int y) {
                const QColor colour = picture.pixelColor(x, y);
                return qMax(outlineShareAgainst(colour, fill), outlineShareAgainst(colour, ground));
            };
            for (int y = cover.top(); y <= cover.bottom(); ++y)
                for (int x = cover.left(); x <= cover.right(); ++x) {
                    const double weight = outlineShare(x, y);
                    centre += QPointF(x, y) * weight;
                    total += weight;
                }
            QVERIFY(total > 0);
            centre /= total;
            constexpr int kSectors = 8;
            std::array<double, kSectors> radius{};
            std::array<double, kSectors> weight{};
            for (int y = cover.top(); y <= cover.bottom(); ++y)
                for (int x = cover.left(); x <= cover.right(); ++x) {
                    const QLineF ray(centre, QPointF(x, y));
                    if (ray.length() < 1)
                        continue;
                    const int sector = int(ray.angle() / (360.0 / kSectors)) % kSectors;
                    radius[sector] += ray.length() * outlineShare(x, y);
                    weight[sector] += outlineShare(x, y);
                }
            double shortest = 1e9;
            double longest = 0;
            for (int sector = 0; sector < kSectors; ++sector) {
                QVERIFY(weight[sector] > 0);
                shortest = qMin(shortest, radius[sector] / weight[sector]);
                longest = qMax(longest, radius[sector] / weight[sector]);
            }
            QVERIFY2(longest - shortest < 0.5,
                     qPrintable(u"%1: mean radii from %2 to %3"_s.arg(marker->objectName())
                                    .arg(shortest)
                                    .arg(longest)));
        }
        // With the default inputs one of the four is a yellow disc.
        QCOMPARE(measured, 3);
    }

    void focusIsShownWithContrast_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<int>("depth");  // logical pixels inside the edge to look at
        QTest::newRow("Recalculate") << u"BitBtn1"_s << u"AppRate"_s << 6;
        QTest::newRow("rate") << u"AppRate"_s << u"BitBtn1"_s << 3;
        QTest::newRow("duration") << u"Duration"_s << u"BitBtn1"_s << 3;
    }
    void focusIsShownWithContrast()
    {
        QFETCH(QString, name);
        QFETCH(QString, elsewhere);
        QFETCH(int, depth);
        QWidget* control = probe().control(qPrintable(name));
        const QImage before = pictureFocusedOn(probe().control(qPrintable(elsewhere)));
        const QImage after = pictureFocusedOn(control);
        const QRect logical = geometryInWindow(control);
        for (Side side : kSides) {
            const double contrast =
                focusContrast(before, after, acrossSide(logical, side, scale_, depth));
            QVERIFY2(contrast >= 3.0, qPrintable(u"%1 side: contrast %2:1"_s.arg(sideName(side))
                                                     .arg(contrast, 0, 'f', 2)));
        }
    }

    void unfocusedPixelsStayAsTheyWere()
    {
        // Moving the focus away gives back the very same picture.
        QWidget* button = probe().control("BitBtn1");
        QWidget* rate = probe().control("AppRate");
        const QImage first = pictureFocusedOn(rate);
        pictureFocusedOn(button);
        QCOMPARE(pictureFocusedOn(rate), first);
    }
};

MORVANE_APP_TEST_MAIN(TestScaledWindow)
#include "tst_scaled_window.moc"
