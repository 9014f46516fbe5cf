#include "table.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace accuracy {

table read_table(const std::filesystem::path& file, char separator, std::size_t columns)
{
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error(file.string() + ": cannot be read (make run writes it)");
    }
    table rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream fields_in(line);
        for (std::string field; std::getline(fields_in, field, separator);) {
            fields.push_back(field);
        }
        if (fields.size() != columns) {
            throw std::runtime_error(file.string() + ": line " + std::to_string(rows.size() + 1) +
                                     " does not have " + std::to_string(columns) + " fields");
        }
        rows.push_back(fields);
    }
    return rows;
}

} // namespace accuracy
