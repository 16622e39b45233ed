#pragma once
// Reading and writing CSV tables: fields separated by one delimiter byte,
// records ended by CRLF, LF or CR; a field in double quotes may hold the
// delimiter, line breaks and doubled quotes ("a ""b""" reads a "b").
// Bytes are kept exactly as read: blanks around fields belong to the field.
// Empty lines are skipped; a UTF-8 byte order mark before the header is dropped.
//
// A record holds at most kMaxCells fields, kMaxCellBytes in any one field and
// kMaxRowBytes in all (as decoded, quotes and delimiters not counted), so a
// table of any length and any shape is read in bounded memory. A record
// beyond a limit is marked with an error ("a cell longer than 1 MiB"); its
// fields are kept up to the one that broke the limit, that one emptied, and
// the rest of the record is read past and dropped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text_encoding.h"

namespace morvane::calc {

inline constexpr std::size_t kMaxCellBytes = std::size_t{1} << 20;  // 1 MiB
inline constexpr std::size_t kMaxRowBytes = std::size_t{4} << 20;  // 4 MiB
inline constexpr std::size_t kMaxCells = 16384;

class CsvRecord {
public:
    std::size_t count() const { return bounds_.size() - 1; }
    std::string_view field(std::size_t i) const
    {
        return std::string_view(text_.data() + bounds_[i], bounds_[i + 1] - bounds_[i]);
    }
    // Whether every field is empty and the record well formed (",,,").
    bool blank() const { return text_.empty() && error.empty(); }

    long line = 0;      // the line the record starts on, from 1
    std::string error;  // why the record is malformed, or empty

private:
    friend class CsvReader;
    // The fields' bytes one after another, and where each field starts and
    // the last one ends (0, then one more bound per field); kept from record
    // to record so that reading allocates little.
    std::string text_;
    std::vector<std::size_t> bounds_{0};
};

// Reads records from a file descriptor in large blocks, one at a time, so
// that a table of any length is read in constant memory. A latin1 table is
// decoded to UTF-8 as it is read (text_encoding.h).
class CsvReader {
public:
    CsvReader(int fd, char delimiter, InputEncoding encoding = InputEncoding::kUtf8)
        : fd_(fd), delimiter_(delimiter), encoding_(encoding)
    {
    }

    // The next record, or false at the end of the input or on a read error.
    //   a,"b ""c""",  ->  {"a", "b \"c\"", ""}
    //   "open         ->  {"open"} with error "unterminated quote"
    //   "a"b          ->  {"ab"} with error "text after a closing quote"
    bool next(CsvRecord& record);

    // What went wrong reading, or empty.
    const std::string& readError() const { return readError_; }

private:
    static constexpr int kEnd = -1;
    int get();
    int peek();
    bool refill();
    // Reads a line break whose first byte `c` was taken; counts the line.
    void endLine(int c);
    void startRecord(CsvRecord& record);
    // Ends the field at a delimiter and starts the next one.
    void nextField(CsvRecord& record);
    // Whether no byte of the field has been read: a quote then opens it.
    bool atFieldStart(const CsvRecord& record) const;
    void readQuoted(CsvRecord& record);
    // Adds a byte to the record's last field, within the limits.
    void keep(CsvRecord& record, int c);
    // Past a limit: marks the record, empties the field that broke it and
    // drops the rest of the record.
    void overflow(CsvRecord& record);

    int fd_;
    char delimiter_;
    InputEncoding encoding_;
    std::string block_;
    std::string raw_;  // a latin1 block before decoding
    std::size_t position_ = 0;
    long line_ = 1;
    bool started_ = false;
    std::size_t fieldLimit_ = 0;  // the record's size at which its last field is full
    bool dropping_ = false;       // the record broke a limit: the rest of it is read past
    bool droppedFieldStart_ = false;  // while dropping: no byte of the field read yet
    std::string readError_;
};

// Appends `field` to `out`, quoted when it holds the delimiter, a quote, CR or LF.
void appendCsvField(std::string& out, std::string_view field, char delimiter);

}  // namespace morvane::calc
