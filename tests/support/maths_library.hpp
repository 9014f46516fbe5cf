#pragma once

namespace test_support {

// True when glibc's sinh and cosh take their code paths with fused
// multiply-add: the processor has FMA and GLIBC_TUNABLES does not mask it.
// The reference tables were written on those paths; without them the last
// decimals of korvane's second column may move (within 1e-6).
bool maths_library_uses_fma();

} // namespace test_support
