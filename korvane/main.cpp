// korvane: a sequence of general-relativistic equilibrium models of stars made
// of a degenerate ideal Fermi gas, for 21 central energy densities from 1 to
// 100, ten per decade. Writes one line per model to "data2.xlsx", a
// tab-separated text table, as soon as the model and all before it are done.

#include "model.hpp"
#include "sweep.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* table_name = "data2.xlsx";

int fail(int error_number)
{
    (void)std::fprintf(stderr, "korvane: %s: %s\n", table_name, std::strerror(error_number));
    return 1;
}

} // namespace

int main()
{
    // Opened before any model is computed: a table that cannot be written is
    // reported at once, not after the sweep.
    std::FILE* table = std::fopen(table_name, "w");
    if (table == nullptr) {
        return fail(errno);
    }

    std::array<korvane::model, korvane::sweep_models> sweep{};
    for (int k = 0; k < korvane::sweep_models; ++k) {
        const double rho_c = korvane::sweep_density(k);
        sweep[static_cast<std::size_t>(k)] =
            korvane::centred_model(rho_c, korvane::sweep_step(rho_c));
    }

    // Each line is flushed as soon as its model is done, so that the table
    // grows while the sweep runs and a failed write (a full disk) is seen at
    // once: it stops the sweep, since the models' lines could not be kept.
    bool written = true;
    int write_error = 0;
    korvane::integrate(sweep, [&](const korvane::model& ended) {
        written = korvane::output(ended, table) && std::fflush(table) == 0;
        if (!written) {
            write_error = errno;
        }
        return written;
    });
    if (!written) {
        (void)std::fclose(table);
        return fail(write_error);
    }
    if (std::fclose(table) != 0) {
        return fail(errno);
    }
    return 0;
}
