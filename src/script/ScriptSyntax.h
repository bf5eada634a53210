#pragma once
// The parsed form of one line of the automation script language. Parsing knows nothing of
// controls or the runtime: it only gives the line its shape.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
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

// The statements, one type each.

// region NAME: the thread's regional settings.
struct SelectRegion {
    std::string region;
};

// clock MOMENT: pins the platform's current date and time.
struct PinClock {
    double serial = 0;
};

// platform N: the platform's major version.
struct SetPlatformVersion {
    Variant major;
};

// usermode VALUE: the ambient UserMode, as a Boolean text.
struct SetUserMode {
    String value;
};

// new NAME.
struct NewControl {
    std::string name;
};

// focus NAME.
struct FocusControl {
    std::string name;
};

// keys "...": keystrokes in the keystroke-sending syntax.
struct TypeKeys {
    String keys;
};

// events on|off, changes on|off.
struct EchoEvents {
    bool on = false;
};
struct EchoChanges {
    bool on = false;
};

// save FILE, load FILE.
struct SaveForm {
    String file;
};
struct LoadForm {
    String file;
};

// page NAME KIND, page apply, page close.
struct PageCommand {
    std::string subject;  // the control whose page opens, or apply / close
    std::string kind;     // General, Text; empty for apply and close
};

// mouse NAME ACTION BUTTON SHIFT X Y: the pointer over a control, X and Y in twips from the
// control's corner.
struct PointerAction {
    enum class Kind { Down, Up, Move, Click, DoubleClick };
    std::string control;
    Kind kind = Kind::Click;
    std::int16_t button = 1;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
};

// show NAME: what the control's live edit box shows.
struct ShowControl {
    std::string name;
};

// ? EXPR.
struct Print {
    ExpressionPtr value;
};

// TARGET = EXPR; a target without a member is the control's default member.
struct Assignment {
    MemberReference target;
    ExpressionPtr value;
};

// TARGET ARG, ... or TARGET(ARG, ...): the arguments are the target's when it has
// parentheses.
struct MethodCall {
    MemberReference target;
    std::vector<ExpressionPtr> arguments;
};

using Statement =
    std::variant<SelectRegion, PinClock, SetPlatformVersion, SetUserMode, NewControl, FocusControl,
                 TypeKeys, EchoEvents, EchoChanges, SaveForm, LoadForm, PageCommand, PointerAction,
                 ShowControl, Print, Assignment, MethodCall>;

}  // namespace quelta::script
