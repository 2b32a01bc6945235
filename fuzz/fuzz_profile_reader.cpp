// Feeds arbitrary bytes to the profile reader. A profile it accepts must write out and read back
// to the same record and macros: the writer never says something the reader refuses.
#include "profile/profile_json.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const q417::ProfileParse first = q417::readProfileJson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.status.ok()) {
        return 0;
    }
    const q417::ProfileParse again = q417::readProfileJson(q417::writeProfileJson(first.profile));
    if (!again.status.ok() || again.profile.macros != first.profile.macros ||
        std::memcmp(&again.profile.config, &first.profile.config, sizeof(q417::MouseConfig)) != 0) {
        std::abort();
    }
    return 0;
}
