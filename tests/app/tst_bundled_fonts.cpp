// The bundled faces on a machine that has no fonts of its own (run with
// FONTCONFIG_FILE naming a configuration without font directories): every
// face the window and the charts ask for resolves to them.

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

class TestBundledFonts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QFontDatabase::families().contains(bundledSansFamily()),
                 "run with a font configuration that has no fonts");
        loadBundledFonts();
    }

    void bothFacesAreRegistered()
    {
        const QStringList styles = QFontDatabase::styles(bundledSansFamily());
        QVERIFY(styles.contains(QStringLiteral("Regular")));
        QVERIFY(styles.contains(QStringLiteral("Bold")));
    }

    void requestedFacesResolveToTheBundledFamily_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        for (const char* family : {"MS Sans Serif", "Arial"})
            for (bool bold : {false, true})
                QTest::addRow("%s%s", family, bold ? " bold" : "") << family << bold;
    }
    void requestedFacesResolveToTheBundledFamily()
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

    // The faces are read in place; their glyphs draw.
    void textIsDrawn()
    {
        QImage image(120, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(windowFont(13, true));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(2, 15), QStringLiteral("Recalculate"));
        painter.end();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        QVERIFY(dark > 60);
        QVERIFY(QFontMetrics(windowFont(13, true)).horizontalAdvance(QStringLiteral("600")) > 0);
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
