#pragma once

// Commands of orvenda-cli that live in files of their own. Each takes the
// arguments after its name and returns the exit code: 0 done, 2 a bad
// argument or input (one line on standard error).

#include <string>
#include <vector>

namespace orvenda::cli {

// table KIND ARGS...: a table of the tables window on standard output.
int CommandTable(const std::vector<std::string>& args);
// list FILE: the entries of a personal event list file (or an importable
// file), date, a tab and the event, one per line.
int CommandList(const std::vector<std::string>& args);

} // namespace orvenda::cli
