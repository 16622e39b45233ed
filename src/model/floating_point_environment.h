#pragma once
// The floating-point environment every calculation runs in: extended
// precision, round to nearest (ties to even), all processor traps masked.
// Faults are detected by explicit checks (checked_arithmetic.h), never by traps.

namespace morvane {

// Empties the status flags and reloads the default settings. Called at
// start-up and after a failure, so the next calculation starts clean.
void resetFloatingPointEnvironment();

}  // namespace morvane
