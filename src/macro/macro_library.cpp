#include "macro/macro_library.h"

#include "macro/macro_encoding.h"
#include "platform/ini_document.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <iterator>
#include <optional>

namespace q417 {

namespace {

constexpr const char* kCountKey = "ItemCount";

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The line number of an "Item%d" key, written as the program writes it ("Item7", never "Item07").
std::optional<long long> lineNumberOfKey(std::string_view key) {
    if (key.size() < 5 || !sameIniName(key.substr(0, 4), "Item")) {
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

using Slots = std::array<MacroSlot, kMacroSlotCount>;

struct StoredMacro {
    std::optional<int> count; // "ItemCount", when present
    MacroLines lines;
};

// One macro's keys, from the section's first copy; the first of duplicated keys wins. Values are
// cut as every read of the file cuts them.
StoredMacro readStoredMacro(const IniEntries& entries) {
    StoredMacro macro;
    for (const auto& [key, value] : entries) {
        if (sameIniName(key, kCountKey)) {
            if (!macro.count) {
                macro.count = leadingInt(value);
            }
        } else if (const auto n = lineNumberOfKey(key)) {
            macro.lines.try_emplace(*n, truncateUtf8(value, IniFile::kMaxValueChars));
        }
    }
    return macro;
}

// The lines 0 to count - 1, missing ones empty. The program writes no gaps, so missing lines are
// made up only while there are no more of them than lines held: the lines end before a gap that
// would go past that, and after the last line held.
std::vector<std::string> linesToShow(const StoredMacro& macro) {
    const long long count = macro.count.value_or(0);
    const auto end = macro.lines.lower_bound(std::max(count, 0LL));
    const auto held = static_cast<long long>(std::distance(macro.lines.begin(), end));
    std::vector<std::string> lines;
    long long next = 0;
    long long missing = 0;
    for (auto it = macro.lines.begin(); it != end; ++it) {
        const long long gap = it->first - next;
        if (missing + gap > held) {
            break;
        }
        missing += gap;
        lines.resize(lines.size() + static_cast<std::size_t>(gap));
        lines.push_back(it->second);
        next = it->first + 1;
    }
    return lines;
}

// Slot t from section t, for the first twelve sections of the document.
void compileSlots(const IniDocument& doc, Slots& slots) {
    const std::vector<std::string> names = doc.sectionNames();
    for (std::size_t slot = 0; slot < names.size() && slot < kMacroSlotCount; ++slot) {
        const StoredMacro macro = readStoredMacro(doc.entries(names[slot]));
        MacroSlot& target = slots[slot];
        const int count = macro.count.value_or(0);
        if (count == 0) {
            target = MacroSlot{};
        } else if (count > 0) {
            encodeMacroEvents(macro.lines, count, target);
        }
    }
}

// The slots as they stand once the sections at `removed` (ascending) are gone: each kept macro's
// slot moves with it, and the slots freed at the end are empty.
Slots withoutSlots(const Slots& slots, const std::vector<std::size_t>& removed) {
    Slots moved{};
    std::size_t to = 0;
    for (std::size_t from = 0; from < kMacroSlotCount; ++from) {
        if (!std::binary_search(removed.begin(), removed.end(), from)) {
            moved[to++] = slots[from];
        }
    }
    return moved;
}

} // namespace

std::vector<std::string> MacroLibrary::listMacroNames() const {
    return file_.sectionNames();
}

std::vector<std::string> MacroLibrary::loadMacro(std::string_view name) const {
    return linesToShow(readStoredMacro(file_.sectionEntries(name)));
}

Status MacroLibrary::saveMacro(std::string_view name, const std::vector<std::string>& lines, MouseConfig& config) {
    const std::string section = truncateUtf8(name, kMacroNameMaxChars);
    if (section.find_first_not_of(" \t") == std::string::npos) {
        return Status::failure(ErrorKind::Usage, "a macro needs a name");
    }
    IniEntries entries;
    entries.reserve(lines.size() + 1);
    entries.emplace_back(kCountKey, std::to_string(lines.size()));
    for (std::size_t j = 0; j < lines.size(); ++j) {
        entries.emplace_back("Item" + std::to_string(j), lines[j]);
    }
    // The slots are compiled from the document as written, so the file is read once.
    Slots slots = config.macroSlots;
    Status status = file_.edit([&](IniDocument& doc) {
        doc.replaceSection(section, entries);
        compileSlots(doc, slots);
        return true;
    });
    if (status.ok()) {
        config.macroSlots = slots;
    }
    return status;
}

Status MacroLibrary::deleteMacro(std::string_view name) {
    return file_.removeSection(name);
}

MacroLibrary::Deletion MacroLibrary::deleteMacroAndCompile(std::string_view name, MouseConfig& config) {
    Deletion deletion;
    Slots slots{};
    deletion.status = file_.edit([&](IniDocument& doc) {
        deletion.removedSlots = doc.sectionPositions(name);
        if (deletion.removedSlots.empty()) {
            return false;
        }
        doc.removeSection(name);
        slots = withoutSlots(config.macroSlots, deletion.removedSlots);
        compileSlots(doc, slots);
        return true;
    });
    if (!deletion.status.ok()) {
        deletion.removedSlots.clear();
    } else if (!deletion.removedSlots.empty()) {
        config.macroSlots = slots;
    }
    return deletion;
}

void MacroLibrary::compileMacroSlots(MouseConfig& config) const {
    if (const std::optional<IniDocument> doc = file_.document()) {
        compileSlots(*doc, config.macroSlots);
    }
}

} // namespace q417
