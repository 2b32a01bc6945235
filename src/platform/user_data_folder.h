#pragma once

#include "platform/data_paths.h"
#include "platform/result.h"

namespace q417 {

// Makes the user's own data folder ready before anything reads it: creates it when missing and
// copies in each factory file (config.bin, str.ini) it lacks from the shared folder. A file that is
// already there is never replaced, so the user's settings outlive every start and every update of
// the program. A data folder chosen by another rule is left as it is.
Status prepareDataFolder(const DataPaths& paths);

} // namespace q417
