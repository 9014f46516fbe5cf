#include "report.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace accuracy {

namespace {

std::string number(double value, int digits = 10)
{
    char text[48];
    (void)std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::string how(const convergence& c)
{
    return c.smooth ? "extrapolated p=" + number(c.order, 3) : "bounded";
}

void write_quantity(std::ofstream& out, const quantity_study& q)
{
    out << '\t' << number(q.printed) << '\t' << number(q.computed, 17) << '\t'
        << number(q.estimate.converged, 17) << '\t' << number(q.printed_error(), 3) << '\t'
        << number(q.step_error(), 3) << '\t' << how(q.estimate);
}

// The line of the largest |error| that `error` gives, and that error.
template <typename Error> std::pair<int, double> largest(const scheme_study& study, Error error)
{
    const auto worst = std::max_element(study.lines.begin(), study.lines.end(),
                                        [&](const line_study& a, const line_study& b) {
                                            return std::abs(error(a)) < std::abs(error(b));
                                        });
    return {worst->line, error(*worst)};
}

void summarise(const scheme_study& study, std::ostream& out, const char* name,
               const quantity_study line_study::*quantity)
{
    std::vector<double> orders;
    double uncertainty = 0.0;
    int bounded = 0;
    for (const line_study& line : study.lines) {
        const convergence& c = (line.*quantity).estimate;
        if (c.smooth) {
            orders.push_back(c.order);
            uncertainty = std::max(uncertainty, c.uncertainty / std::abs(c.converged));
        } else {
            ++bounded;
        }
    }
    out << "  " << name << ": ";
    if (!orders.empty()) {
        const auto [low, high] = std::minmax_element(orders.begin(), orders.end());
        out << "observed order " << number(*low, 3) << " to " << number(*high, 3)
            << ", extrapolated on " << orders.size() << " lines (to within "
            << number(uncertainty, 2) << " relative)";
        if (bounded > 0) {
            out << "; ";
        }
    }
    if (bounded > 0) {
        out << "not extrapolated on " << bounded
            << " lines (resolved only to the step, or not smooth in it): error bounded from finer "
               "steps";
    }
    out << '\n';
    const auto [printed_line, printed] =
        largest(study, [&](const line_study& l) { return (l.*quantity).printed_error(); });
    const auto [step_line, step] =
        largest(study, [&](const line_study& l) { return (l.*quantity).step_error(); });
    out << "    largest relative error of the printed " << name << ": " << number(printed, 2)
        << " (line " << printed_line << "); of the computed " << name
        << " (the step alone): " << number(step, 2) << " (line " << step_line << ")\n";
}

} // namespace

void write_table(const scheme_study& study, const std::filesystem::path& file)
{
    std::ofstream out(file);
    out << "line";
    for (const char* quantity : {"mass", "radius"}) {
        for (const char* column :
             {"printed", "computed", "converged", "printed_rel_error", "step_rel_error", "how"}) {
            out << '\t' << quantity << '_' << column;
        }
    }
    out << '\n';
    for (const line_study& line : study.lines) {
        out << line.line;
        write_quantity(out, line.mass);
        write_quantity(out, line.radius);
        out << '\n';
    }
    out.close();
    if (!out) {
        throw std::runtime_error(file.string() + ": cannot be written");
    }
}

void write_summary(const scheme_study& study, std::ostream& out)
{
    out << study.program << " (" << study.scheme << "):\n";
    summarise(study, out, "mass", &line_study::mass);
    summarise(study, out, "radius", &line_study::radius);
}

} // namespace accuracy
