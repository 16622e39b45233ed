// The user's guide window on the guide of the source tree and on a copy
// installed with cmake --install: its text and every picture it shows, each
// the picture file beside the guide.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include "capturing_reporter.h"
#include "guide_window.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// The names of the pictures the document shows, in order.
QStringList pictureNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().isImageFormat())
                names << fragment.fragment().charFormat().toImageFormat().name();
    return names;
}

// A loaded image resource as a picture, whatever form the document keeps.
QImage picture(const QVariant& resource)
{
    if (resource.typeId() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    if (resource.typeId() == QMetaType::QPixmap)
        return qvariant_cast<QPixmap>(resource).toImage();
    return qvariant_cast<QImage>(resource);
}

}  // namespace

class TestGuideWindow : public QObject {
    Q_OBJECT

private slots:
    void showsTheGuideWithItsPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("source tree") << QString::fromUtf8(MORVANE_SOURCE_GUIDE);
        // Set by the test that installs it.
        QTest::newRow("installed") << qEnvironmentVariable("MORVANE_INSTALLED_GUIDE");
    }
    void showsTheGuideWithItsPictures()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(u"no guide at "_s + path));
        GuideWindow guide(nullptr);
        QVERIFY(guide.showGuide(path));
        QVERIFY(guide.toPlainText().startsWith(u"Morvane user's guide"_s));

        const QStringList names = pictureNames(*guide.document());
        QCOMPARE(names.size(), 8);
        const QDir folder = QFileInfo(path).dir();
        for (const QString& name : names) {
            const QImage shown =
                picture(guide.document()->resource(QTextDocument::ImageResource, QUrl(name)));
            QVERIFY2(!shown.isNull(), qPrintable(name));
            const QImage file(folder.filePath(name));
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                     file.convertToFormat(QImage::Format_RGB32));
        }
    }

    void aMissingGuideShowsNothing()
    {
        GuideWindow guide(nullptr);
        QVERIFY(!guide.showGuide(u"/nonexistent/guide.md"_s));
        QVERIFY(guide.toPlainText().isEmpty());
    }
};

MORVANE_APP_TEST_MAIN(TestGuideWindow)
#include "tst_guide_window.moc"
