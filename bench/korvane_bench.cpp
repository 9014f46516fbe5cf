// Cost of the relativistic integration: one midpoint step with each step
// function evaluating the equation of state on its own against one step that
// shares q, dq and rho between them, and whole models integrated one after
// another against side by side. Prints the ratios at the end.

#include "equation_of_state.hpp"
#include "midpoint_step.hpp"
#include "model.hpp"
#include "sweep.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>

namespace {

// A state inside the star, well away from the centre and the surface.
constexpr double r0 = 0.5;
constexpr double t0 = 1.0;
constexpr double m0 = 0.1;
constexpr double h = 1e-6;

void step_as_written(benchmark::State& state)
{
    double t = t0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        const double tp = korvane::tpred(r0, t, m0, h);
        const double mp = korvane::mpred(r0, t, m0, h);
        const double middle = 0.5 * h + r0;
        const double t1 = korvane::tcor(middle, t, tp, mp, h);
        const double m1 = korvane::mcor(middle, tp, m0, h);
        benchmark::DoNotOptimize(t1);
        benchmark::DoNotOptimize(m1);
    }
}
BENCHMARK(step_as_written);

void step_sharing_values(benchmark::State& state)
{
    double t = t0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        const korvane::matter_state at_start = korvane::matter_at(t);
        const double tp = korvane::advance_parameter(r0, t, at_start, m0, 0.5 * h);
        const double mp = korvane::advance_mass(r0, at_start.energy_density, m0, 0.5 * h);
        const double middle = 0.5 * h + r0;
        const korvane::matter_state at_middle = korvane::matter_at(tp);
        const double t1 = korvane::advance_parameter(middle, t, at_middle, mp, h);
        const double m1 = korvane::advance_mass(middle, at_middle.energy_density, m0, h);
        benchmark::DoNotOptimize(t1);
        benchmark::DoNotOptimize(m1);
    }
}
BENCHMARK(step_sharing_values);

// The sweep's first model, about two million steps.
void whole_model(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvane::integrate_model(1.0, 1e-6));
    }
}
BENCHMARK(whole_model)->Unit(benchmark::kMillisecond)->Iterations(3);

// The sweep's first three models.
std::array<korvane::model, 3> first_models()
{
    std::array<korvane::model, 3> models{};
    for (int k = 0; k < 3; ++k) {
        const double rho_c = korvane::sweep_density(k);
        models[static_cast<std::size_t>(k)] =
            korvane::centred_model(rho_c, korvane::sweep_step(rho_c));
    }
    return models;
}

void three_models_one_after_another(benchmark::State& state)
{
    for (auto _ : state) {
        for (const korvane::model& s : first_models()) {
            benchmark::DoNotOptimize(korvane::integrate_model(s.rho_c, s.h));
        }
    }
}
BENCHMARK(three_models_one_after_another)->Unit(benchmark::kMillisecond)->Iterations(2);

void three_models_side_by_side(benchmark::State& state)
{
    for (auto _ : state) {
        auto models = first_models();
        korvane::integrate(models, [](const korvane::model&) { return true; });
        benchmark::DoNotOptimize(models);
    }
}
BENCHMARK(three_models_side_by_side)->Unit(benchmark::kMillisecond)->Iterations(2);

// The console report, plus each run's real time per iteration kept by name.
class ratio_reporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void print_ratio(const std::string& faster, const std::string& slower) const
    {
        const auto a = seconds_.find(faster);
        const auto b = seconds_.find(slower);
        if (a != seconds_.end() && b != seconds_.end()) {
            std::printf("%s / %s: %.2f\n", faster.c_str(), slower.c_str(), a->second / b->second);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("step_sharing_values", "step_as_written");
    reporter.print_ratio("three_models_side_by_side/iterations:2",
                         "three_models_one_after_another/iterations:2");
    benchmark::Shutdown();
    return 0;
}
