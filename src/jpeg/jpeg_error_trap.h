#pragma once
// The error manager every libjpeg call of this library runs under.
//
// libjpeg reports a fatal error by calling error_exit, which by default
// prints and ends the process. Here it jumps back instead: the caller arms
// `jumpBack` with setjmp right before its libjpeg calls, and a failure
// returns there with a non-zero value. Warnings (libjpeg's "corrupt data"
// messages, such as a premature end of the data) jump back the same way,
// so damaged input is refused instead of being shown half grey. Nothing is
// ever printed.
//
// Rules for the function that calls setjmp: only plain C values may live
// in it, nothing with a destructor, and it must not change a local value
// between setjmp and the jump that it reads afterwards. The jump then skips
// only libjpeg's own C frames and the small callbacks below.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace morvane::jpeg_detail {

struct ErrorTrap {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is ours
    std::jmp_buf jumpBack;
};

// Fills in `trap` and returns the manager to store in a codec's `err`.
jpeg_error_mgr* installErrorTrap(ErrorTrap& trap);

}  // namespace morvane::jpeg_detail
