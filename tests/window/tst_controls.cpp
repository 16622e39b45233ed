// The window's own controls on their own: the picture view that makes its
// picture only when shown, and the hand-drawn edit frame.

#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <memory>

#include "capturing_reporter.h"
#include "picture_view.h"
#include "labeled_edit.h"
#include "window_font.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// A picture source that records how often, and for what, it was asked.
struct CountingSource {
    int calls = 0;
    QSize lastSize;
    qreal lastRatio = 0;
    bool giveNothing = false;

    PictureView::PictureSource source()
    {
        return [this](QSize size, qreal ratio) {
            ++calls;
            lastSize = size;
            lastRatio = ratio;
            if (giveNothing)
                return QImage();
            QImage picture(size * ratio, QImage::Format_RGB32);
            picture.fill(Qt::red);
            return picture;
        };
    }
};

// The edit as it used to be drawn, with a style sheet: the hand-drawn one
// must look the same to the pixel.
std::unique_ptr<QLineEdit> styleSheetEdit(QWidget* parent, const QString& text)
{
    auto edit = std::make_unique<QLineEdit>(text, parent);
    edit->setFont(windowFont());
    edit->setStyleSheet(u"QLineEdit { border: 1px solid black; background: white; color: black;"
        " padding: 0px 1px; }"
        // Focused, the border thickens inwards over the padding.
        " QLineEdit:focus { border-width: 2px; padding: 0px; }"_s);
    return edit;
}

}  // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void imageMakesItsPictureOnlyWhenShown()
    {
        QWidget window;
        CountingSource counting;
        auto* image = new PictureView(&window, u"Image"_s, QRect(3, 4, 20, 30));
        image->setPictureSource(counting.source());
        QCOMPARE(counting.calls, 0);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.grab();
        QCOMPARE(counting.calls, 1);
        QCOMPARE(counting.lastSize, QSize(20, 30));
        QCOMPARE(counting.lastRatio, window.devicePixelRatioF());

        // Painting again reuses the picture.
        const QImage grabbed = window.grab().toImage();
        QCOMPARE(counting.calls, 1);
        QCOMPARE(grabbed.pixelColor(3, 4), QColor(Qt::red));
        QCOMPARE(grabbed.pixelColor(22, 33), QColor(Qt::red));
        QVERIFY(grabbed.pixelColor(23, 34) != QColor(Qt::red));
    }

    void imagePictureHasDevicePixelsAndRatio()
    {
        PictureView image(nullptr, u"Image"_s, QRect(0, 0, 10, 12));
        CountingSource counting;
        image.setPictureSource(counting.source());
        const QPixmap picture = image.picture();
        QCOMPARE(picture.devicePixelRatio(), image.devicePixelRatioF());
        QCOMPARE(picture.size(), QSize(10, 12) * image.devicePixelRatioF());
        image.picture();
        QCOMPARE(counting.calls, 1);
    }

    void imageSourceThatGivesNothingIsNotAskedAgain()
    {
        PictureView image(nullptr, u"Image"_s, QRect(0, 0, 10, 12));
        CountingSource counting;
        counting.giveNothing = true;
        image.setPictureSource(counting.source());
        QVERIFY(image.picture().isNull());
        QVERIFY(image.picture().isNull());
        QCOMPARE(counting.calls, 1);
    }

    void imageWithANewSourceMakesANewPicture()
    {
        PictureView image(nullptr, u"Image"_s, QRect(0, 0, 10, 12));
        CountingSource first;
        CountingSource second;
        image.setPictureSource(first.source());
        image.picture();
        image.setPictureSource(second.source());
        image.picture();
        QCOMPARE(first.calls, 1);
        QCOMPARE(second.calls, 1);
    }

    void imageWithoutSourceIsEmpty()
    {
        PictureView image(nullptr, u"Image"_s, QRect(0, 0, 10, 12));
        QVERIFY(image.picture().isNull());
    }

    void editLooksLikeTheStyleSheetEdit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("focused");
        QTest::newRow("number") << "2.5" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("focused, cursor shown") << "500" << true;
        QTest::newRow("wider than the edit") << "123456789012345678901234567890" << false;
    }
    void editLooksLikeTheStyleSheetEdit()
    {
        QFETCH(QString, text);
        QFETCH(bool, focused);
        QWidget window;
        window.resize(200, 80);
        auto* edit = new LabeledEdit(&window, u"Edit"_s, QRect(10, 30, 161, 19),
                                      u"Caption"_s, LabelStyle{}, text);
        const auto reference = styleSheetEdit(&window, text);
        reference->setGeometry(10, 55, 161, 19);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Each is grabbed just after taking the focus, so both show the
        // cursor, which blinks, in the same phase.
        auto look = [focused](QLineEdit* shown) {
            if (focused) {
                shown->setFocus();
                shown->end(false);
            } else {
                shown->clearFocus();
            }
            return shown->grab().toImage();
        };
        QCOMPARE(look(edit), look(reference.get()));
    }
};

MORVANE_APP_TEST_MAIN(TestControls)
#include "tst_controls.moc"
