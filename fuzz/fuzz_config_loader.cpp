// Loads arbitrary bytes as config.bin: any size, any content.
#include "config/config_file.h"
#include "scratch_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace {

class IgnoreMessages : public q417::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& path = q417::fuzz::writeScratchFile("config.bin", data, size);
    IgnoreMessages messages;
    q417::ConfigFile file(path, messages);
    q417::MouseConfig config{};
    const bool loaded = file.loadConfig(config).ok();
    if (loaded != (size == q417::kConfigFileSize)) {
        std::abort();
    }
    if (loaded && (file.firstRunFlag() != data[0] ||
                   q417::configFileBytes(config, data[0]) != std::string(reinterpret_cast<const char*>(data), size))) {
        std::abort();
    }
    return 0;
}
