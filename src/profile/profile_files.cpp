#include "profile/profile_files.h"

#include "config/config_file.h"
#include "macro/macro_library.h"
#include "platform/atomic_file.h"
#include "platform/profile_document.h"
#include "platform/profile_file.h"
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
    return readWholeFile(path, *bytes, ProfileFile::kMaxFileBytes);
}

std::string recordIniText(const std::vector<ProfileMacro>& macros) {
    ProfileDocument doc = ProfileDocument::parse("");
    for (const ProfileMacro& macro : macros) {
        ProfileEntries entries{{"ItemCount", std::to_string(macro.lines.size())}};
        for (std::size_t n = 0; n < macro.lines.size(); ++n) {
            entries.emplace_back("Item" + std::to_string(n), macro.lines[n]);
        }
        doc.replaceSection(macro.name, entries);
    }
    return doc.text();
}

std::string uiSettingsText(std::string_view oldText, const ProfileData& profile) {
    ProfileDocument doc = ProfileDocument::parse(oldText);
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        const std::string_view section = labelSectionName(static_cast<Language>(lang));
        bool allEmpty = true;
        for (const auto& mode : profile.labels[lang]) {
            for (const std::string& label : mode) {
                allEmpty = allEmpty && label.empty();
            }
        }
        if (allEmpty && doc.entries(section).empty()) {
            continue; // no labels in a language that has none yet: the file stays as it is
        }
        ProfileEntries entries;
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            for (std::size_t button = 0; button < kButtonCount; ++button) {
                entries.emplace_back(buttonLabelKey(mode, button), profile.labels[lang][mode][button]);
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

} // namespace

Status loadProfileData(const DataPaths& paths, ProfileData& profile) {
    ProfileData loaded;
    std::string bytes;
    if (Status s = readWholeFile(paths.configFile(), bytes, kConfigFileSize + 1); !s.ok()) {
        return s;
    }
    if (bytes.size() != kConfigFileSize) {
        return Status::failure(ErrorKind::DataFile, paths.configFile().string() + ": not a config file (" +
                                                        std::to_string(bytes.size()) + " bytes, not " +
                                                        std::to_string(kConfigFileSize) + ")");
    }
    std::memcpy(&loaded.config, bytes.data() + 1, sizeof(MouseConfig));

    const ProfileFile record(paths.macroLibrary());
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

    const ProfileFile ui(paths.uiSettings());
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
    writes[0].path = paths.configFile();
    writes[1].path = paths.macroLibrary();
    writes[2].path = paths.uiSettings();
    for (PlannedWrite& w : writes) {
        if (Status s = readIfPresent(w.path, w.old); !s.ok()) {
            return s;
        }
    }
    writes[0].bytes = configFileBytes(profile.config, 1);
    // Each text file keeps the encoding it had; a new one is UTF-8.
    const DecodedText oldRecord = decodeText(writes[1].old.value_or(""));
    writes[1].bytes = encodeText(recordIniText(profile.macros), oldRecord.encoding);
    const DecodedText oldUi = decodeText(writes[2].old.value_or(""));
    writes[2].bytes = encodeText(uiSettingsText(oldUi.utf8, profile), oldUi.encoding);

    for (std::size_t i = 0; i < writes.size(); ++i) {
        Status s = replaceFileAtomically(writes[i].path, writes[i].bytes);
        if (!s.ok()) {
            for (std::size_t done = 0; done < i; ++done) {
                std::error_code ec;
                if (writes[done].old) {
                    (void)replaceFileAtomically(writes[done].path, *writes[done].old);
                } else {
                    std::filesystem::remove(writes[done].path, ec);
                }
            }
            return s;
        }
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
