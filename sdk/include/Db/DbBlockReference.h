#pragma once
// A block reference: the block definition placed at a position, scaled and
// turned in the plane of a normal, with the attributes it owns (written
// after it, up to a sequence end).
#include <string>
#include "Db/DbEntity.h"
#include "Db/DbVertexChain.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GeScale3d.h"

class OdDbAttribute;

class OdDbBlockReference : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockReference)
public:
  OdDbObjectId blockTableRecord() const;
  OdResult setBlockTableRecord(OdDbObjectId id);
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  OdGeScale3d scaleFactors() const;
  // Finite factors, none of them zero.
  OdResult setScaleFactors(const OdGeScale3d& scale);
  double rotation() const;
  OdResult setRotation(double angle);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // Block coordinates to world: the definition's base point goes to the
  // position, then scale, rotation in the plane, the plane's orientation.
  OdGeMatrix3d blockTransform() const;
  // Sets position, scale, rotation and normal from a transform of that
  // form; eInvalidInput (nothing changed) for one that is not.
  OdResult setBlockTransform(const OdGeMatrix3d& transform);
  OdResult transformBy(const OdGeMatrix3d& transform) override;

  // The attributes in order; the reference must be in a database to take one.
  OdDbObjectIteratorPtr attributeIterator() const;
  const std::vector<OdDbObjectId>& attributeIds() const { return m_attributes.ids(); }
  OdDbObjectId appendAttribute(OdDbAttribute* attribute);

  void subEntityIds(OdDbObjectIdArray& ids) const override;
  bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) override;
  void dxfFollowers(std::vector<OdDbObjectId>& ids) const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  // The subclass the fields stand in: multiple inserts of a grid use one of their own.
  virtual const char* dxfMarker() const;
  // Fields a kind adds before the normal.
  virtual void dxfOutBeforeNormal(OdDxfOut&) const {}
  std::string m_marker;  // as the file had it

private:
  OdDbObjectId m_block;
  OdString m_blockName;  // the file's name when no record has it
  OdGePoint3d m_position;
  OdGeScale3d m_scale;
  double m_rotation = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdDbVertexChain m_attributes;
};
typedef OdSmartPtr<OdDbBlockReference> OdDbBlockReferencePtr;

// A block reference repeated in a grid of columns and rows.
class OdDbMInsertBlock : public OdDbBlockReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbMInsertBlock)
public:
  OdUInt16 columns() const;
  OdResult setColumns(OdUInt16 count);  // at least 1
  OdUInt16 rows() const;
  OdResult setRows(OdUInt16 count);  // at least 1
  double columnSpacing() const;
  OdResult setColumnSpacing(double spacing);
  double rowSpacing() const;
  OdResult setRowSpacing(double spacing);
  void dxfInFields(const OdDxfIn& in) override;

protected:
  const char* dxfMarker() const override;
  void dxfOutBeforeNormal(OdDxfOut& out) const override;

private:
  OdUInt16 m_columns = 1, m_rows = 1;
  double m_columnSpacing = 0.0, m_rowSpacing = 0.0;
};
typedef OdSmartPtr<OdDbMInsertBlock> OdDbMInsertBlockPtr;

// Changes extended data as a transform changes the object: world points
// (1011) are transformed, displacements (1012) and directions (1013)
// follow without the translation, distances (1041) and scale factors
// (1042) take the transform's scale. Data that would not be finite leave
// the object unchanged (eInvalidInput).
OdResult odDbTransformXData(OdDbObject* object, const OdGeMatrix3d& transform);

class OdDbSymbolTable;
// The next free name of an anonymous block ("*U" and a number beyond those in use).
OdString odDbNextAnonymousBlockName(const OdDbSymbolTable& blocks);
// Whether a block reference of the drawing other than the one given shows the block.
bool odDbIsBlockShownElsewhere(OdDbDatabase* db, OdDbObjectId block, OdDbObjectId except);
