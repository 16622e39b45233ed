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
    std::string& target = encoding_ == InputEncoding::kLatin1 ? raw_ : block_;
    target.resize(kBlockSize);
    position_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, target.data(), kBlockSize);
        if (n >= 0) {
            target.resize(static_cast<std::size_t>(n));
            break;
        }
        if (errno != EINTR) {
            readError_ = std::strerror(errno);
            target.clear();
            break;
        }
    }
    if (encoding_ == InputEncoding::kLatin1) {
        block_.clear();
        appendLatin1AsUtf8(block_, raw_);
    }
    return !block_.empty();
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

void CsvReader::keep(CsvRecord& record, std::string_view bytes)
{
    if (dropping_ || bytes.empty()) return;
    const std::size_t cellBytes = record.text_.size() - record.starts_.back();
    if (bytes.size() > kMaxCellBytes - cellBytes) return drop(record, "a cell longer than 1 MiB");
    if (bytes.size() > kMaxRowBytes - record.text_.size())
        return drop(record, "a row longer than 4 MiB");
    record.text_ += bytes;
}

void CsvReader::drop(CsvRecord& record, const char* why)
{
    if (record.error.empty()) record.error = why;
    record.text_.resize(record.starts_.back());
    dropping_ = true;
}

void CsvReader::startField(CsvRecord& record)
{
    if (dropping_) return;
    if (record.starts_.size() == kMaxCells) {
        if (record.error.empty()) record.error = "more than 16384 cells";
        dropping_ = true;
        return;
    }
    record.starts_.push_back(record.text_.size());
}

// Takes bytes up to the next delimiter or line break, or the end.
void CsvReader::readPlain(CsvRecord& record)
{
    while (peek() != kEnd) {
        const std::size_t start = position_;
        while (position_ < block_.size()) {
            const char c = block_[position_];
            if (c == delimiter_ || c == '\r' || c == '\n') break;
            ++position_;
        }
        keep(record, std::string_view(block_).substr(start, position_ - start));
        if (position_ < block_.size()) return;
    }
}

// Takes a quoted field's bytes after its opening quote, and its closing quote.
void CsvReader::readQuoted(CsvRecord& record)
{
    for (;;) {
        if (peek() == kEnd) {
            if (record.error.empty()) record.error = "unterminated quote";
            return;
        }
        const std::size_t start = position_;
        while (position_ < block_.size()) {
            const char c = block_[position_];
            if (c == '"' || c == '\r' || c == '\n') break;
            ++position_;
        }
        keep(record, std::string_view(block_).substr(start, position_ - start));
        if (position_ == block_.size()) continue;
        const char c = block_[position_++];
        if (c == '"') {
            if (peek() != '"') return;
            keep(record, std::string_view(block_).substr(position_++, 1));
        } else {
            // A line break inside quotes belongs to the field, as written.
            keep(record, std::string_view(&c, 1));
            if (c == '\r' && peek() == '\n') keep(record, std::string_view(block_).substr(position_++, 1));
            ++line_;
        }
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
    for (int c = peek(); c == '\r' || c == '\n'; c = peek()) endLine(get());
    if (peek() == kEnd) return false;

    record.text_.clear();
    record.starts_.clear();
    record.error.clear();
    record.line = line_;
    dropping_ = false;
    for (;;) {
        startField(record);
        if (peek() == '"') {
            get();
            readQuoted(record);
            const int after = peek();
            if (after != delimiter_ && after != '\r' && after != '\n' && after != kEnd &&
                record.error.empty())
                record.error = "text after a closing quote";
        }
        readPlain(record);
        const int c = get();
        if (c == kEnd) return true;
        if (c != delimiter_) {
            endLine(c);
            return true;
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
