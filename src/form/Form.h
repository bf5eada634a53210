#pragma once
// A form: controls in tab order on one window, each in its own site. The form moves the
// focus between them, as a person's Tab and Shift+Tab do, and hands the keys waiting in the
// thread's keyboard input queue to the focused edit box.

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "control/Quelta.h"
#include "form/FormFile.h"
#include "form/FormSite.h"

namespace quelta {

class Form : private SiteListener {
public:
    struct Listener {
        std::function<void(const String& control, std::int32_t dispid, std::span<Variant>)> event;
        std::function<void(const String& control, StringView property)> change;
    };

    Form();
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void setListener(Listener listener) { listener_ = std::move(listener); }
    // The ambient UserMode every site reports from now on.
    void setUserMode(bool userMode) { userMode_ = userMode; }
    bool userMode() const { return userMode_; }

    // Places a new control named `name` at the end of the tab order and starts it
    // (Initialize, InitProperties). Error 5 for a name that is empty or already taken
    // (names ignore case). A control whose start fails is not kept.
    Quelta& addControl(const String& name);
    Quelta* find(StringView name);
    // The site of the control of that name, for a designer that moves and sizes it; null
    // when there is none.
    FormSite* siteOf(StringView name);
    // Takes the control of that name off the form; false when there is none.
    bool removeControl(StringView name);
    // The controls in tab order, for hosts that draw them.
    std::vector<Quelta*> controls();
    bool empty() const { return controls_.empty(); }

    // The form as a file keeps it: each control's extender values and what its
    // WriteProperties writes, in tab order.
    StoredForm store();
    // Each control as store() keeps it, handed over one at a time in tab order. The stored
    // control is reused from one to the next, so a large form costs no more per control
    // than a small one: nothing of the whole form is held at once.
    void storeEach(const std::function<void(const StoredControl&)>& each);
    // The form's file text (FormFile.h), each control written as soon as it is stored;
    // FormFileError naming `file` as formFileText raises it.
    std::string fileText(const std::string& file = "form");
    // Saves the form whole or not at all (FileReplacement.h): a failed or refused save
    // leaves the previous file as it was.
    void save(const std::string& path);
    // Replaces every control with those of a stored form, each started with ReadProperties.
    // The new controls are all built before the old ones go: a form that a control refuses
    // (a value it cannot convert, a key no control reads, a name twice) raises
    // FormFileError naming `file`, the control and the key, and leaves the form as it was.
    void replaceWith(const StoredForm& form, const std::string& file);
    // The same, giving back each control's stored values as soon as its control is built:
    // a large form's file is not held beside the whole form it makes.
    void replaceWith(StoredForm&& form, const std::string& file);

    // Moves the focus into a control as a click or Tab would: the control is told first,
    // then its edit box receives the focus unless the control stays disabled.
    void focus(Quelta& control);
    // Moves the focus into the first control in tab order that can take it
    // (form/TakesFocus.h), as a form does when it opens; none when no control can.
    void focusFirst();
    // Delivers every key waiting in the input queue. Tab and Shift+Tab move the focus to
    // the next or previous control in tab order; other keys go to the focused edit box.
    void deliverPendingKeys();

private:
    // A control and its site in one block, the site first: the control talks to it from
    // its start to its end.
    struct Placed {
        Placed(Form& form, String name, std::size_t tabIndex);
        FormSite site;  // which holds the name it was placed under
        Quelta control;
    };
    // The scratch of one load, kept from control to control so that each costs no
    // allocation of its own.
    struct LoadScratch;

    // Names as the form compares them: in any ASCII letter case.
    struct FoldedHash {
        std::size_t operator()(StringView name) const;
    };
    struct FoldedEqual {
        bool operator()(StringView a, StringView b) const;
    };
    using Positions = std::unordered_map<StringView, std::size_t, FoldedHash, FoldedEqual>;

    // SiteListener: what the sites hear goes to the form's listener.
    void siteEvent(const String& site, std::int32_t dispid, std::span<Variant> arguments) override;
    void siteChanged(const String& site, StringView property) override;

    // A site and an unstarted control for it, wired to the listener.
    std::unique_ptr<Placed> place(String name, std::size_t tabIndex);
    // replaceWith; `consumed`, when given, is `form` and is emptied control by control.
    void loadControls(const StoredForm& form, const std::string& file, StoredForm* consumed);
    std::unique_ptr<Placed> loadControl(const StoredControl& stored, String name, std::size_t index,
                                        const std::string& file, LoadScratch& scratch);

    Placed* findPlaced(StringView name);
    void reindex();
    std::optional<std::size_t> focusedControl();  // its place in controls_
    void moveFocus(int step);
    void deliver(const KeyInput& input);

    WindowHandle window_ = 0;
    bool userMode_ = true;
    bool swallowingTab_ = false;
    std::size_t lastFocused_ = 0;  // where the focus was found or put last; only a hint
    Listener listener_;
    std::vector<std::unique_ptr<Placed>> controls_;
    // Each control's place in controls_ by its name in any ASCII case, so that finding a
    // name costs the same on a form of any size. The keys are the sites' own names.
    Positions positions_;
};

}  // namespace quelta
