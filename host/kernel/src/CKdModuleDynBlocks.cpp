#include "CKdModuleDynBlocks.h"

CKdModuleDynBlocks& CKdModuleDynBlocks::instance() {
  static CKdModuleDynBlocks services;
  return services;
}

bool DbBlockParameter_wrapper::isNull() const { return OdDbBlockParameter::cast(m_parameter.openObject()).isNull(); }

OdDbBlockParameter::Kind DbBlockParameter_wrapper::kind() const {
  OdDbBlockParameterPtr p = OdDbBlockParameter::cast(m_parameter.openObject());
  return p.isNull() ? OdDbBlockParameter::kOther : p->kind();
}

bool DbBlockParameter_wrapper::isFlipParameter() const { return kind() == OdDbBlockParameter::kFlip; }

DbBlockFlipParameter_wrapper::DbBlockFlipParameter_wrapper(const DbBlockParameter_wrapper& parameter)
    : DbBlockParameter_wrapper(parameter.isFlipParameter() ? parameter.objectId() : OdDbObjectId()) {}

CKdString DbBlockFlipParameter_wrapper::notFlippedLabel() const {
  OdDbBlockFlipParameterPtr p = OdDbBlockFlipParameter::cast(m_parameter.openObject());
  return p.isNull() ? CKdString() : CKdString(p->data.name[1]);
}
CKdString DbBlockFlipParameter_wrapper::flippedLabel() const {
  OdDbBlockFlipParameterPtr p = OdDbBlockFlipParameter::cast(m_parameter.openObject());
  return p.isNull() ? CKdString() : CKdString(p->data.description[1]);
}

CKdString DbDynBlockReferenceProperty_wrapper::propertyName() const {
  return isNull() ? CKdString() : CKdString(m_property->propertyName());
}
CKdString DbDynBlockReferenceProperty_wrapper::description() const {
  return isNull() ? CKdString() : CKdString(m_property->description());
}
bool DbDynBlockReferenceProperty_wrapper::show() const { return !isNull() && m_property->show(); }
bool DbDynBlockReferenceProperty_wrapper::readOnly() const { return isNull() || m_property->readOnly(); }
int DbDynBlockReferenceProperty_wrapper::unitsType() const { return isNull() ? 0 : m_property->unitsType(); }
OdResBufPtr DbDynBlockReferenceProperty_wrapper::value() const {
  return isNull() ? OdResBufPtr() : m_property->value();
}
std::vector<OdResBufPtr> DbDynBlockReferenceProperty_wrapper::getAllowedValues() const {
  std::vector<OdResBufPtr> values;
  if (!isNull()) m_property->getAllowedValues(values);
  return values;
}
bool DbDynBlockReferenceProperty_wrapper::setValue(const OdResBuf& value) {
  return !isNull() && m_property->setValue(value) == eOk;
}
DbBlockParameter_wrapper DbDynBlockReferenceProperty_wrapper::getParameter() const {
  return DbBlockParameter_wrapper(isNull() ? OdDbObjectId() : m_property->parameterId());
}

bool DbDynBlockReference_wrapper::isDynamicBlock() const { return !dynamicBlockTableRecord().isNull(); }
OdDbObjectId DbDynBlockReference_wrapper::dynamicBlockTableRecord() const {
  return OdDbDynBlockReference(m_reference).dynamicBlockTableRecord();
}
std::vector<DbDynBlockReferenceProperty_wrapper> DbDynBlockReference_wrapper::getBlockProperties() const {
  std::vector<DbDynBlockReferenceProperty_wrapper> out;
  for (const OdDbDynBlockReferencePropertyPtr& p : OdDbDynBlockReference(m_reference).getBlockProperties())
    out.emplace_back(p);
  return out;
}
