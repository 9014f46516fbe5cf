#include "miretta_study.hpp"

#include "constants.hpp"
#include "model.hpp"
#include "parallel.hpp"
#include "sweep.hpp"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace accuracy {

namespace {

constexpr std::size_t table_lines = miretta::sweep_models;
constexpr std::size_t levels = 7;

double step_at(std::size_t level)
{
    return std::ldexp(miretta::dr, -static_cast<int>(level));
}

} // namespace

scheme_study study_miretta(const table& printed)
{
    if (printed.size() != table_lines) {
        throw std::runtime_error("data.txt: " + std::to_string(printed.size()) +
                                 " lines, expected " + std::to_string(table_lines));
    }
    std::array<std::array<miretta::model_result, levels>, table_lines> models{};
    std::vector<std::function<void()>> jobs;
    for (std::size_t level = levels; level-- > 0;) {
        for (std::size_t k = 0; k < table_lines; ++k) {
            jobs.emplace_back([&models, level, k] {
                models[k][level] = miretta::integrate_model(
                    miretta::sweep_density(static_cast<int>(k)), step_at(level));
            });
        }
    }
    run_in_parallel(jobs);

    scheme_study result{"miretta", "shell step, first order", {}};
    for (std::size_t k = 0; k < table_lines; ++k) {
        std::array<double, levels> mass{};
        std::array<double, levels> radius{};
        for (std::size_t level = 0; level < levels; ++level) {
            mass[level] = models[k][level].M;
            radius[level] = models[k][level].R;
        }
        result.lines.push_back(
            {static_cast<int>(k) + 1,
             {std::stod(printed[k][1]), mass[0], analyse(mass, 0, 0.0)},
             {std::stod(printed[k][2]), radius[0], analyse(radius, 0, step_at(levels - 1))}});
    }
    return result;
}

} // namespace accuracy
