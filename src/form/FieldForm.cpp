#include "quelta/FieldForm.h"

#include "form/FieldFront.h"
#include "form/LoadErrorNumber.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/SendKeys.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

// The form and a core for each of its controls, in tab order. A core outlives its control
// when a host keeps the Field: dropping a control nulls its core, so that the handle
// reports Error 424 instead of reaching a destroyed control.
struct FieldForm::Core {
    std::vector<std::shared_ptr<detail::FieldCore>> fields;
    Form form;

    Core() {
        form.setListener(detail::fieldListener([this](StringView name) { return named(name); }));
    }
    ~Core() {
        form.setListener({});
        dropAll();
    }

    detail::FieldCore* named(StringView name) const {
        for (const auto& core : fields) {
            if (equalsIgnoringAsciiCase(fromUtf8(core->name), name)) return core.get();
        }
        return nullptr;
    }

    void dropAll() {
        for (const auto& core : fields)
            core->control = nullptr;
        fields.clear();
    }

    // Cores for the controls the form holds now, after a load.
    void adoptControls() {
        dropAll();
        for (Quelta* control : form.controls()) {
            const String name = control->container().extenderProperty(u"Name").toString();
            fields.push_back(detail::coreFor(form, *control, name));
        }
    }
};

FieldForm::FieldForm() : core_(std::make_unique<Core>()) {}

FieldForm::~FieldForm() = default;

void FieldForm::setUserMode(bool running) {
    core_->form.setUserMode(running);
}

bool FieldForm::userMode() const {
    return core_->form.userMode();
}

Field FieldForm::addField(std::string_view name) {
    const String wide = fromUtf8(name);
    Quelta& control = detail::addEmptyControl(core_->form, wide);
    core_->fields.push_back(detail::coreFor(core_->form, control, wide));
    return Field(core_->fields.back());
}

bool FieldForm::removeField(std::string_view name) {
    const String wide = fromUtf8(name);
    detail::FieldCore* core = core_->named(wide);
    if (core == nullptr || !core_->form.removeControl(wide)) return false;
    core->control = nullptr;
    std::erase_if(core_->fields, [core](const auto& each) { return each.get() == core; });
    return true;
}

std::optional<Field> FieldForm::find(std::string_view name) const {
    for (const auto& core : core_->fields) {
        if (equalsIgnoringAsciiCase(fromUtf8(core->name), fromUtf8(name))) return Field(core);
    }
    return std::nullopt;
}

std::vector<Field> FieldForm::fields() const {
    std::vector<Field> all;
    for (const auto& core : core_->fields)
        all.push_back(Field(core));
    return all;
}

std::optional<Field> FieldForm::focused() const {
    for (const auto& core : core_->fields) {
        Field field(core);
        if (field.hasFocus()) return field;
    }
    return std::nullopt;
}

void FieldForm::tab(bool forward) {
    detail::deliverKeys(core_->form, parseKeys(forward ? u"{TAB}" : u"+{TAB}"));
}

void FieldForm::sendKeys(std::string_view keys) {
    const std::vector<KeyInput> parsed = detail::guarded([&] { return parseKeys(fromUtf8(keys)); });
    detail::deliverKeys(core_->form, parsed);
}

void FieldForm::load(const std::string& path) {
    try {
        StoredForm stored = loadFormFile(path);
        core_->form.replaceWith(std::move(stored), path);
    } catch (const FormFileError& refusal) {
        throw Error(loadErrorNumber(refusal), refusal.what());
    } catch (const AutomationError& error) {
        throw Error(error.number(), errorMessage(error.number()) + ": " + path);
    }
    core_->adoptControls();
}

void FieldForm::save(const std::string& path) const {
    try {
        core_->form.save(path);
    } catch (const AutomationError& error) {
        throw Error(error.number(), errorMessage(error.number()) + ": " + path);
    }
}

}  // namespace quelta
