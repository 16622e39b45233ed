#pragma once
// Reading and writing CSV tables: fields separated by one delimiter byte,
// records ended by CRLF, LF or CR; a field in double quotes may hold the
// delimiter, line breaks and doubled quotes ("a ""b""" reads a "b").
// Bytes are kept exactly as read: blanks around fields belong to the field.
// Empty lines are skipped; a UTF-8 byte order mark before the header is dropped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::calc {

struct CsvRecord {
    // The record's fields are fields[0] … fields[count - 1]; the vector keeps
    // the strings of earlier records so that reading allocates little.
    std::vector<std::string> fields;
    std::size_t count = 0;
    long line = 0;      // the line the record starts on, from 1
    std::string error;  // why the record is malformed, or empty
};

// Reads records from a file descriptor in large blocks, one at a time, so
// that a table of any length is read in constant memory (plus its longest record).
class CsvReader {
public:
    CsvReader(int fd, char delimiter) : fd_(fd), delimiter_(delimiter) {}

    // The next record, or false at the end of the input or on a read error.
    //   a,"b ""c""",  ->  {"a", "b \"c\"", ""}
    //   "open         ->  {"open"} with error "unterminated quote"
    //   "a"b          ->  {"a"} with error "text after a closing quote"
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
    std::string& newField(CsvRecord& record);
    void readQuoted(CsvRecord& record, std::string& field);

    int fd_;
    char delimiter_;
    std::string block_;
    std::size_t position_ = 0;
    long line_ = 1;
    bool started_ = false;
    std::string readError_;
};

// Appends `field` to `out`, quoted when it holds the delimiter, a quote, CR or LF.
void appendCsvField(std::string& out, std::string_view field, char delimiter);

}  // namespace morvane::calc
