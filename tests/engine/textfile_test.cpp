#include "engine/textfile.h"

#include "engine/file_bytes.h"
#include "engine/helper_thread.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

using test::ReadBytes;

using test::WriteBytes;

class TextFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return m_dir / name; }

    // Names in the folder, to see that no temporary file is left behind.
    std::set<std::string> Listing() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir.path())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    test::TempFolder m_dir{"orvenda-textfile"};
};

// ---- Reading ----

TEST_F(TextFileTest, ReadDetectsTheEncoding)
{
    struct Case {
        const char* bytes;
        const char* text;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"\xCF\xF0\xE8\xE2\xE5\xF2\r\n", "Привет\r\n", TextEncoding::Windows1251},
        {"Привет\n", "Привет\n", TextEncoding::Utf8},
        {"\xEF\xBB\xBF"
         "Привет",
         "Привет", TextEncoding::Utf8Bom},
        {"[wisdom]\r\n", "[wisdom]\r\n", TextEncoding::Windows1251},
        {"", "", TextEncoding::Windows1251},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WriteBytes(PathOf("in.txt"), c.bytes);
        const auto file = ReadTextFile(PathOf("in.txt"));
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->text, c.text);
        EXPECT_EQ(file->encoding, c.encoding);
    }
}

TEST_F(TextFileTest, WhatCannotBeReadIsNoFile)
{
    EXPECT_FALSE(ReadTextFile(PathOf("missing.evt")).has_value());
    EXPECT_FALSE(ReadTextFile(m_dir.path().string()).has_value());
    EXPECT_FALSE(ReadTextFile("").has_value());
}

// A file is read whole however it comes: longer than one read of the
// system, or from a pipe that has no size to go by.
TEST_F(TextFileTest, LongFilesAndPipesAreReadToTheirEnd)
{
    // 17 bytes a line, so that Cyrillic and ASCII fall on every position of
    // the eight-byte steps of the decoder.
    const std::string lineBytes = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0 123\r\n";
    const std::string lineText = "Привет, мир 123\r\n";
    constexpr int kLines = 20000; // 340,000 bytes
    std::string bytes;
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        bytes += lineBytes;
        text += lineText;
    }

    WriteBytes(PathOf("long.evt"), bytes);
    const auto file = ReadTextFile(PathOf("long.evt"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->encoding, TextEncoding::Windows1251);
    EXPECT_TRUE(file->text == text);

    // The same text written as UTF-8 is read as UTF-8, however long.
    WriteBytes(PathOf("utf8.evt"), text);
    const auto utf8 = ReadTextFile(PathOf("utf8.evt"));
    ASSERT_TRUE(utf8.has_value());
    EXPECT_EQ(utf8->encoding, TextEncoding::Utf8);
    EXPECT_TRUE(utf8->text == text);

    // A Windows-1251 file whose first Cyrillic letters come late.
    const std::string late = std::string(100000, ' ') + bytes;
    WriteBytes(PathOf("late.evt"), late);
    const auto lateFile = ReadTextFile(PathOf("late.evt"));
    ASSERT_TRUE(lateFile.has_value());
    EXPECT_EQ(lateFile->encoding, TextEncoding::Windows1251);
    EXPECT_TRUE(lateFile->text == std::string(100000, ' ') + text);
}

// Only regular files are read. A named pipe nobody writes to must not hang
// the reader, /dev/zero behind a link must not fill the memory, and a file
// past the size cap is refused before a byte of it is read.
TEST_F(TextFileTest, OnlyRegularFilesWithinTheCapAreRead)
{
    const std::string pipe = PathOf("pipe.evt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", PathOf("zero.evt"));
    // Sparse: it takes no room on the disk.
    const std::string huge = PathOf("huge.evt");
    WriteBytes(huge, "[fixed events]\r\n");
    fs::resize_file(huge, MaxReadBytes + 1);

    struct Case {
        std::string path;
        ReadFailure failure;
    };
    const Case cases[] = {
        {pipe, ReadFailure::NotRegular},
        {PathOf("zero.evt"), ReadFailure::NotRegular},
        {m_dir.path().string(), ReadFailure::NotRegular},
        {huge, ReadFailure::TooLarge},
        {PathOf("missing.evt"), ReadFailure::CannotOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ReadFailure failure = ReadFailure::None;
        EXPECT_FALSE(ReadTextFile(c.path, &failure).has_value());
        EXPECT_EQ(failure, c.failure);
        std::string bytes = "old";
        EXPECT_EQ(ReadFileBytes(c.path, bytes), c.failure);
        EXPECT_TRUE(bytes.empty());
        ByteBuffer buffer;
        WriteBytes(PathOf("before.evt"), "[fixed events]\r\n");
        ASSERT_EQ(buffer.Read(PathOf("before.evt")), ReadFailure::None);
        EXPECT_EQ(buffer.view(), "[fixed events]\r\n");
        EXPECT_EQ(buffer.Read(c.path), c.failure);
        EXPECT_TRUE(buffer.view().empty());
    }
}

// A large file is read in two halves at once: every byte lands in its
// place whatever the size around the threshold, and one buffer serves files
// of every size in turn.
TEST_F(TextFileTest, ByteBufferReadsLargeFilesWhole)
{
    HelperThread helper;
    ByteBuffer halves(&helper);
    ByteBuffer whole;
    for (const std::size_t size : {std::size_t{3} << 20 | 7, (std::size_t{1} << 20) - 2, std::size_t{1} << 20,
                                   (std::size_t{1} << 20) + 1, std::size_t{5}}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>((i * 131 + i / 251) % 256);
        }
        WriteBytes(PathOf("large.bin"), bytes);
        for (ByteBuffer* buffer : {&halves, &whole}) {
            ASSERT_EQ(buffer->Read(PathOf("large.bin")), ReadFailure::None);
            EXPECT_TRUE(buffer->view() == bytes);
        }
    }
}

TEST_F(TextFileTest, AnyBytesAreWrittenBackAsRead)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    WriteBytes(PathOf("all.bin"), bytes);
    const auto file = ReadTextFile(PathOf("all.bin"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->encoding, TextEncoding::Windows1251);
    ASSERT_TRUE(SaveTextFileRaw(PathOf("all.bin"), file->text, file->encoding).ok());
    EXPECT_EQ(ReadBytes(PathOf("all.bin")), bytes);
}

// ---- Saving ----

TEST_F(TextFileTest, SaveWritesEachLineWithCrLf)
{
    struct Case {
        TextEncoding encoding;
        const char* bytes;
    };
    const Case cases[] = {
        {TextEncoding::Windows1251, "[wisdom by]\r\n\xCF\xF0\xE8\xE2\xE5\xF2\r\n\r\n"},
        {TextEncoding::Utf8, "[wisdom by]\r\nПривет\r\n\r\n"},
        {TextEncoding::Utf8Bom, "\xEF\xBB\xBF[wisdom by]\r\nПривет\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.encoding));
        const SaveResult r = SaveTextFile(PathOf("out.wis"), {"[wisdom by]", "Привет", ""}, c.encoding);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(ReadBytes(PathOf("out.wis")), c.bytes);
        const auto back = ReadTextFile(PathOf("out.wis"));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->encoding, c.encoding);
        EXPECT_EQ(back->text, "[wisdom by]\r\nПривет\r\n\r\n");
    }
    EXPECT_EQ(Listing(), std::set<std::string>{"out.wis"});
}

TEST_F(TextFileTest, SaveReplacesTheWholeFile)
{
    WriteBytes(PathOf("list.evl"), std::string(10000, 'x'));
    ASSERT_TRUE(SaveTextFileRaw(PathOf("list.evl"), "short", TextEncoding::Windows1251).ok());
    EXPECT_EQ(ReadBytes(PathOf("list.evl")), "short");
    EXPECT_EQ(Listing(), std::set<std::string>{"list.evl"});
}

TEST_F(TextFileTest, SaveToABareNameUsesTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(m_dir.path());
    const SaveResult r = SaveTextFile("Orvenda.cfg", {"[Events in]"}, TextEncoding::Windows1251);
    fs::current_path(before);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(ReadBytes(PathOf("Orvenda.cfg")), "[Events in]\r\n");
    EXPECT_EQ(Listing(), std::set<std::string>{"Orvenda.cfg"});
}

TEST_F(TextFileTest, UnencodableTextLeavesTheOldFile)
{
    WriteBytes(PathOf("old.evt"), "old contents\r\n");
    const SaveResult r =
        SaveTextFile(PathOf("old.evt"), {"Ω first", "日 second", "Ω again"}, TextEncoding::Windows1251);
    EXPECT_EQ(r.status, SaveResult::Unencodable);
    EXPECT_EQ(r.unmappable, "Ω日");
    EXPECT_EQ(ReadBytes(PathOf("old.evt")), "old contents\r\n");
    EXPECT_EQ(Listing(), std::set<std::string>{"old.evt"});
}

TEST_F(TextFileTest, FailedWriteLeavesTheOldContents)
{
    // A folder with something in it cannot be replaced by a file, even by root.
    fs::create_directory(m_dir.path() / "target");
    WriteBytes(m_dir.path() / "target" / "inside.txt", "keep");
    const SaveResult r = SaveTextFile(PathOf("target"), {"new"}, TextEncoding::Windows1251);
    EXPECT_EQ(r.status, SaveResult::WriteFailed);
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(fs::is_directory(m_dir.path() / "target"));
    EXPECT_EQ(ReadBytes(m_dir.path() / "target" / "inside.txt"), "keep");
    EXPECT_EQ(Listing(), std::set<std::string>{"target"});

    const SaveResult missing =
        SaveTextFile(PathOf("no-such-folder/file.evt"), {"x"}, TextEncoding::Windows1251);
    EXPECT_EQ(missing.status, SaveResult::WriteFailed);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_EQ(Listing(), std::set<std::string>{"target"});
}

} // namespace
} // namespace orvenda
