#pragma once
// Standard output through one buffer, written in large blocks, with every
// failed write remembered: a full disk or a closed pipe must not pass for
// success.

#include <string>
#include <string_view>

namespace morvane::calc {

class OutputBuffer {
public:
    explicit OutputBuffer(int fd = 1) : fd_(fd) {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Appends; writes the buffer out once it holds a block's worth.
    void append(std::string_view text)
    {
        buffer_ += text;
        if (buffer_.size() >= kBlockSize) flush();
    }
    void append(char c)
    {
        buffer_ += c;
        if (buffer_.size() >= kBlockSize) flush();
    }

    // Writes everything held. After a failure, output is dropped.
    void flush();

    // Whether every write so far succeeded; otherwise what went wrong
    // ("No space left on device").
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    int fd_;
    std::string buffer_;
    std::string error_;
};

}  // namespace morvane::calc
