#include <gtest/gtest.h>

#include "control/Enumerations.h"
#include "control/StylePatch.h"

namespace quelta {
namespace {

constexpr Boolean T = kTrue;
constexpr Boolean F = kFalse;

struct PatchCase {
    const char* name;
    std::int16_t border, appearance;
    Boolean multiLine;
    std::int16_t scrollBars, alignment, dataType;
    Boolean wordWrap, hideSelection, oldWindows;
    std::uint32_t styleSet, exStyleSet;
};

// Word wrap on and selection hidden add nothing, so each row shows its own bits.
// clang-format off
const PatchCase kCases[] = {
    // name                          border appear multi scroll align type wrap hide old  style                                exStyle
    {"nothing",                       0,     1,     F,    0,     0,    0,   T,   T,   F,   0,                                   0},
    {"flat border",                   1,     0,     F,    0,     0,    0,   T,   T,   F,   WS_BORDER,                           0},
    {"3-D border",                    1,     1,     F,    0,     0,    0,   T,   T,   F,   0,                                   WS_EX_CLIENTEDGE},
    {"3-D border, old platform",      1,     1,     F,    0,     0,    0,   T,   T,   T,   0,                                   0},
    {"flat border, old platform",     1,     0,     F,    0,     0,    0,   T,   T,   T,   WS_BORDER,                           0},
    {"multi-line",                    0,     1,     T,    0,     0,    0,   T,   T,   F,   ES_MULTILINE,                        0},
    {"horizontal",                    0,     1,     T,    1,     0,    0,   T,   T,   F,   ES_MULTILINE | WS_HSCROLL,           0},
    {"vertical",                      0,     1,     T,    2,     0,    0,   T,   T,   F,   ES_MULTILINE | WS_VSCROLL,           0},
    {"both",                          0,     1,     T,    3,     0,    0,   T,   T,   F,   ES_MULTILINE | 0x00300000,           0},
    {"scroll bars, single line",      0,     1,     F,    3,     0,    0,   T,   T,   F,   0,                                   0},
    {"right",                         0,     1,     F,    0,     1,    0,   T,   T,   F,   0x6,                                 0},
    {"centre",                        0,     1,     F,    0,     2,    0,   T,   T,   F,   0x5,                                 0},
    {"lower case",                    0,     1,     F,    0,     0,    1,   T,   T,   F,   ES_LOWERCASE,                        0},
    {"upper case",                    0,     1,     F,    0,     0,    2,   T,   T,   F,   ES_UPPERCASE,                        0},
    {"numeric has no case",           0,     1,     F,    0,     0,    4,   T,   T,   F,   0,                                   0},
    {"no word wrap",                  0,     1,     F,    0,     0,    0,   F,   T,   F,   ES_AUTOHSCROLL,                      0},
    {"selection kept visible",        0,     1,     F,    0,     0,    0,   T,   F,   F,   ES_NOHIDESEL,                        0},
    {"any non-zero Boolean is True",  0,     1,     1,    0,     0,    0,   T,   T,   F,   ES_MULTILINE,                        0},
};
// clang-format on

TEST(StylePatchTest, EachSettingContributesItsBits) {
    for (const PatchCase& c : kCases) {
        QueltaState state;
        state.BorderStyle = c.border;
        state.Appearance = c.appearance;
        state.MultiLine = c.multiLine;
        state.ScrollBars = c.scrollBars;
        state.Alignment = c.alignment;
        state.DataType = c.dataType;
        state.WordWrap = c.wordWrap;
        state.HideSelection = c.hideSelection;
        StylePatch patch = computeStylePatch(state, c.oldWindows);
        EXPECT_EQ(patch.styleSet, c.styleSet) << c.name;
        EXPECT_EQ(patch.exStyleSet, c.exStyleSet) << c.name;
    }
}

}  // namespace
}  // namespace quelta
