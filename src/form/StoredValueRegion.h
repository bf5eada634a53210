#pragma once
// A form file keeps each control's value as the text the control stores, and a numeric or
// date control stores it in the notation of the region it runs in: 1234,5 in Germany,
// 3/4/2001 in the United States. Read as it stands in another region, the same text means
// another value (12345, 3 April). So a file records the region it was written in, and
// reading it elsewhere carries each such text over into the current region's notation
// before any control sees it; the controls' own rules stay as they are.

#include <string_view>
#include <vector>

#include "form/FormFile.h"

namespace quelta {

// Rewrites the stored text ("Text") of every numeric, signed numeric and date control from
// the notation of the region `writtenIn` (a known region name) into that of the thread's
// current regional settings. A text that does not read as a value there (an entry left
// half typed) stays as it is, and the control treats it by its own rules.
void carryValuesIntoCurrentRegion(std::vector<StoredControl>& controls, std::string_view writtenIn);

}  // namespace quelta
