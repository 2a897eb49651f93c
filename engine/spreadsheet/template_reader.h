#pragma once

// Reads a report template (an .xlsx workbook, ours or saved again by the
// user's spreadsheet program) into the workbook model: sheets, values,
// styles, merges, column widths and row heights. Pictures of a template are
// not read: the reports put in their own.

#include "engine/spreadsheet/workbook.h"

#include <optional>
#include <string>

namespace orvenda::sheet {

struct [[nodiscard]] OpenResult {
    std::optional<Workbook> Book; // the first sheet current
    std::string Error;            // why, in Russian, when Book is empty ("файл не найден")
};

OpenResult OpenTemplate(const std::string& path);

} // namespace orvenda::sheet
