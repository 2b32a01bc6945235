#pragma once

#include "config/mouse_config.h"
#include "platform/ini_file.h"
#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

inline constexpr std::size_t kMacroNameMaxChars = 31;

// The user's macros in record.ini: one section per macro, named after it, holding "ItemCount"
// and the lines "Item0", "Item1", ... A macro's slot on the mouse is its section's position in
// the file, counted from 0. The file is the master copy and is read afresh by every call.
class MacroLibrary {
public:
    explicit MacroLibrary(std::filesystem::path recordIni)
        : file_(std::move(recordIni)) {}

    // Every section name in file order; nothing when the file is missing.
    [[nodiscard]] std::vector<std::string> listMacroNames() const;

    // The macro's lines: "ItemCount" of them, a missing line read as empty. Empty lines after
    // the last line the file holds are not returned, and the section never makes up more missing
    // lines than it holds lines (the lines end before a gap that would), so an absurd count or line
    // number cannot exhaust memory.
    [[nodiscard]] std::vector<std::string> loadMacro(std::string_view name) const;

    // Writes the macro under its name (cut to 31 characters). An existing macro is rewritten
    // where it stands, so no other macro's slot moves; a new one goes to the end of the file.
    // The slots of `config` are then rebuilt from the file.
    Status saveMacro(std::string_view name, const std::vector<std::string>& lines, MouseConfig& config);

    // Removes the macro's section whole. The slots are rebuilt at the next save.
    Status deleteMacro(std::string_view name);

    struct Deletion {
        Status status;
        // Where the removed sections stood, counted from 0 among all sections before the removal,
        // ascending: one position, or more when sections differing only in case shared the name;
        // none when the file did not hold the name.
        std::vector<std::size_t> removedSlots;
    };
    // Removes the macro's section whole and rebuilds the slots at once: the slots of the macros
    // after it move up with them, repeat counts included, the slots left over at the end are
    // emptied, and the event pairs are compiled from what the file then holds. A name the file does
    // not hold changes nothing, and neither does a failed write.
    Deletion deleteMacroAndCompile(std::string_view name, MouseConfig& config);

    // Rebuilds the twelve slots from the file: a count of 0 (or none) empties the slot, a
    // negative count leaves it as it is; sections past the twelfth have no slot. Every operation
    // that compiles reads the file once, however many sections it holds.
    void compileMacroSlots(MouseConfig& config) const;

    [[nodiscard]] const std::filesystem::path& path() const { return file_.path(); }

private:
    IniFile file_;
};

} // namespace q417
