#include "app/program_folders.h"

#include "config/config_file.h"
#include "events/loader.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace orvenda {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string EnvironmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string AccountHome()
{
    const passwd* account = getpwuid(getuid());
    return account && account->pw_dir ? std::string(account->pw_dir) : std::string();
}

bool IsSeedFile(const fs::path& name)
{
    const std::string text = name.string();
    if (text == ConfigFileName)
        return true;
    if (text == OrientalPearlsFileName)
        return false;
    const std::string extension = name.extension().string();
    return extension == ".sch" || extension == ".evt" || extension == ".wis";
}

// Through a temporary file beside the target and a rename, so a failure never
// leaves a half copy that a later start would take for the user's file.
bool CopyFile(const fs::path& from, const fs::path& to, std::string& error)
{
    // Built by appending: GCC 12 at -O3 takes "." + a string for an
    // overlapping copy and warns.
    std::string name(1, '.');
    name.append(to.filename().string()).append(".part");
    const fs::path temporary = to.parent_path() / name;
    std::error_code ec;
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = ec.message();
        return false;
    }
    return true;
}

} // namespace

ProgramFolders DecideProgramFolders(const FolderFacts& facts)
{
    const std::string executableFolder = WithSlash(facts.executableFolder);
    if (facts.executableFolderHoldsConfig && facts.executableFolderWritable)
        return {executableFolder, executableFolder};

    ProgramFolders folders;
    if (facts.executableFolderHoldsConfig) {
        folders.dataFolder = executableFolder;
    } else {
        // <prefix>/bin/ -> <prefix>/share/orvenda/
        const fs::path prefix = fs::path(executableFolder).parent_path().parent_path();
        folders.dataFolder = WithSlash((prefix / "share" / "orvenda").lexically_normal().string());
    }
    // XDG base directories must be absolute: a relative $XDG_CONFIG_HOME is
    // ignored.
    std::string configHome = facts.xdgConfigHome;
    if (configHome.empty() || configHome.front() != '/')
        configHome = facts.home.empty() ? std::string() : WithSlash(facts.home) + ".config";
    // Without any home the user's files can go nowhere but the data folder;
    // saving there fails with the usual messages instead of landing in a
    // folder nobody looks into.
    folders.programFolder = configHome.empty() ? folders.dataFolder : WithSlash(configHome) + "orvenda/";
    return folders;
}

FolderFacts ProbeFolderFacts(const std::string& executableFolder)
{
    FolderFacts facts;
    facts.executableFolder = WithSlash(executableFolder);
    facts.executableFolderWritable = access(facts.executableFolder.c_str(), W_OK) == 0;
    std::error_code ec;
    facts.executableFolderHoldsConfig = fs::is_regular_file(facts.executableFolder + ConfigFileName, ec);
    facts.xdgConfigHome = EnvironmentText("XDG_CONFIG_HOME");
    facts.home = EnvironmentText("HOME");
    if (facts.home.empty())
        facts.home = AccountHome();
    return facts;
}

std::vector<std::string> SeedFileNames(const std::string& dataFolder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && IsSeedFile(it->path().filename()))
            names.push_back(it->path().filename().string());
    }
    // The configuration last: a start that stops half way leaves no
    // configuration behind, and the next start goes on seeding.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool aConfig = a == ConfigFileName;
        const bool bConfig = b == ConfigFileName;
        return aConfig != bConfig ? bConfig : a < b;
    });
    return names;
}

void SeedProgramFolder(const std::string& programFolder, const std::string& dataFolder, Journal& journal)
{
    std::error_code ec;
    if (fs::exists(programFolder + ConfigFileName, ec))
        return;
    const bool created = fs::create_directories(programFolder, ec);
    if (ec) {
        journal.Add("Невозможно создать папку пользователя " + programFolder + ": " + ec.message());
        return;
    }
    if (created)
        journal.Add("Создана папка пользователя: " + programFolder);

    std::string copied;
    for (const std::string& name : SeedFileNames(dataFolder)) {
        const fs::path target = fs::path(programFolder) / name;
        // A file the user already has (a scheme of theirs of the same name,
        // say) is theirs; only what is missing is copied.
        if (fs::exists(target, ec) || ec)
            continue;
        std::string error;
        if (!CopyFile(fs::path(dataFolder) / name, target, error)) {
            journal.Add("Невозможно скопировать файл " + dataFolder + name + " в " + programFolder + ": " +
                        error);
            continue;
        }
        copied += (copied.empty() ? "" : ", ") + name;
    }
    if (!copied.empty())
        journal.Add("Скопированы файлы из " + dataFolder + ": " + copied);
}

} // namespace orvenda
