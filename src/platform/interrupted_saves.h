#pragma once

#include "platform/data_folder_lock.h"
#include "platform/data_paths.h"

namespace q417 {

// At start-up: removes the temporary files that saves of config.bin, record.ini and str.ini left in
// the data folder when a program was killed half-way (".config.bin.XXXXXX" and so on). The folder's
// lock is held meanwhile, so a save running in another program keeps its own; when the lock cannot
// be had, nothing is removed and the next start tries again.
void removeInterruptedSaves(const DataPaths& paths, const LockWait& wait = {});

} // namespace q417
