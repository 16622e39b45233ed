#pragma once
// A text of the module's answers that may be absent: a JSON string, or null.

#include <optional>
#include <string>

#include "json_text.h"

namespace morvane::web {

inline void appendOptionalString(std::string& out, const std::optional<std::string>& text)
{
    if (text)
        calc::appendJsonString(out, *text);
    else
        out += "null";
}

}  // namespace morvane::web
