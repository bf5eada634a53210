#include <algorithm>

#include "control/LayoutRules.h"
#include "control/Quelta.h"

namespace quelta {
namespace {

// Longer runs are measured by scaling this many characters: a run of the same character
// grows evenly, and no form is helped by building a string of a billion characters.
constexpr std::int32_t kLongestMeasuredRun = 4096;

float runWidth(const ControlContainer& container, char16_t character, std::int32_t count) {
    const std::int32_t measured = std::min(count, kLongestMeasuredRun);
    const float width = container.textWidth(String(static_cast<std::size_t>(measured), character));
    if (measured == count) return width;
    return width * (static_cast<float>(count) / static_cast<float>(measured));
}

}  // namespace

// At design time, with AutoSize, the control becomes as wide as MaxLength typical
// characters in the live box's font. The height is left to the layout's minimum; a
// multi-line control keeps the width the developer gave it.
void Quelta::FitToMaxLength(bool relayout) {
    if (!isTrue(state_.EditBoxLoaded)) RebuildEditBox();
    if (!isTrue(state_.AutoSize) || isTrue(state_.MultiLine)) return;
    if (container_.userMode()) return;
    EditBox& live = txtBaseCtl[1];
    const std::int32_t count = live.maxLength();
    if (count <= 0) return;  // no limit (the box refuses negative lengths)
    const float allowance = borderAllowance(state_.BorderStyle, container_.twipsPerPixelX());
    container_.setDrawingFont(live.font());
    const char16_t character = measuringCharacter(state_.DataType);
    container_.setSize(runWidth(container_, character, count) + allowance, container_.height());
    if (relayout) LayoutEditBox();
}

}  // namespace quelta
