#include "form/Form.h"

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
    placed.site =
        std::make_unique<FormSite>(window_, name, static_cast<std::int16_t>(tabIndex), userMode_);
    placed.control = std::make_unique<Quelta>(*placed.site);
    placed.site->setListener(this);
    return placed;
}

void Form::siteEvent(const String& site, std::int32_t dispid, std::span<Variant> arguments) {
    if (listener_.event) listener_.event(site, dispid, arguments);
}

void Form::siteChanged(const String& site, StringView property) {
    if (listener_.change) listener_.change(site, property);
}

Quelta& Form::addControl(const String& name) {
    if (name.empty() || find(name)) raiseError(kErrInvalidProcedureCall);
    Placed placed = place(name, controls_.size());
    startControl(*placed.control, nullptr);
    positions_.emplace(asciiFolded(name), controls_.size());
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

    // Which stored entries the control asked for, by their place in the bag; an entry
    // counts as asked for only by its own name in some ASCII case.
    const std::vector<PropertyBag::Entry>& entries = stored.properties.entries();
    std::vector<bool> asked(entries.size());
    String lastKeyRead;
    const PropertyBag::ReadListener heard = [&](StringView key, const PropertyBag::Entry* found) {
        lastKeyRead = key;
        if (found && equalsIgnoringAsciiCase(found->key, key))
            asked[static_cast<std::size_t>(found - entries.data())] = true;
    };
    try {
        const PropertyBag::ReadWatch watch(stored.properties, heard);
        startControl(*placed.control, &stored.properties);
    } catch (const AutomationError& error) {
        throw FormFileError(
            file, place + ".properties." + toUtf8(lastKeyRead),
            "the control refuses the value (error " + std::to_string(error.number()) + ")");
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!asked[i]) {
            throw FormFileError(file, place + ".properties." + toUtf8(entries[i].key),
                                "not a property of the control");
        }
    }
    return placed;
}

void Form::replaceWith(const StoredForm& form, const std::string& file) {
    std::vector<Placed> loaded;
    loaded.reserve(form.controls.size());
    std::unordered_map<String, std::size_t> positions;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const String name = form.controls[i].extender.read(u"Name").toString();
        if (!positions.emplace(asciiFolded(name), i).second) {
            throw FormFileError(file, "controls[" + std::to_string(i) + "].extender.Name",
                                "the name stands twice");
        }
        loaded.push_back(loadControl(form.controls[i], i, file));
    }
    controls_.swap(loaded);  // the old controls go with `loaded`
    positions_.swap(positions);
}

Form::Placed* Form::findPlaced(StringView name) {
    auto found = positions_.find(asciiFolded(name));
    return found == positions_.end() ? nullptr : &controls_[found->second];
}

void Form::reindex() {
    positions_.clear();
    for (std::size_t i = 0; i < controls_.size(); ++i)
        positions_.emplace(asciiFolded(controls_[i].site->name()), i);
}

Quelta* Form::find(StringView name) {
    Placed* placed = findPlaced(name);
    return placed ? placed->control.get() : nullptr;
}

FormSite* Form::siteOf(StringView name) {
    Placed* placed = findPlaced(name);
    return placed ? placed->site.get() : nullptr;
}

bool Form::removeControl(StringView name) {
    Placed* placed = findPlaced(name);
    if (!placed) return false;
    // Gone from the list and the index before its control goes, in case that is heard.
    Placed removed = std::move(*placed);
    controls_.erase(controls_.begin() + (placed - controls_.data()));
    reindex();  // the places after it moved; removing is rare beside finding
    return true;
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
