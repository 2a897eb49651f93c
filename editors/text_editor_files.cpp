#include "editors/text_editor_files.h"

#include "engine/codec.h"
#include "engine/file_failure.h"

#include <filesystem>
#include <system_error>

namespace orvenda {

namespace {

namespace fs = std::filesystem;

// The extension of the file name, with its dot; empty when there is none.
std::string_view extensionOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string withLineFeeds(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

TextMode ModeForSaveName(std::string_view path, TextMode current)
{
    const std::string_view extension = extensionOf(path);
    if (extension == ".txt") {
        return TextMode::Plain;
    }
    if (extension == ".rtf") {
        return TextMode::Rich;
    }
    return current;
}

std::string WithDefaultExtension(std::string path)
{
    const std::string_view extension = extensionOf(path);
    // "name." counts as no extension too.
    if (extension.size() <= 1 && !path.empty() && path.back() != '/') {
        if (path.back() != '.') {
            path += '.';
        }
        path += TextDefaultExtension;
    }
    return path;
}

ReportFolder PrepareReportFolder(const std::string& programFolder)
{
    fs::path folder = fs::path(programFolder) / ReportFolderName;
    std::error_code error;
    if (fs::is_directory(folder, error) || fs::create_directories(folder, error)) {
        return {folder.string(), {}};
    }
    if (!error) {
        error = std::make_error_code(std::errc::not_a_directory);
    }
    return {programFolder, "Папка " + folder.string() + " не создана: " + error.message()};
}

LoadedText LoadTextDocument(const std::string& path, TextMode mode)
{
    LoadedText result;
    std::error_code error;
    // Only regular files: a pipe or a device would block the window or never end.
    if (!fs::is_regular_file(path, error)) {
        result.error = "Файл " + path + " не найден или не является обычным файлом";
        return result;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxTextFileBytes) {
        result.error = "Файл " + path + " слишком велик для текстового редактора (больше " +
                       std::to_string(MaxTextFileBytes >> 20) + " МБ)";
        return result;
    }
    std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        result.error = "Не удалось прочитать файл " + path;
        return result;
    }
    if (mode == TextMode::Rich) {
        if (std::optional<RichText> rich = ReadRtf(file->text)) {
            result.status = LoadedText::Rich;
            result.rich = std::move(*rich);
            return result;
        }
    }
    result.status = LoadedText::Plain;
    result.plain = withLineFeeds(file->text);
    return result;
}

SaveResult SavePlainText(const std::string& path, std::string_view utf8Text)
{
    std::vector<std::string> lines;
    LineReader reader{std::string(utf8Text)};
    std::string line;
    while (reader.ReadLine(line)) {
        lines.push_back(line);
    }
    return SaveTextFile(path, lines, TextEncoding::Windows1251);
}

SaveResult SaveRichText(const std::string& path, const RichText& text)
{
    // RTF written here is 7-bit: every encoding holds it unchanged.
    return SaveTextFileRaw(path, WriteRtf(text), TextEncoding::Windows1251);
}

std::string SaveFailureMessage(const std::string& path, const SaveResult& result)
{
    const FileFailure failure = FailureOf(result, path);
    std::string text = FailureText(failure, FailureWording::NotSaved);
    if (failure.code == FileFailureCode::Unencodable) {
        text += "\nСохраните текст в файл RTF (*.rtf), он хранит любые знаки.";
    }
    return text;
}

} // namespace orvenda
