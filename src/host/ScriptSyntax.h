#pragma once
// The parsed form of one line of the automation script language. Parsing knows nothing of
// controls or the runtime: it only gives the line its shape.

#include <memory>
#include <string>
#include <vector>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta::script {

struct Expression;
using ExpressionPtr = std::unique_ptr<Expression>;

// A literal value: string, number, date, True, False, Empty, Null, Nothing.
struct Literal {
    Variant value;
};

// NAME alone: a control's default member, or a call of a runtime function without
// parentheses (Now, Date).
struct NameReference {
    std::string name;
};

// NAME.Member or NAME.Member(ARG, ...); `object` is "page" for a widget of the open page.
struct MemberReference {
    std::string object;
    std::string member;
    std::vector<ExpressionPtr> arguments;
    bool hasParentheses = false;
};

// FUNCTION(ARG, ...).
struct FunctionCall {
    std::string function;
    std::vector<ExpressionPtr> arguments;
};

struct Negation {
    ExpressionPtr operand;
};

struct Expression {
    std::variant<Literal, NameReference, MemberReference, FunctionCall, Negation> node;
};

// One statement. `keyword` is the statement's leading keyword in lower case ("region",
// "?", "new", ...), or "let" for an assignment and "call" for a method call.
struct Statement {
    std::string keyword;
    std::string word;                      // region name, control name, on/off, page name...
    std::string secondWord;                // page kind ("General", "Text")
    MemberReference target;                // assignment target or method called
    std::vector<ExpressionPtr> arguments;  // value of ? and of an assignment, method arguments
    String text;                           // the string of `keys`, the file of save/load
    double serial = 0;                     // the moment of `clock`
};

}  // namespace quelta::script
