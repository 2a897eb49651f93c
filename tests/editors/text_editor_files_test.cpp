#include "editors/text_editor_files.h"

#include "tests/support/test_files.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(TextEditorFiles, ModeFollowsTheExactExtension)
{
    struct Case {
        const char* path;
        TextMode current;
        TextMode expected;
    };
    const Case cases[] = {
        {"/r/a.txt", TextMode::Rich, TextMode::Plain}, {"/r/a.rtf", TextMode::Plain, TextMode::Rich},
        {"/r/a.TXT", TextMode::Rich, TextMode::Rich},  {"/r/a.RTF", TextMode::Plain, TextMode::Plain},
        {"/r/a.evt", TextMode::Rich, TextMode::Rich},  {"/r/a.rtf.bak", TextMode::Plain, TextMode::Plain},
        {"/r.txt/a", TextMode::Rich, TextMode::Rich},  {"a.tar.txt", TextMode::Rich, TextMode::Plain},
        {"/r/.rtf", TextMode::Plain, TextMode::Rich},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModeForSaveName(c.path, c.current), c.expected) << c.path;
    }
}

TEST(TextEditorFiles, NameWithoutExtensionGetsTheDefaultOne)
{
    EXPECT_EQ(WithDefaultExtension("/r/report"), "/r/report.rtf");
    EXPECT_EQ(WithDefaultExtension("/r/report."), "/r/report.rtf");
    EXPECT_EQ(WithDefaultExtension("/r.d/report"), "/r.d/report.rtf");
    EXPECT_EQ(WithDefaultExtension("/r/report.txt"), "/r/report.txt");
    EXPECT_EQ(WithDefaultExtension(""), "");
}

TEST(TextEditorFiles, ReportFolderIsCreatedBesideTheProgram)
{
    TempFolder program;
    const ReportFolder made = PrepareReportFolder(program.folder());
    EXPECT_TRUE(made.error.empty()) << made.error;
    EXPECT_TRUE(std::filesystem::is_directory(program / "Report"));
    EXPECT_EQ(PrepareReportFolder(program.folder()).path, made.path);

    // A file in its place: the dialogs start in the program folder and the user is told why.
    TempFolder other;
    WriteBytes(other / "Report", "x");
    const ReportFolder blocked = PrepareReportFolder(other.folder());
    EXPECT_EQ(blocked.path, other.folder());
    EXPECT_NE(blocked.error.find("Report"), std::string::npos);
}

TEST(TextEditorFiles, PlainTextIsSavedAsWindows1251WithCrLf)
{
    TempFolder folder;
    const std::string path = folder / "out.txt";
    ASSERT_TRUE(SavePlainText(path, "Дата 1.1.2007\n\nконец").ok());
    EXPECT_EQ(ReadBytes(path), "\xc4\xe0\xf2\xe0 1.1.2007\r\n\r\n\xea\xee\xed\xe5\xf6\r\n");

    // Characters Windows-1251 cannot hold: nothing is written and the user learns which.
    const SaveResult refused = SavePlainText(path, "中 и ü");
    EXPECT_EQ(refused.status, SaveResult::Unencodable);
    EXPECT_EQ(ReadBytes(path), "\xc4\xe0\xf2\xe0 1.1.2007\r\n\r\n\xea\xee\xed\xe5\xf6\r\n");
    const std::string message = SaveFailureMessage(path, refused);
    EXPECT_NE(message.find("中ü"), std::string::npos) << message;
    EXPECT_NE(message.find(path), std::string::npos);
}

TEST(TextEditorFiles, LoadingFollowsTheAreasMode)
{
    TempFolder folder;
    const RichText rich{{TextStyle{"Serif", 24, Rgb{1, 2, 3}, true}, "Жирный\nтекст"}};
    ASSERT_TRUE(SaveRichText(folder / "a.rtf", rich).ok());
    WriteBytes(folder / "b.txt", "\xcf\xf0\xe8\xe2\xe5\xf2\r\nline\rlast");
    WriteBytes(folder / "u.txt", "Привет\n");

    const LoadedText richInRich = LoadTextDocument(folder / "a.rtf", TextMode::Rich);
    ASSERT_EQ(richInRich.status, LoadedText::Rich);
    EXPECT_EQ(richInRich.rich, rich);

    // At start the area is in plain mode: an RTF file shows its markup.
    const LoadedText richInPlain = LoadTextDocument(folder / "a.rtf", TextMode::Plain);
    ASSERT_EQ(richInPlain.status, LoadedText::Plain);
    EXPECT_TRUE(richInPlain.plain.starts_with("{\\rtf1"));

    // A file that is not RTF is plain text in either mode.
    for (const TextMode mode : {TextMode::Rich, TextMode::Plain}) {
        const LoadedText text = LoadTextDocument(folder / "b.txt", mode);
        ASSERT_EQ(text.status, LoadedText::Plain);
        EXPECT_EQ(text.plain, "Привет\nline\nlast");
    }
    EXPECT_EQ(LoadTextDocument(folder / "u.txt", TextMode::Rich).plain, "Привет\n");
}

TEST(TextEditorFiles, WhatCannotBeLoadedIsRefusedWithAReason)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const std::string& path : {folder / "none.txt", folder.folder(), folder / "pipe"}) {
        const LoadedText text = LoadTextDocument(path, TextMode::Plain);
        EXPECT_EQ(text.status, LoadedText::Failed) << path;
        EXPECT_FALSE(text.error.empty());
    }
}

} // namespace
} // namespace orvenda
