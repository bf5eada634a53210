#pragma once
// Parses one line of the automation script language into a Statement.
//
//   statement  := keyword-statement | '?' expression | target '=' expression
//               | target [arguments]
//   target     := NAME ['.' MEMBER ['(' arguments ')']]
//   expression := '-' expression | literal | NAME ['.' MEMBER] ['(' arguments ')']
//               | '(' expression ')'
//   arguments  := expression {',' expression}

#include <optional>
#include <string_view>

#include "script/ScriptLexer.h"
#include "script/ScriptSyntax.h"

namespace quelta::script {

// The statement of a line, or nothing for a blank or comment line. Raises SyntaxError
// for a line that is not a statement of the language.
std::optional<Statement> parseStatement(std::string_view line);

}  // namespace quelta::script
