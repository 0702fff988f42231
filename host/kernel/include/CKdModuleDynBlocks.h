#pragma once
// The host's dynamic-block services: wrappers over the drawing's dynamic
// block data that palettes and commands use instead of the database classes.
#include <vector>

#include "CKdString.h"
#include "Db/DbDynBlock.h"

class DbBlockFlipParameter_wrapper;

// A parameter of a dynamic block definition.
class DbBlockParameter_wrapper {
public:
  explicit DbBlockParameter_wrapper(OdDbObjectId parameter) : m_parameter(parameter) {}
  bool isNull() const;
  bool isFlipParameter() const;
  OdDbBlockParameter::Kind kind() const;
  OdDbObjectId objectId() const { return m_parameter; }

protected:
  OdDbObjectId m_parameter;
};

class DbBlockFlipParameter_wrapper : public DbBlockParameter_wrapper {
public:
  // Null unless the parameter is a flip parameter.
  explicit DbBlockFlipParameter_wrapper(const DbBlockParameter_wrapper& parameter);
  // The texts the block gives the two states (not the palette's).
  CKdString notFlippedLabel() const;
  CKdString flippedLabel() const;
};

// One property of one reference.
class DbDynBlockReferenceProperty_wrapper {
public:
  DbDynBlockReferenceProperty_wrapper() = default;
  explicit DbDynBlockReferenceProperty_wrapper(OdDbDynBlockReferencePropertyPtr property) : m_property(property) {}
  bool isNull() const { return m_property.isNull(); }
  CKdString propertyName() const;
  CKdString description() const;
  bool show() const;
  bool readOnly() const;
  int unitsType() const;  // 0 none, 1 angular, 2 distance, 3 area
  OdResBufPtr value() const;
  std::vector<OdResBufPtr> getAllowedValues() const;
  bool setValue(const OdResBuf& value);
  DbBlockParameter_wrapper getParameter() const;
  OdDbDynBlockReferencePropertyPtr property() const { return m_property; }

private:
  OdDbDynBlockReferencePropertyPtr m_property;
};

class DbDynBlockReference_wrapper {
public:
  explicit DbDynBlockReference_wrapper(OdDbObjectId reference) : m_reference(reference) {}
  bool isDynamicBlock() const;
  OdDbObjectId dynamicBlockTableRecord() const;
  std::vector<DbDynBlockReferenceProperty_wrapper> getBlockProperties() const;

private:
  OdDbObjectId m_reference;
};

class CKdModuleDynBlocks {
public:
  static CKdModuleDynBlocks& instance();
  DbDynBlockReference_wrapper reference(OdDbObjectId reference) const { return DbDynBlockReference_wrapper(reference); }
  DbDynBlockReferenceProperty_wrapper property(OdDbDynBlockReferencePropertyPtr p) const {
    return DbDynBlockReferenceProperty_wrapper(p);
  }
};
