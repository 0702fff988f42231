#pragma once
#include "Db/DbUnitsValue.h"
// Symbol tables and their records: named, ordered collections owned by the
// database (layers, line types, blocks, applications, ...).
#include "Db/DbObject.h"
#include "Cm/CmColor.h"
#include "Db/DbEntity.h"
#include "Ge/GeVector3d.h"

class OdDbSymbolTableRecord : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbSymbolTableRecord)
public:
  OdString getName() const { assertReadEnabled(); return m_name; }
  // The name without a copy, for lookups.
  const OdString& name() const { assertReadEnabled(); return m_name; }
  // Names are not empty and hold none of  < > / \ " : ; ? * | , = `  except the
  // "|" that joins an external reference's name to the record's.
  OdResult setName(const OdString& name);
  // A record that came from an external reference ("XREF|NAME").
  bool isDependent() const;
  bool isResolved() const { return true; }
  static bool isValidName(const OdString& name, bool allowDependent);

  // The name, in the section of the record's own subclass marker.
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // "AcDbLayerTableRecord" and so on, from the class's file name.
  const char* dxfMarker() const;

protected:
  // The record's flags as a file gave them, with the bits of the mask
  // replaced by what the record models.
  int flagsWith(int mask, int modelled) const { return (m_fileFlags & ~mask) | (modelled & mask); }

private:
  OdString m_name;
  int m_fileFlags = 0;
};
typedef OdSmartPtr<OdDbSymbolTableRecord> OdDbSymbolTableRecordPtr;

class OdDbSymbolTable : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbSymbolTable)
public:
  // Lookup is case-insensitive, as drawing names are.
  OdDbObjectId getAt(const OdString& name, bool getErased = false) const;
  bool has(const OdString& name) const { return !getAt(name).isNull(); }
  // Adds a record of this table's kind to the table's database; fails on a
  // duplicate or invalid name.
  OdDbObjectId add(OdDbSymbolTableRecord* record);
  OdResult add(OdDbSymbolTableRecord* record, OdDbObjectId& id);
  // Record ids in table order.
  const OdDbObjectIdArray& recordIds() const { return m_records; }
  // The record class this table holds.
  virtual OdRxClass* recordClass() const { return OdDbSymbolTableRecord::desc(); }
  // Used by file reading, which adds records that already have an id.
  void appendRecordId(OdDbObjectId id) { m_records.append(id); }

private:
  OdDbObjectIdArray m_records;
  // The record last found, checked again on each use (records can be renamed).
  mutable OdDbObjectId m_lastFound;
};
typedef OdSmartPtr<OdDbSymbolTable> OdDbSymbolTablePtr;

class OdDbLayerTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbLayerTableRecord)
public:
  OdCmColor color() const { assertReadEnabled(); return m_color; }
  void setColor(const OdCmColor& c) { assertWriteEnabled(); m_color = c; }
  OdDbObjectId linetypeObjectId() const { assertReadEnabled(); return m_linetype; }
  void setLinetypeObjectId(OdDbObjectId id) { assertWriteEnabled(); m_linetype = id; }
  OdDb::LineWeight lineWeight() const { assertReadEnabled(); return m_lineWeight; }
  OdResult setLineWeight(OdDb::LineWeight w);
  OdCmTransparency transparency() const { assertReadEnabled(); return m_transparency; }
  void setTransparency(const OdCmTransparency& t) { assertWriteEnabled(); m_transparency = t; }
  OdString plotStyleName() const { assertReadEnabled(); return m_plotStyle; }
  void setPlotStyleName(const OdString& s) { assertWriteEnabled(); m_plotStyle = s; }
  // Files keep a layer's description in its "AcAecLayerStandard" extended data (the second string).
  OdString description() const;
  void setDescription(const OdString& s) { assertWriteEnabled(); m_description = s; }
  bool isOff() const { assertReadEnabled(); return m_off; }
  void setIsOff(bool v) { assertWriteEnabled(); m_off = v; }
  bool isFrozen() const { assertReadEnabled(); return m_frozen; }
  void setIsFrozen(bool v) { assertWriteEnabled(); m_frozen = v; }
  bool isLocked() const { assertReadEnabled(); return m_locked; }
  void setIsLocked(bool v) { assertWriteEnabled(); m_locked = v; }
  bool isPlottable() const { assertReadEnabled(); return m_plottable; }
  void setIsPlottable(bool v) { assertWriteEnabled(); m_plottable = v; }
  // Hidden layers are the host's own and not listed to users; files do not mark them.
  bool isHidden() const { assertReadEnabled(); return m_hidden; }
  void setIsHidden(bool v) { assertWriteEnabled(); m_hidden = v; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdCmColor m_color = OdCmColor::fromIndex(7);
  OdDbObjectId m_linetype;
  OdDb::LineWeight m_lineWeight = OdDb::kLnWtByLwDefault;
  OdCmTransparency m_transparency = OdCmTransparency(OdUInt8(255));
  OdString m_plotStyle = L"Normal";
  OdString m_description;
  bool m_off = false, m_frozen = false, m_locked = false, m_plottable = true, m_hidden = false;
};
typedef OdSmartPtr<OdDbLayerTableRecord> OdDbLayerTableRecordPtr;

class OdDbLinetypeTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbLinetypeTableRecord)
public:
  OdString comments() const { assertReadEnabled(); return m_comments; }
  void setComments(const OdString& s) { assertWriteEnabled(); m_comments = s; }
  int numDashes() const { assertReadEnabled(); return static_cast<int>(m_dashes.size()); }
  double dashLengthAt(int i) const;
  void setDashes(const OdArray<double>& dashes) { assertWriteEnabled(); m_dashes = dashes; }
  // Sum of the absolute dash lengths.
  double patternLength() const;
  bool isScaledToFit() const { assertReadEnabled(); return m_scaledToFit; }
  void setIsScaledToFit(bool v) { assertWriteEnabled(); m_scaledToFit = v; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_comments;
  OdArray<double> m_dashes;
  bool m_scaledToFit = false;
};
typedef OdSmartPtr<OdDbLinetypeTableRecord> OdDbLinetypeTableRecordPtr;

class OdDbRegAppTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbRegAppTableRecord)
};
typedef OdSmartPtr<OdDbRegAppTableRecord> OdDbRegAppTableRecordPtr;

class OdDbUCSTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbUCSTableRecord)
public:
  OdGePoint3d origin() const { assertReadEnabled(); return m_origin; }
  OdGeVector3d xAxis() const { assertReadEnabled(); return m_x; }
  OdGeVector3d yAxis() const { assertReadEnabled(); return m_y; }
  void setOrigin(const OdGePoint3d& p) { assertWriteEnabled(); m_origin = p; }
  void setXAxis(const OdGeVector3d& v) { assertWriteEnabled(); m_x = v; }
  void setYAxis(const OdGeVector3d& v) { assertWriteEnabled(); m_y = v; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_origin;
  OdGeVector3d m_x = OdGeVector3d(1, 0, 0);
  OdGeVector3d m_y = OdGeVector3d(0, 1, 0);
};
typedef OdSmartPtr<OdDbUCSTableRecord> OdDbUCSTableRecordPtr;

namespace OdDb {
enum BlockScaling : int { kAny = 0, kUniform = 1 };
}

// Block definitions, model space and paper space layouts: records that own entities.
class OdDbBlockTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockTableRecord)
public:
  static const wchar_t* modelSpaceStr() { return L"*Model_Space"; }
  static const wchar_t* paperSpaceStr() { return L"*Paper_Space"; }
  // Adds the entity to the database and to this block, and gives it the
  // drawing's current settings.
  OdDbObjectId appendOdDbEntity(OdDbEntity* entity);
  // Entity ids in drawing order.
  const OdDbObjectIdArray& entityIds() const { return m_entities; }
  // Used by erase and file reading.
  void appendEntityId(OdDbObjectId id) { m_entities.append(id); }
  // Room for so many more entities (a reader that knows how many come).
  void reserveEntities(unsigned more) { m_entities.reserve(m_entities.size() + more); }
  void removeEntityId(OdDbObjectId id) { m_entities.remove(id); }
  OdGePoint3d origin() const { assertReadEnabled(); return m_origin; }
  void setOrigin(const OdGePoint3d& p) { assertWriteEnabled(); m_origin = p; }
  bool isLayout() const;
  bool isAnonymous() const;
  // A definition from another drawing: its BLOCK carries the external-reference bit, or a path.
  bool isFromExternalReference() const { assertReadEnabled(); return (m_blockFlags & 4) != 0 || !m_xrefPath.isEmpty(); }
  int blockFlags() const { assertReadEnabled(); return m_blockFlags; }
  void setBlockFlags(int flags) { assertWriteEnabled(); m_blockFlags = flags; }
  // Units the definition is drawn in.
  OdDb::UnitsValue blockInsertUnits() const;
  OdResult setBlockInsertUnits(OdDb::UnitsValue units);
  // Whether references must scale it alike on all axes.
  OdDb::BlockScaling blockScaling() const { assertReadEnabled(); return m_scaling; }
  void setBlockScaling(OdDb::BlockScaling scaling) { assertWriteEnabled(); m_scaling = scaling; }
  bool explodable() const { assertReadEnabled(); return m_explodable; }
  void setExplodable(bool on) { assertWriteEnabled(); m_explodable = on; }
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // The fields of the definition's BLOCK (written back as read).
  void dxfInBlockBegin(const OdDxfIn& in);
  OdString pathName() const { assertReadEnabled(); return m_xrefPath; }
  void setPathName(const OdString& p) { assertWriteEnabled(); m_xrefPath = p; }
  OdString comments() const { assertReadEnabled(); return m_comments; }
  void setComments(const OdString& s) { assertWriteEnabled(); m_comments = s; }

private:
  OdDbObjectIdArray m_entities;
  OdGePoint3d m_origin;
  OdString m_xrefPath;
  OdString m_comments;
  int m_blockFlags = 0;
  int m_units = 0;
  OdDb::BlockScaling m_scaling = OdDb::kAny;
  bool m_explodable = true;
};
typedef OdSmartPtr<OdDbBlockTableRecord> OdDbBlockTableRecordPtr;

#define KD_DECLARE_SYMBOL_TABLE(Table, Record)                               \
  class Table : public OdDbSymbolTable {                                     \
   public:                                                                   \
    ODRX_DECLARE_MEMBERS(Table)                                              \
   public:                                                                   \
    OdRxClass* recordClass() const override { return Record::desc(); }       \
  };                                                                         \
  typedef OdSmartPtr<Table> Table##Ptr;

KD_DECLARE_SYMBOL_TABLE(OdDbLayerTable, OdDbLayerTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbLinetypeTable, OdDbLinetypeTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbRegAppTable, OdDbRegAppTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbUCSTable, OdDbUCSTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbBlockTable, OdDbBlockTableRecord)
