#include <gtest/gtest.h>

#include "control/Enumerations.h"
#include "control/StylePatch.h"

namespace quelta {
namespace {

// A state that adds nothing on its own: no border, word wrap on, selection hidden.
QueltaState plainState() {
    QueltaState state;
    state.BorderStyle = qltaBorderNone;
    state.WordWrap = kTrue;
    state.HideSelection = kTrue;
    return state;
}

struct PatchCase {
    const char* name;
    void (*adjust)(QueltaState&);
    Boolean oldWindows;
    StylePatch expected;
};

const PatchCase kCases[] = {
    {"nothing", [](QueltaState&) {}, kFalse, {0, 0}},
    {"flat border",
     [](QueltaState& s) {
         s.BorderStyle = qltaBorderFixedSingle;
         s.Appearance = qltaAppearanceFlat;
     },
     kFalse,
     {WS_BORDER, 0}},
    {"3-D border",
     [](QueltaState& s) {
         s.BorderStyle = qltaBorderFixedSingle;
         s.Appearance = qltaAppearance3D;
     },
     kFalse,
     {0, WS_EX_CLIENTEDGE}},
    {"3-D border, old platform",
     [](QueltaState& s) {
         s.BorderStyle = qltaBorderFixedSingle;
         s.Appearance = qltaAppearance3D;
     },
     kTrue,
     {0, 0}},
    {"flat border, old platform",
     [](QueltaState& s) { s.BorderStyle = qltaBorderFixedSingle; },
     kTrue,
     {WS_BORDER, 0}},
    {"any other border counts",
     [](QueltaState& s) {
         s.BorderStyle = -7;
         s.Appearance = qltaAppearance3D;
     },
     kFalse,
     {0, WS_EX_CLIENTEDGE}},
    {"any other appearance is flat",
     [](QueltaState& s) {
         s.BorderStyle = qltaBorderFixedSingle;
         s.Appearance = 5;
     },
     kFalse,
     {WS_BORDER, 0}},
    {"multi-line", [](QueltaState& s) { s.MultiLine = kTrue; }, kFalse, {ES_MULTILINE, 0}},
    {"multi-line horizontal",
     [](QueltaState& s) {
         s.MultiLine = kTrue;
         s.ScrollBars = qltaScrollBarsHorizontal;
     },
     kFalse,
     {ES_MULTILINE | WS_HSCROLL, 0}},
    {"multi-line vertical",
     [](QueltaState& s) {
         s.MultiLine = kTrue;
         s.ScrollBars = qltaScrollBarsVertical;
     },
     kFalse,
     {ES_MULTILINE | WS_VSCROLL, 0}},
    {"multi-line both",
     [](QueltaState& s) {
         s.MultiLine = kTrue;
         s.ScrollBars = qltaScrollBarsBoth;
     },
     kFalse,
     {ES_MULTILINE | 0x00300000, 0}},
    {"multi-line, scroll bars out of range",
     [](QueltaState& s) {
         s.MultiLine = kTrue;
         s.ScrollBars = 5;
     },
     kFalse,
     {ES_MULTILINE, 0}},
    {"scroll bars without multi-line",
     [](QueltaState& s) { s.ScrollBars = qltaScrollBarsBoth; },
     kFalse,
     {0, 0}},
    {"right", [](QueltaState& s) { s.Alignment = qltaRightJustify; }, kFalse, {0x6, 0}},
    {"centre", [](QueltaState& s) { s.Alignment = qltaCenter; }, kFalse, {0x5, 0}},
    {"alignment out of range", [](QueltaState& s) { s.Alignment = 3; }, kFalse, {0, 0}},
    {"lower case", [](QueltaState& s) { s.DataType = qltaLowerCase; }, kFalse, {ES_LOWERCASE, 0}},
    {"upper case", [](QueltaState& s) { s.DataType = qltaUpperCase; }, kFalse, {ES_UPPERCASE, 0}},
    {"numeric has no case", [](QueltaState& s) { s.DataType = qltaNumeric; }, kFalse, {0, 0}},
    {"data type out of range", [](QueltaState& s) { s.DataType = -1; }, kFalse, {0, 0}},
    {"no word wrap", [](QueltaState& s) { s.WordWrap = kFalse; }, kFalse, {ES_AUTOHSCROLL, 0}},
    {"selection kept visible",
     [](QueltaState& s) { s.HideSelection = kFalse; },
     kFalse,
     {ES_NOHIDESEL, 0}},
    {"a stored non-minus-one True still counts",
     [](QueltaState& s) {
         s.MultiLine = 1;
         s.HideSelection = 0;
     },
     kFalse,
     {ES_MULTILINE | ES_NOHIDESEL, 0}},
    {"everything",
     [](QueltaState& s) {
         s.BorderStyle = qltaBorderFixedSingle;
         s.Appearance = qltaAppearance3D;
         s.MultiLine = kTrue;
         s.ScrollBars = qltaScrollBarsVertical;
         s.Alignment = qltaCenter;
         s.DataType = qltaUpperCase;
         s.WordWrap = kFalse;
         s.HideSelection = kFalse;
     },
     kFalse,
     {ES_MULTILINE | WS_VSCROLL | ES_CENTER | ES_UPPERCASE | ES_AUTOHSCROLL | ES_NOHIDESEL,
      WS_EX_CLIENTEDGE}},
};

TEST(StylePatchTest, EachSettingContributesItsBits) {
    for (const PatchCase& c : kCases) {
        QueltaState state = plainState();
        c.adjust(state);
        StylePatch patch = computeStylePatch(state, c.oldWindows);
        EXPECT_EQ(patch.styleSet, c.expected.styleSet) << c.name;
        EXPECT_EQ(patch.exStyleSet, c.expected.exStyleSet) << c.name;
    }
}

}  // namespace
}  // namespace quelta
