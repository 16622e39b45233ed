#include "jpeg_error_trap.h"

#include <type_traits>

namespace morvane::jpeg_detail {

static_assert(std::is_standard_layout_v<ErrorTrap>,
              "the manager must sit at the start of the trap");

namespace {

ErrorTrap& trapOf(j_common_ptr codec)
{
    return *reinterpret_cast<ErrorTrap*>(codec->err);
}

[[noreturn]] void jumpBackOnError(j_common_ptr codec)
{
    std::longjmp(trapOf(codec).jumpBack, 1);
}

// Level -1 is a warning about damaged data; higher levels are trace
// messages, which stay silent.
void jumpBackOnWarning(j_common_ptr codec, int level)
{
    if (level < 0)
        std::longjmp(trapOf(codec).jumpBack, 1);
}

void stayQuiet(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* installErrorTrap(ErrorTrap& trap)
{
    jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
    manager->error_exit = jumpBackOnError;
    manager->emit_message = jumpBackOnWarning;
    manager->output_message = stayQuiet;
    return manager;
}

}  // namespace morvane::jpeg_detail
