#include "chart_description.h"

#include <QStringList>

#include "format_number.h"

using namespace Qt::StringLiterals;

namespace morvane {

QString depthInMillimetres(double depth)
{
    return QString::fromStdString(formatFixed(Extended(depth), 0)) + u" mm"_s;
}

QString detectorSentence(const QString& position, const DetectorFacts& detector)
{
    return position + u" detector at "_s + depthInMillimetres(detector.depth) + u' ' +
           (detector.responds ? u"responds"_s : u"does not respond"_s);
}

QString chartDescription(const ChartFacts& facts)
{
    QStringList parts;
    parts << depthInMillimetres(facts.appliedDepth) + u" applied"_s;
    parts << u"the soil is wetted enough for a detector to respond down to "_s +
                 depthInMillimetres(facts.detectionDepth);
    parts << detectorSentence(u"shallow"_s, facts.shallow);
    if (facts.deep)
        parts << detectorSentence(u"deep"_s, *facts.deep);
    if (facts.front24h)
        parts << u"the wetting front is at "_s + depthInMillimetres(*facts.front24h) +
                     u" after 24 hours"_s;
    parts << u"root zone "_s + depthInMillimetres(facts.rootZone);
    if (facts.frontBeyondChart)
        parts << u"24h is beyond 600 mm"_s;
    return facts.soilName + u": "_s + parts.join(u"; "_s) + u'.';
}

}  // namespace morvane
