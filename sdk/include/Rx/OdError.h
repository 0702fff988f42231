#pragma once
#include <exception>
#include <string>
#include "Rx/OdResult.h"
#include "Rx/OdString.h"

class OdRxClass;

// Exception carrying a result code; thrown where a call cannot report a result.
class OdError : public std::exception {
public:
  explicit OdError(OdResult code);
  OdError(OdResult code, const OdString& description);
  OdResult code() const { return m_code; }
  OdString description() const { return m_description; }
  const char* what() const noexcept override { return m_what.c_str(); }

private:
  OdResult m_code;
  OdString m_description;
  std::string m_what;
};

// Raised when an object is taken as a class it is not derived from.
class OdError_NotThatKindOfClass : public OdError {
public:
  OdError_NotThatKindOfClass(const OdRxClass* objectClass, const OdRxClass* wantedClass);
  const OdRxClass* objectClass() const { return m_objectClass; }
  const OdRxClass* wantedClass() const { return m_wantedClass; }

private:
  const OdRxClass* m_objectClass;
  const OdRxClass* m_wantedClass;
};
