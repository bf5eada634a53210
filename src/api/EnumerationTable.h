#pragma once
// The type library's enumerations: each constant's name, its value (the control's own
// enumeration, control/Enumerations.h) and the caption a property page lists it under. The
// member table points each enumerated property at its enumeration here.

#include "api/TypeLibrary.h"
#include "control/Enumerations.h"

namespace quelta::enums {

// clang-format off
inline constexpr EnumConstant kAlignmentConstants[] = {
    {"qltaLeftJustify", qltaLeftJustify, "Left Justify"},
    {"qltaRightJustify", qltaRightJustify, "Right Justify"},
    {"qltaCenter", qltaCenter, "Center"},
};
inline constexpr EnumConstant kAppearanceConstants[] = {
    {"qltaAppearanceFlat", qltaAppearanceFlat, "Flat"},
    {"qltaAppearance3D", qltaAppearance3D, "3D"},
};
inline constexpr EnumConstant kBorderStyleConstants[] = {
    {"qltaBorderNone", qltaBorderNone, "None"},
    {"qltaBorderFixedSingle", qltaBorderFixedSingle, "Fixed Single"},
};
inline constexpr EnumConstant kDataTypeConstants[] = {
    {"qltaText", qltaText, "Text"},
    {"qltaLowerCase", qltaLowerCase, "Lower Case"},
    {"qltaUpperCase", qltaUpperCase, "Upper Case"},
    {"qltaBoolean", qltaBoolean, "Boolean"},
    {"qltaNumeric", qltaNumeric, "Numeric"},
    {"qltaSignedNumeric", qltaSignedNumeric, "Signed Numeric"},
    {"qltaDateTime", qltaDateTime, "Date and Time"},
};
inline constexpr EnumConstant kMousePointerConstants[] = {
    {"qltaDefault", qltaDefault, "Default"},
    {"qltaArrow", qltaArrow, "Arrow"},
    {"qltaCross", qltaCross, "Cross"},
    {"qltaIBeam", qltaIBeam, "I-Beam"},
    {"qltaIcon", qltaIcon, "Icon"},
    {"qltaSize", qltaSize, "Size"},
    {"qltaSizeNESW", qltaSizeNESW, "Size NE SW"},
    {"qltaSizeNS", qltaSizeNS, "Size N S"},
    {"qltaSizeNWSE", qltaSizeNWSE, "Size NW SE"},
    {"qltaSizeWE", qltaSizeWE, "Size W E"},
    {"qltaUpArrow", qltaUpArrow, "Up Arrow"},
    {"qltaHourglass", qltaHourglass, "Hourglass"},
    {"qltaNoDrop", qltaNoDrop, "No Drop"},
    {"qltaArrowHourglass", qltaArrowHourglass, "Arrow and Hourglass"},
    {"qltaArrowQuestion", qltaArrowQuestion, "Arrow and Question"},
    {"qltaSizeAll", qltaSizeAll, "Size All"},
    {"qltaCustom", qltaCustom, "Custom"},
};
inline constexpr EnumConstant kOLEDragModeConstants[] = {
    {"qltaDragModeManual", qltaDragModeManual, "Manual"},
    {"qltaDragModeAutomatic", qltaDragModeAutomatic, "Automatic"},
};
inline constexpr EnumConstant kOLEDropModeConstants[] = {
    {"qltaDropModeNone", qltaDropModeNone, "None"},
    {"qltaDropModeManual", qltaDropModeManual, "Manual"},
    {"qltaDropModeAutomatic", qltaDropModeAutomatic, "Automatic"},
};
inline constexpr EnumConstant kScrollBarsConstants[] = {
    {"qltaScrollBarsNone", qltaScrollBarsNone, "None"},
    {"qltaScrollBarsHorizontal", qltaScrollBarsHorizontal, "Horizontal"},
    {"qltaScrollBarsVertical", qltaScrollBarsVertical, "Vertical"},
    {"qltaScrollBarsBoth", qltaScrollBarsBoth, "Both"},
};

inline constexpr EnumerationInfo kAlignment = {"qltaAlignmentProperties", "E665CC4E-2851-400C-9CE9-7B49F13A452D", kAlignmentConstants};
inline constexpr EnumerationInfo kAppearance = {"qltaAppearanceProperties", "FF8EC5A6-7344-474E-ACFA-C318A57FDA38", kAppearanceConstants};
inline constexpr EnumerationInfo kBorderStyle = {"qltaBorderStyleProperties", "2FE38473-B0AE-4A37-A405-E8B8D2FE9DAD", kBorderStyleConstants};
inline constexpr EnumerationInfo kDataType = {"qltaDataTypeProperties", "AC939DB9-9307-4263-9725-EC365125E05A", kDataTypeConstants};
inline constexpr EnumerationInfo kMousePointer = {"qltaMousePointerProperties", "1F861013-DED4-4BDD-8438-309CD6C77B28", kMousePointerConstants};
inline constexpr EnumerationInfo kOLEDragMode = {"qltaOLEDragModeProperties", "822A2F53-5467-4754-B300-E4A5F0670120", kOLEDragModeConstants};
inline constexpr EnumerationInfo kOLEDropMode = {"qltaOLEDropModeProperties", "07795AEA-044B-4EB3-828B-537F6D057707", kOLEDropModeConstants};
inline constexpr EnumerationInfo kScrollBars = {"qltaScrollBarsProperties", "6BC617A8-A532-40A7-8FB8-2D0927EB66AF", kScrollBarsConstants};
// clang-format on

// In the library's declaration order.
inline constexpr const EnumerationInfo* kInLibraryOrder[] = {
    &kAlignment,    &kAppearance,  &kBorderStyle, &kDataType,
    &kMousePointer, &kOLEDragMode, &kOLEDropMode, &kScrollBars,
};

}  // namespace quelta::enums
