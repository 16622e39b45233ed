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

namespace {

const QString kDesktopEntry = QStringLiteral(MORVANE_DESKTOP_ENTRY);
const QString kMetainfo = QStringLiteral(MORVANE_METAINFO);
const QString kProgram = QStringLiteral(MORVANE_PROGRAM_NAME);
const QString kCalculator = QStringLiteral(MORVANE_CALC_NAME);

QString entryValue(const QString& key)
{
    QSettings entry(kDesktopEntry, QSettings::IniFormat);
    return entry.value(QStringLiteral("Desktop Entry/") + key).toString();
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
    const QRegularExpression element(QStringLiteral("<%1(?: [^>]*)?>([^<]*)</%1>").arg(tag));
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
                 QGuiApplication::desktopFileName() + QStringLiteral(".desktop"));
        QCOMPARE(entryValue(QStringLiteral("Icon")), QGuiApplication::desktopFileName());
    }

    void entryStartsTheProgramAndKnowsItsWindows()
    {
        QCOMPARE(entryValue(QStringLiteral("Exec")), kProgram);
        // The window class is the application name, the title the program
        // takes from its installed file name.
        QCOMPARE(entryValue(QStringLiteral("StartupWMClass")),
                 applicationTitleFromFileName(QStringLiteral("/usr/bin/") + kProgram));
    }

    void metainfoDescribesTheSameProgram()
    {
        QCOMPARE(metainfoValues(QStringLiteral("id")),
                 QStringList{QGuiApplication::desktopFileName()});
        QCOMPARE(metainfoValues(QStringLiteral("launchable")),
                 QStringList{QFileInfo(kDesktopEntry).fileName()});
        QCOMPARE(metainfoValues(QStringLiteral("binary")), (QStringList{kProgram, kCalculator}));
    }
};

MORVANE_APP_TEST_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
