// Build-time tool: writes the factory config.bin and str.ini into the folder it is given.
#include "config/config_file.h"
#include "config/factory_defaults.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "q417_make_factory_files: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: q417_make_factory_files DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const bool ok = writeFile(dir / "config.bin", q417::configFileBytes(q417::factoryConfig(), 0)) &&
                    writeFile(dir / "str.ini", q417::factoryUiSettingsText());
    return ok ? 0 : 1;
}
