#include "detector_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace morvane {

namespace {

constexpr int width = detectorPictureWidth;
constexpr int height = detectorPictureHeight;

// Rows where the backdrop changes, top to bottom.
constexpr int horizonY = 296;
constexpr int soilY = 432;

// The device stands a little left of centre, leaving room for the arm
// that comes in from the right.
constexpr qreal tubeLeft = 63;
constexpr qreal tubeRight = 79;
constexpr qreal tubeTop = 150;
constexpr qreal tubeBottom = 500;
constexpr qreal rimY = 64;
constexpr qreal rimLeft = 23;
constexpr qreal rimRight = 119;
constexpr qreal gripTop = 300;

constexpr qreal tubeCentre() { return (tubeLeft + tubeRight) / 2; }

// A left-to-right shading that makes a flat shape read as round.
QLinearGradient roundShading(qreal left, qreal right, QColor edge, QColor light)
{
    QLinearGradient shading(left, 0, right, 0);
    shading.setColorAt(0.0, edge.darker(125));
    shading.setColorAt(0.3, light);
    shading.setColorAt(0.55, edge);
    shading.setColorAt(1.0, edge.darker(150));
    return shading;
}

void paintSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, horizonY);
    sky.setColorAt(0.0, QColor(92, 146, 206));
    sky.setColorAt(1.0, QColor(208, 226, 240));
    painter.fillRect(QRectF(0, 0, width, horizonY), sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QRectF(-20, 110, 70, 18));
    painter.drawEllipse(QRectF(10, 102, 46, 20));
    painter.drawEllipse(QRectF(96, 176, 80, 16));
    painter.drawEllipse(QRectF(116, 168, 40, 16));
}

// A hedge of tree crowns along the horizon.
void paintDistantTrees(QPainter& painter)
{
    const qreal crowns[][2] = {{-4, 9}, {12, 7}, {26, 10}, {42, 6}, {56, 8}, {70, 11},
                               {88, 7}, {102, 9}, {118, 12}, {134, 8}, {150, 10}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 102, 74));
    painter.drawRect(QRectF(0, horizonY - 5, width, 8));
    for (const auto& [x, radius] : crowns)
        painter.drawEllipse(QPointF(x, horizonY - 4), radius, radius * 0.8);
}

// Crop rows run from a vanishing point on the horizon towards the viewer,
// each one a thin wedge that widens as it comes nearer.
void paintField(QPainter& painter)
{
    const QRectF area(0, horizonY, width, soilY - horizonY);
    QLinearGradient field(0, horizonY, 0, soilY);
    field.setColorAt(0.0, QColor(140, 170, 96));
    field.setColorAt(1.0, QColor(92, 140, 62));
    painter.fillRect(area, field);

    painter.save();
    painter.setClipRect(area);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(66, 112, 50));
    // The rows fade out a little below the horizon, where they would
    // otherwise run together into a blot.
    const QPointF vanishing(width * 0.6, horizonY);
    const qreal nearY = soilY + 120;
    const qreal farFraction = 10 / (nearY - horizonY);
    for (int row = -8; row <= 10; ++row) {
        const qreal nearX = vanishing.x() + row * 34;
        const qreal farX = vanishing.x() + row * 34 * farFraction;
        const QPointF wedge[] = {QPointF(farX - 0.2, horizonY + 10), QPointF(nearX - 3, nearY),
                                 QPointF(nearX + 3, nearY), QPointF(farX + 0.2, horizonY + 10)};
        painter.drawPolygon(wedge, 4);
    }
    painter.restore();
}

void paintSoil(QPainter& painter)
{
    QLinearGradient soil(0, soilY, 0, height);
    soil.setColorAt(0.0, QColor(132, 96, 66));
    soil.setColorAt(1.0, QColor(100, 70, 46));
    painter.fillRect(QRectF(0, soilY, width, height - soilY), soil);

    painter.setPen(QPen(QColor(110, 84, 56), 1.5));
    painter.drawLine(QPointF(0, soilY), QPointF(width, soilY));

    QRandomGenerator clods(1234);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const qreal x = clods.bounded(width);
        const qreal y = soilY + 4 + clods.bounded(height - soilY - 4);
        const qreal size = 1.0 + clods.bounded(3.0) * (y - soilY) / (height - soilY);
        const int shade = clods.bounded(2) == 0 ? 70 : 150;
        painter.setBrush(QColor(shade + 20, shade * 3 / 4 + 10, shade / 2 + 6, 110));
        painter.drawEllipse(QPointF(x, y), size, size * 0.7);
    }
}

void paintFloat(QPainter& painter)
{
    // The stem the float rides on, rising from the middle of the funnel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(roundShading(tubeCentre() - 2, tubeCentre() + 2,
                                  QColor(180, 184, 186), QColor(246, 246, 244)));
    painter.drawRect(QRectF(tubeCentre() - 2, 30, 4, rimY - 30));

    // The float: a bright cap that pops up when water has been caught.
    const QRectF cap(tubeCentre() - 7, 14, 14, 24);
    painter.setBrush(roundShading(cap.left(), cap.right(), QColor(200, 52, 36), QColor(250, 128, 96)));
    painter.drawRoundedRect(cap, 5, 5);
    painter.setBrush(QColor(252, 200, 60));
    painter.drawRect(QRectF(cap.left(), cap.top() + 8, cap.width(), 4));
}

void paintFunnel(QPainter& painter)
{
    const QColor plastic(44, 102, 64);
    QPainterPath body(QPointF(rimLeft, rimY));
    body.cubicTo(QPointF(rimLeft + 8, rimY + 40), QPointF(tubeLeft - 4, tubeTop - 40),
                 QPointF(tubeLeft - 1, tubeTop));
    body.lineTo(tubeRight + 1, tubeTop);
    body.cubicTo(QPointF(tubeRight + 4, tubeTop - 40), QPointF(rimRight - 8, rimY + 40),
                 QPointF(rimRight, rimY));
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(roundShading(rimLeft, rimRight, plastic, QColor(98, 170, 112)));
    painter.drawPath(body);

    // The open mouth, seen from slightly above.
    const QRectF mouth(rimLeft, rimY - 9, rimRight - rimLeft, 18);
    painter.setPen(QPen(QColor(30, 70, 44), 2));
    painter.setBrush(QColor(24, 52, 34));
    painter.drawEllipse(mouth);
    painter.setPen(QPen(QColor(120, 186, 132), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(mouth.adjusted(2, 2, -2, -2), 200 * 16, 140 * 16);

    // The collar where the funnel is glued onto the tube.
    painter.setPen(Qt::NoPen);
    painter.setBrush(roundShading(tubeLeft - 3, tubeRight + 3, plastic, QColor(98, 170, 112)));
    painter.drawRoundedRect(QRectF(tubeLeft - 3, tubeTop - 6, tubeRight - tubeLeft + 6, 14), 2, 2);
}

void paintTube(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(roundShading(tubeLeft, tubeRight, QColor(176, 180, 178), QColor(248, 248, 244)));
    painter.drawRect(QRectF(tubeLeft, tubeTop + 8, tubeRight - tubeLeft, tubeBottom - tubeTop - 8));

    // Depth marks every 25 px, the kind printed on the side of the tube.
    painter.setPen(QPen(QColor(70, 74, 78), 1));
    for (qreal y = tubeTop + 30; y < tubeBottom - 10; y += 25) {
        if (y > gripTop - 8 && y < gripTop + 60)
            continue;  // hidden by the hand
        painter.drawLine(QPointF(tubeLeft + 2, y), QPointF(tubeLeft + 7, y));
    }

    // The pointed foot that is pushed into the soil.
    QPainterPath foot(QPointF(tubeLeft - 1, tubeBottom));
    foot.lineTo(tubeRight + 1, tubeBottom);
    foot.lineTo(tubeCentre(), tubeBottom + 18);
    foot.closeSubpath();
    painter.setBrush(roundShading(tubeLeft, tubeRight, QColor(44, 102, 64), QColor(98, 170, 112)));
    painter.drawPath(foot);

    QRadialGradient hole(QPointF(tubeCentre(), tubeBottom + 18), 16);
    hole.setColorAt(0.0, QColor(60, 40, 26, 200));
    hole.setColorAt(1.0, QColor(60, 40, 26, 0));
    painter.setBrush(hole);
    painter.drawEllipse(QPointF(tubeCentre(), tubeBottom + 18), 16, 5);
}

void paintSleeve(QPainter& painter)
{
    QPainterPath sleeve(QPointF(width + 2, gripTop + 2));
    sleeve.cubicTo(QPointF(130, gripTop - 4), QPointF(112, gripTop), QPointF(98, gripTop + 6));
    sleeve.lineTo(96, gripTop + 58);
    sleeve.cubicTo(QPointF(116, gripTop + 66), QPointF(136, gripTop + 74), QPointF(width + 2, gripTop + 86));
    sleeve.closeSubpath();

    QLinearGradient cloth(0, gripTop, 0, gripTop + 86);
    cloth.setColorAt(0.0, QColor(92, 128, 180));
    cloth.setColorAt(0.6, QColor(64, 98, 150));
    cloth.setColorAt(1.0, QColor(46, 72, 118));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cloth);
    painter.drawPath(sleeve);

    // Folds of the sleeve and the seam of its cuff.
    painter.setPen(QPen(QColor(40, 64, 104), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath folds(QPointF(120, gripTop + 18));
    folds.quadTo(QPointF(134, gripTop + 26), QPointF(150, gripTop + 22));
    folds.moveTo(118, gripTop + 44);
    folds.quadTo(QPointF(132, gripTop + 50), QPointF(148, gripTop + 58));
    painter.drawPath(folds);
    painter.setPen(QPen(QColor(150, 178, 214), 1.4));
    painter.drawLine(QPointF(106, gripTop + 4), QPointF(104, gripTop + 60));
}

// The hand closes round the tube from the right: the back of the hand
// beside the tube, four fingers across its front, the thumb on top.
void paintHand(QPainter& painter)
{
    const QColor skin(226, 176, 140);
    const QColor crease(166, 112, 84);

    QPainterPath backOfHand(QPointF(98, gripTop + 6));
    backOfHand.cubicTo(QPointF(88, gripTop + 4), QPointF(80, gripTop + 10), QPointF(78, gripTop + 18));
    backOfHand.lineTo(78, gripTop + 50);
    backOfHand.cubicTo(QPointF(82, gripTop + 58), QPointF(90, gripTop + 60), QPointF(97, gripTop + 58));
    backOfHand.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin.darker(108));
    painter.drawPath(backOfHand);

    for (int finger = 0; finger < 4; ++finger) {
        const qreal top = gripTop + 13 + finger * 10.5;
        const QRectF shape(tubeLeft - 5 + finger * 0.8, top, 94 - tubeLeft - finger * 2.5, 11);
        QLinearGradient shading(0, shape.top(), 0, shape.bottom());
        shading.setColorAt(0.0, skin.lighter(108));
        shading.setColorAt(1.0, skin.darker(118));
        painter.setPen(QPen(crease, 0.8));
        painter.setBrush(shading);
        painter.drawRoundedRect(shape, 5, 5);
        // The nail shows where the fingertip curls round the left side.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(238, 204, 184));
        painter.drawEllipse(QRectF(shape.left() + 1.5, top + 3, 4, 5));
    }

    QPainterPath thumb(QPointF(96, gripTop + 8));
    thumb.cubicTo(QPointF(86, gripTop + 1), QPointF(70, gripTop), QPointF(61, gripTop + 5));
    thumb.cubicTo(QPointF(58, gripTop + 9), QPointF(62, gripTop + 14), QPointF(68, gripTop + 14));
    thumb.cubicTo(QPointF(78, gripTop + 14), QPointF(88, gripTop + 16), QPointF(96, gripTop + 20));
    thumb.closeSubpath();
    QLinearGradient thumbShading(0, gripTop, 0, gripTop + 16);
    thumbShading.setColorAt(0.0, skin.lighter(110));
    thumbShading.setColorAt(1.0, skin.darker(112));
    painter.setPen(QPen(crease, 0.8));
    painter.setBrush(thumbShading);
    painter.drawPath(thumb);
}

}  // namespace

QImage paintDetectorPicture()
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSky(painter);
    paintDistantTrees(painter);
    paintField(painter);
    paintSoil(painter);
    paintTube(painter);
    paintFunnel(painter);
    paintFloat(painter);
    paintSleeve(painter);
    paintHand(painter);
    painter.end();
    return picture;
}

}  // namespace morvane
