# Chooses the extended arithmetic of the model: "hardware" uses long double,
# which must be the x87 80-bit format (gcc and clang on x86-64); "software"
# uses SoftwareExtended, which computes the same values with integers on any
# processor. The default is hardware where long double is the x87 format.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([[
#include <cfloat>
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381);
int main() { return 0; }
]] MORVANE_LONG_DOUBLE_IS_X87)

if(MORVANE_LONG_DOUBLE_IS_X87)
  set(_morvane_default_arithmetic hardware)
else()
  set(_morvane_default_arithmetic software)
endif()
set(MORVANE_ARITHMETIC ${_morvane_default_arithmetic} CACHE STRING
    "Extended arithmetic of the model: hardware (x87 long double) or software")
set_property(CACHE MORVANE_ARITHMETIC PROPERTY STRINGS hardware software)

if(NOT MORVANE_ARITHMETIC MATCHES "^(hardware|software)$")
  message(FATAL_ERROR "MORVANE_ARITHMETIC is '${MORVANE_ARITHMETIC}'; it must be hardware or software")
endif()
if(MORVANE_ARITHMETIC STREQUAL "hardware" AND NOT MORVANE_LONG_DOUBLE_IS_X87)
  message(FATAL_ERROR
    "MORVANE_ARITHMETIC=hardware needs long double to be the x87 80-bit extended "
    "format (64-bit significand, 15-bit exponent), and this compiler's long double "
    "is not. Configure with -DMORVANE_ARITHMETIC=software.")
endif()
message(STATUS "Extended arithmetic: ${MORVANE_ARITHMETIC}")
