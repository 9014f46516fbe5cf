#include "support/program_run.hpp"

#include "support/scratch_directory.hpp"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

namespace {

int open_for_capture(const std::filesystem::path& file)
{
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (descriptor < 0) {
        throw std::runtime_error("cannot create " + file.string());
    }
    return descriptor;
}

} // namespace

program_run run_program(const std::filesystem::path& executable,
                        const std::filesystem::path& directory,
                        const std::vector<std::string>& environment)
{
    // The streams are captured outside `directory`, which holds only what the
    // program itself writes.
    const scratch_directory capture;
    const auto out_file = capture.path() / "stdout";
    const auto err_file = capture.path() / "stderr";
    const int out = open_for_capture(out_file);
    const int err = open_for_capture(err_file);

    const pid_t child = fork();
    if (child == 0) {
        if (chdir(directory.c_str()) != 0) {
            _exit(127);
        }
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        const int no_input = open("/dev/null", O_RDONLY);
        dup2(no_input, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out);
    close(err);
    if (child < 0) {
        throw std::runtime_error("cannot start " + executable.string());
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return {exit_status, read_file(out_file), read_file(err_file)};
}

std::string read_file(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> read_lines(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace test_support
