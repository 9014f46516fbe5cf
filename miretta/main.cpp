// miretta: a sequence of 100 Newtonian white-dwarf models with central
// densities 1e8 e^(i/4) kg/m^3, i = 0 ... 99. All models are computed first;
// only then is "data.txt" written, one line "rho_end,M,R" per model, so a run
// stopped early leaves an earlier table untouched.

#include "model.hpp"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

constexpr const char* table_name = "data.txt";

int fail(int error_number)
{
    (void)std::fprintf(stderr, "miretta: %s: %s\n", table_name, std::strerror(error_number));
    return 1;
}

} // namespace

int main()
{
    std::array<miretta::model_result, 100> results{};
    for (int i = 0; i <= 99; ++i) {
        results[static_cast<std::size_t>(i)] =
            miretta::calculate_one_rho(1e8 * std::exp(static_cast<double>(i) / 4.0));
    }

    std::ofstream table(table_name);
    if (!table) {
        return fail(errno);
    }
    for (const miretta::model_result& result : results) {
        table << result.rho_end << ',' << result.M << ',' << result.R << '\n';
    }
    table.close();
    if (!table) {
        return fail(errno);
    }
    return 0;
}
