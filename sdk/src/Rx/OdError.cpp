#include "Rx/OdError.h"
#include "Rx/RxClass.h"

const char* odResultName(OdResult res) {
  static const char* const names[] = {
      "eOk", "eNotImplemented", "eNotApplicable", "eInvalidInput", "eInvalidIndex", "eOutOfRange",
      "eNullObjectId", "eNullObjectPointer", "eKeyNotFound", "eDuplicateKey", "eWasErased",
      "eNotOpenForRead", "eNotOpenForWrite", "eNotThatKindOfClass", "eWrongObjectType",
      "eWrongDatabase", "eNotInDatabase", "eAlreadyInDb", "eDegenerateGeometry",
      "eRegappIdNotFound", "eBadDxfSequence", "eInvalidExtents", "eFileError", "eInvalidKey",
      "eLockViolation", "eCannotBeResolved", "eIncompatibleVersion"};
  int i = static_cast<int>(res);
  if (i < 0 || i >= static_cast<int>(sizeof(names) / sizeof(names[0]))) return "eUnknown";
  return names[i];
}

OdError::OdError(OdResult code) : m_code(code), m_what(odResultName(code)) {}

OdError::OdError(OdResult code, const OdString& description)
    : m_code(code), m_description(description), m_what(std::string(odResultName(code)) + ": " + description.toUtf8()) {}

namespace {
OdString mismatchText(const OdRxClass* objectClass, const OdRxClass* wantedClass) {
  OdString a = objectClass ? objectClass->name() : OdString(L"(null)");
  OdString b = wantedClass ? wantedClass->name() : OdString(L"(null)");
  return a + L" is not a kind of " + b;
}
}  // namespace

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass* objectClass, const OdRxClass* wantedClass)
    : OdError(eNotThatKindOfClass, mismatchText(objectClass, wantedClass)),
      m_objectClass(objectClass),
      m_wantedClass(wantedClass) {}
