// The menu entry and the software-centre description agree with the program
// they describe: its id, executable names, icon and window class.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "application.h"
#include "application_title.h"
#include "capturing_reporter.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kDesktopEntry = QStringLiteral(MORVANE_DESKTOP_ENTRY);
const QString kMetainfo = QStringLiteral(MORVANE_METAINFO);
const QString kProgram = QStringLiteral(MORVANE_PROGRAM_NAME);
const QString kCalculator = QStringLiteral(MORVANE_CALC_NAME);

QString entryValue(const QString& key)
{
    QSettings entry(kDesktopEntry, QSettings::IniFormat);
    return entry.value(u"Desktop Entry/"_s + key).toString();
}

QString metainfoText()
{
    QFile file(kMetainfo);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The texts of every <tag> element of the metainfo.
QStringList metainfoValues(const QString& tag)
{
    QStringList values;
    const QRegularExpression element(u"<%1(?: [^>]*)?>([^<]*)</%1>"_s.arg(tag));
    for (const auto& match : element.globalMatch(metainfoText()))
        values.append(match.captured(1));
    return values;
}

}  // namespace

class TestDesktopEntry : public QObject {
    Q_OBJECT

private slots:
    void entryIsNamedForTheProgramsId()
    {
        QCOMPARE(QFileInfo(kDesktopEntry).fileName(),
                 QGuiApplication::desktopFileName() + u".desktop"_s);
        QCOMPARE(entryValue(u"Icon"_s), QGuiApplication::desktopFileName());
    }

    void entryStartsTheProgramAndKnowsItsWindows()
    {
        QCOMPARE(entryValue(u"Exec"_s), kProgram);
        // The window class is the application name, the title the program
        // takes from its installed file name.
        QCOMPARE(entryValue(u"StartupWMClass"_s),
                 applicationTitleFromFileName(u"/usr/bin/"_s + kProgram));
    }

    void metainfoDescribesTheSameProgram()
    {
        QCOMPARE(metainfoValues(u"id"_s),
                 QStringList{QGuiApplication::desktopFileName()});
        QCOMPARE(metainfoValues(u"launchable"_s),
                 QStringList{QFileInfo(kDesktopEntry).fileName()});
        QCOMPARE(metainfoValues(u"binary"_s), (QStringList{kProgram, kCalculator}));
    }
};

MORVANE_APP_TEST_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
