#include "number_format_settings.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace morvane {
namespace {

// A separator must be one byte: the formats write it as one character and the
// parse rule compares one character with it.
char singleByteOr(const char* text, char fallback)
{
    if (text == nullptr || std::strlen(text) != 1) return fallback;
    return text[0];
}

}  // namespace

NumberFormatSettings& numberFormatSettings()
{
    static NumberFormatSettings settings;
    return settings;
}

void loadNumberFormatSettings()
{
    NumberFormatSettings loaded;
    if (locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", locale_t{})) {
        // Read through this thread's locale for a moment rather than with
        // nl_langinfo_l: in a statically linked program (the aarch64 build)
        // nl_langinfo_l answers from the "C" locale whatever it is given.
        const locale_t previous = uselocale(userLocale);
        loaded.decimalSeparator = singleByteOr(nl_langinfo(RADIXCHAR), loaded.decimalSeparator);
        uselocale(previous);
        freelocale(userLocale);
    }
    numberFormatSettings() = loaded;
}

}  // namespace morvane
