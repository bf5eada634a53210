#include "host/ScriptHost.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "host/RuntimeFunctions.h"
#include "host/ScriptParser.h"
#include "platform/PlatformClock.h"
#include "platform/RegionalSettings.h"
#include "platform/WindowSystem.h"

namespace quelta::script {

ScriptHost::ScriptHost(std::ostream& out) : out_(out) {}

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
    }
}

void ScriptHost::execute(const Statement& statement, int lineNumber) {
    const std::string& keyword = statement.keyword;
    if (keyword == "?") {
        print(evaluate(*statement.arguments.front()));
    } else if (keyword == "region") {
        selectRegion(statement.word);
    } else if (keyword == "clock") {
        pinClock(statement.serial);
    } else if (keyword == "platform") {
        Variant major = parseNumberLiteral(statement.word);
        setPlatformVersion(major.toInteger());
    } else if (keyword == "usermode") {
        userMode_ = Variant(fromUtf8(statement.word)).toBool();
    } else {
        reportNotSupported(statement, lineNumber);
    }
}

void ScriptHost::reportNotSupported(const Statement& statement, int lineNumber) {
    out_ << "Line " << lineNumber << ": not supported yet: " << statement.keyword << '\n';
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

Variant ScriptHost::evaluateName(const NameReference& reference) {
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

Variant ScriptHost::evaluateMember(const MemberReference&) {
    raiseError(kErrObjectRequired);
}

String printedText(const Variant& value) {
    if (value.isNull()) return u"Null";
    return value.toString();
}

Variant negated(const Variant& value) {
    switch (value.type()) {
        case VariantType::Null:
            return value;
        case VariantType::Empty:
            return Variant(std::int16_t{0});
        case VariantType::Integer:
            return value.toInteger() == -32768
                       ? Variant(std::int32_t{32768})
                       : Variant(static_cast<std::int16_t>(-value.toInteger()));
        case VariantType::Long:
            if (value.toLong() == INT32_MIN) return Variant(2147483648.0);
            return Variant(-value.toLong());
        case VariantType::Boolean:
            return Variant(static_cast<std::int16_t>(-value.toInteger()));
        case VariantType::Single:
            return Variant(-value.toSingle());
        case VariantType::Currency:
            return Variant(Currency{-value.toCurrency().scaled});
        case VariantType::Date:
            return Variant(Date{-value.toDate().serial});
        default:
            return Variant(-value.toDouble());
    }
}

}  // namespace quelta::script
