// Runs halmora-cli with arguments and collects its exit code and output streams.
#pragma once

#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace halmora::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// `args` is passed to the shell as written; tests quote what needs quoting.
inline CliResult RunCli(const std::string& args) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto out = dir / ("halmora-cli-out-" + std::to_string(::getpid()));
    const auto err = dir / ("halmora-cli-err-" + std::to_string(::getpid()));
    const std::string command =
        std::string(HALMORA_CLI) + " " + args + " >" + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadText(out);
    r.err = ReadText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return r;
}

}  // namespace halmora::testing
