#pragma once

// The settings record of the program and its parts: the listed event and
// saying files, the switches named like the keys of the configuration file,
// and the looks of the main window's five text areas.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvenda {

// A file named in one of the configuration's lists. The file opened is
// Folder followed by Name; Folder keeps its trailing "/".
struct TListedFile {
    std::string Folder;
    std::string Name;

    friend bool operator==(const TListedFile&, const TListedFile&) = default;
};

// Colour values as the configuration and scheme files store them: 0x00BBGGRR
// for a plain colour, 0x80000000 + index for a system colour.
using TColor = std::uint32_t;

struct TObjectLook {
    TColor Color = 0;
    int Alignment = 2; // AlignLeft, AlignRight or AlignCenter (config/settings_text.h)
    std::string FontName;
    int FontSize = 8; // whole points
    TColor FontColor = 0;
    unsigned FontStyle = 0; // FontStyleFlag bits (config/settings_text.h)

    friend bool operator==(const TObjectLook&, const TObjectLook&) = default;
};

// The five appearance objects, in the order of the scheme file.
enum LookObject : int { LcToday = 0, LcDate, LcDayOfWeek, LcWis, LcEvt, LookObjectCount };

using TLooks = std::array<TObjectLook, LookObjectCount>;

// The looks that hold when no scheme has been loaded.
TLooks DefaultLooks();
// "LcToday" .. "LcEvt"
const char* LookObjectName(int object);

struct TConfigRec {
    // Each list always holds at least one entry: an empty list is one
    // placeholder entry with an empty Name.
    std::vector<TListedFile> EventFiles{TListedFile{}};
    std::vector<TListedFile> WisdomFiles{TListedFile{}};
    bool ConfirmExit = false;
    bool AdjustFormSize = false;
    bool LogEnable = false;
    bool UserLog = true;
    std::string UserLogFileName = "Orvenda.log";
    bool LogAppend = true;
    std::string ColorScheme;
    bool ShowAstroPanel = true;
    bool ToolBarShow = true;
    bool ToolBarShowTXT = false;
    bool ViewGroup = true;
    bool ViewDateInStr = true;
    bool Autostart = false;
    TLooks Looks = DefaultLooks();
};

} // namespace orvenda
