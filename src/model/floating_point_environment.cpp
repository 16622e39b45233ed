#include "floating_point_environment.h"

#include <cfenv>

namespace morvane {

void resetFloatingPointEnvironment()
{
    // glibc's default environment: x87 extended precision, round to nearest,
    // every exception masked; the same for SSE.
    std::fesetenv(FE_DFL_ENV);
}

}  // namespace morvane
