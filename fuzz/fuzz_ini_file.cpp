// Feeds arbitrary bytes to the INI reader and editor: the input is a file, then after the last
// NUL-NUL pair a section and key to look up and write.
#include "platform/ini_document.h"
#include "platform/text_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.rfind(std::string_view("\0\0", 2));
    const std::string_view file = split == std::string_view::npos ? input : input.substr(0, split);
    const std::string_view names =
        split == std::string_view::npos ? std::string_view("Skins\0Lan", 9) : input.substr(split + 2);
    const std::size_t mid = names.find('\0');
    const std::string_view section = names.substr(0, mid);
    const std::string_view key = mid == std::string_view::npos ? std::string_view("Item1") : names.substr(mid + 1);

    const q417::DecodedText decoded = q417::decodeText(file);
    q417::IniDocument doc = q417::IniDocument::parse(decoded.utf8);
    (void)doc.value(section, key);
    (void)doc.sectionNames();
    (void)doc.entries(section);

    doc.setValue(section, key, "v1");
    const std::string written = q417::encodeText(doc.text(), decoded.encoding);
    const q417::IniDocument reread = q417::IniDocument::parse(q417::decodeText(written).utf8);
    // A key that can be named in a file must read back what was written. Names that are not
    // valid UTF-8 cannot be stored in a UTF-16 file as they are, so they do not count there.
    const auto storable = [&decoded](std::string_view name) {
        return decoded.encoding == q417::TextEncoding::Utf8 || decoded.encoding == q417::TextEncoding::Utf8Bom ||
               q417::decodeText(q417::encodeText(name, q417::TextEncoding::Utf16LeBom)).utf8 == name;
    };
    const std::size_t keyStart = key.find_first_not_of(" \t\v\f");
    const std::string_view trimmedKey = keyStart == std::string_view::npos ? std::string_view{} : key.substr(keyStart);
    const bool nameable =
        section.find_first_of("]\r\n") == std::string_view::npos &&
        key.find_first_of("=\r\n") == std::string_view::npos &&
        (trimmedKey.empty() || (trimmedKey.front() != ';' && trimmedKey.front() != '#' && trimmedKey.front() != '[')) &&
        storable(section) && storable(key);
    if (nameable && reread.value(section, key) != std::optional<std::string>("v1")) {
        std::abort();
    }
    doc.replaceSection(section, {{"ItemCount", "1"}, {"Item0", "A   Dn"}});
    doc.removeSection(section);
    (void)q417::truncateUtf8(doc.text(), 1023);
    return 0;
}
