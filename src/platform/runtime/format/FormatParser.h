#pragma once
// Compiles a format string of the Format routine's code language into its plain-data form.
//
// format   := section (';' section){0,3}
// section  := number codes | date codes | text codes | literals only
// literal  := '\' any | '"' text '"' | any character that is no code of its section
//
// A section with a digit placeholder ('0', '#') or a percent sign is a number section and
// reads its letters as literals; otherwise a section with a text code ('@', '&', '<', '>',
// '!') is a text section; otherwise one with a date or time code is a date section. A
// section of '.' or ',' alone is a number section. A lone trailing backslash stands for
// nothing, and an unterminated quote runs to the end of its section.

#include "platform/String.h"
#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

// Raises error 5 for a format longer than kMaxFormatLength or with more than four sections.
CompiledFormat compileFormat(StringView format);

}  // namespace quelta
