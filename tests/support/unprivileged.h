#pragma once

#include <functional>
#include <grp.h>
#include <optional>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace q417::test {

// The user a root test run gives files to, and runs as, to see what an ordinary user sees.
inline constexpr uid_t kOtherUid = 65534;
inline constexpr gid_t kOtherGid = 65534;

// Runs `body` in a child process as an ordinary user: as root the child drops to kOtherUid,
// otherwise it stays the user running the tests. Returns the child's exit code (body's result,
// 0..255), or nothing when the child could not drop its privileges. Assertions belong in the
// parent: the child's only answer is its code.
inline std::optional<int> runAsOrdinaryUser(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        constexpr int kCannotDrop = 254;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGid) != 0 || ::setuid(kOtherUid) != 0)) {
            ::_exit(kCannotDrop);
        }
        ::_exit(body() & 0xFF);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 254) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

} // namespace q417::test
