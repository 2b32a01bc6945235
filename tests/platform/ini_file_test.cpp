#include "platform/ini_file.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::TempDir;

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected; // "<fallback>" when the key is not found
};

TEST(IniFileRead, LookupRules) {
    const std::string longValue(100'000, 'x');
    const ReadCase cases[] = {
        {"names ignore case", "[Skins]\nLan=CHS\n", "skins", "LAN", "CHS"},
        {"first section wins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"blanks trimmed", "[ A ]\n  k  =  v v  \n", "A", "k", "v v"},
        {"quotes stripped", "[A]\nk=\"quoted\"\n", "A", "k", "quoted"},
        {"single quotes stripped", "[A]\nk='q'\n", "A", "k", "q"},
        {"crlf", "[A]\r\nk=v\r\n", "A", "k", "v"},
        {"no break at end", "[A]\nk=v", "A", "k", "v"},
        {"missing key", "[A]\nk=v\n", "A", "other", "<fallback>"},
        {"missing section", "[A]\nk=v\n", "B", "k", "<fallback>"},
        {"key before any section", "k=v\n[A]\n", "A", "k", "<fallback>"},
        {"comment is no key", "[A]\n;k=v\n", "A", ";k", "<fallback>"},
        {"unclosed header opens nothing", "[A]\nk=1\n[B\nk2=2\n", "A", "k2", "2"},
        {"unclosed header is no section", "[A]\n[B\nk2=2\n", "B", "k2", "<fallback>"},
        {"empty value", "[A]\nk=\n", "A", "k", ""},
        {"value with equals", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"nul bytes kept", std::string("[A]\nk=a\0b\n", 10), "A", "k", std::string("a\0b", 3)},
        {"long value cut to 1023", "[A]\nk=" + longValue + "\n", "A", "k", std::string(1023, 'x')},
        {"binary junk around", std::string("\x01\xff\xfe\x80[\x00\n[A]\nk=v\n\xc3\x28\n", 18), "A", "k", "v"},
    };
    TempDir dir;
    IniFile file(dir / "t.ini");
    for (const ReadCase& c : cases) {
        dir.write("t.ini", c.file);
        EXPECT_EQ(file.readString(c.section, c.key, "<fallback>"), c.expected) << c.name;
    }
}

TEST(IniFileRead, MissingFileReadsAsFallbackAndHasNoSections) {
    TempDir dir;
    IniFile file(dir / "none.ini");
    EXPECT_EQ(file.readString("A", "k", "dflt"), "dflt");
    EXPECT_EQ(file.readInt("A", "k", 7), 7);
    EXPECT_TRUE(file.sectionNames().empty());
    EXPECT_FALSE(file.exists());
}

TEST(IniFileRead, IntegersReadLikeTheCLibrary) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},
        {"  -5", -5},
        {"+7x", 7},
        {"300", 300},
        {"abc", 0},
        {"", 0},
        {"2147483647", 2147483647},
        {"99999999999999999999", 2147483647},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingInt(text), value) << text;
    }
}

TEST(IniFileRead, SectionNamesInFileOrderWithoutAnyLengthCut) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        expected.push_back("macro number " + std::to_string(i));
        text += "[" + expected.back() + "]\nItemCount=0\n";
    }
    TempDir dir;
    dir.write("record.ini", text);
    EXPECT_EQ(IniFile(dir / "record.ini").sectionNames(), expected);
}

TEST(IniFileRead, EveryCallSeesTheFileAsItIsNow) {
    TempDir dir;
    IniFile file(dir / "t.ini");
    dir.write("t.ini", "[A]\nk=1\n");
    EXPECT_EQ(file.readString("A", "k"), "1");
    dir.write("t.ini", "[A]\nk=2\n");
    EXPECT_EQ(file.readString("A", "k"), "2");
}

struct EditCase {
    const char* name;
    std::string before;
    std::function<Status(IniFile&)> edit;
    std::string after;
};

TEST(IniFileEdit, EditsKeepEverythingElseAsItWas) {
    const EditCase cases[] = {
        {"value replaced in place", "; c\n[A]\nk=1\nother=2\n[B]\nk=3\n",
         [](IniFile& f) { return f.writeString("a", "K", "9"); }, "; c\n[A]\nk=9\nother=2\n[B]\nk=3\n"},
        {"new key after the section's last key", "[A]\nk=1\n\n[B]\n",
         [](IniFile& f) { return f.writeString("A", "n", "2"); }, "[A]\nk=1\nn=2\n\n[B]\n"},
        {"new section at the end", "[A]\nk=1", [](IniFile& f) { return f.writeString("B", "x", "y"); },
         "[A]\nk=1\n[B]\nx=y\n"},
        {"crlf kept", "[A]\r\nk=1\r\n", [](IniFile& f) { return f.writeString("A", "n", "2"); },
         "[A]\r\nk=1\r\nn=2\r\n"},
        {"mixed breaks: a changed CRLF line keeps CRLF", "[A]\r\nx=1\nk=1\r\n[B]\ny=2\n",
         [](IniFile& f) { return f.writeString("A", "k", "9"); }, "[A]\r\nx=1\nk=9\r\n[B]\ny=2\n"},
        {"mixed breaks: a changed LF line keeps LF", "[A]\r\nx=1\nk=1\r\n[B]\ny=2\n",
         [](IniFile& f) { return f.writeString("A", "x", "5"); }, "[A]\r\nx=5\nk=1\r\n[B]\ny=2\n"},
        {"mixed breaks: a new key takes the break of the line before", "[A]\r\nx=1\nk=1\r\n[B]\ny=2\n",
         [](IniFile& f) {
             return f.writeStrings("A", {{"n", "1"}});
         },
         "[A]\r\nx=1\nk=1\r\nn=1\r\n[B]\ny=2\n"},
        {"mixed breaks: a new section follows the last line", "[A]\r\nk=1\r\n[B]\ny=2\n",
         [](IniFile& f) { return f.writeString("C", "c", "3"); }, "[A]\r\nk=1\r\n[B]\ny=2\n[C]\nc=3\n"},
        {"a last line without a break keeps none", "[A]\r\nk=1",
         [](IniFile& f) { return f.writeString("A", "n", "2"); }, "[A]\r\nk=1\r\nn=2"},
        {"line breaks in a value cannot forge keys", "[A]\n",
         [](IniFile& f) { return f.writeString("A", "k", "a\n[B]\r\nx=1"); }, "[A]\nk=a [B]  x=1\n"},
        {"several keys in one write", "[S]\nItem1=old\n",
         [](IniFile& f) {
             return f.writeStrings("S", {{"Item1", "a"}, {"Item2", "b"}});
         },
         "[S]\nItem1=a\nItem2=b\n"},
        {"section removed whole, every copy", "[A]\nk=1\n[B]\nx=1\n[a]\nk=2\n",
         [](IniFile& f) { return f.removeSection("A"); }, "[B]\nx=1\n"},
        {"removing a missing section changes nothing", "[B]\nx=1", [](IniFile& f) { return f.removeSection("A"); },
         "[B]\nx=1"},
        {"section replaced where it stands", "[m1]\nItemCount=1\nItem0=x\n[m2]\nItemCount=0\n",
         [](IniFile& f) {
             return f.replaceSection("M1", {{"ItemCount", "2"}, {"Item0", "a"}, {"Item1", "b"}});
         },
         "[m1]\nItemCount=2\nItem0=a\nItem1=b\n[m2]\nItemCount=0\n"},
        {"replaced section drops a later duplicate", "[m]\nItemCount=1\n[n]\nk=1\n[M]\nItemCount=5\n",
         [](IniFile& f) {
             return f.replaceSection("m", {{"ItemCount", "0"}});
         },
         "[m]\nItemCount=0\n[n]\nk=1\n"},
        {"missing section replaced at the end", "[a]\n",
         [](IniFile& f) {
             return f.replaceSection("b", {{"k", "v"}});
         },
         "[a]\n[b]\nk=v\n"},
        {"unclosed header and junk kept", "junk\x01\n[A\n[B]\nk=1\n",
         [](IniFile& f) { return f.writeString("B", "k", "2"); }, "junk\x01\n[A\n[B]\nk=2\n"},
    };
    TempDir dir;
    IniFile file(dir / "t.ini");
    for (const EditCase& c : cases) {
        dir.write("t.ini", c.before);
        EXPECT_TRUE(c.edit(file).ok()) << c.name;
        EXPECT_EQ(dir.read("t.ini"), c.after) << c.name;
    }
}

TEST(IniFileEdit, WritingCreatesAMissingFileAsUtf8) {
    TempDir dir;
    IniFile file(dir / "new.ini");
    ASSERT_TRUE(file.writeString("Setting-EN", "Item1", "Left Click").ok());
    EXPECT_EQ(dir.read("new.ini"), "[Setting-EN]\nItem1=Left Click\n");
}

TEST(IniFileEdit, UnreadableFileIsNeverOverwritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / "t.ini");
    IniFile file(dir / "t.ini");
    EXPECT_FALSE(file.writeString("A", "k", "v").ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "t.ini"));
}

TEST(IniFileDocument, TheWholeFileAtOnce) {
    TempDir dir;
    IniFile file(dir / "t.ini");
    const std::optional<IniDocument> missing = file.document();
    ASSERT_TRUE(missing.has_value()) << "a missing file is an empty document";
    EXPECT_TRUE(missing->sectionNames().empty());
    EXPECT_FALSE(file.exists());

    dir.write("t.ini", "[A]\nk=" + std::string(2000, 'x') + "\n[b]\n[ a ]\n[c\n[C]\n");
    const std::optional<IniDocument> doc = file.document();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->sectionNames(), (std::vector<std::string>{"A", "b", "a", "C"}));
    EXPECT_EQ(doc->value("a", "k")->size(), 2000U) << "values as the file holds them";
    EXPECT_EQ(doc->sectionPositions(" a"), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(doc->sectionPositions("c"), (std::vector<std::size_t>{3}));
    EXPECT_TRUE(doc->sectionPositions("d").empty());

    std::filesystem::remove(dir / "t.ini");
    std::filesystem::create_directory(dir / "t.ini");
    EXPECT_FALSE(file.document().has_value()) << "an unreadable file is no document";
}

TEST(IniFileEdit, TheChangeDecidesWhetherTheFileIsWritten) {
    TempDir dir;
    IniFile file(dir / "t.ini");
    const auto addKey = [](bool write) {
        return [write](IniDocument& doc) {
            doc.setValue("A", "n", "2");
            return write;
        };
    };
    ASSERT_TRUE(file.edit(addKey(false)).ok());
    EXPECT_FALSE(file.exists()) << "a missing file is not created for nothing";

    const std::string utf16 = std::string("\xFF\xFE[\0A\0]\0\n\0", 10);
    dir.write("t.ini", utf16);
    ASSERT_TRUE(file.edit(addKey(false)).ok());
    EXPECT_EQ(dir.read("t.ini"), utf16);
    ASSERT_TRUE(file.edit(addKey(true)).ok());
    EXPECT_EQ(dir.read("t.ini"), utf16 + std::string("n\0=\0\x32\0\n\0", 8));

    std::filesystem::remove(dir / "t.ini");
    std::filesystem::create_directory(dir / "t.ini");
    bool called = false;
    EXPECT_FALSE(file.edit([&called](IniDocument&) { return called = true; }).ok());
    EXPECT_FALSE(called);
}

TEST(IniFileEncoding, FilesAreWrittenBackInTheirOwnEncoding) {
    const std::string utf16Bom = std::string("\xFF\xFE[\0A\0]\0\n\0k\0=\0\x2D\x4E\x87\x65\n\0", 20);
    const std::string utf16NoBom = std::string("[\0A\0]\0\n\0k\0=\0v\0\n\0", 16);
    struct Case {
        const char* name;
        std::string before;
        std::string value;
        std::string after;
    };
    const Case cases[] = {
        {"utf-16 with bom", utf16Bom, "\xE4\xB8\xAD\xE6\x96\x87", utf16Bom + std::string("n\0=\0\x87\x65\n\0", 8)},
        {"utf-16 without bom", utf16NoBom, "v", utf16NoBom + std::string("n\0=\0\x87\x65\n\0", 8)},
        // A byte appended by a tool that knows only bytes: the file is still UTF-16, the odd byte goes.
        {"utf-16 without bom, odd length", utf16NoBom + "\n", "v", utf16NoBom + std::string("n\0=\0\x87\x65\n\0", 8)},
        {"utf-8 with bom", "\xEF\xBB\xBF[A]\nk=\xE4\xB8\xAD\n", "\xE4\xB8\xAD",
         "\xEF\xBB\xBF[A]\nk=\xE4\xB8\xAD\nn=\xE6\x96\x87\n"},
    };
    TempDir dir;
    IniFile file(dir / "t.ini");
    for (const Case& c : cases) {
        dir.write("t.ini", c.before);
        EXPECT_EQ(file.readString("A", "k"), c.value) << c.name;
        ASSERT_TRUE(file.writeString("A", "n", "\xE6\x96\x87").ok()) << c.name;
        EXPECT_EQ(dir.read("t.ini"), c.after) << c.name;
    }
}

} // namespace
} // namespace q417
