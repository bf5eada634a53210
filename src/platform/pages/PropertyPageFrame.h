#pragma once
// The host's property-page frame: it holds the selected controls and the page's changed
// flag, shows one page at a time and offers OK, Apply and Cancel.

#include <memory>
#include <vector>

#include "platform/pages/LateBoundObject.h"
#include "platform/pages/PropertyPage.h"

namespace quelta {

using LateBoundRef = std::shared_ptr<LateBoundObject>;

class PropertyPageFrame {
public:
    const std::vector<LateBoundRef>& selectedControls() const { return selected_; }
    bool changed() const { return changed_; }
    void setChanged(bool changed) { changed_ = changed; }
    // Apply is offered only while the page has changes.
    bool applyEnabled() const { return page_ != nullptr && changed_; }

    // Shows `page` for these controls: the page fills itself, and what the fill did to
    // the widgets does not count as a change. A fill that fails leaves nothing open, so that
    // a half-filled page can never be applied.
    void open(PropertyPage& page, std::vector<LateBoundRef> selected);
    PropertyPage* page() const { return page_; }

    // Apply: the page writes its widgets; the changed flag clears when that succeeded and
    // stays set when an error (which reaches the caller) ended it.
    void apply();
    // OK: apply, then close; a failing apply keeps the page open.
    void ok();
    // Cancel: closes without applying.
    void cancel();

private:
    PropertyPage* page_ = nullptr;
    std::vector<LateBoundRef> selected_;
    bool changed_ = false;
};

}  // namespace quelta
