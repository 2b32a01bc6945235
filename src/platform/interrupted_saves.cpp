#include "platform/interrupted_saves.h"

#include "platform/atomic_file.h"

namespace q417 {

void removeInterruptedSaves(const DataPaths& paths, const LockWait& wait) {
    const DataFolderLock lock(paths.dir(), wait);
    if (!lock.status().ok()) {
        return;
    }
    for (const std::filesystem::path& file : {paths.configFile(), paths.macroLibrary(), paths.uiSettings()}) {
        removeTemporaryFilesOf(file);
    }
}

} // namespace q417
