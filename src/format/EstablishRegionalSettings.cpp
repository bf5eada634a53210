#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/FormatRoutine.h"
#include "platform/TextRoutines.h"

namespace quelta {

// Reads the decimal separator off the platform's own rendering of a sample, once per
// thread: later controls find it determined and leave it alone.
void Quelta::EstablishRegionalSettings() {
    QueltaThreadData& data = threadData();
    if (data.DecimalSeparatorCode == 0) {
        String sample = formatValue(Variant(std::int16_t{0}), u"0.0");
        data.DecimalSeparator = sample.size() > 1 ? sample.substr(1, 1) : String(u".");
        data.DecimalSeparatorCode = static_cast<std::int16_t>(Asc(data.DecimalSeparator));
    }
}

}  // namespace quelta
