#include "host/ScriptHost.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "api/Dispatch.h"
#include "host/RuntimeFunctions.h"
#include "host/ScriptParser.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Negation.h"
#include "platform/runtime/PrintedText.h"
#include "platform/window/SendKeys.h"
#include "platform/window/WindowSystem.h"

namespace quelta::script {
namespace {

// A statement of the language whose subsystem this build does not have yet.
struct NotSupportedYet {
    std::string what;
};

std::string onOff(const std::string& word) {
    std::string lower = lowerCase(word);
    if (lower != "on" && lower != "off") throw SyntaxError("expected on or off");
    return lower;
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
}

ScriptHost::~ScriptHost() {
    setBeepListener(nullptr);
}

int ScriptHost::run(std::istream& in) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line))
        runLine(line, ++lineNumber);
    return 0;
}

void ScriptHost::runLine(std::string_view line, int lineNumber) {
    try {
        std::optional<Statement> statement = parseStatement(line);
        if (statement) execute(*statement, lineNumber);
    } catch (const SyntaxError& error) {
        out_ << "Line " << lineNumber << ": " << error.what() << '\n';
    } catch (const AutomationError& error) {
        out_ << "Error " << error.number() << '\n';
    } catch (const NotSupportedYet& missing) {
        out_ << "Line " << lineNumber << ": not supported yet: " << missing.what << '\n';
    }
    // Keys that the statement sent (typed ones, or a control's automatic Tab) arrive now.
    try {
        form_.deliverPendingKeys();
    } catch (const AutomationError& error) {
        out_ << "Error " << error.number() << '\n';
    }
}

void ScriptHost::execute(const Statement& statement, int) {
    const std::string& keyword = statement.keyword;
    if (keyword == "?") {
        print(evaluate(*statement.arguments.front()));
    } else if (keyword == "let") {
        assign(statement);
    } else if (keyword == "call") {
        callMethod(statement);
    } else if (keyword == "new") {
        form_.addControl(fromUtf8(statement.word));
    } else if (keyword == "focus") {
        form_.focus(control(statement.word));
    } else if (keyword == "keys") {
        sendKeys(statement.text);
    } else if (keyword == "events") {
        echoEvents_ = onOff(statement.word) == "on";
    } else if (keyword == "changes") {
        echoChanges_ = onOff(statement.word) == "on";
    } else if (keyword == "region") {
        // Controls derive their notation once per thread; a later change would split it.
        if (!form_.empty()) raiseError(kErrInvalidProcedureCall);
        selectRegion(statement.word);
    } else if (keyword == "clock") {
        pinClock(statement.serial);
    } else if (keyword == "platform") {
        Variant major = parseNumberLiteral(statement.word);
        setPlatformVersion(major.toInteger());
    } else if (keyword == "usermode") {
        form_.setUserMode(Variant(fromUtf8(statement.word)).toBool());
    } else {
        throw NotSupportedYet{keyword};
    }
}

// The control a statement names; "page" is the open property page's, not yet built.
Quelta& ScriptHost::control(const std::string& name) {
    if (lowerCase(name) == "page") throw NotSupportedYet{"page"};
    Quelta* found = form_.find(fromUtf8(name));
    if (!found) raiseError(kErrObjectRequired);
    return *found;
}

void ScriptHost::assign(const Statement& statement) {
    const MemberReference& target = statement.target;
    Quelta& object = control(target.object);
    DispatchId id = memberId(target.member);
    Variant value = evaluate(*statement.arguments.front());
    InvokeKind kind =
        value.type() == VariantType::Object ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
    Invoke(object, id, kind, std::span<Variant>(&value, 1));
}

void ScriptHost::callMethod(const Statement& statement) {
    const MemberReference& target = statement.target;
    Quelta& object = control(target.object);
    DispatchId id = memberId(target.member);
    std::vector<Variant> arguments =
        evaluateAll(target.hasParentheses ? target.arguments : statement.arguments);
    Invoke(object, id, InvokeKind::Method, arguments);
}

void ScriptHost::print(const Variant& value) {
    out_ << toUtf8(printedText(value)) << '\n';
}

Variant ScriptHost::evaluate(const Expression& expression) {
    return std::visit(
        [this](const auto& node) -> Variant {
            using T = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<T, Literal>) {
                return node.value;
            } else if constexpr (std::is_same_v<T, Negation>) {
                return negated(evaluate(*node.operand));
            } else if constexpr (std::is_same_v<T, NameReference>) {
                return evaluateName(node);
            } else if constexpr (std::is_same_v<T, FunctionCall>) {
                return evaluateCall(node);
            } else {
                return evaluateMember(node);
            }
        },
        expression.node);
}

std::vector<Variant> ScriptHost::evaluateAll(const std::vector<ExpressionPtr>& expressions) {
    std::vector<Variant> values;
    for (const ExpressionPtr& expression : expressions)
        values.push_back(evaluate(*expression));
    return values;
}

Variant ScriptHost::evaluateName(const NameReference& reference) {
    if (Quelta* object = form_.find(fromUtf8(reference.name))) {
        return Invoke(*object, DISPID_VALUE, InvokeKind::PropertyGet, {});
    }
    if (auto result = callRuntimeFunction(reference.name, {})) return *result;
    raiseError(kErrObjectRequired);
}

Variant ScriptHost::evaluateCall(const FunctionCall& call) {
    std::vector<Variant> arguments;
    for (const ExpressionPtr& argument : call.arguments)
        arguments.push_back(evaluate(*argument));
    if (auto result = callRuntimeFunction(call.function, arguments)) return *result;
    raiseError(kErrNotSupported);
}

Variant ScriptHost::evaluateMember(const MemberReference& reference) {
    Quelta& object = control(reference.object);
    DispatchId id = memberId(reference.member);
    std::vector<Variant> arguments = evaluateAll(reference.arguments);
    return Invoke(object, id, InvokeKind::PropertyGet, arguments);
}

void ScriptHost::echoEvent(const String& control, std::int32_t dispid,
                           std::span<Variant> arguments) {
    if (!echoEvents_) return;
    const EventInfo* event = eventByDispatchId(dispid);
    out_ << "event " << toUtf8(control) << "."
         << (event ? std::string(event->name) : std::to_string(dispid));
    for (const Variant& argument : arguments)
        out_ << " " << toUtf8(eventArgumentText(argument));
    out_ << '\n';
}

void ScriptHost::echoChange(const String& control, StringView property) {
    if (echoChanges_) out_ << "changed " << toUtf8(control) << "." << toUtf8(property) << '\n';
}

}  // namespace quelta::script
