#include "script/ScriptHost.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "api/Dispatch.h"
#include "api/LateBoundControl.h"
#include "design/pagMainPage.h"
#include "design/pagTextPage.h"
#include "form/EscapedText.h"
#include "form/FormFile.h"
#include "form/InputFile.h"
#include "form/LoadErrorNumber.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Negation.h"
#include "platform/runtime/PrintedText.h"
#include "platform/window/SendKeys.h"
#include "platform/window/WindowSystem.h"
#include "script/RuntimeFunctions.h"
#include "script/ScriptParser.h"

namespace quelta::script {
namespace {

// Whether a script names the open property page rather than a control.
bool isPage(const std::string& object) {
    return equalsIgnoringAsciiCase(object, "page");
}

// The DISPID of a member named in a script; no name means the default member.
DispatchId memberId(const std::string& member) {
    if (member.empty()) return DISPID_VALUE;
    DispatchId id = GetIDsOfNames(fromUtf8(member));
    if (id == DISPID_UNKNOWN) raiseError(kErrNotSupported);
    return id;
}

String eventArgumentText(const Variant& value) {
    if (value.type() == VariantType::Object) return value.toObject() ? u"Object" : u"Nothing";
    return printedText(value);
}

}  // namespace

ScriptHost::ScriptHost(std::ostream& out) : out_(out) {
    form_.setListener(
        {[this](const String& control, std::int32_t dispid, std::span<Variant> arguments) {
             echoEvent(control, dispid, arguments);
         },
         [this](const String& control, StringView property) { echoChange(control, property); }});
    setBeepListener([this] { out_ << "beep\n"; });
    setModalLoop([this](DialogForm& dialog) { answerDialog(dialog); });
}

ScriptHost::~ScriptHost() {
    setModalLoop(nullptr);
    setBeepListener(nullptr);
}

int ScriptHost::run(std::istream& in) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        // A byte-order mark that an editor put before the first line is no part of it.
        runLine(lineNumber == 1 ? withoutByteOrderMark(line) : line, lineNumber);
    }
    return 0;
}

void ScriptHost::runLine(std::string_view line, int lineNumber) {
    try {
        std::optional<Statement> statement = parseStatement(line);
        if (statement) std::visit([this](const auto& kind) { execute(kind); }, *statement);
    } catch (const SyntaxError& error) {
        out_ << "Line " << lineNumber << ": " << escapedText(error.what()) << '\n';
    } catch (const AutomationError& error) {
        out_ << "Error " << error.number() << '\n';
    }
    // Keys that the statement sent (typed ones, or a control's automatic Tab) arrive now.
    try {
        form_.deliverPendingKeys();
    } catch (const AutomationError& error) {
        out_ << "Error " << error.number() << '\n';
    }
}

void ScriptHost::execute(const SelectRegion& statement) {
    // Controls derive their notation once per thread; a later change would split it.
    if (!form_.empty()) raiseError(kErrInvalidProcedureCall);
    // A name ICU does not know would quietly give another region's separators and dates.
    if (!isKnownRegion(statement.region)) {
        out_ << "Error " << kErrInvalidProcedureCall << '\n'
             << "unknown region " << quotedText(statement.region) << '\n';
        return;
    }
    selectRegion(statement.region);
}

void ScriptHost::execute(const PinClock& statement) {
    pinClock(statement.serial);
}

void ScriptHost::execute(const SetPlatformVersion& statement) {
    setPlatformVersion(statement.major.toInteger());
}

void ScriptHost::execute(const SetUserMode& statement) {
    form_.setUserMode(Variant(statement.value).toBool());
}

void ScriptHost::execute(const NewControl& statement) {
    form_.addControl(fromUtf8(statement.name));
}

void ScriptHost::execute(const FocusControl& statement) {
    form_.focus(control(statement.name));
}

void ScriptHost::execute(const TypeKeys& statement) {
    sendKeys(statement.keys);
}

void ScriptHost::execute(const EchoEvents& statement) {
    echoEvents_ = statement.on;
}

void ScriptHost::execute(const EchoChanges& statement) {
    echoChanges_ = statement.on;
}

void ScriptHost::execute(const SaveForm& statement) {
    saveFormFile(toUtf8(statement.file), form_.store());
}

// A file that is refused changes nothing on the form; the refusal names the place.
void ScriptHost::execute(const LoadForm& statement) {
    const std::string file = toUtf8(statement.file);
    try {
        form_.replaceWith(loadFormFile(file), file);
        closePage();  // its control is gone
    } catch (const FormFileError& refusal) {
        out_ << "Error " << loadErrorNumber(refusal) << '\n' << refusal.what() << '\n';
    }
}

void ScriptHost::execute(const PageCommand& statement) {
    if (statement.kind.empty() && equalsIgnoringAsciiCase(statement.subject, "apply")) {
        page();
        pageFrame_.apply();
    } else if (statement.kind.empty() && equalsIgnoringAsciiCase(statement.subject, "close")) {
        closePage();
    } else {
        openPage(statement.subject, statement.kind);
    }
}

// Opens a page with the control as the only selected one. A page whose fill fails stays
// closed, as does the page that was open before.
void ScriptHost::openPage(const std::string& controlName, const std::string& kind) {
    closePage();
    auto selected = std::make_shared<LateBoundControl>(control(controlName));
    std::unique_ptr<PropertyPage> opened;
    if (equalsIgnoringAsciiCase(kind, "general")) {
        opened = std::make_unique<pagMainPage>(pageFrame_);
    } else {
        opened = std::make_unique<pagTextPage>(pageFrame_);
    }
    pageFrame_.open(*opened, {selected});
    page_ = std::move(opened);
}

void ScriptHost::closePage() {
    pageFrame_.cancel();
    page_.reset();
}

PropertyPage& ScriptHost::page() {
    if (!page_) raiseError(kErrObjectRequired);
    return *page_;
}

PageWidget& ScriptHost::pageWidget(const std::string& name) {
    return page().widgets().widget(fromUtf8(name));
}

void ScriptHost::answerDialog(DialogForm& dialog) {
    out_ << "about: " << toUtf8(dialog.widgets().widget(u"lblTitle").caption()) << '\n';
    dialog.widgets().widget(u"cmdOK").operate(Variant());
}

void ScriptHost::execute(const Print& statement) {
    out_ << toUtf8(printedText(evaluate(*statement.value))) << '\n';
}

void ScriptHost::execute(const Assignment& statement) {
    if (isPage(statement.target.object)) {
        PageWidget& widget = pageWidget(statement.target.member);
        widget.operate(evaluate(*statement.value));
        return;
    }
    Quelta& object = control(statement.target.object);
    DispatchId id = memberId(statement.target.member);
    Variant value = evaluate(*statement.value);
    InvokeKind kind =
        value.type() == VariantType::Object ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
    Invoke(object, id, kind, std::span<Variant>(&value, 1));
}

void ScriptHost::execute(const MethodCall& statement) {
    Quelta& object = control(statement.target.object);
    DispatchId id = memberId(statement.target.member);
    std::vector<Variant> arguments = evaluateAll(statement.arguments);
    Invoke(object, id, InvokeKind::Method, arguments);
}

Quelta& ScriptHost::control(const std::string& name) {
    Quelta* found = form_.find(fromUtf8(name));
    if (!found) raiseError(kErrObjectRequired);
    return *found;
}

Variant ScriptHost::evaluate(const Expression& expression) {
    return std::visit([this](const auto& node) { return evaluate(node); }, expression.node);
}

Variant ScriptHost::evaluate(const Literal& literal) {
    return literal.value;
}

Variant ScriptHost::evaluate(const Negation& negation) {
    return negated(evaluate(*negation.operand));
}

std::vector<Variant> ScriptHost::evaluateAll(const std::vector<ExpressionPtr>& expressions) {
    std::vector<Variant> values;
    for (const ExpressionPtr& expression : expressions)
        values.push_back(evaluate(*expression));
    return values;
}

Variant ScriptHost::evaluate(const NameReference& reference) {
    if (Quelta* object = form_.find(fromUtf8(reference.name))) {
        return Invoke(*object, DISPID_VALUE, InvokeKind::PropertyGet, {});
    }
    if (auto result = callRuntimeFunction(reference.name, {})) return *result;
    raiseError(kErrObjectRequired);
}

Variant ScriptHost::evaluate(const FunctionCall& call) {
    std::vector<Variant> arguments = evaluateAll(call.arguments);
    if (auto result = callRuntimeFunction(call.function, arguments)) return *result;
    raiseError(kErrNotSupported);
}

Variant ScriptHost::evaluate(const MemberReference& reference) {
    if (isPage(reference.object)) {
        if (reference.hasParentheses) raiseError(kErrNotSupported);
        if (equalsIgnoringAsciiCase(reference.member, "changed")) {
            page();
            return Variant::boolean(pageFrame_.changed());
        }
        return pageWidget(reference.member).value();
    }
    Quelta& object = control(reference.object);
    DispatchId id = memberId(reference.member);
    std::vector<Variant> arguments = evaluateAll(reference.arguments);
    return Invoke(object, id, InvokeKind::PropertyGet, arguments);
}

void ScriptHost::echoEvent(const String& control, std::int32_t dispid,
                           std::span<Variant> arguments) {
    if (!echoEvents_) return;
    const EventInfo* event = eventByDispatchId(dispid);
    out_ << "event " << escapedText(toUtf8(control)) << "."
         << (event ? std::string(event->name) : std::to_string(dispid));
    for (const Variant& argument : arguments)
        out_ << " " << toUtf8(eventArgumentText(argument));
    out_ << '\n';
}

void ScriptHost::echoChange(const String& control, StringView property) {
    if (echoChanges_)
        out_ << "changed " << escapedText(toUtf8(control)) << "." << toUtf8(property) << '\n';
}

}  // namespace quelta::script
