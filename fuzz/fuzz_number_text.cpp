// libFuzzer entry point: the number text properties on each input.

#include <cstddef>
#include <cstdint>

#include "number_text_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    morvane::fuzz::checkNumberTextProperties(data, size);
    return 0;
}
