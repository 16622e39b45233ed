// The bundled faces are the only fonts the program sees. The test runs with
// FONTCONFIG_FILE naming a desktop configuration that lists every installed
// font and puts DejaVu Sans in place of Liberation Sans: none of it may show.

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "bundled_fonts.h"
#include "window_font.h"

using namespace morvane;
using namespace Qt::StringLiterals;

class TestBundledFonts : public QObject {
    Q_OBJECT

private slots:
    // Before any text is measured, as the program does it.
    void initTestCase() { loadBundledFonts(); }

    void onlyTheBundledFamilyIsInstalled()
    {
        // Qt adds its three generic names, which resolve to what is there.
        QStringList families = QFontDatabase::families();
        for (const char* generic : {"Monospace", "Sans Serif", "Serif"})
            families.removeAll(QString::fromLatin1(generic));
        QCOMPARE(families, QStringList{bundledSansFamily()});
    }

    void bothFacesAreRegistered()
    {
        const QStringList styles = QFontDatabase::styles(bundledSansFamily());
        QVERIFY(styles.contains(u"Regular"_s));
        QVERIFY(styles.contains(u"Bold"_s));
    }

    void everyRequestedFaceResolvesToTheBundledFamily_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        // The faces the window and the charts ask for, the desktop's own
        // choice, and faces installed on the machine but not bundled.
        for (const char* family :
             {"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans", "Courier", "Sans Serif"})
            for (bool bold : {false, true})
                QTest::addRow("%s%s", family, bold ? " bold" : "") << family << bold;
    }
    void everyRequestedFaceResolvesToTheBundledFamily()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFont font(family);
        font.setPixelSize(13);
        font.setBold(bold);
        const QFontInfo resolved(font);
        QCOMPARE(resolved.family(), bundledSansFamily());
        QCOMPARE(resolved.bold(), bold);
    }

    void applicationFontIsTheBundledFamily()
    {
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(), bundledSansFamily());
    }

    // The faces are read in place; their glyphs draw.
    void textIsDrawn()
    {
        QImage image(120, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(windowFont(13, true));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(2, 15), u"Recalculate"_s);
        painter.end();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        QVERIFY(dark > 60);
        QVERIFY(QFontMetrics(windowFont(13, true)).horizontalAdvance(u"600"_s) > 0);
    }

    // There is no other font to borrow a missing character from.
    void characterTheFacesLackHasNoFallback()
    {
        const QFontMetrics metrics(windowFont());
        QVERIFY(metrics.inFont(QChar(u'W')));
        QVERIFY(!metrics.inFont(QChar(u'\u6C34')));
    }

    void loadingTwiceAddsNothing()
    {
        const QStringList before = QFontDatabase::families();
        loadBundledFonts();
        QCOMPARE(QFontDatabase::families(), before);
    }
};

QTEST_MAIN(TestBundledFonts)
#include "tst_bundled_fonts.moc"
