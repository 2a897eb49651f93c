#pragma once

// Writes the workbook model as an .xlsx file. The file is written beside the
// target under a temporary name and renamed over it, so a failure never
// leaves a half-written report or template.

#include "engine/spreadsheet/workbook.h"

#include <string>
#include <vector>

namespace orvenda::sheet {

struct [[nodiscard]] WriteResult {
    bool Ok = false;
    std::string Error; // Russian, when not Ok
    // Pictures that could not be put in (a missing or unreadable file); the
    // workbook is written without them.
    std::vector<std::string> Warnings;
};

WriteResult WriteWorkbook(const Workbook& book, const std::string& path);

} // namespace orvenda::sheet
