#pragma once

#include <functional>
#include <vector>

namespace accuracy {

// Runs every job once, on as many threads as the machine has cores, taking
// them in the order given (put the longest first). Jobs must not share
// mutable state.
void run_in_parallel(const std::vector<std::function<void()>>& jobs);

} // namespace accuracy
