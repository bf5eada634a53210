#pragma once
// The form designer without the terminal: the form at design time (ambient UserMode
// False), the selected control, the property dialog, saving and the question before
// leaving with unsaved changes. Keys come in as DesignKeys and the drawing goes out as a
// DesignView, so that tests drive it as a person would and read what would be shown.

#include <memory>
#include <optional>
#include <string>

#include "form/Form.h"
#include "terminal/DesignKeys.h"
#include "terminal/DialogView.h"
#include "terminal/PropertyDialog.h"
#include "terminal/ScreenView.h"
#include "terminal/TextEntry.h"

namespace quelta::terminal {

struct DesignView {
    ScreenView screen;  // the fields and the status line
    // The selected control's mark: its frame widened by a cell at each side, where the
    // painter draws the handles.
    std::optional<CellRect> selection;
    std::optional<DialogView> dialog;
    // The caret's column in the status line while it asks for a file name.
    std::optional<int> statusCaret;
    bool operator==(const DesignView&) const = default;
};

class FormDesigner {
public:
    // `file` is where the form is saved; empty for a form that has no file yet, which asks
    // for a name on its first save.
    FormDesigner(Form& form, CellScale scale, std::string file);

    // Handles one key; false once the person has left.
    bool press(const DesignKey& key);
    // A click on the form selects the control under it; in the property dialog it
    // operates the widget under it.
    void click(CellPoint at);

    DesignView view();
    // The terminal's width, to which the status line is cut by whole items; 0: uncut.
    void setColumns(int columns) { columns_ = columns; }
    // The selected control's name, empty when the form has none.
    String selectedName();
    bool modified() const { return modified_; }
    const std::string& file() const { return file_; }

private:
    enum class Question { None, SaveChanges, FileName, DeleteControl };

    void afterDialog(bool open);
    bool pressOnForm(const DesignKey& key);
    bool answer(const DesignKey& key);
    bool answerFileName(const DesignKey& key);
    void select(int step);
    void place(TwipsRect place);
    void addControl();
    void deleteControl();
    void openProperties();
    void showAbout();
    // Saves to the file, asking for a name first when there is none; true once saved.
    bool save();
    String statusLine();

    Form& form_;
    CellScale scale_;
    std::string file_;
    int selected_ = 0;
    bool modified_ = false;
    std::unique_ptr<PropertyDialog> dialog_;
    Question question_ = Question::None;
    bool leaveAfterSaving_ = false;
    TextEntry typedName_;
    String message_;
    int columns_ = 0;
};

// A control's place on its form, in twips, as the designer moves and sizes it.
TwipsRect placeOf(Quelta& control);

}  // namespace quelta::terminal
