#include "support/unwritable_file.hpp"

#include <fstream>

namespace test_support {

std::vector<unwritable_file> unwritable_files()
{
    return {
        {"DirectoryInTheWay",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directory(file);
             std::ofstream(file / "kept") << "kept\n";
         },
         "Is a directory"},
        {"FullDisk",
         [](const std::filesystem::path& file) {
             std::filesystem::create_symlink("/dev/full", file);
         },
         "No space left on device"},
    };
}

std::string unwritable_file_name(const unwritable_file& file)
{
    return file.name;
}

void PrintTo(const unwritable_file& file, std::ostream* out)
{
    *out << file.name;
}

} // namespace test_support
