#pragma once

// The kinds of file the editor creates, in the order the new-file dialog
// offers them. "Fixed dates" makes a full-date file: the older
// "[fixed events]" layout cannot hold a time and is only ever opened.

#include "events/event_format.h"

#include <array>
#include <string_view>

namespace orvenda {

struct NewFileKind {
    std::string_view caption;
    std::string_view note; // empty: no note under the caption
    EventFileFormat format;
};

inline constexpr std::array<NewFileKind, 4> NewFileKinds{{
    {"Фиксированные даты", "Например, день рождения.", EventFileFormat::FullDateEvents},
    {"Переменные даты", "Например, пасха.", EventFileFormat::FloatEvents},
    {"Высказывания разных авторов", "", EventFileFormat::Wisdom},
    {"Высказывания одного автора", "", EventFileFormat::WisdomBy},
}};

} // namespace orvenda
