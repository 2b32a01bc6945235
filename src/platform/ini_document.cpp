#include "platform/ini_document.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace q417 {

namespace {

constexpr std::size_t npos = std::numeric_limits<std::size_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

// Line breaks inside a name or value would split the line and forge new keys or sections.
std::string singleLine(std::string_view s) {
    std::string out(s);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

std::string keyLine(std::string_view key, std::string_view value) {
    std::string line = singleLine(trim(key));
    std::replace(line.begin(), line.end(), '=', '_');
    return line + "=" + singleLine(value);
}

std::string sectionLine(std::string_view section) {
    std::string name = singleLine(trim(section));
    std::replace(name.begin(), name.end(), ']', ')');
    return "[" + name + "]";
}

} // namespace

bool sameIniName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

IniDocument::Line IniDocument::classify(std::string raw) {
    Line line;
    const std::string_view body = trim(raw);
    if (!body.empty() && body.front() == '[') {
        // A header without its closing bracket opens nothing: the line is kept but ignored.
        const std::size_t close = body.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = std::string(trim(body.substr(1, close - 1)));
        }
    } else if (!body.empty() && body.front() != ';' && body.front() != '#') {
        const std::size_t eq = body.find('=');
        if (eq != std::string_view::npos) {
            line.kind = LineKind::Key;
            line.name = std::string(trim(body.substr(0, eq)));
            line.value = std::string(unquote(trim(body.substr(eq + 1))));
        }
    }
    line.raw = std::move(raw);
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view raw = text.substr(start, end == std::string_view::npos ? end : end - start);
        std::string_view brk;
        if (end != std::string_view::npos) {
            brk = "\n";
            if (!raw.empty() && raw.back() == '\r') {
                raw.remove_suffix(1);
                brk = "\r\n";
            }
        }
        Line line = classify(std::string(raw));
        line.brk = brk;
        doc.lines_.push_back(std::move(line));
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    if (!doc.lines_.empty() && !doc.lines_.front().brk.empty()) {
        doc.newline_ = doc.lines_.front().brk;
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += line.brk;
    }
    return out;
}

std::size_t IniDocument::findSection(std::string_view section) const {
    const std::string_view wanted = trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && sameIniName(lines_[i].name, wanted)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != LineKind::Section) {
        ++i;
    }
    return i;
}

std::size_t IniDocument::afterLastKey(std::size_t header) const {
    std::size_t last = header;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key) {
            last = i;
        }
    }
    return last + 1;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(section);
    if (header == npos) {
        return std::nullopt;
    }
    const std::string_view wanted = trim(key);
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key && sameIniName(lines_[i].name, wanted)) {
            return lines_[i].value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Section) {
            names.push_back(line.name);
        }
    }
    return names;
}

IniEntries IniDocument::entries(std::string_view section) const {
    IniEntries out;
    const std::size_t header = findSection(section);
    if (header == npos) {
        return out;
    }
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key) {
            out.emplace_back(lines_[i].name, lines_[i].value);
        }
    }
    return out;
}

std::vector<std::size_t> IniDocument::sectionPositions(std::string_view section) const {
    const std::string_view wanted = trim(section);
    std::vector<std::size_t> positions;
    std::size_t position = 0;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Section) {
            if (sameIniName(line.name, wanted)) {
                positions.push_back(position);
            }
            ++position;
        }
    }
    return positions;
}

void IniDocument::insertLine(std::size_t at, std::string raw) {
    Line line = classify(std::move(raw));
    line.brk = newline_;
    if (at > 0) {
        // The break of the line before; a last line without one gives it up to the new last line.
        std::string& before = lines_[at - 1].brk;
        line.brk = before.empty() ? "" : before;
        if (before.empty()) {
            before = newline_;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::size_t IniDocument::appendSection(std::string_view section) {
    insertLine(lines_.size(), sectionLine(section));
    // A new section ends with a break, so that its keys follow on lines of their own.
    if (lines_.back().brk.empty()) {
        lines_.back().brk = newline_;
    }
    return lines_.size() - 1;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::size_t header = findSection(section);
    if (header == npos) {
        header = appendSection(section);
    }
    const std::string_view wanted = trim(key);
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key && sameIniName(lines_[i].name, wanted)) {
            std::string brk = std::move(lines_[i].brk);
            lines_[i] = classify(keyLine(lines_[i].name, value));
            lines_[i].brk = std::move(brk);
            return;
        }
    }
    insertLine(afterLastKey(header), keyLine(key, value));
}

bool IniDocument::removeSection(std::string_view section) {
    const std::string_view wanted = trim(section);
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    bool inRemoved = false;
    bool removed = false;
    for (Line& line : lines_) {
        if (line.kind == LineKind::Section) {
            inRemoved = sameIniName(line.name, wanted);
            removed = removed || inRemoved;
        }
        if (!inRemoved) {
            kept.push_back(std::move(line));
        }
    }
    lines_ = std::move(kept);
    return removed;
}

void IniDocument::replaceSection(std::string_view section, const IniEntries& entries) {
    std::size_t header = findSection(section);
    if (header == npos) {
        header = appendSection(section);
    } else {
        // Drop the old keys (comments and blank lines between them go too), then any later duplicate.
        const std::size_t end = afterLastKey(header);
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end));
        const std::size_t end2 = sectionEnd(header);
        std::vector<Line> tail(std::make_move_iterator(lines_.begin() + static_cast<std::ptrdiff_t>(end2)),
                               std::make_move_iterator(lines_.end()));
        lines_.resize(end2);
        IniDocument rest;
        rest.lines_ = std::move(tail);
        rest.removeSection(section);
        std::move(rest.lines_.begin(), rest.lines_.end(), std::back_inserter(lines_));
    }
    std::size_t at = header + 1;
    for (const auto& [key, value] : entries) {
        insertLine(at++, keyLine(key, value));
    }
}

} // namespace q417
