#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace q417 {
namespace {

using test::RecordingMessages;
using test::TempDir;

std::string fileBytes(std::uint8_t flag, std::uint8_t fill) {
    std::string bytes(kConfigFileSize, static_cast<char>(fill));
    bytes[0] = static_cast<char>(flag);
    return bytes;
}

class ConfigFileTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return dir / "config.bin"; }
    TempDir dir;
    RecordingMessages messages;
    ConfigFile file{path(), messages};
    MouseConfig config{};
};

TEST_F(ConfigFileTest, MissingFileIsReportedAndLeavesRecordAndFlagZero) {
    EXPECT_EQ(file.loadConfig(config).kind, ErrorKind::NotFound);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text, "Config file is not exist.");
    EXPECT_EQ(messages.messages[0].caption, "");
    EXPECT_EQ(file.firstRunFlag(), 0);
    EXPECT_EQ(config.reportRate, 0);
}

TEST_F(ConfigFileTest, FileOfAnyOtherSizeIsIgnoredSilently) {
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, kConfigFileSize - 1, kConfigFileSize + 1, std::size_t{1'000'000}}) {
        dir.write("config.bin", std::string(size, '\x01'));
        MouseConfig c{};
        EXPECT_EQ(file.loadConfig(c).kind, ErrorKind::DataFile) << size;
        EXPECT_EQ(c.reportRate, 0) << size;
        EXPECT_EQ(file.firstRunFlag(), 0) << size;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ConfigFileTest, FolderInPlaceOfTheFileIsIgnoredLikeAnUnreadableFile) {
    std::filesystem::create_directory(path());
    EXPECT_EQ(file.loadConfig(config).kind, ErrorKind::DataFile);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ConfigFileTest, RightSizedFileLoadsFlagAndRecordByteForByte) {
    for (const std::uint8_t flag : std::array<std::uint8_t, 3>{0, 1, 0xFF}) {
        dir.write("config.bin", fileBytes(flag, 0xC3));
        MouseConfig c{};
        ASSERT_TRUE(file.loadConfig(c).ok());
        EXPECT_EQ(file.firstRunFlag(), flag);
        EXPECT_EQ(configFileBytes(c, flag), fileBytes(flag, 0xC3));
    }
}

TEST_F(ConfigFileTest, SaveWritesFlagOneAndTheRecordAndKeepsThePermissions) {
    dir.write("config.bin", fileBytes(0, 0));
    std::filesystem::permissions(path(), std::filesystem::perms(0640));
    config.reportRate = 8;
    config.dpiSwitchMode[1][11] = 4;
    ASSERT_TRUE(file.saveConfig(config).ok());
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(config, 1));
    EXPECT_EQ(std::filesystem::status(path()).permissions(), std::filesystem::perms(0640));
    EXPECT_TRUE(messages.messages.empty());

    MouseConfig reloaded{};
    ASSERT_TRUE(file.loadConfig(reloaded).ok());
    EXPECT_EQ(file.firstRunFlag(), 1);
    EXPECT_EQ(reloaded.reportRate, 8);
}

TEST_F(ConfigFileTest, SaveNeverCreatesAMissingFile) {
    EXPECT_EQ(file.saveConfig(config).kind, ErrorKind::NotFound);
    EXPECT_FALSE(std::filesystem::exists(path()));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text, "Config file is not exist.");
}

// Lowers the file-size limit so that writing more than a few bytes fails, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ConfigFileTest, FailedSaveLeavesTheOldFileWholeAndReportsTheSystemError) {
    const std::string old = fileBytes(1, 0x77);
    dir.write("config.bin", old);
    config.reportRate = 2;
    Status status;
    {
        const FileSizeLimit limit(100);
        status = file.saveConfig(config);
    }
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_EQ(status.systemError, EFBIG);
    EXPECT_EQ(dir.read("config.bin"), old);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text, "Error Code is: " + std::to_string(EFBIG) + " \n");
    EXPECT_EQ(messages.messages[0].caption, "NULL ==fp ");
    // No half-written temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST_F(ConfigFileTest, SaveThroughASymbolicLinkUpdatesItsTarget) {
    dir.write("real.bin", fileBytes(0, 0));
    std::filesystem::create_symlink(dir / "real.bin", path());
    config.ledMode = 3;
    ASSERT_TRUE(file.saveConfig(config).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(dir.read("real.bin"), configFileBytes(config, 1));
}

// A start of the tray program with a config.bin that exists but cannot be loaded.
struct DamagedCase {
    const char* name;
    // The file's bytes (empty with `folder`), made when the case runs: every test process
    // registers every case, and one is a megabyte.
    std::string (*bytes)();
    bool folder;
    const char* says; // what is wrong, in the message
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedConfigFile : public ::testing::TestWithParam<DamagedCase> {
protected:
    // The copies of config.bin kept beside it, by name.
    std::vector<std::string> keptNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (entry.path().filename().string().rfind("config.bin.damaged-", 0) == 0) {
                names.push_back(entry.path().filename().string());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
    RecordingMessages messages;
    ConfigFile file{dir / "config.bin", messages};
    static constexpr std::time_t kStart = 1'800'000'000;
};

TEST_P(DamagedConfigFile, IsReportedKeptAsideAndReplacedByTheFactorySettings) {
    const DamagedCase& c = GetParam();
    const std::string bytes = c.bytes();
    if (c.folder) {
        std::filesystem::create_directory(dir / "config.bin");
    } else {
        dir.write("config.bin", bytes);
    }
    MouseConfig config{};
    EXPECT_FALSE(file.loadOrRecover(config, kStart).ok());

    ASSERT_EQ(messages.messages.size(), 1U);
    const std::string& text = messages.messages[0].text;
    EXPECT_NE(text.find((dir / "config.bin").string()), std::string::npos) << text;
    EXPECT_NE(text.find(c.says), std::string::npos) << text;
    EXPECT_NE(text.find("factory settings"), std::string::npos) << text;
    const MouseConfig factory = factoryConfig();
    EXPECT_EQ(configFileBytes(config, 0), configFileBytes(factory, 0)) << "never a zero record";
    EXPECT_EQ(file.firstRunFlag(), 0);

    if (c.folder) {
        EXPECT_TRUE(keptNames().empty());
        return;
    }
    // The damaged bytes are safe under another name before anything replaces config.bin.
    const std::vector<std::string> kept = keptNames();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_NE(text.find(kept[0]), std::string::npos) << text;
    EXPECT_EQ(dir.read(kept[0]), bytes);
    EXPECT_EQ(dir.read("config.bin"), bytes);
    ASSERT_TRUE(file.saveConfig(config).ok());
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(factory, 1));
    EXPECT_EQ(dir.read(kept[0]), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DamagedConfigFile,
    ::testing::Values(DamagedCase{"OneByteTooMany", [] { return fileBytes(1, 0x11) + "\n"; }, false, "1987 bytes"},
                      DamagedCase{"OneByteShort", [] { return fileBytes(1, 0x11).substr(1); }, false, "1985 bytes"},
                      DamagedCase{"Empty", [] { return std::string(); }, false, "0 bytes"},
                      DamagedCase{"Huge", [] { return std::string(1'000'000, 'x'); }, false, "1000000 bytes"},
                      DamagedCase{"AFolder", [] { return std::string(); }, true, "it is a folder"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ConfigFileTest, EveryStartWithADamagedFileKeepsItsOwnCopy) {
    dir.write("config.bin", "first");
    ASSERT_FALSE(file.loadOrRecover(config, 1'800'000'000).ok());
    dir.write("config.bin", "second");
    ConfigFile again(path(), messages);
    ASSERT_FALSE(again.loadOrRecover(config, 1'800'000'000).ok());
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        if (entry.path().filename() != "config.bin") {
            kept.push_back(entry.path().filename().string());
        }
    }
    std::sort(kept.begin(), kept.end());
    ASSERT_EQ(kept.size(), 2U);
    EXPECT_EQ(kept[1], kept[0] + "-2");
    EXPECT_EQ(kept[0].size(), std::string("config.bin.damaged-YYYYMMDD-HHMMSS").size()) << kept[0];
    EXPECT_EQ(dir.read(kept[0]), "first");
    EXPECT_EQ(dir.read(kept[1]), "second");
}

TEST_F(ConfigFileTest, AGoodOrMissingFileLoadsAsAtEveryStart) {
    dir.write("config.bin", fileBytes(1, 0x22));
    ASSERT_TRUE(file.loadOrRecover(config, 0).ok());
    EXPECT_EQ(configFileBytes(config, 1), fileBytes(1, 0x22));
    EXPECT_TRUE(messages.messages.empty());

    std::filesystem::remove(path());
    MouseConfig zero{};
    EXPECT_EQ(file.loadOrRecover(zero, 0).kind, ErrorKind::NotFound);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text, "Config file is not exist.");
}

TEST_F(ConfigFileTest, ADamagedFileThatCannotBeKeptIsNeverReplaced) {
    const std::string damaged = "unreadable but writable";
    dir.write("config.bin", damaged);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path().c_str(), test::kOtherUid, test::kOtherGid), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    }
    ASSERT_EQ(::chmod(path().c_str(), 0200), 0);
    const std::optional<int> result = test::runAsOrdinaryUser([&] {
        RecordingMessages seen;
        ConfigFile damagedFile(path(), seen);
        MouseConfig loaded{};
        damagedFile.loadOrRecover(loaded, 0);
        const bool told =
            !seen.messages.empty() && seen.messages[0].text.find("will not be replaced") != std::string::npos;
        const Status saved = damagedFile.saveConfig(loaded);
        return (told ? 0 : 1) | (saved.ok() ? 2 : 0);
    });
    ::chmod(path().c_str(), 0644);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, 0) << "1: not told, 2: replaced";
    EXPECT_EQ(dir.read("config.bin"), damaged);
}

} // namespace
} // namespace q417
