#include "script/ScriptHost.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "api/Dispatch.h"
#include "api/LateBoundControl.h"
#include "design/pagMainPage.h"
#include "design/pagTextPage.h"
#include "form/EscapedText.h"
#include "form/EventLine.h"
#include "form/FileReplacement.h"
#include "form/FormFile.h"
#include "form/InputFile.h"
#include "form/LoadErrorNumber.h"
#include "form/SiteMembers.h"
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

// The DISPID of a member named in a script; no name means the default member.
DispatchId memberId(const std::string& member) {
    if (member.empty()) return DISPID_VALUE;
    DispatchId id = GetIDsOfNames(fromUtf8(member));
    if (id == DISPID_UNKNOWN) raiseError(kErrNotSupported);
    return id;
}

std::string colourText(std::uint32_t colour) {
    char digits[9] = {};
    std::to_chars(std::begin(digits), std::end(digits), colour, 16);
    std::string text = "&H" + std::string(digits);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string twipsText(double twips) {
    return toUtf8(printedText(Variant(twips)));
}

// What a person sees of a live box: its text as a script literal, its colours, its place
// and size within the control, and whether it takes input.
std::string shownBoxText(const EditBox& box) {
    std::string text = toUtf8(box.text());
    for (std::size_t at = 0; (at = text.find('"', at)) != std::string::npos; at += 2)
        text.insert(at, 1, '"');
    return "text=\"" + escapedText(text) + "\" back=" + colourText(box.backColor()) +
           " fore=" + colourText(box.foreColor()) + " left=" + twipsText(box.left()) +
           " top=" + twipsText(box.top()) + " width=" + twipsText(box.width()) +
           " height=" + twipsText(box.height()) +
           " enabled=" + (isTrue(box.enabled()) ? "True" : "False") +
           " locked=" + (isTrue(box.locked()) ? "True" : "False");
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
    bool anyFailed = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        // A byte-order mark that an editor put before the first line is no part of it.
        if (!runLine(lineNumber == 1 ? withoutByteOrderMark(line) : line, lineNumber))
            anyFailed = true;
    }
    return anyFailed ? 1 : 0;
}

bool ScriptHost::runLine(std::string_view line, int lineNumber) {
    failed_ = false;
    try {
        std::optional<Statement> statement = parseStatement(line);
        if (statement) std::visit([this](const auto& kind) { execute(kind); }, *statement);
    } catch (const SyntaxError& error) {
        out_ << "Line " << lineNumber << ": " << escapedText(error.message()) << '\n';
        failed_ = true;
    } catch (const AutomationError& error) {
        reportError(error.number());
    }
    // Keys that the statement sent (typed ones, or a control's automatic Tab) arrive now.
    try {
        form_.deliverPendingKeys();
    } catch (const AutomationError& error) {
        reportError(error.number());
    }
    return !failed_;
}

void ScriptHost::reportError(int number) {
    out_ << "Error " << number << '\n';
    failed_ = true;
}

void ScriptHost::execute(const SelectRegion& statement) {
    // Controls derive their notation once per thread; a later change would split it.
    if (!form_.empty()) raiseError(kErrInvalidProcedureCall);
    // A name ICU does not know would quietly give another region's separators and dates.
    if (!isKnownRegion(statement.region)) {
        reportError(kErrInvalidProcedureCall);
        out_ << "unknown region " << quotedText(statement.region) << '\n';
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

// A form that its file could not hold, or that would not load again, is not saved, and the
// file stays as it was; the refusal says why.
void ScriptHost::execute(const SaveForm& statement) {
    const std::string file = toUtf8(statement.file);
    try {
        form_.save(file);
    } catch (const FormFileError& refusal) {
        reportError(kErrBadFileFormat);
        out_ << refusal.what() << '\n';
    } catch (const FileWriteError& failure) {
        reportError(failure.number());
        out_ << escapedText(file + ": " + failure.reason()) << '\n';
    }
}

// A file that is refused changes nothing on the form; the refusal names the place.
void ScriptHost::execute(const LoadForm& statement) {
    const std::string file = toUtf8(statement.file);
    try {
        form_.replaceWith(loadFormFile(file), file);
        closePage();  // its control is gone
    } catch (const FormFileError& refusal) {
        reportError(loadErrorNumber(refusal));
        out_ << refusal.what() << '\n';
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

// The pointer as a person moves it: a press in a control that has not the focus gives it
// the focus first, as a click does.
void ScriptHost::execute(const PointerAction& statement) {
    using Kind = PointerAction::Kind;
    Quelta& object = control(statement.control);
    EditBox* box = object.liveBox();
    if (box == nullptr) raiseError(kErrObjectRequired);
    const bool presses = statement.kind != Kind::Up && statement.kind != Kind::Move;
    if (presses && GetFocus() != box->hWnd()) {
        form_.focus(object);
        box = object.liveBox();
        if (box == nullptr) return;
    }
    // The box sits inside the control, behind its border.
    const float x = statement.x - static_cast<float>(box->left());
    const float y = statement.y - static_cast<float>(box->top());
    switch (statement.kind) {
        case Kind::Down:
            box->mouseDown(statement.button, statement.shift, x, y);
            break;
        case Kind::Up:
            box->mouseUp(statement.button, statement.shift, x, y);
            break;
        case Kind::Move:
            box->mouseMove(statement.button, statement.shift, x, y);
            break;
        case Kind::Click:
            box->click(x, y, statement.shift);
            break;
        case Kind::DoubleClick:
            box->doubleClick(x, y);
            break;
    }
}

void ScriptHost::execute(const ShowControl& statement) {
    const EditBox* box = control(statement.name).liveBox();
    if (box == nullptr) raiseError(kErrObjectRequired);
    out_ << escapedText(statement.name) << ": " << shownBoxText(*box) << '\n';
}

void ScriptHost::execute(const Print& statement) {
    out_ << toUtf8(printedText(evaluate(*statement.value))) << '\n';
}

void ScriptHost::execute(const Assignment& statement) {
    if (namesPage(statement.target)) {
        PageWidget& widget = pageWidget(statement.target.member);
        widget.operate(evaluate(*statement.value));
        return;
    }
    if (FormSite* site = siteWithMember(statement.target)) {
        setSiteMember(*site, fromUtf8(statement.target.member), evaluate(*statement.value));
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

// Whether `page.X` names the open property page rather than a control. A control may be
// called page too: its members (and its default member) are then the control's, since no
// widget of a page is named like a member of the control.
bool ScriptHost::namesPage(const MemberReference& reference) {
    if (!equalsIgnoringAsciiCase(reference.object, "page")) return false;
    if (!form_.find(fromUtf8(reference.object))) return true;
    const String member = fromUtf8(reference.member);
    return !member.empty() && GetIDsOfNames(member) == DISPID_UNKNOWN && !isSiteMember(member);
}

FormSite* ScriptHost::siteWithMember(const MemberReference& reference) {
    if (reference.hasParentheses || !isSiteMember(fromUtf8(reference.member))) return nullptr;
    control(reference.object);  // error 424 for a name the form does not have
    return form_.siteOf(fromUtf8(reference.object));
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
    if (namesPage(reference)) {
        if (reference.hasParentheses) raiseError(kErrNotSupported);
        if (equalsIgnoringAsciiCase(reference.member, "changed")) {
            page();
            return Variant::boolean(pageFrame_.changed());
        }
        return pageWidget(reference.member).value();
    }
    if (FormSite* site = siteWithMember(reference)) {
        return *siteMember(*site, fromUtf8(reference.member));
    }
    Quelta& object = control(reference.object);
    DispatchId id = memberId(reference.member);
    std::vector<Variant> arguments = evaluateAll(reference.arguments);
    return Invoke(object, id, InvokeKind::PropertyGet, arguments);
}

void ScriptHost::echoEvent(const String& control, std::int32_t dispid,
                           std::span<Variant> arguments) {
    if (echoEvents_) out_ << toUtf8(eventLine(control, dispid, arguments)) << '\n';
}

void ScriptHost::echoChange(const String& control, StringView property) {
    if (echoChanges_) out_ << toUtf8(changeLine(control, property)) << '\n';
}

}  // namespace quelta::script
