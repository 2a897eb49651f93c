#pragma once

// Starting with the desktop session: an XDG autostart entry "orvenda.desktop"
// in the user's autostart folder. Nothing here reports errors: a folder or
// entry that cannot be read or written only gives false.

#include <string>

namespace orvenda {

inline constexpr const char* AutostartEntryName = "orvenda.desktop";

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when that is unset or
// not absolute; "" when neither variable helps.
std::string DefaultAutostartDir();

// True when the entry exists and has a non-empty Exec value.
bool ReadAutostart(const std::string& dir);

// on: writes the entry that starts programPath (creating the folder);
// off: removes it. False when that could not be done.
bool WriteAutostart(bool on, const std::string& dir, const std::string& programPath);

} // namespace orvenda
