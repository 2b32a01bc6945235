#include "config/config_file.h"

#include "platform/atomic_file.h"
#include "platform/data_folder_lock.h"

#include <cstring>
#include <string>
#include <system_error>

namespace q417 {

std::string configFileBytes(const MouseConfig& config, std::uint8_t flag) {
    std::string bytes(kConfigFileSize, '\0');
    bytes[0] = static_cast<char>(flag);
    std::memcpy(bytes.data() + 1, &config, sizeof(MouseConfig));
    return bytes;
}

Status ConfigFile::loadConfig(MouseConfig& config) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) {
        messages_.showMessage(kTextConfigMissing, "");
        return Status::failure(ErrorKind::NotFound, std::string(kTextConfigMissing) + " (" + path_.string() + ")");
    }
    std::string bytes;
    // Reading one byte more than the size tells a too-long file from a right one.
    const Status read = readWholeFile(path_, bytes, kConfigFileSize + 1);
    if (!read.ok() || bytes.size() != kConfigFileSize) {
        return Status::failure(ErrorKind::DataFile, path_.string() + " is not a settings file of " +
                                                        std::to_string(kConfigFileSize) + " bytes; nothing loaded");
    }
    firstRunFlag_ = static_cast<std::uint8_t>(bytes[0]);
    std::memcpy(&config, bytes.data() + 1, sizeof(MouseConfig));
    return Status::success();
}

Status ConfigFile::saveWithFlag(const MouseConfig& config, std::uint8_t flag) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) {
        messages_.showMessage(kTextConfigMissing, "");
        return Status::failure(ErrorKind::NotFound, std::string(kTextConfigMissing) + " (" + path_.string() + ")");
    }
    // Another program of this mouse may be rewriting the folder's files; wait for it.
    const DataFolderLock lock(folderOf(path_));
    Status status = lock.status().ok() ? replaceFileAtomically(path_, configFileBytes(config, flag)) : lock.status();
    if (!status.ok()) {
        messages_.showMessage("Error Code is: " + std::to_string(status.systemError) + " \n", kCaptionSaveFailed);
    }
    return status;
}

} // namespace q417
