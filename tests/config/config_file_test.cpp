#include "config/config_file.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

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

} // namespace
} // namespace q417
