#pragma once
// Whether a person can move the focus into a control: its site is enabled, and so is the
// control, whose live edit box exists, is shown and takes input. Tab, the first focus of a
// form and a toolkit's focus chain all ask this one question, so that they never disagree
// about which fields can be entered.

namespace quelta {

class Quelta;

bool takesFocus(Quelta& control);

}  // namespace quelta
