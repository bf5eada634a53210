#include "form/Form.h"

#include "form/FileReplacement.h"
#include "form/TakesFocus.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {
namespace {

constexpr std::int16_t kCtrlOrAlt = kCtrlMask | kAltMask;
constexpr std::size_t kUsualStoredProperties = 8;
constexpr std::size_t kStoredExtenderKeys = 9;  // as many as storeExtender writes at most

// The extender values a stored control brings to its site: its size, and the rest as the
// extender properties its control reads. The name and the tab index the site has already.
void placeOnSite(FormSite& site, const PropertyBag& extender) {
    for (const PropertyBag::Entry& entry : extender.entries()) {
        if (equalsIgnoringAsciiCase(entry.key, u"Name") ||
            equalsIgnoringAsciiCase(entry.key, u"Width") ||
            equalsIgnoringAsciiCase(entry.key, u"Height") ||
            equalsIgnoringAsciiCase(entry.key, u"TabIndex")) {
            continue;
        }
        site.defineExtenderProperty(entry.key, entry.value);
    }
    const Variant* width = extender.lookup(u"Width");
    const Variant* height = extender.lookup(u"Height");
    site.setSize(width ? width->toSingle() : FormSite::kDefaultWidth,
                 height ? height->toSingle() : FormSite::kDefaultHeight);
}

// The extender values a form file keeps of a site, in the order the file lists them.
void storeExtender(const FormSite& site, std::size_t tabIndex, PropertyBag& extender) {
    extender.write(u"Name", Variant(site.name()));
    extender.write(u"WhatsThisHelpID", Variant(site.whatsThisHelpID()));
    extender.write(u"HelpContextID", Variant(site.helpContextID()));
    extender.write(u"ToolTipText", Variant(site.toolTipText()));
    extender.write(u"TabIndex", Variant(static_cast<std::int32_t>(tabIndex)));
    if (!site.left().isEmpty()) extender.write(u"Left", site.left());
    if (!site.top().isEmpty()) extender.write(u"Top", site.top());
    extender.write(u"Width", Variant(site.width()));
    extender.write(u"Height", Variant(site.height()));
}

}  // namespace

struct Form::LoadScratch {
    // Which stored entries the control asked for, by their place in the bag.
    std::vector<bool> asked;
    const PropertyBag::Entry* entries = nullptr;
    String lastKeyRead;
};

std::size_t Form::FoldedHash::operator()(StringView name) const {
    std::size_t hash = 14695981039346656037ULL;
    for (char16_t c : name) {
        hash ^= asciiLower(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool Form::FoldedEqual::operator()(StringView a, StringView b) const {
    return a.size() == b.size() && equalsIgnoringAsciiCase(a, b);
}

Form::Placed::Placed(Form& form, String name, std::size_t tabIndex)
    : site(form.window_, std::move(name), static_cast<std::int16_t>(tabIndex), form.userMode_),
      control(site) {
    site.setListener(&form);  // what the control does while it is built is not heard
}

Form::Form() {
    window_ = createWindow({u"QueltaForm", WS_VISIBLE, 0, 0, nullptr});
}

Form::~Form() {
    controls_.clear();  // controls and their sites before the window they live on
    destroyWindow(window_);
}

std::unique_ptr<Form::Placed> Form::place(String name, std::size_t tabIndex) {
    return std::make_unique<Placed>(*this, std::move(name), tabIndex);
}

void Form::siteEvent(const String& site, std::int32_t dispid, std::span<Variant> arguments) {
    if (listener_.event) listener_.event(site, dispid, arguments);
}

void Form::siteChanged(const String& site, StringView property) {
    if (listener_.change) listener_.change(site, property);
}

Quelta& Form::addControl(const String& name) {
    if (name.empty() || find(name)) raiseError(kErrInvalidProcedureCall);
    std::unique_ptr<Placed> placed = place(name, controls_.size());
    startControl(placed->control, nullptr);
    controls_.push_back(std::move(placed));
    positions_.emplace(controls_.back()->site.name(), controls_.size() - 1);
    return controls_.back()->control;
}

StoredForm Form::store() {
    StoredForm form;
    form.controls.reserve(controls_.size());
    storeEach([&form](const StoredControl& stored) { form.controls.push_back(stored); });
    return form;
}

void Form::storeEach(const std::function<void(const StoredControl&)>& each) {
    StoredControl stored;
    stored.extender.reserve(kStoredExtenderKeys);
    // Room for the handful of values a control nearly always keeps apart from its
    // defaults, so that the bag does not grow by steps.
    stored.properties.reserve(kUsualStoredProperties);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Placed& placed = *controls_[i];
        stored.extender.clear();
        stored.properties.clear();
        storeExtender(placed.site, i, stored.extender);
        placed.control.WriteProperties(stored.properties);
        each(stored);
    }
}

std::string Form::fileText(const std::string& file) {
    FormFileText text(file, controls_.size());
    storeEach([&text](const StoredControl& stored) { text.add(stored); });
    return std::move(text).finish();
}

void Form::save(const std::string& path) {
    replaceFileContent(path, fileText(path));
}

std::unique_ptr<Form::Placed> Form::loadControl(const StoredControl& stored, String name,
                                                std::size_t index, const std::string& file,
                                                LoadScratch& scratch) {
    // The place in the file is spelled out only for a refusal.
    const auto place = [index] { return "controls[" + std::to_string(index) + "]"; };
    std::unique_ptr<Placed> placed = this->place(std::move(name), index);
    try {
        placeOnSite(placed->site, stored.extender);
    } catch (const AutomationError& error) {
        // The file's checks keep the values in range; this guards what they may miss.
        throw FormFileError(
            file, place() + ".extender",
            "the form refuses the value (error " + std::to_string(error.number()) + ")");
    }

    // An entry counts as asked for only by its own name in some ASCII case.
    const std::vector<PropertyBag::Entry>& entries = stored.properties.entries();
    scratch.asked.assign(entries.size(), false);
    scratch.entries = entries.data();
    scratch.lastKeyRead.clear();
    const PropertyBag::ReadListener heard = [&scratch](StringView key,
                                                       const PropertyBag::Entry* found) {
        scratch.lastKeyRead = key;
        if (found && equalsIgnoringAsciiCase(found->key, key))
            scratch.asked[static_cast<std::size_t>(found - scratch.entries)] = true;
    };
    try {
        const PropertyBag::ReadWatch watch(stored.properties, heard);
        startControl(placed->control, &stored.properties);
    } catch (const AutomationError& error) {
        throw FormFileError(
            file, place() + ".properties." + toUtf8(scratch.lastKeyRead),
            "the control refuses the value (error " + std::to_string(error.number()) + ")");
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!scratch.asked[i]) {
            throw FormFileError(file, place() + ".properties." + toUtf8(entries[i].key),
                                "not a property of the control");
        }
    }
    return placed;
}

void Form::replaceWith(const StoredForm& form, const std::string& file) {
    loadControls(form, file, nullptr);
}

void Form::replaceWith(StoredForm&& form, const std::string& file) {
    loadControls(form, file, &form);
}

void Form::loadControls(const StoredForm& form, const std::string& file, StoredForm* consumed) {
    std::vector<std::unique_ptr<Placed>> loaded;
    loaded.reserve(form.controls.size());
    Positions positions;
    positions.reserve(form.controls.size());
    LoadScratch scratch;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const Variant* stored = form.controls[i].extender.lookup(u"Name");
        String name = stored ? stored->toString() : String();
        if (positions.contains(name)) {
            throw FormFileError(file, "controls[" + std::to_string(i) + "].extender.Name",
                                "the name stands twice");
        }
        loaded.push_back(loadControl(form.controls[i], std::move(name), i, file, scratch));
        positions.emplace(loaded.back()->site.name(), i);
        // What the control was loaded from is given back at once, so that the next
        // control is built in the memory it leaves rather than in memory never touched.
        if (consumed) consumed->controls[i] = StoredControl();
    }
    controls_.swap(loaded);  // the old controls go with `loaded`
    positions_.swap(positions);
}

Form::Placed* Form::findPlaced(StringView name) {
    auto found = positions_.find(name);
    return found == positions_.end() ? nullptr : controls_[found->second].get();
}

void Form::reindex() {
    positions_.clear();
    for (std::size_t i = 0; i < controls_.size(); ++i)
        positions_.emplace(controls_[i]->site.name(), i);
}

Quelta* Form::find(StringView name) {
    Placed* placed = findPlaced(name);
    return placed ? &placed->control : nullptr;
}

FormSite* Form::siteOf(StringView name) {
    Placed* placed = findPlaced(name);
    return placed ? &placed->site : nullptr;
}

bool Form::removeControl(StringView name) {
    auto found = positions_.find(name);
    if (found == positions_.end()) return false;
    // Gone from the list and the index before its control goes, in case that is heard.
    std::unique_ptr<Placed> removed = std::move(controls_[found->second]);
    controls_.erase(controls_.begin() + static_cast<std::ptrdiff_t>(found->second));
    reindex();  // the places after it moved; removing is rare beside finding
    return true;
}

std::vector<Quelta*> Form::controls() {
    std::vector<Quelta*> all;
    all.reserve(controls_.size());
    for (const std::unique_ptr<Placed>& placed : controls_)
        all.push_back(&placed->control);
    return all;
}

void Form::focus(Quelta& control) {
    control.EnterFocus();
    if (!control.container().enabled()) return;
    if (EditBox* live = control.liveBox()) SetFocus(live->hWnd());
}

// Tab after Tab finds the focus where the form put it last, so that tabbing through a large
// form does not look through all of it at every key; a click elsewhere costs one look.
std::optional<std::size_t> Form::focusedControl() {
    const WindowHandle focused = GetFocus();
    auto hasFocus = [&](std::size_t i) {
        EditBox* live = controls_[i]->control.liveBox();
        return live && live->hWnd() == focused;
    };
    if (lastFocused_ < controls_.size() && hasFocus(lastFocused_)) return lastFocused_;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (hasFocus(i)) return lastFocused_ = i;
    }
    return std::nullopt;
}

void Form::moveFocus(int step) {
    if (controls_.empty()) return;
    const int count = static_cast<int>(controls_.size());
    const std::optional<std::size_t> current = focusedControl();
    int start = current ? static_cast<int>(*current) : (step > 0 ? -1 : 0);
    for (int tried = 1; tried <= count; ++tried) {
        const auto at = static_cast<std::size_t>(((start + step * tried) % count + count) % count);
        if (takesFocus(controls_[at]->control)) {
            lastFocused_ = at;
            focus(controls_[at]->control);
            return;
        }
    }
}

void Form::focusFirst() {
    for (const std::unique_ptr<Placed>& placed : controls_) {
        if (!takesFocus(placed->control)) continue;
        focus(placed->control);
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
