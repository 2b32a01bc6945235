#include "macro/macro_library.h"

#include "macro/macro_encoding.h"
#include "platform/profile_document.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace q417 {

namespace {

constexpr const char* kCountKey = "ItemCount";

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The line number of an "Item%d" key, written as the program writes it ("Item7", never "Item07").
std::optional<long long> lineNumberOfKey(std::string_view key) {
    if (key.size() < 5 || !sameProfileName(key.substr(0, 4), "Item")) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(4);
    if (!isDigits(digits) || (digits.size() > 1 && digits[0] == '0') || digits.size() > 10) {
        return std::nullopt;
    }
    long long n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return n <= INT_MAX ? std::optional<long long>(n) : std::nullopt;
}

struct StoredMacro {
    std::optional<int> count; // "ItemCount", when present
    MacroLines lines;
};

// One macro's keys, from the section's first copy; the first of duplicated keys wins.
StoredMacro readStoredMacro(const ProfileEntries& entries) {
    StoredMacro macro;
    for (const auto& [key, value] : entries) {
        if (sameProfileName(key, kCountKey)) {
            if (!macro.count) {
                macro.count = leadingInt(value);
            }
        } else if (const auto n = lineNumberOfKey(key)) {
            macro.lines.try_emplace(*n, value);
        }
    }
    return macro;
}

} // namespace

std::vector<std::string> MacroLibrary::listMacroNames() const {
    return file_.sectionNames();
}

std::vector<std::string> MacroLibrary::loadMacro(std::string_view name) const {
    const StoredMacro macro = readStoredMacro(file_.sectionEntries(name));
    const long long count = macro.count.value_or(0);
    std::vector<std::string> lines;
    if (count <= 0 || macro.lines.empty()) {
        return lines;
    }
    const long long last = std::min(count, macro.lines.rbegin()->first + 1);
    lines.reserve(static_cast<std::size_t>(std::min(last, 100'000LL)));
    for (long long j = 0; j < last; ++j) {
        const auto it = macro.lines.find(j);
        lines.push_back(it == macro.lines.end() ? std::string{} : it->second);
    }
    return lines;
}

Status MacroLibrary::saveMacro(std::string_view name, const std::vector<std::string>& lines, MouseConfig& config) {
    const std::string section = truncateUtf8(name, kMacroNameMaxChars);
    if (section.find_first_not_of(" \t") == std::string::npos) {
        return Status::failure(ErrorKind::Usage, "a macro needs a name");
    }
    ProfileEntries entries;
    entries.reserve(lines.size() + 1);
    entries.emplace_back(kCountKey, std::to_string(lines.size()));
    for (std::size_t j = 0; j < lines.size(); ++j) {
        entries.emplace_back("Item" + std::to_string(j), lines[j]);
    }
    Status status = file_.replaceSection(section, entries);
    if (status.ok()) {
        compileMacroSlots(config);
    }
    return status;
}

Status MacroLibrary::deleteMacro(std::string_view name) {
    return file_.removeSection(name);
}

void MacroLibrary::compileMacroSlots(MouseConfig& config) const {
    if (!file_.exists()) {
        return;
    }
    const std::vector<std::string> names = file_.sectionNames();
    for (std::size_t slot = 0; slot < names.size() && slot < kMacroSlotCount; ++slot) {
        const StoredMacro macro = readStoredMacro(file_.sectionEntries(names[slot]));
        MacroSlot& target = config.macroSlots[slot];
        const int count = macro.count.value_or(0);
        if (count == 0) {
            target = MacroSlot{};
        } else if (count > 0) {
            encodeMacroEvents(macro.lines, count, target);
        }
    }
}

} // namespace q417
