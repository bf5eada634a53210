#pragma once
// The headless automation host: runs script statements one line at a time and prints what
// they produce. Every failing statement prints "Error N" and the script goes on; a line that
// is not a statement is reported with its number.

#include <iosfwd>
#include <string_view>

#include "form/Form.h"
#include "platform/pages/DialogForm.h"
#include "platform/pages/PropertyPageFrame.h"
#include "script/ScriptSyntax.h"

namespace quelta::script {

class ScriptHost {
public:
    explicit ScriptHost(std::ostream& out);
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Runs every line of the input. Returns the process exit status: 1 when any statement
    // failed, so that a shell script can tell, else 0.
    int run(std::istream& in);

    // Runs one line; lineNumber is used in reports. Returns whether every statement of the
    // line succeeded.
    bool runLine(std::string_view line, int lineNumber);

private:
    // One overload per statement and per expression kind, chosen by std::visit.
    void execute(const SelectRegion& statement);
    void execute(const PinClock& statement);
    void execute(const SetPlatformVersion& statement);
    void execute(const SetUserMode& statement);
    void execute(const NewControl& statement);
    void execute(const FocusControl& statement);
    void execute(const TypeKeys& statement);
    void execute(const EchoEvents& statement);
    void execute(const EchoChanges& statement);
    void execute(const SaveForm& statement);
    void execute(const LoadForm& statement);
    void execute(const PageCommand& statement);
    void execute(const PointerAction& statement);
    void execute(const ShowControl& statement);
    void execute(const Print& statement);
    void execute(const Assignment& statement);
    void execute(const MethodCall& statement);

    Variant evaluate(const Expression& expression);
    Variant evaluate(const Literal& literal);
    Variant evaluate(const Negation& negation);
    Variant evaluate(const NameReference& reference);
    Variant evaluate(const FunctionCall& call);
    Variant evaluate(const MemberReference& reference);
    std::vector<Variant> evaluateAll(const std::vector<ExpressionPtr>& expressions);

    bool namesPage(const MemberReference& reference);
    // The site of the control a reference names when the member is one the form keeps
    // (Left, Top, Width, Height, ToolTipText); null otherwise.
    FormSite* siteWithMember(const MemberReference& reference);
    Quelta& control(const std::string& name);
    void openPage(const std::string& controlName, const std::string& kind);
    void closePage();
    // The open page; error 424 when none is open.
    PropertyPage& page();
    PageWidget& pageWidget(const std::string& name);
    // The modal loop of this host: names the dialog by its title line and answers it OK.
    void answerDialog(DialogForm& dialog);
    void echoEvent(const String& control, std::int32_t dispid, std::span<Variant> arguments);
    void echoChange(const String& control, StringView property);
    // Prints the error of a failed statement.
    void reportError(int number);

    std::ostream& out_;
    Form form_;
    // The frame outlives the page it shows.
    PropertyPageFrame pageFrame_;
    std::unique_ptr<PropertyPage> page_;
    bool echoEvents_ = false;
    bool echoChanges_ = false;
    bool failed_ = false;  // of the line that runs
};

}  // namespace quelta::script
