// Runs a step in a child process that cannot write into folders it does not own, to see how the
// program meets a read-only folder. Permission bits do not stop root, so a test run as root runs
// the child as "nobody"; a normal user's child only needs the caller's chmod.
//
//   fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
//   const std::optional<std::string> said = RunWithoutPrivileges([] { return Try(); });
//   if (!said) GTEST_SKIP() << "cannot drop root";
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace halmora::testing {

inline std::optional<std::string> RunWithoutPrivileges(const std::function<std::string()>& step) {
    constexpr uid_t kNobody = 65534;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(3);
        const std::string text = step();
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(pipeFds[1], text.data() + done, text.size() - done);
            if (n <= 0)
                ::_exit(4);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string text;
    char chunk[512];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

}  // namespace halmora::testing
