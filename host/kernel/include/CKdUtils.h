#pragma once
// Utility functions of the host.
#include "CKdString.h"

class OdDbObject;

class CKdUtils {
public:
  // Name of the extended-data application that keeps an object's hyperlink.
  static const wchar_t* HyperlinkApp() { return L"PE_URL"; }
  // True when the object has a hyperlink; url (and description, when asked) receive it.
  static bool IsHyperLink(const OdDbObject* object, CKdString& url, CKdString* description);
  // Sets the hyperlink (an empty url removes it); the object must be open for writing.
  static bool SetHyperLink(const OdDbObject* object, const CKdString& url);
};
