#include "axis_value_format.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace morvane {

namespace {

struct NumberPattern {
    bool groupThousands = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

NumberPattern ParsePattern(const QString& pattern)
{
    NumberPattern parsed;
    bool afterPoint = false;
    for (QChar c : pattern) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u',' && !afterPoint) {
            parsed.groupThousands = true;
        } else if (c == u'0') {
            if (afterPoint) {
                ++parsed.minDecimals;
                ++parsed.maxDecimals;
            } else {
                ++parsed.minIntegerDigits;
            }
        } else if (c == u'#' && afterPoint) {
            ++parsed.maxDecimals;
        }
    }
    return parsed;
}

std::string GroupThousands(const std::string& digits)
{
    std::string grouped;
    const std::size_t count = digits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

QString FormatAxisValue(double value, const QString& pattern)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const NumberPattern parsed = ParsePattern(pattern);
    std::string text(400, '\0');
    const int written = std::snprintf(text.data(), text.size(), "%.*f", parsed.maxDecimals,
                                      std::fabs(value));
    text.resize(static_cast<std::size_t>(written));

    std::string integerPart = text;
    std::string decimals;
    if (const auto point = text.find('.'); point != std::string::npos) {
        integerPart = text.substr(0, point);
        decimals = text.substr(point + 1);
    }
    while (static_cast<int>(decimals.size()) > parsed.minDecimals && decimals.back() == '0')
        decimals.pop_back();
    integerPart.erase(0, integerPart.find_first_not_of('0'));
    while (static_cast<int>(integerPart.size()) < parsed.minIntegerDigits)
        integerPart.insert(0, "0");
    if (parsed.groupThousands)
        integerPart = GroupThousands(integerPart);

    std::string result = integerPart;
    if (!decimals.empty())
        result += "." + decimals;
    if (result.empty())
        result = "0";
    const bool allZero = result.find_first_not_of("0.,") == std::string::npos;
    if (value < 0 && !allZero)
        result.insert(0, "-");
    return QString::fromStdString(result);
}

}  // namespace morvane
