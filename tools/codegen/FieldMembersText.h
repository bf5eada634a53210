#pragma once
// The typed front's members, printed from the member table: the public header with the
// enumerations and a field's typed properties, methods and event handlers, the source that
// carries them out on the control, and the internal record of a field's event handlers.

#include <string>

namespace quelta::codegen {

std::string fieldMembersHeader();  // include/quelta/FieldMembers.h
std::string fieldMembersSource();  // src/api/front/FieldMembers.cpp
std::string fieldEventHandlers();  // src/api/front/FieldEventHandlers.h

}  // namespace quelta::codegen
