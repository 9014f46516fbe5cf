#pragma once

// Comparing korvane's table with a reference. On glibc's FMA code paths the
// table must match byte for byte. Without them sinh and cosh round
// differently in the last steps of a model, where dq is pure cancellation,
// and the step at which a model ends may move: then the second column (-ln R)
// may differ within 1e-6, and nothing else may.

#include "support/maths_library.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace korvane_test {

inline std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

// One line, without its "\n".
inline void expect_same_line(const std::string& actual, const std::string& expected)
{
    if (test_support::maths_library_uses_fma()) {
        EXPECT_EQ(actual, expected);
        return;
    }
    const auto a = split(actual, '\t');
    const auto e = split(expected, '\t');
    ASSERT_EQ(a.size(), 3U) << actual;
    ASSERT_EQ(e.size(), 3U) << expected;
    EXPECT_EQ(a[0], e[0]);
    EXPECT_EQ(a[1].size(), e[1].size()) << a[1] << " against " << e[1];
    EXPECT_NEAR(std::stod(a[1]), std::stod(e[1]), 1e-6);
    EXPECT_EQ(a[2], e[2]);
}

// A whole table: the same lines, each ended by "\n".
inline void expect_same_table(const std::string& actual, const std::string& expected)
{
    if (test_support::maths_library_uses_fma()) {
        EXPECT_EQ(actual, expected);
        return;
    }
    ASSERT_FALSE(actual.empty());
    EXPECT_EQ(actual.back(), '\n');
    const auto a = split(actual, '\n');
    const auto e = split(expected, '\n');
    ASSERT_EQ(a.size(), e.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        SCOPED_TRACE("line " + std::to_string(k + 1));
        expect_same_line(a[k], e[k]);
    }
}

} // namespace korvane_test
