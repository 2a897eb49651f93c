#include "editors/file_filter.h"

#include "editors/editor_controller.h"

#include <gtest/gtest.h>

namespace orvenda {
namespace {

struct FilterCase {
    const char* name;
    FileFilter input;
    const char* filter;
    const char* selected;
};

class ToolkitFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ToolkitFilters, PairsBecomeNamedPatternLists)
{
    const FilterCase& c = GetParam();
    const ToolkitFilter result = ToToolkitFilter(c.input);
    EXPECT_EQ(result.filter, c.filter);
    EXPECT_EQ(result.selected, c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolkitFilters,
    ::testing::Values(
        FilterCase{"EditorFiltersSecondPreselected",
                   {std::string(EditorFilePairs), 2},
                   "Поддерживаемые файлы (*.evt *.wis);;Cобытия (*.evt);;Высказываний (*.wis);;Все файлы (*)",
                   "Cобытия (*.evt)"},
        FilterCase{"SayingsPreselected",
                   {std::string(EditorFilePairs), 3},
                   "Поддерживаемые файлы (*.evt *.wis);;Cобытия (*.evt);;Высказываний (*.wis);;Все файлы (*)",
                   "Высказываний (*.wis)"},
        FilterCase{"SaveAsFilters",
                   {std::string(SaveAsFilePairs), 1},
                   "Файлы событий (*.evt);;Все файлы (*)",
                   "Файлы событий (*.evt)"},
        FilterCase{
            "NameShowsOtherPatternsThanItsOwn", {"Old (*.txt)|*.evt", 1}, "Old (*.evt)", "Old (*.evt)"},
        FilterCase{"IndexOutOfRangeTakesTheFirst", {"A|*.a|B|*.b", 7}, "A (*.a);;B (*.b)", "A (*.a)"},
        FilterCase{"IndexZeroTakesTheFirst", {"A|*.a|B|*.b", 0}, "A (*.a);;B (*.b)", "A (*.a)"},
        FilterCase{"PairWithoutPatternsMatchesAll", {"A|*.a|Rest", 2}, "A (*.a);;Rest (*)", "Rest (*)"},
        FilterCase{
            "EmptyPatternsAndBlanksAreDropped", {"A| *.a ;; *.b|B|", 1}, "A (*.a *.b);;B (*)", "A (*.a *.b)"},
        FilterCase{"NothingGivesNothing", {"", 1}, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvenda
