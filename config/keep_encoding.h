#pragma once

#include "engine/codec.h"

#include <string>

namespace orvenda {

// The encoding to write `path` in so that a file the user keeps in UTF-8 stays
// UTF-8: the file's own when it is UTF-8 (with or without a byte-order mark),
// else Windows-1251, the program's own format (also for a new file).
TextEncoding EncodingToKeep(const std::string& path);

} // namespace orvenda
