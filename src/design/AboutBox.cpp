#include <memory>

#include "control/Quelta.h"
#include "design/frmAbout.h"

namespace quelta {
namespace {

// The thread's one About dialog, which exists only while AboutBox shows it.
thread_local std::unique_ptr<frmAbout> sharedAbout;

}  // namespace

void Quelta::AboutBox() {
    if (!sharedAbout) sharedAbout = std::make_unique<frmAbout>();
    // Released whatever the modal loop did, so that the next call starts afresh.
    struct Release {
        ~Release() { sharedAbout.reset(); }
    } release;
    sharedAbout->showModal();
}

}  // namespace quelta
