#include "app/run_log.h"

#include "engine/codec.h"
#include "engine/textfile.h"

#include <algorithm>
#include <fstream>

namespace orvenda {

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
