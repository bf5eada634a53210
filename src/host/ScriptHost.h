#pragma once
// The headless automation host: runs script statements one line at a time and prints what
// they produce. Every failing statement prints "Error N" and the script goes on; a line that
// is not a statement is reported with its number.

#include <iosfwd>
#include <string_view>

#include "host/Form.h"
#include "host/ScriptSyntax.h"

namespace quelta::script {

class ScriptHost {
public:
    explicit ScriptHost(std::ostream& out);
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Runs every line of the input. Returns the process exit status (0).
    int run(std::istream& in);

    // Runs one line; lineNumber is used in reports.
    void runLine(std::string_view line, int lineNumber);

private:
    void execute(const Statement& statement, int lineNumber);
    void print(const Variant& value);
    void assign(const Statement& statement);
    void callMethod(const Statement& statement);
    Quelta& control(const std::string& name);
    Variant evaluate(const Expression& expression);
    std::vector<Variant> evaluateAll(const std::vector<ExpressionPtr>& expressions);
    Variant evaluateName(const NameReference& reference);
    Variant evaluateCall(const FunctionCall& call);
    Variant evaluateMember(const MemberReference& reference);
    void echoEvent(const String& control, std::int32_t dispid, std::span<Variant> arguments);
    void echoChange(const String& control, StringView property);

    std::ostream& out_;
    Form form_;
    bool echoEvents_ = false;
    bool echoChanges_ = false;
};

}  // namespace quelta::script
