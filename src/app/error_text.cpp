#include "error_text.h"

namespace morvane {

QString applicationErrorText(const QString& className, const QString& moduleName,
                             quintptr address, const QString& message)
{
    const bool needsPeriod = !message.isEmpty() && !message.endsWith(QLatin1Char('.'));
    const auto address32 = static_cast<quint32>(address & 0xFFFFFFFFu);
    return QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n")
        .arg(className, moduleName,
             QStringLiteral("%1").arg(address32, 8, 16, QLatin1Char('0')).toUpper(),
             message, needsPeriod ? QStringLiteral(".") : QString());
}

QString applicationErrorCaption() { return QStringLiteral("Application Error"); }

}  // namespace morvane
