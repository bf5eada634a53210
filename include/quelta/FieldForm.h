#pragma once
// A form of fields: the fields in tab order, the focus and Tab between them, and the form
// file that keeps them (JSON: each field's name, place, size and the properties that
// differ from their defaults; see the README's "Form files").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quelta/Export.h"
#include "quelta/Field.h"

namespace quelta {

class QUELTA_API FieldForm {
public:
    FieldForm();
    ~FieldForm();
    FieldForm(const FieldForm&) = delete;
    FieldForm& operator=(const FieldForm&) = delete;

    // The application runs (true, the default) or is being designed (false): design-time
    // properties such as Alignment and MultiLine take writes only while it is designed.
    void setUserMode(bool running);
    bool userMode() const;

    // A new field at the end of the tab order, its properties at their defaults and its text
    // empty (a control placed in a designer shows its name instead). Error 5 for
    // a name that is empty or already taken (names ignore letter case).
    Field addField(std::string_view name);
    // Takes the field off the form; false when there is none of that name.
    bool removeField(std::string_view name);
    std::optional<Field> find(std::string_view name) const;
    std::vector<Field> fields() const;  // in tab order
    std::optional<Field> focused() const;

    // Moves the focus to the next (or previous) field that takes it, as Tab (Shift+Tab) does.
    void tab(bool forward = true);
    // Types keys in the keystroke syntax (Field::sendKeys) into the focused field; {TAB}
    // moves on.
    void sendKeys(std::string_view keys);

    // Replaces the fields with those of a form file. The whole file is checked and every
    // field built before anything changes, so a refusal leaves the form as it was: Error 53
    // (no such file), 75 (a folder, or unreadable) or 321 (damaged or refused), whose
    // message names the file, the place and the reason.
    void load(const std::string& path);
    // Writes the file whole or not at all (a failed save keeps the previous file).
    void save(const std::string& path) const;

private:
    struct Core;
    std::unique_ptr<Core> core_;
};

}  // namespace quelta
