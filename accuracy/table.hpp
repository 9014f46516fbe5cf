#pragma once

// The tables as the programs wrote them: the printed values are read back
// from the files, not formatted again.

#include <filesystem>
#include <string>
#include <vector>

namespace accuracy {

using table = std::vector<std::vector<std::string>>;

// The fields of every line of `file`, split at `separator`. Throws
// std::runtime_error naming the file when it cannot be read or a line does
// not have `columns` fields.
table read_table(const std::filesystem::path& file, char separator, std::size_t columns);

} // namespace accuracy
