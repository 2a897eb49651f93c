#include "app/run_log.h"

#include "config/config_file.h"
#include "engine/codec.h"
#include "engine/textfile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orvenda {

namespace {

// A log name typed as that of the configuration or of a listed event or
// saying file would replace or lengthen that file with the journal.
bool isProgramFile(const std::string& path, const TConfigRec& config, const std::string& programFolder)
{
    std::vector<std::string> own{programFolder + ConfigFileName};
    for (const std::vector<TListedFile>* list : {&config.EventFiles, &config.WisdomFiles}) {
        for (const TListedFile& file : *list) {
            if (!file.Name.empty())
                own.push_back(file.Folder + file.Name);
        }
    }
    std::error_code error; // a file that does not exist is none of them
    return std::any_of(own.begin(), own.end(), [&](const std::string& other) {
        return std::filesystem::equivalent(path, other, error);
    });
}

} // namespace

std::string RunLogPath(const TConfigRec& config, const std::string& programFolder,
                       const std::string& shortDate)
{
    std::string name;
    if (config.UserLog) {
        name = config.UserLogFileName;
    } else {
        name = shortDate;
        std::replace(name.begin(), name.end(), '/', '-');
        name += ".log";
    }
    if (!name.empty() && name.front() == '/')
        return name;
    return programFolder + name;
}

void WriteRunLog(const TConfigRec& config, Journal& journal, const std::string& programFolder,
                 const std::string& shortDate)
{
    if (!config.LogEnable)
        return;
    const std::string path = RunLogPath(config, programFolder, shortDate);
    if (isProgramFile(path, config, programFolder)) {
        journal.Add("Невозможно создать log-файл");
        journal.Add("Журнал не записан в " + path +
                    ": это файл настроек, событий или высказываний программы");
        return;
    }

    std::string text;
    if (config.LogAppend)
        text += std::string(30, '*') + "\r\n";
    for (const std::string& line : journal.Lines())
        text += line + "\r\n";

    // The log is a Windows-1251 text like the program's other files. A
    // character the code page cannot hold is written as "?", and a last line
    // says which characters were replaced, so nothing is lost without a word.
    EncodedText encoded = Utf8ToCp1251(text);
    if (!encoded.complete())
        encoded.bytes +=
            Utf8ToCp1251("(знаки вне кодировки Windows-1251 записаны как \"?\": " + encoded.unmappable +
                         ")\r\n")
                .bytes;

    bool written = false;
    if (config.LogAppend) {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        if (out) {
            out.write(encoded.bytes.data(), static_cast<std::streamsize>(encoded.bytes.size()));
            out.flush();
            written = static_cast<bool>(out);
        }
    } else {
        // Already encoded: the bytes are written as they are.
        written = SaveTextFileRaw(path, Cp1251ToUtf8(encoded.bytes), TextEncoding::Windows1251).ok();
    }
    if (!written)
        journal.Add("Невозможно создать log-файл");
}

} // namespace orvenda
