#pragma once
// The control's public enumerations. Hosts and stored forms name these values by number,
// so they never change; the control stores each in a 16-bit field.

#include <cstdint>

namespace quelta {

enum qltaAlignmentProperties : std::int16_t {
    qltaLeftJustify = 0,
    qltaRightJustify = 1,
    qltaCenter = 2,
};

enum qltaAppearanceProperties : std::int16_t {
    qltaAppearanceFlat = 0,
    qltaAppearance3D = 1,
};

enum qltaBorderStyleProperties : std::int16_t {
    qltaBorderNone = 0,
    qltaBorderFixedSingle = 1,
};

enum qltaDataTypeProperties : std::int16_t {
    qltaText = 0,
    qltaLowerCase = 1,
    qltaUpperCase = 2,
    qltaBoolean = 3,
    qltaNumeric = 4,
    qltaSignedNumeric = 5,
    qltaDateTime = 6,
};

enum qltaMousePointerProperties : std::int16_t {
    qltaDefault = 0,
    qltaArrow = 1,
    qltaCross = 2,
    qltaIBeam = 3,
    qltaIcon = 4,
    qltaSize = 5,
    qltaSizeNESW = 6,
    qltaSizeNS = 7,
    qltaSizeNWSE = 8,
    qltaSizeWE = 9,
    qltaUpArrow = 10,
    qltaHourglass = 11,
    qltaNoDrop = 12,
    qltaArrowHourglass = 13,
    qltaArrowQuestion = 14,
    qltaSizeAll = 15,
    qltaCustom = 99,
};

enum qltaOLEDragModeProperties : std::int16_t {
    qltaDragModeManual = 0,
    qltaDragModeAutomatic = 1,
};

enum qltaOLEDropModeProperties : std::int16_t {
    qltaDropModeNone = 0,
    qltaDropModeManual = 1,
    qltaDropModeAutomatic = 2,
};

enum qltaScrollBarsProperties : std::int16_t {
    qltaScrollBarsNone = 0,
    qltaScrollBarsHorizontal = 1,
    qltaScrollBarsVertical = 2,
    qltaScrollBarsBoth = 3,
};

}  // namespace quelta
