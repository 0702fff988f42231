#pragma once
// A field: text whose value a drawing program evaluates (dates, object
// properties, ...), attached to an object under a property name, with child
// fields for the parts of a text that are fields themselves.
#include "Db/DbObject.h"

class OdDbField : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbField)
public:
  enum FieldCodeFlag { kFieldCode = 0x1, kEvaluatedText = 0x2, kEvaluatedChildren = 0x4, kTextField = 0x10 };
  // The code as written, or with kEvaluatedText the value it shows.
  OdString getFieldCode(int flags = kFieldCode) const;
  // A code with kTextField is a text whose "%<\_FldIdx n>%" markers stand for the children given.
  OdResult setFieldCode(const OdString& code, int flags = kFieldCode, const OdDbObjectIdArray* children = nullptr);
  bool isTextField() const;
  void setEvaluatedText(const OdString& text);
  int childCount() const;
  OdDbObjectId childId(int index) const;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_evaluator;  // the program part that evaluates it ("_text", "AcVar", ...)
  OdString m_code;
  OdString m_evaluated;
  OdDbObjectIdArray m_children;
  bool m_textField = false;
};
typedef OdSmartPtr<OdDbField> OdDbFieldPtr;
