#pragma once

// The accuracy of one printed quantity of one table line.

#include "convergence.hpp"

#include <string>
#include <vector>

namespace accuracy {

struct quantity_study {
    double printed;  // as the table prints it (rounded to its digits)
    double computed; // the double the program computes, at its own step
    convergence estimate;

    // Relative error of the printed value: signed where the quantity was
    // extrapolated, a bound (not negative) where it was not.
    double printed_error() const;
    // The same for the computed value: the error of the step alone.
    double step_error() const;
};

struct line_study {
    int line; // 1-based line of the table
    quantity_study mass;
    quantity_study radius;
};

struct scheme_study {
    std::string program;
    std::string scheme;
    std::vector<line_study> lines;
};

} // namespace accuracy
