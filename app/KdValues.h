#pragma once
// Property values as the command-line host shows and accepts them: text for
// people, JSON for programs, and the parsing of edits typed by the user.
#include <nlohmann/json.hpp>
#include <string>
#include "CKdVariant.h"

class OdDbDatabase;
class CKdPropertyDescription;

namespace kdapp {

std::string toText(const CKdVariant& value, const OdDbDatabase* db);
nlohmann::json toJson(const CKdVariant& value);

// What "set" was given: a typed text, a choice tag, a choice whose tag is
// the object of a handle (styles, layers), or a list of points.
struct EditValue {
  enum Kind { kText, kChoice, kChoiceHandle, kPoints } kind = kText;
  std::string text;
  int forcedType = -1;  // --type CODE
};

// The variant a setter receives for the edit. The type is forced, or the
// description's, or (for type 0) the type of the current value. Throws
// std::invalid_argument with a message for text that cannot be read.
CKdVariant parseValue(const EditValue& edit, const CKdPropertyDescription& description, const CKdVariant& current,
                      OdDbDatabase* db);

}  // namespace kdapp
