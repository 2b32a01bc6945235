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

// Runs q417ctl with its arguments (without the program name); everything it prints goes to `out`
// and `err`, so tests call it in-process.
int runCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace q417
