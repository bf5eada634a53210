#pragma once
// The Qt widget's properties, printed from the member table: the enumerations, the
// Q_PROPERTY declarations with their accessors and change signals inside the widget's
// public header (between its two marks, the rest of the header being written by hand), and
// the source that carries the accessors out through the widget's private side.

#include <optional>
#include <string>
#include <string_view>

#include "api/TypeLibrary.h"

namespace quelta::codegen {

// The Qt property a member becomes ("oleDragMode"), or nothing when the widget does not
// offer it: a member left out of the typed front, and those QWidget has already (Enabled,
// Font), whose Qt meaning the widget keeps.
std::optional<std::string> qtPropertyName(const MemberInfo& member);

// `current` with the text between the marks replaced; std::runtime_error when the header
// has lost a mark.
std::string qtWidgetHeader(const std::string& current);  // include/quelta/qt/FieldWidget.h
std::string qtWidgetSource();                            // src/qt/FieldWidgetProperties.cpp

}  // namespace quelta::codegen
