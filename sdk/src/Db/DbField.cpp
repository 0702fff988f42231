#include "Db/DbField.h"

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbField, OdDbObject, L"FIELD", new OdDbField)

OdString OdDbField::getFieldCode(int flags) const {
  assertReadEnabled();
  return (flags & kEvaluatedText) ? m_evaluated : m_code;
}

OdResult OdDbField::setFieldCode(const OdString& code, int flags, const OdDbObjectIdArray* children) {
  assertWriteEnabled();
  m_code = code;
  m_textField = (flags & kTextField) != 0;
  m_children = children ? *children : OdDbObjectIdArray();
  return eOk;
}

bool OdDbField::isTextField() const {
  assertReadEnabled();
  return m_textField;
}

void OdDbField::setEvaluatedText(const OdString& text) {
  assertWriteEnabled();
  m_evaluated = text;
}

int OdDbField::childCount() const {
  assertReadEnabled();
  return int(m_children.size());
}

OdDbObjectId OdDbField::childId(int index) const {
  assertReadEnabled();
  return index >= 0 && index < int(m_children.size()) ? m_children[unsigned(index)] : OdDbObjectId();
}

// The code is split over 2 and its continuations in 3; the children are 360 references.
void OdDbField::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbField";
  m_code = in.string(S, 2);
  for (int i = 0; in.has(S, 3) && !in.string(S, 3, OdString(), i).isEmpty(); ++i) m_code += in.string(S, 3, OdString(), i);
  m_children.clear();
  for (int i = 0;; ++i) {
    const OdDbObjectId child = in.reference(S, 360, i);
    if (child.isNull()) break;
    m_children.append(child);
  }
  m_textField = m_code.find(L"%<\\_FldIdx") >= 0;
}

void OdDbField::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbField");
  out.string(1, m_textField ? OdString(L"_text") : OdString());
  out.string(2, m_code.left(250));
  out.own(3);
  for (int at = 250; at < m_code.getLength(); at += 250) out.string(3, m_code.mid(at, 250));
  out.integer(90, m_children.size());
  out.own(360);
  for (const OdDbObjectId& id : m_children) out.reference(360, id);
}
