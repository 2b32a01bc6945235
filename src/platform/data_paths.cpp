#include "platform/data_paths.h"

#include <system_error>

namespace q417 {

std::filesystem::path DataPaths::executableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : exe.parent_path();
}

DataPaths DataPaths::resolve(const std::optional<std::filesystem::path>& dataDirOption) {
    if (dataDirOption && !dataDirOption->empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(*dataDirOption, ec);
        return DataPaths(ec ? *dataDirOption : absolute.lexically_normal());
    }
    return DataPaths(executableDir());
}

} // namespace q417
