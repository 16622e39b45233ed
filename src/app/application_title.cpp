#include "application_title.h"

namespace morvane {

QString applicationTitleFromFileName(const QString& filePath)
{
    QString name = filePath.mid(filePath.lastIndexOf(u'/') + 1);
    const qsizetype firstDot = name.indexOf(u'.');
    if (firstDot >= 0)
        name.truncate(firstDot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

}  // namespace morvane
