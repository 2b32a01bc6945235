#include "profile/profile_files.h"

#include "config/config_file.h"
#include "macro/macro_library.h"
#include "platform/atomic_file.h"
#include "platform/ini_document.h"
#include "platform/ini_file.h"
#include "platform/text_encoding.h"
#include "profile/profile_json.h"
#include "texts/button_labels.h"

#include <cstring>
#include <optional>
#include <system_error>

namespace q417 {

namespace {

// The file's bytes, or nothing when it does not exist.
Status readIfPresent(const std::filesystem::path& path, std::optional<std::string>& bytes) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        bytes.reset();
        return Status::success();
    }
    bytes.emplace();
    return readWholeFile(path, *bytes, IniFile::kMaxFileBytes);
}

std::string recordIniText(const std::vector<ProfileMacro>& macros) {
    IniDocument doc = IniDocument::parse("");
    for (const ProfileMacro& macro : macros) {
        IniEntries entries{{"ItemCount", std::to_string(macro.lines.size())}};
        for (std::size_t n = 0; n < macro.lines.size(); ++n) {
            entries.emplace_back("Item" + std::to_string(n), macro.lines[n]);
        }
        doc.replaceSection(macro.name, entries);
    }
    return doc.text();
}

std::string uiSettingsText(std::string_view oldText, const std::array<KeyLabels, kLanguageCount>& labels) {
    IniDocument doc = IniDocument::parse(oldText);
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        const std::string_view section = labelSectionName(static_cast<Language>(lang));
        bool allEmpty = true;
        for (const auto& mode : labels[lang]) {
            for (const std::string& label : mode) {
                allEmpty = allEmpty && label.empty();
            }
        }
        if (allEmpty && doc.entries(section).empty()) {
            continue; // no labels in a language that has none yet: the file stays as it is
        }
        IniEntries entries;
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            for (std::size_t button = 0; button < kButtonCount; ++button) {
                entries.emplace_back(buttonLabelKey(mode, button), labels[lang][mode][button]);
            }
        }
        doc.replaceSection(section, entries);
    }
    return doc.text();
}

struct PlannedWrite {
    std::filesystem::path path;
    std::string bytes;
    std::optional<std::string> old; // nothing: the file did not exist
};

Status planConfigWrite(const DataPaths& paths, const MouseConfig& config, PlannedWrite& write) {
    write.path = paths.configFile();
    write.bytes = configFileBytes(config, 1);
    return readIfPresent(write.path, write.old);
}

// Each text file keeps the encoding it had; a new one is UTF-8.
Status planMacrosWrite(const DataPaths& paths, const std::vector<ProfileMacro>& macros, PlannedWrite& write) {
    write.path = paths.macroLibrary();
    if (Status s = readIfPresent(write.path, write.old); !s.ok()) {
        return s;
    }
    write.bytes = encodeText(recordIniText(macros), decodeText(write.old.value_or("")).encoding);
    return Status::success();
}

Status planLabelsWrite(const DataPaths& paths, const std::array<KeyLabels, kLanguageCount>& labels,
                       PlannedWrite& write) {
    write.path = paths.uiSettings();
    if (Status s = readIfPresent(write.path, write.old); !s.ok()) {
        return s;
    }
    const DecodedText old = decodeText(write.old.value_or(""));
    write.bytes = encodeText(uiSettingsText(old.utf8, labels), old.encoding);
    return Status::success();
}

// Every new text is made before the first write; a failed write puts back the files written
// before it, so a failure leaves the folder as it was.
Status writeAllOrNone(const std::vector<PlannedWrite>& writes) {
    for (std::size_t i = 0; i < writes.size(); ++i) {
        Status s = replaceFileAtomically(writes[i].path, writes[i].bytes);
        if (!s.ok()) {
            for (std::size_t done = 0; done < i; ++done) {
                (void)restoreFile({writes[done].path, writes[done].old});
            }
            return s;
        }
    }
    return Status::success();
}

} // namespace

Status loadProfileData(const DataPaths& paths, ProfileData& profile) {
    std::string bytes;
    if (Status s = readWholeFile(paths.configFile(), bytes, kConfigFileSize + 1); !s.ok()) {
        return s;
    }
    if (bytes.size() != kConfigFileSize) {
        return Status::failure(ErrorKind::DataFile, paths.configFile().string() + ": not a config file (" +
                                                        std::to_string(bytes.size()) + " bytes, not " +
                                                        std::to_string(kConfigFileSize) + ")");
    }
    MouseConfig config{};
    std::memcpy(&config, bytes.data() + 1, sizeof(MouseConfig));
    return loadProfileAround(paths, config, profile);
}

Status loadProfileAround(const DataPaths& paths, const MouseConfig& config, ProfileData& profile) {
    ProfileData loaded;
    loaded.config = config;
    const IniFile record(paths.macroLibrary());
    if (Status s = record.readable(); !s.ok()) {
        return s;
    }
    const MacroLibrary library(paths.macroLibrary());
    const std::vector<std::string> names = library.listMacroNames();
    if (names.size() > kMacroSlotCount) {
        return Status::failure(ErrorKind::DataFile, paths.macroLibrary().string() + " holds " +
                                                        std::to_string(names.size()) + " macros; a profile holds " +
                                                        std::to_string(kMacroSlotCount));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        loaded.macros.push_back({names[i], loaded.config.macroSlots[i].repeats(), library.loadMacro(names[i])});
    }

    const IniFile ui(paths.uiSettings());
    if (Status s = ui.readable(); !s.ok()) {
        return s;
    }
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        loaded.labels[lang] = readButtonLabels(ui, static_cast<Language>(lang));
    }
    profile = std::move(loaded);
    return Status::success();
}

Status saveProfileData(const DataPaths& paths, const ProfileData& profile) {
    std::vector<PlannedWrite> writes(3);
    if (Status s = planConfigWrite(paths, profile.config, writes[0]); !s.ok()) {
        return s;
    }
    if (Status s = planMacrosWrite(paths, profile.macros, writes[1]); !s.ok()) {
        return s;
    }
    if (Status s = planLabelsWrite(paths, profile.labels, writes[2]); !s.ok()) {
        return s;
    }
    return writeAllOrNone(writes);
}

Status saveProfileMacros(const DataPaths& paths, const std::vector<ProfileMacro>& macros, FileSnapshot& before) {
    std::vector<PlannedWrite> writes(1);
    if (Status s = planMacrosWrite(paths, macros, writes[0]); !s.ok()) {
        return s;
    }
    before = {writes[0].path, writes[0].old};
    return writeAllOrNone(writes);
}

Status saveProfileLabels(const DataPaths& paths, const std::array<KeyLabels, kLanguageCount>& labels) {
    std::vector<PlannedWrite> writes(1);
    if (Status s = planLabelsWrite(paths, labels, writes[0]); !s.ok()) {
        return s;
    }
    return writeAllOrNone(writes);
}

Status restoreFile(const FileSnapshot& snapshot) {
    if (snapshot.bytes) {
        return replaceFileAtomically(snapshot.path, *snapshot.bytes);
    }
    std::error_code ec;
    std::filesystem::remove(snapshot.path, ec);
    if (ec) {
        return Status::failure(ErrorKind::DataFile, snapshot.path.string() + ": " + ec.message(), ec.value());
    }
    return Status::success();
}

Status exportProfile(const DataPaths& paths, std::string& json) {
    ProfileData profile;
    if (Status s = loadProfileData(paths, profile); !s.ok()) {
        return s;
    }
    json = writeProfileJson(profile);
    return Status::success();
}

Status importProfile(const DataPaths& paths, std::string_view json) {
    const ProfileParse parse = readProfileJson(json);
    if (!parse.status.ok()) {
        return parse.status;
    }
    return saveProfileData(paths, parse.profile);
}

} // namespace q417
