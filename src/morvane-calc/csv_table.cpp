#include "csv_table.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace morvane::calc {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool CsvReader::refill()
{
    block_.resize(kBlockSize);
    position_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, block_.data(), kBlockSize);
        if (n >= 0) {
            block_.resize(static_cast<std::size_t>(n));
            return n > 0;
        }
        if (errno != EINTR) {
            readError_ = std::strerror(errno);
            block_.clear();
            return false;
        }
    }
}

int CsvReader::peek()
{
    if (position_ == block_.size() && !refill()) return kEnd;
    return static_cast<unsigned char>(block_[position_]);
}

int CsvReader::get()
{
    const int c = peek();
    if (c != kEnd) ++position_;
    return c;
}

void CsvReader::endLine(int c)
{
    if (c == '\r' && peek() == '\n') get();
    ++line_;
}

std::string& CsvReader::newField(CsvRecord& record)
{
    if (record.count == record.fields.size()) record.fields.emplace_back();
    std::string& field = record.fields[record.count++];
    field.clear();
    return field;
}

void CsvReader::readQuoted(CsvRecord& record, std::string& field)
{
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            record.error = "unterminated quote";
            return;
        }
        if (c == '"') {
            if (peek() != '"') return;
            get();
        } else if (c == '\r' || c == '\n') {
            // A line break inside quotes belongs to the field, as written.
            field += static_cast<char>(c);
            if (c == '\r' && peek() == '\n') field += static_cast<char>(get());
            ++line_;
            continue;
        }
        field += static_cast<char>(c);
    }
}

bool CsvReader::next(CsvRecord& record)
{
    if (!started_) {
        started_ = true;
        for (const char bom : kByteOrderMark) {
            if (peek() != static_cast<unsigned char>(bom)) break;
            get();
        }
    }
    // Empty lines hold no record.
    int c = get();
    while (c == '\r' || c == '\n') {
        endLine(c);
        c = get();
    }
    if (c == kEnd) return false;

    record.count = 0;
    record.error.clear();
    record.line = line_;
    std::string* field = &newField(record);
    for (;; c = get()) {
        if (c == kEnd) return true;
        if (c == '\r' || c == '\n') {
            endLine(c);
            return true;
        }
        if (c == delimiter_) {
            field = &newField(record);
        } else if (c == '"' && field->empty()) {
            readQuoted(record, *field);
            const int after = peek();
            if (after != delimiter_ && after != '\r' && after != '\n' && after != kEnd &&
                record.error.empty())
                record.error = "text after a closing quote";
        } else {
            *field += static_cast<char>(c);
        }
    }
}

void appendCsvField(std::string& out, std::string_view field, char delimiter)
{
    bool plain = true;
    for (const char c : field)
        if (c == delimiter || c == '"' || c == '\r' || c == '\n') plain = false;
    if (plain) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace morvane::calc
