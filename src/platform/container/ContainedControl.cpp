#include "platform/container/ContainedControl.h"

namespace quelta {

void startControl(ContainedControl& control, const PropertyBag* storedProperties) {
    control.Initialize();
    if (storedProperties) {
        control.ReadProperties(*storedProperties);
    } else {
        control.InitProperties();
    }
    control.Resize();
}

}  // namespace quelta
