// The configuration file: any file leaves two usable file lists and usable
// looks, and what is read is saved and read back the same.

#include "config/config_file.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/random_input.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orvenda;

namespace {

const fuzzing::ScratchFolder& scratch()
{
    static const fuzzing::ScratchFolder folder("fuzz-config");
    return folder;
}

void checkList(const std::vector<TListedFile>& files)
{
    ORVENDA_FUZZ_CHECK(!files.empty());
    ORVENDA_FUZZ_CHECK(files.size() == 1 || !files.back().Name.empty());
    for (const TListedFile& file : files) {
        ORVENDA_FUZZ_CHECK(file.Name.find('/') == std::string::npos);
    }
}

std::vector<TListedFile> named(const std::vector<TListedFile>& files)
{
    std::vector<TListedFile> out;
    for (const TListedFile& file : files) {
        if (!file.Name.empty()) {
            out.push_back(file);
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ConfigEnvironment env;
    env.programFolder = scratch().Folder();
    env.programPath = env.programFolder + "orvenda";
    env.autostartDir = env.programFolder + "autostart/";
    const std::string path = env.programFolder + ConfigFileName;
    if (!fuzzing::WriteBytes(path, bytes)) {
        return 0;
    }
    TConfigRec config;
    Journal journal;
    ORVENDA_FUZZ_CHECK(LoadConfig(config, env, journal, nullptr).found);
    checkList(config.EventFiles);
    checkList(config.WisdomFiles);
    for (const TObjectLook& look : config.Looks) {
        ORVENDA_FUZZ_CHECK(look.Alignment >= 0 && look.Alignment <= 2);
        ORVENDA_FUZZ_CHECK(look.FontSize >= 1 && look.FontSize <= 999);
    }
    // A value past 236 characters does not fit a key line of 254 characters.
    if (Utf8Length(config.UserLogFileName) > 236 || Utf8Length(config.ColorScheme) > 236) {
        return 0;
    }
    ORVENDA_FUZZ_CHECK(SaveConfig(config, path, env.programFolder, journal).ok());
    TConfigRec back;
    ORVENDA_FUZZ_CHECK(LoadConfig(back, env, journal, nullptr).found);
    ORVENDA_FUZZ_CHECK(named(back.EventFiles) == named(config.EventFiles));
    ORVENDA_FUZZ_CHECK(named(back.WisdomFiles) == named(config.WisdomFiles));
    ORVENDA_FUZZ_CHECK(back.UserLogFileName == config.UserLogFileName &&
                       back.ColorScheme == config.ColorScheme);
    ORVENDA_FUZZ_CHECK(back.ConfirmExit == config.ConfirmExit && back.ViewDateInStr == config.ViewDateInStr);
    return 0;
}
