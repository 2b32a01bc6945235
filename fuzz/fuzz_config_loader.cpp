// Loads arbitrary bytes as config.bin: any size, any content.
#include "config/config_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class IgnoreMessages : public q417::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("q417-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir / "config.bin";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    IgnoreMessages messages;
    q417::ConfigFile file(scratchFile(), messages);
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
