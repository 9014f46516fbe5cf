#include "korvane_study.hpp"

#include "model.hpp"
#include "parallel.hpp"
#include "sweep.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>

namespace accuracy {

namespace {

// Steps h 2^7 down to h 2^-2: scaling by a power of two is exact, so the
// program's own step is one of the ladder, bit for bit.
constexpr int coarsest_power = 7;
constexpr std::size_t levels = 10;
constexpr std::size_t program_level = coarsest_power;

// Models integrated together, side by side, in one job.
constexpr std::size_t models_per_job = 7;

double step_at(int k, std::size_t level)
{
    const double h = korvane::sweep_step(korvane::sweep_density(k));
    return std::ldexp(h, coarsest_power - static_cast<int>(level));
}

quantity_study study(double printed, std::span<const double> values, double resolution)
{
    return {printed, values[program_level], analyse(values, program_level, resolution)};
}

} // namespace

scheme_study study_korvane(const table& printed)
{
    if (printed.size() != korvane::sweep_models) {
        throw std::runtime_error("data2.xlsx: " + std::to_string(printed.size()) +
                                 " lines, expected " + std::to_string(korvane::sweep_models));
    }
    // One sweep for each step, in jobs of a few models each, finest first.
    std::array<std::array<korvane::model, korvane::sweep_models>, levels> sweeps{};
    std::vector<std::function<void()>> jobs;
    for (std::size_t level = levels; level-- > 0;) {
        for (int k = 0; k < korvane::sweep_models; ++k) {
            sweeps[level][static_cast<std::size_t>(k)] =
                korvane::centred_model(korvane::sweep_density(k), step_at(k, level));
        }
        for (std::size_t first = 0; first < korvane::sweep_models; first += models_per_job) {
            jobs.emplace_back([&sweeps, level, first] {
                const std::span<korvane::model> chunk(sweeps[level]);
                korvane::integrate(chunk.subspan(first, models_per_job),
                                   [](const korvane::model&) { return true; });
            });
        }
    }
    run_in_parallel(jobs);

    scheme_study result{"korvane", "explicit midpoint rule, second order", {}};
    for (std::size_t k = 0; k < korvane::sweep_models; ++k) {
        std::array<double, levels> mass{};
        std::array<double, levels> radius{};
        for (std::size_t level = 0; level < levels; ++level) {
            mass[level] = sweeps[level][k].m;
            radius[level] = sweeps[level][k].r;
        }
        // Column 2 prints -ln R; the study speaks of R itself, whose relative
        // error is the absolute error of column 2.
        const double printed_radius = std::exp(-std::stod(printed[k][1]));
        const double finest_step = step_at(static_cast<int>(k), levels - 1);
        result.lines.push_back({static_cast<int>(k) + 1, study(std::stod(printed[k][2]), mass, 0.0),
                                study(printed_radius, radius, finest_step)});
    }
    return result;
}

} // namespace accuracy
