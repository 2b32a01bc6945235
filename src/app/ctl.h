#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace q417 {

// Exit codes of q417ctl.
enum CtlExit : int {
    kExitOk = 0,
    kExitNoMouse = 1,
    kExitUsage = 2,
    kExitDataFile = 3,
};

class Sleeper;

// Runs q417ctl with its arguments (without the program name); everything it prints goes to `out`
// and `err`, so tests call it in-process. The mouse's pacing pauses go to `sleeper`, or are
// waited for real when it is null.
int runCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Sleeper* sleeper = nullptr);

} // namespace q417
