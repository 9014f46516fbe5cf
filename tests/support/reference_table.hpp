#pragma once

// The tables as the programs write them on the reference machine (x86-64,
// glibc on its FMA code paths), committed as the programs' contract with
// their users.

#include <string>

namespace test_support {

// The whole committed reference table `name` ("data2.xlsx" or "data.txt").
std::string reference_table(const std::string& name);

} // namespace test_support
