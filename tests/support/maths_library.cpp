#include "support/maths_library.hpp"

#include <cstdlib>
#include <string_view>

namespace test_support {

bool maths_library_uses_fma()
{
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    const bool masked =
        tunables != nullptr && std::string_view(tunables).find("-FMA") != std::string_view::npos;
    return __builtin_cpu_supports("fma") && !masked;
}

} // namespace test_support
