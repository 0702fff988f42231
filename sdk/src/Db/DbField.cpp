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

// The head of the section: evaluator 1, the code in 2 and its continuations
// in 3, the children as 360 references. The value data follow from 97 on;
// the evaluated text is the 301 at their end, continued in 9.
void OdDbField::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbField";
  m_evaluator.empty();
  m_code.empty();
  m_evaluated.empty();
  m_children.clear();
  const std::vector<const OdDxfTag*> tags = in.section(S);
  bool head = true;
  for (size_t i = 0; i < tags.size(); ++i) {
    const OdDxfTag& t = *tags[i];
    if (t.code == 97) head = false;
    if (head) {
      if (t.code == 1) m_evaluator = in.codec().decode(in.text(t));
      else if (t.code == 2 || t.code == 3) m_code += in.codec().decode(in.text(t));
      else if (t.code == 360) {
        const OdDbObjectId child = in.reference(S, 360, int(m_children.size()));
        if (!child.isNull()) m_children.append(child);
      }
    } else if (t.code == 301) {
      m_evaluated = in.codec().decode(in.text(t));
      for (size_t k = i + 1; k < tags.size() && tags[k]->code == 9; ++k) m_evaluated += in.codec().decode(in.text(*tags[k]));
    }
  }
  m_textField = m_evaluator == L"_text" || m_code.find(L"%<\\_FldIdx") >= 0;
}

void OdDbField::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbField");
  out.keepFrom(97);
  out.string(1, m_evaluator.isEmpty() && m_textField ? OdString(L"_text") : m_evaluator);
  out.string(2, m_code.left(250));
  out.own(3);
  for (int at = 250; at < m_code.getLength(); at += 250) out.string(3, m_code.mid(at, 250));
  out.integer(90, m_children.size());
  out.own(360);
  for (const OdDbObjectId& id : m_children) out.reference(360, id);
}
