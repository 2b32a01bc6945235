#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q417 {

// Section and key names match without regard to ASCII letter case.
bool sameIniName(std::string_view a, std::string_view b);

using IniEntries = std::vector<std::pair<std::string, std::string>>;

// The text of an INI file as lines, with the lookup and edit rules the program relies on:
// section and key names match without regard to ASCII case, the first match wins, everything not
// touched by an edit (comments, unknown keys, other sections, line order, each line's own line
// break, LF or CRLF, in a file that mixes them) stays byte for byte. A changed line keeps its
// break; a new line takes the break of the line before it.
class IniDocument {
public:
    static IniDocument parse(std::string_view utf8Text);
    [[nodiscard]] std::string text() const;

    // The value of the first matching key of the first matching section, trimmed of blanks and
    // of one pair of enclosing quotes; nothing when the section or key is missing.
    [[nodiscard]] std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Every section name, in file order, duplicates included as they stand.
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    // Every key of the first matching section, in file order.
    [[nodiscard]] IniEntries entries(std::string_view section) const;
    // The position of every section of that name among all sections, counted from 0 in file order.
    [[nodiscard]] std::vector<std::size_t> sectionPositions(std::string_view section) const;

    // Replaces the value of an existing key in place, or adds the key after the section's last
    // key; a missing section is created at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name whole, header included. Returns whether one existed.
    bool removeSection(std::string_view section);
    // Gives the first matching section exactly these keys, keeping its place in the file (other
    // same-named sections go); a missing section is created at the end of the file.
    void replaceSection(std::string_view section, const IniEntries& entries);

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string raw; // as in the file, without its line break
        std::string brk; // "\n", "\r\n", or "" for a last line without one
        LineKind kind = LineKind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed and unquoted
    };
    static Line classify(std::string raw);

    // Index of the header of the first section named `section`, or npos.
    [[nodiscard]] std::size_t findSection(std::string_view section) const;
    // One past the last line that belongs to the section whose header is at `header`.
    [[nodiscard]] std::size_t sectionEnd(std::size_t header) const;
    // One past the section's last key line (the header if it has no keys).
    [[nodiscard]] std::size_t afterLastKey(std::size_t header) const;
    std::size_t appendSection(std::string_view section);
    void insertLine(std::size_t at, std::string raw);

    std::vector<Line> lines_;
    std::string newline_ = "\n"; // the first line's break: for a line with none before it
};

} // namespace q417
