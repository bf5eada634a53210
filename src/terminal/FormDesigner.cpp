#include "terminal/FormDesigner.h"

#include <algorithm>
#include <cmath>

#include "design/frmAbout.h"
#include "platform/AutomationError.h"
#include "terminal/CellWidth.h"
#include "terminal/DesignLayout.h"
#include "terminal/FormScreen.h"
#include "terminal/StatusFit.h"

namespace quelta::terminal {
namespace {

using Kind = DesignKey::Kind;

String number(double value) {
    return fromUtf8(std::to_string(std::lround(value)));
}

String errorText(const AutomationError& error) {
    return u"Error " + fromUtf8(std::to_string(error.number()));
}

// An extender value the form may not have given the control reads as zero.
float extenderTwips(ControlContainer& container, StringView name) {
    try {
        return container.extenderProperty(name).toSingle();
    } catch (const AutomationError&) {
        return 0;
    }
}

// The keys a person needs first come first, as a narrow terminal leaves out the last.
const std::vector<StringView> kKeyHelp = {u"Enter pages", u"^S save",     u"^Q quit",
                                          u"Tab select",  u"arrows move", u"Shift+arrows size",
                                          u"Ins add",     u"Del delete",  u"F1 about"};

constexpr StringView kSaveAs = u" Save as: ";

}  // namespace

TwipsRect placeOf(Quelta& control) {
    ControlContainer& container = control.container();
    return {extenderTwips(container, u"Left"), extenderTwips(container, u"Top"), container.width(),
            container.height()};
}

FormDesigner::FormDesigner(Form& form, CellScale scale, std::string file)
    : form_(form), scale_(scale), file_(std::move(file)) {}

String FormDesigner::selectedName() {
    const std::vector<Quelta*> controls = form_.controls();
    if (controls.empty()) return {};
    selected_ = std::clamp(selected_, 0, static_cast<int>(controls.size()) - 1);
    return controls[static_cast<std::size_t>(selected_)]
        ->container()
        .extenderProperty(u"Name")
        .toString();
}

bool FormDesigner::press(const DesignKey& key) {
    message_.clear();
    if (dialog_) {
        afterDialog(dialog_->press(key));
        return true;
    }
    if (question_ != Question::None) return answer(key);
    return pressOnForm(key);
}

void FormDesigner::afterDialog(bool open) {
    if (dialog_->applied()) modified_ = true;
    if (!open) dialog_.reset();
}

bool FormDesigner::pressOnForm(const DesignKey& key) {
    if (const std::optional<CellStep> step = cellStepOf(key.kind)) {
        if (Quelta* control = form_.find(selectedName())) {
            const TwipsRect from = placeOf(*control);
            place(step->sizes ? sizedByCells(from, step->columns, step->rows, scale_)
                              : movedByCells(from, step->columns, step->rows, scale_));
        }
        return true;
    }
    switch (key.kind) {
        case Kind::Tab:
            select(1);
            break;
        case Kind::BackTab:
            select(-1);
            break;
        case Kind::Insert:
            addControl();
            break;
        case Kind::Delete:
            // A control goes with its properties and nothing brings it back: ask first.
            if (!selectedName().empty()) question_ = Question::DeleteControl;
            break;
        case Kind::Enter:
        case Kind::Properties:
            openProperties();
            break;
        case Kind::About:
            showAbout();
            break;
        case Kind::Save:
            save();
            break;
        case Kind::Quit:
            if (!modified_) return false;
            question_ = Question::SaveChanges;
            break;
        default:
            break;
    }
    return true;
}

bool FormDesigner::answer(const DesignKey& key) {
    if (question_ == Question::FileName) return answerFileName(key);
    if (question_ == Question::DeleteControl) {
        const bool yes =
            key.kind == Kind::Character && (key.character == U'y' || key.character == U'Y');
        const bool no =
            key.kind == Kind::Escape ||
            (key.kind == Kind::Character && (key.character == U'n' || key.character == U'N'));
        if (yes) deleteControl();
        if (yes || no) question_ = Question::None;
        return true;
    }
    if (key.kind == Kind::Escape) {
        question_ = Question::None;
        return true;
    }
    if (key.kind != Kind::Character) return true;
    if (key.character == U'n' || key.character == U'N') return false;
    if (key.character != U'y' && key.character != U'Y') return true;
    question_ = Question::None;
    leaveAfterSaving_ = true;
    if (save()) return false;
    if (question_ == Question::None) leaveAfterSaving_ = false;  // the save failed
    return true;
}

bool FormDesigner::answerFileName(const DesignKey& key) {
    switch (key.kind) {
        case Kind::Escape:
            question_ = Question::None;
            leaveAfterSaving_ = false;
            return true;
        case Kind::Enter:
            break;
        default:
            typedName_.press(key.key);
            return true;
    }
    if (typedName_.text().empty()) return true;
    question_ = Question::None;
    file_ = toUtf8(typedName_.text());
    const bool saved = save();
    const bool leave = saved && leaveAfterSaving_;
    leaveAfterSaving_ = false;
    return !leave;
}

void FormDesigner::select(int step) {
    const int count = static_cast<int>(form_.controls().size());
    if (count > 0) selected_ = ((selected_ + step) % count + count) % count;
}

void FormDesigner::place(TwipsRect place) {
    FormSite* site = form_.siteOf(selectedName());
    if (site == nullptr) return;
    try {
        site->defineExtenderProperty(u"Left", Variant(place.left));
        site->defineExtenderProperty(u"Top", Variant(place.top));
        site->setSize(place.width, place.height);
        modified_ = true;
    } catch (const AutomationError& error) {
        message_ = errorText(error) + u": the control cannot take that place";
    }
}

void FormDesigner::addControl() {
    std::vector<TwipsRect> taken;
    for (Quelta* control : form_.controls())
        taken.push_back(placeOf(*control));
    const String name = freshControlName([this](StringView n) { return form_.find(n) != nullptr; });
    try {
        form_.addControl(name);
    } catch (const AutomationError& error) {
        message_ = errorText(error) + u": the control cannot be added";
        return;
    }
    selected_ = static_cast<int>(form_.controls().size()) - 1;
    place(freePlace(taken, FormSite::kDefaultWidth, FormSite::kDefaultHeight, scale_));
    modified_ = true;
}

void FormDesigner::deleteControl() {
    const String name = selectedName();
    if (name.empty() || !form_.removeControl(name)) return;
    modified_ = true;
    selectedName();  // keeps the selection on the form
}

void FormDesigner::openProperties() {
    const String name = selectedName();
    Quelta* control = form_.find(name);
    if (control == nullptr) {
        message_ = u"No control to show: Ins adds one";
        return;
    }
    try {
        dialog_ = std::make_unique<PropertyDialog>(*control, name);
    } catch (const AutomationError& error) {
        message_ = errorText(error) + u": the pages cannot show " + name;
    }
}

// The About box is the control's; a form without controls shows it all the same.
void FormDesigner::showAbout() {
    try {
        if (Quelta* control = form_.find(selectedName())) {
            control->AboutBox();
        } else {
            frmAbout about;
            about.showModal();
        }
    } catch (const AutomationError& error) {
        message_ = errorText(error);
    }
}

bool FormDesigner::save() {
    if (file_.empty()) {
        question_ = Question::FileName;
        typedName_ = TextEntry();
        return false;
    }
    try {
        form_.save(file_);
    } catch (const AutomationError& error) {
        message_ = errorText(error) + u": the form cannot be saved";
        return false;
    } catch (const std::exception& error) {
        message_ = u"Not saved: " + fromUtf8(error.what());
        return false;
    }
    modified_ = false;
    message_ = u"Saved " + fromUtf8(file_);
    return true;
}

String FormDesigner::statusLine() {
    if (question_ == Question::SaveChanges) return u" Save changes? (y/n/Esc)";
    if (question_ == Question::DeleteControl)
        return u" Delete " + selectedName() + u" and its properties? (y/n)";
    if (question_ == Question::FileName)
        return String(kSaveAs) + typedName_.text() + u"  (Enter saves, Esc cancels)";
    String status = u" ";
    if (Quelta* control = form_.find(selectedName())) {
        const TwipsRect at = placeOf(*control);
        status += selectedName() + u" " + number(at.left) + u"," + number(at.top) + u" " +
                  number(at.width) + u"x" + number(at.height);
    } else {
        status += u"(no controls)";
    }
    if (modified_) status += u" *";
    return fittedStatus(status, message_.empty() ? kKeyHelp : std::vector<StringView>{message_},
                        columns_);
}

void FormDesigner::click(CellPoint at) {
    message_.clear();
    if (dialog_) {
        afterDialog(dialog_->click(at));
        return;
    }
    if (question_ != Question::None) return;
    const FormScreen shown = formScreen(form_, scale_, u"");
    const std::vector<Quelta*> controls = form_.controls();
    for (std::size_t i = 0; i < shown.view.fields.size(); ++i) {
        if (!shown.view.fields[i].frame.contains(at.row, at.column)) continue;
        const auto found = std::find(controls.begin(), controls.end(), shown.shown[i]);
        selected_ = static_cast<int>(found - controls.begin());
        return;
    }
}

DesignView FormDesigner::view() {
    FormScreen shown = formScreen(form_, scale_, u"");
    DesignView view;
    view.screen = std::move(shown.view);
    view.screen.status = statusLine();
    Quelta* selected = form_.find(selectedName());
    for (std::size_t i = 0; i < shown.shown.size(); ++i) {
        if (shown.shown[i] != selected) continue;
        const CellRect& frame = view.screen.fields[i].frame;
        view.selection = CellRect{frame.row, frame.column - 1, frame.width + 2, frame.height};
    }
    if (dialog_) view.dialog = dialog_->view(kDialogScale);
    if (question_ == Question::FileName) {
        const StringView name = typedName_.text();
        view.statusCaret = cellWidth(kSaveAs) +
                           cellWidth(name.substr(0, static_cast<std::size_t>(typedName_.caret())));
    }
    return view;
}

}  // namespace quelta::terminal
