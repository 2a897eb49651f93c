#pragma once

// orvenda-cli report ...: the spreadsheet reports written to a file without
// a display.

#include <string>
#include <vector>

namespace orvenda::cli {

// report birthday FROM TO OUT.xlsx | report calendar YEAR OUT.xlsx
// [--template-colours] | report list FILE.evl OUT.xlsx. Exit code 0 done,
// 2 a bad argument or a report that could not be made (one line on standard
// error), 1 when the file could not be written.
int CommandReport(const std::vector<std::string>& args);

} // namespace orvenda::cli
