#include "CKdUtils.h"
#include "Db/DbDimensionKinds.h"

#include "Db/DbDatabase.h"
#include "Db/DbObject.h"

bool CKdUtils::IsHyperLink(const OdDbObject* object, CKdString& url, CKdString* description) {
  url = CKdString();
  if (description) *description = CKdString();
  if (!object || !object->isReadEnabled()) return false;
  OdResBufPtr rb = object->xData(HyperlinkApp());
  // The chain is: application name, the address, then an optional description.
  if (rb.isNull() || rb->next().isNull() || rb->next()->restype() != OdResBuf::kDxfXdAsciiString) return false;
  url = CKdString(rb->next()->getString());
  OdResBufPtr desc = rb->next()->next();
  if (description && !desc.isNull() && desc->restype() == OdResBuf::kDxfXdAsciiString)
    *description = CKdString(desc->getString());
  return !url.isEmpty();
}

bool CKdUtils::SetHyperLink(const OdDbObject* object, const CKdString& url) {
  OdDbObject* obj = const_cast<OdDbObject*>(object);
  if (!obj || !obj->isWriteEnabled()) return false;
  OdDbDatabase* db = obj->database();
  if (db && !db->newRegApp(HyperlinkApp())) return false;
  OdResBufPtr head = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(HyperlinkApp()));
  if (!url.isEmpty()) head->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, url.toOdString()));
  return obj->setXData(head) == eOk;
}

CKdString CKdUtils::DimStyleDisplayName(const CKdString& name) {
  static const struct {
    wchar_t digit;
    const wchar_t* family;
  } kFamilies[] = {{L'0', L"Linear"}, {L'2', L"Angular"}, {L'3', L"Diameter"}, {L'4', L"Radius"},
                   {L'6', L"Ordinate"}, {L'7', L"Leader"}};
  const std::wstring text = name.wstr();
  if (text.size() < 3 || text[text.size() - 2] != L'$') return name;
  for (const auto& f : kFamilies)
    if (text.back() == f.digit) return CKdString((text.substr(0, text.size() - 2) + L": " + f.family).c_str());
  return name;
}

// No constraint solver is part of this host.
CKdConstraintUtils* GetConstraintUtils() { return nullptr; }

bool CKdDbExtension::SetRadialExtensionArc(OdDbRadialDimension* dimension, bool on) {
  if (!dimension || !dimension->isWriteEnabled()) return false;
  dimension->setExtArcOn(on);
  return true;
}

CKdDbExtension* GetKdDbExtension() {
  static CKdDbExtension extension;
  return &extension;
}
