#pragma once

// The files of the text editor window: which dialogs it shows, the mode a
// file is saved in, and loading and saving in plain-text or rich-text mode.

#include "editors/rich_text.h"
#include "engine/textfile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvenda {

// Plain text keeps only the characters; rich text keeps the runs' looks too.
enum class TextMode { Plain, Rich };

// Dialog filters as pairs of a name and its patterns (see file_filter.h).
inline constexpr std::string_view TextLoadFilter =
    "RTF файлы|*.rtf|EVT события|*.evt|WIS высказывания|*.wis|CFG конфигурация|*.cfg|Все файлы|*.*";
inline constexpr std::string_view TextSaveFilter = "Обычный текст|*.txt|RTF файлы|*.rtf|Показать всё|*.*";
inline constexpr std::string_view TextDefaultExtension = "rtf";
inline constexpr std::string_view ReportFolderName = "Report";
// A larger file is not loaded: the text area would take minutes to show it.
inline constexpr std::uintmax_t MaxTextFileBytes = 32u << 20;

// ".txt" gives plain text and ".rtf" rich text, compared exactly as written
// (".TXT" is neither); any other extension keeps `current`.
TextMode ModeForSaveName(std::string_view path, TextMode current);

// A chosen file name without an extension gets the dialogs' default one.
std::string WithDefaultExtension(std::string path);

// The folder the file dialogs start in: "Report" in the program folder,
// created when missing. When it cannot be made, the program folder itself
// and the reason.
struct ReportFolder {
    std::string path;
    std::string error;
};
ReportFolder PrepareReportFolder(const std::string& programFolder);

struct [[nodiscard]] LoadedText {
    enum Status { Plain, Rich, Failed };
    Status status = Failed;
    // Plain: the text with "\n" line ends.
    std::string plain;
    // Rich: the runs.
    RichText rich;
    // Failed: why, for the user.
    std::string error;
};

// In plain mode every file is read as text (an RTF file then shows its
// markup); in rich mode an RTF file is read as formatted text and any other
// file as plain text. Text files may be Windows-1251 or UTF-8.
LoadedText LoadTextDocument(const std::string& path, TextMode mode);

// Plain text: Windows-1251, every line ending in CR LF; a text with
// characters Windows-1251 cannot hold is not written. Rich text: RTF.
// Both through a temporary file and a rename.
SaveResult SavePlainText(const std::string& path, std::string_view utf8Text);
SaveResult SaveRichText(const std::string& path, const RichText& text);

// What the user is told when a save failed.
std::string SaveFailureMessage(const std::string& path, const SaveResult& result);

} // namespace orvenda
