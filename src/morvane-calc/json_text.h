#pragma once
// JSON spellings of strings and numbers.

#include <string>
#include <string_view>

namespace morvane::calc {

// A quoted JSON string. Quotes, backslashes and control characters are
// escaped; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);
void appendJsonString(std::string& out, std::string_view text);

// A JSON number with 17 significant digits ("0.090000000000000011").
std::string jsonNumber(double value);
void appendJsonNumber(std::string& out, double value);

// Writes a JSON object's members, "key": value, separated by commas.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    // Starts a member; its value is appended next.
    std::string& key(std::string_view name)
    {
        if (!empty_) out_ += ", ";
        empty_ = false;
        appendJsonString(out_, name);
        out_ += ": ";
        return out_;
    }

private:
    std::string& out_;
    bool empty_ = true;
};

}  // namespace morvane::calc
