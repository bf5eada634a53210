#include "form/Form.h"

#include <unordered_set>

#include "form/TakesFocus.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {
namespace {

constexpr std::int16_t kCtrlOrAlt = kCtrlMask | kAltMask;

// Names and keys as the form compares them: in any ASCII letter case.
String asciiFolded(StringView text) {
    String folded(text);
    for (char16_t& c : folded)
        c = asciiLower(c);
    return folded;
}

// The extender values a stored control brings to its site: its size, and the rest as the
// extender properties its control reads.
void placeOnSite(FormSite& site, const PropertyBag& extender) {
    for (const PropertyBag::Entry& entry : extender.entries()) {
        if (equalsIgnoringAsciiCase(entry.key, u"Width") ||
            equalsIgnoringAsciiCase(entry.key, u"Height") ||
            equalsIgnoringAsciiCase(entry.key, u"TabIndex")) {
            continue;  // the site's own size, and the place in the list
        }
        site.defineExtenderProperty(entry.key, entry.value);
    }
    site.setSize(extender.read(u"Width", Variant(RecordingContainer::kDefaultWidth)).toSingle(),
                 extender.read(u"Height", Variant(RecordingContainer::kDefaultHeight)).toSingle());
}

}  // namespace

Form::Form() {
    window_ = createWindow({u"QueltaForm", WS_VISIBLE, 0, 0, nullptr});
}

Form::~Form() {
    controls_.clear();  // controls and their sites before the window they live on
    destroyWindow(window_);
}

Form::Placed Form::place(const String& name, std::size_t tabIndex) {
    Placed placed;
    placed.name = name;
    placed.site =
        std::make_unique<FormSite>(window_, name, static_cast<std::int16_t>(tabIndex), userMode_);
    placed.control = std::make_unique<Quelta>(*placed.site);
    placed.site->setEventListener([this, name](std::int32_t dispid, std::span<Variant> args) {
        if (listener_.event) listener_.event(name, dispid, args);
    });
    placed.site->setChangeListener([this, name](StringView property) {
        if (listener_.change) listener_.change(name, property);
    });
    return placed;
}

Quelta& Form::addControl(const String& name) {
    if (name.empty() || find(name)) raiseError(kErrInvalidProcedureCall);
    Placed placed = place(name, controls_.size());
    startControl(*placed.control, nullptr);
    controls_.push_back(std::move(placed));
    return *controls_.back().control;
}

StoredForm Form::store() {
    StoredForm form;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Placed& placed = controls_[i];
        StoredControl stored;
        for (const PropertyBag::Entry& entry : placed.site->extenderProperties().entries()) {
            if (isExtenderKey(entry.key)) stored.extender.write(entry.key, entry.value);
        }
        stored.extender.write(u"TabIndex", Variant(static_cast<std::int32_t>(i)));
        stored.extender.write(u"Width", Variant(placed.site->width()));
        stored.extender.write(u"Height", Variant(placed.site->height()));
        placed.control->WriteProperties(stored.properties);
        form.controls.push_back(std::move(stored));
    }
    return form;
}

Form::Placed Form::loadControl(const StoredControl& stored, std::size_t index,
                               const std::string& file) {
    const std::string place = "controls[" + std::to_string(index) + "]";
    Placed placed = this->place(stored.extender.read(u"Name").toString(), index);
    try {
        placeOnSite(*placed.site, stored.extender);
    } catch (const AutomationError& error) {
        // The file's checks keep the values in range; this guards what they may miss.
        throw FormFileError(
            file, place + ".extender",
            "the form refuses the value (error " + std::to_string(error.number()) + ")");
    }

    PropertyBag properties = stored.properties;
    String lastKeyRead;
    std::unordered_set<String> keysRead;
    properties.setReadListener([&](StringView key) {
        lastKeyRead = key;
        keysRead.insert(asciiFolded(key));
    });
    try {
        startControl(*placed.control, &properties);
    } catch (const AutomationError& error) {
        throw FormFileError(
            file, place + ".properties." + toUtf8(lastKeyRead),
            "the control refuses the value (error " + std::to_string(error.number()) + ")");
    }
    for (const PropertyBag::Entry& entry : stored.properties.entries()) {
        if (!keysRead.contains(asciiFolded(entry.key))) {
            throw FormFileError(file, place + ".properties." + toUtf8(entry.key),
                                "not a property of the control");
        }
    }
    return placed;
}

void Form::replaceWith(const StoredForm& form, const std::string& file) {
    std::vector<Placed> loaded;
    std::unordered_set<String> names;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const String name = form.controls[i].extender.read(u"Name").toString();
        if (!names.insert(asciiFolded(name)).second) {
            throw FormFileError(file, "controls[" + std::to_string(i) + "].extender.Name",
                                "the name stands twice");
        }
        loaded.push_back(loadControl(form.controls[i], i, file));
    }
    controls_.swap(loaded);  // the old controls go with `loaded`
}

Quelta* Form::find(StringView name) {
    for (Placed& placed : controls_) {
        if (equalsIgnoringAsciiCase(placed.name, name)) return placed.control.get();
    }
    return nullptr;
}

FormSite* Form::siteOf(StringView name) {
    for (Placed& placed : controls_) {
        if (equalsIgnoringAsciiCase(placed.name, name)) return placed.site.get();
    }
    return nullptr;
}

bool Form::removeControl(StringView name) {
    for (auto at = controls_.begin(); at != controls_.end(); ++at) {
        if (!equalsIgnoringAsciiCase(at->name, name)) continue;
        controls_.erase(at);
        return true;
    }
    return false;
}

std::vector<Quelta*> Form::controls() {
    std::vector<Quelta*> all;
    all.reserve(controls_.size());
    for (Placed& placed : controls_)
        all.push_back(placed.control.get());
    return all;
}

void Form::focus(Quelta& control) {
    control.EnterFocus();
    if (!control.container().enabled()) return;
    if (EditBox* live = control.liveBox()) SetFocus(live->hWnd());
}

Form::Placed* Form::focusedControl() {
    WindowHandle focused = GetFocus();
    for (Placed& placed : controls_) {
        EditBox* live = placed.control->liveBox();
        if (live && live->hWnd() == focused) return &placed;
    }
    return nullptr;
}

void Form::moveFocus(int step) {
    if (controls_.empty()) return;
    const int count = static_cast<int>(controls_.size());
    Placed* current = focusedControl();
    int start = current ? static_cast<int>(current - controls_.data()) : (step > 0 ? -1 : 0);
    for (int tried = 1; tried <= count; ++tried) {
        Placed& next =
            controls_[static_cast<std::size_t>(((start + step * tried) % count + count) % count)];
        if (takesFocus(*next.control)) {
            focus(*next.control);
            return;
        }
    }
}

void Form::focusFirst() {
    for (Placed& placed : controls_) {
        if (!takesFocus(*placed.control)) continue;
        focus(*placed.control);
        return;
    }
}

void Form::deliverPendingKeys() {
    while (std::optional<KeyInput> input = takeKeyInput())
        deliver(*input);
}

void Form::deliver(const KeyInput& input) {
    bool isTab = input.keyCode == VK_TAB ||
                 (input.kind == KeyInput::Kind::Character && input.character == u'\t');
    if (isTab && (input.shift & kCtrlOrAlt) == 0) {
        // The form, not the edit box, owns Tab: it moves the focus on the key-down and
        // swallows the character and the key-up that belong to the same press.
        if (input.kind == KeyInput::Kind::KeyDown) {
            moveFocus((input.shift & kShiftMask) ? -1 : 1);
            swallowingTab_ = true;
            return;
        }
        if (swallowingTab_) {
            if (input.kind == KeyInput::Kind::KeyUp) swallowingTab_ = false;
            return;
        }
    }
    if (auto box = EditBox::fromWindow(GetFocus())) box->deliver(input);
}

}  // namespace quelta
