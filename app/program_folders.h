#pragma once

// Where the program keeps its files. There are two ways to run it and one
// rule that tells them apart:
//
// - portable: the executable's folder is writable and holds Orvenda.cfg;
//   everything stays there, as in the build folder;
// - installed: otherwise. The delivered read-only data (pictures, Template/,
//   the help page, oriental_perls.wis, the samples and schemes as delivered)
//   is read from <prefix>/share/orvenda/, and the user's own files live in
//   $XDG_CONFIG_HOME/orvenda/ (~/.config/orvenda/). That folder is made and
//   seeded with copies of the delivered configuration, schemes and sample
//   files on the first start, and never overwritten later.
//
// The program folder is the folder of the user's files: relative names in the
// configuration, the schemes and the run log resolve against it. The data
// folder is only ever read.

#include "engine/journal.h"

#include <string>
#include <vector>

namespace orvenda {

struct ProgramFolders {
    std::string programFolder; // the user's files, with a trailing "/"
    std::string dataFolder;    // the delivered read-only files, with a trailing "/"
};

// What the decision looks at, gathered from the system by ProbeFolderFacts.
struct FolderFacts {
    std::string executableFolder; // absolute, with a trailing "/"
    bool executableFolderWritable = false;
    bool executableFolderHoldsConfig = false;
    std::string xdgConfigHome; // $XDG_CONFIG_HOME as set, possibly empty
    std::string home;          // $HOME, or the home folder of the user's account
};

// The one rule. An executable folder that holds Orvenda.cfg but may not be
// written (a portable copy on a read-only medium) serves as the data folder;
// otherwise the data lies in share/orvenda/ beside the executable's bin/.
ProgramFolders DecideProgramFolders(const FolderFacts& facts);

// Looks at the executable's folder and the environment.
FolderFacts ProbeFolderFacts(const std::string& executableFolder);

// The delivered files a first start copies into the user's folder: the
// configuration, the schemes, the sample event and saying files. The fixed
// saying file stays in the data folder.
std::vector<std::string> SeedFileNames(const std::string& dataFolder);

// When `programFolder` holds no Orvenda.cfg yet: makes the folder and copies
// every seed file that it does not hold from `dataFolder`, the configuration
// last, so an interrupted first start is completed by the next one. A file
// the user already has is never replaced. Reports what it did, and every
// failure, in the journal.
void SeedProgramFolder(const std::string& programFolder, const std::string& dataFolder, Journal& journal);

} // namespace orvenda
