// miretta: a sequence of 100 Newtonian white-dwarf models with central
// densities 1e8 e^(i/4) kg/m^3, i = 0 ... 99. All models are computed first;
// only then is "data.txt" written, one line "rho_end,M,R" per model, so a run
// stopped early leaves an earlier table untouched.

#include "model.hpp"
#include "sweep.hpp"

#include <array>
#include <cerrno>
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
    std::array<miretta::model_result, miretta::sweep_models> results{};
    for (int i = 0; i < miretta::sweep_models; ++i) {
        results[static_cast<std::size_t>(i)] =
            miretta::calculate_one_rho(miretta::sweep_density(i));
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
