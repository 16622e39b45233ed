#include "output_buffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace morvane::calc {

void OutputBuffer::flush()
{
    std::size_t written = 0;
    while (error_.empty() && written < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n > 0)
            written += static_cast<std::size_t>(n);
        else if (n == 0)
            error_ = "nothing could be written";
        else if (errno != EINTR)
            error_ = std::strerror(errno);
    }
    buffer_.clear();
}

}  // namespace morvane::calc
