#include "csv_table.h"

#include <algorithm>
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

void CsvReader::keep(CsvRecord& record, int c)
{
    if (record.text_.size() == fieldLimit_) return overflow(record);
    record.text_ += static_cast<char>(c);
}

void CsvReader::overflow(CsvRecord& record)
{
    droppedFieldStart_ = false;
    if (dropping_) return;
    const bool cellFull = fieldLimit_ - record.bounds_.back() == kMaxCellBytes;
    if (record.error.empty())
        record.error = cellFull ? "a cell longer than 1 MiB" : "a row longer than 4 MiB";
    record.text_.resize(record.bounds_.back());
    dropping_ = true;
    fieldLimit_ = record.text_.size();
}

void CsvReader::startRecord(CsvRecord& record)
{
    record.text_.clear();
    record.bounds_.assign(1, 0);
    record.error.clear();
    record.line = line_;
    dropping_ = false;
    fieldLimit_ = kMaxCellBytes;
}

void CsvReader::nextField(CsvRecord& record)
{
    if (dropping_) {
        droppedFieldStart_ = true;
        return;
    }
    if (record.bounds_.size() == kMaxCells) {
        // The fields read so far stay; the ones after them are dropped.
        if (record.error.empty()) record.error = "more than 16384 cells";
        dropping_ = true;
        droppedFieldStart_ = true;
        fieldLimit_ = record.text_.size();
        return;
    }
    record.bounds_.push_back(record.text_.size());
    fieldLimit_ = std::min(record.text_.size() + kMaxCellBytes, kMaxRowBytes);
}

bool CsvReader::atFieldStart(const CsvRecord& record) const
{
    return dropping_ ? droppedFieldStart_ : record.text_.size() == record.bounds_.back();
}

void CsvReader::readQuoted(CsvRecord& record)
{
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (record.error.empty()) record.error = "unterminated quote";
            return;
        }
        if (c == '"') {
            if (peek() != '"') return;
            get();
        } else if (c == '\r' || c == '\n') {
            // A line break inside quotes belongs to the field, as written.
            keep(record, c);
            if (c == '\r' && peek() == '\n') keep(record, get());
            ++line_;
            continue;
        }
        keep(record, c);
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

    startRecord(record);
    for (;; c = get()) {
        if (c == kEnd || c == '\r' || c == '\n') {
            if (c != kEnd) endLine(c);
            record.bounds_.push_back(record.text_.size());
            return true;
        }
        if (c == delimiter_) {
            nextField(record);
        } else if (c == '"' && atFieldStart(record)) {
            droppedFieldStart_ = false;
            readQuoted(record);
            const int after = peek();
            if (after != delimiter_ && after != '\r' && after != '\n' && after != kEnd &&
                record.error.empty())
                record.error = "text after a closing quote";
        } else {
            keep(record, c);
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
