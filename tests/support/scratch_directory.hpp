#pragma once

#include <filesystem>

namespace test_support {

// A fresh, empty directory under the system's temporary directory, removed
// with everything in it when the object goes.
class scratch_directory {
  public:
    scratch_directory();
    ~scratch_directory();
    scratch_directory(const scratch_directory&) = delete;
    scratch_directory& operator=(const scratch_directory&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace test_support
