#include "KdMInsertBlock.h"

#include "CKdUtils.h"
#include "Db/DbBlockReference.h"
#include "KdAccess.h"
#include "KdBlockReferenceAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbMInsertBlock M;

template <int Axis>
CKdVariant getPosition(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(kd::ucsComponent(object, m->position(), Axis), true);
}
template <int Axis>
int setPosition(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::writable<M>(object, value, CKdVariant::kDouble);
  return m.isNull() ? KD_PROPERTY_FAILED : kdblock::setPosition(*m, object, Axis, value.GetDouble());
}
template <int Axis>
CKdVariant getScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(kdblock::axisOf(m->scaleFactors(), Axis) / kdblock::unitFactor(*m), false);
}
template <int Axis>
int setScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::writable<M>(object, value, CKdVariant::kDouble);
  return m.isNull() ? KD_PROPERTY_FAILED : kdblock::setScale(*m, Axis, value.GetDouble(), false);
}
// Y and Z follow X when the definition wants uniform scaling.
bool isScaleLocked(const OdDbObject* object, const Desc&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  if (m.isNull()) return false;
  OdDbBlockTableRecordPtr block = kdblock::definitionOf(*m);
  return !block.isNull() && block->blockScaling() != OdDb::kAny;
}

CKdVariant getName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  if (m.isNull()) return CKdVariant();
  OdDbBlockTableRecordPtr block = kdblock::definitionOf(*m);
  return CKdVariant(block.isNull() ? CKdString() : CKdString(block->getName()));
}
CKdVariant getRotation(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(m->rotation(), true);
}
int setRotation(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::writable<M>(object, value, CKdVariant::kDouble);
  return m.isNull() ? KD_PROPERTY_FAILED : kdblock::setRotation(*m, value.GetDouble());
}

template <OdUInt16 (M::*Get)() const>
CKdVariant getCount(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(long(((*m).*Get)()));
}
// Counts of at least 1 that a file can hold.
template <OdResult (M::*Set)(OdUInt16)>
int setCount(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::writable<M>(object, value, CKdVariant::kInt32);
  if (m.isNull()) return KD_PROPERTY_FAILED;
  const long n = value.GetInt32();
  if (n <= 0 || n > 32767) {
    return kd::reject(Set == &M::setColumns ? "Invalid value for property Columns" : "Invalid value for property Rows");
  }
  ((*m).*Set)(OdUInt16(n));
  return KD_PROPERTY_OK;
}
typedef kd::PlainDouble<M, &M::columnSpacing, &M::setColumnSpacing, true> ColumnSpacing;
typedef kd::PlainDouble<M, &M::rowSpacing, &M::setRowSpacing, true> RowSpacing;

CKdVariant getUnits(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  OdDbBlockTableRecordPtr block = m.isNull() ? OdDbBlockTableRecordPtr() : kdblock::definitionOf(*m);
  return block.isNull() ? CKdVariant() : CKdVariant(CKdUtils::GetStringForUnitScalingFactor(block->blockInsertUnits()));
}
CKdVariant getUnitScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMInsertBlockPtr m = kd::readable<M>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(kdblock::unitFactor(*m), true);
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_InsertionPointX.png", RW, getPosition<0>, setPosition<0>},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_InsertionPointY.png", RW, getPosition<1>, setPosition<1>},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_InsertionPointZ.png", RW, getPosition<2>, setPosition<2>},
    {"Geometry", "Scale X", 2, nullptr, ":/Geometry/Geometry_ScaleX.png", RW, getScale<0>, setScale<0>},
    {"Geometry", "Scale Y", 2, nullptr, ":/Geometry/Geometry_ScaleY.png", isScaleLocked, getScale<1>, setScale<1>},
    {"Geometry", "Scale Z", 2, nullptr, ":/Geometry/Geometry_ScaleZ.png", isScaleLocked, getScale<2>, setScale<2>},
    {"Misc", "Name", 0, nullptr, ":/Misc/Misc_Name.png", RO, getName, nullptr},
    {"Misc", "Rotation", 2, T::kAngleGUID, ":/Misc/Misc_Rotation.png", RW, getRotation, setRotation},
    {"Misc", "Columns", 0, nullptr, ":/Misc/Misc_Columns.png", RW, getCount<&M::columns>, setCount<&M::setColumns>},
    {"Misc", "Column spacing", 0, nullptr, ":/Misc/Misc_ColumnSpacing.png", RW, ColumnSpacing::get, ColumnSpacing::set},
    {"Misc", "Rows", 0, nullptr, ":/Misc/Misc_Rows.png", RW, getCount<&M::rows>, setCount<&M::setRows>},
    {"Misc", "Row spacing", 0, nullptr, ":/Misc/Misc_RowSpacing.png", RW, RowSpacing::get, RowSpacing::set},
    {"Misc", "Block UnitSystem", 3, nullptr, ":/Misc/Misc_BlockUnit.png", RO, getUnits, nullptr},
    {"Misc", "Block UnitScale", 2, nullptr, ":/Misc/Misc_UnitFactor.png", RO, getUnitScale, nullptr},
};
}  // namespace

CKdString CKdMInsertBlockPE::GetDisplayName(const OdDbObject*) const { return kd::entityType("BlockN"); }

const kd::PropertyTable& CKdMInsertBlockPE::Table() {
  static const kd::PropertyTable table(&OdDbMInsertBlock::desc, kRows);
  return table;
}

void CKdMInsertBlockPE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                         const OdRxClass* filterClass) const {
  container = nullptr;
  CKdEntityPE::GetPropertyNames(object, container, filterClass);
  if (!container) return;
  // "LineScale" stays editable for multiple inserts; other objects keep the rule it had.
  kd::LineScaleRuleFor<&OdDbMInsertBlock::desc, false>::install(container, Table());
  Table().addTo(container, filterClass);
}
