#include "KdTable.h"

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbTable.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"
#include "KdValidation.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbTable T;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType G;

CKdVariant getStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTablePtr t = kd::readable<T>(object);
  OdDbDatabase* db = object ? object->database() : nullptr;
  if (t.isNull() || !db) return CKdVariant();
  OdDbDictionaryPtr named = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject());
  OdDbDictionaryPtr styles = named.isNull() ? OdDbDictionaryPtr() : OdDbDictionary::cast(named->getAt(L"ACAD_TABLESTYLE").openObject());
  CKdVariantCollection list;
  for (unsigned i = 0; !styles.isNull() && i < styles->numEntries(); ++i) {
    const OdDbObjectId id = styles->ids()[i];
    if (id.isErased()) continue;
    if (id == t->tableStyle()) list.SetSelectedIndex(list.GetCount());
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(styles->keys()[i])), CKdVariant(id)));
  }
  return CKdVariant(list);
}
// A table that holds its own flow direction keeps it; another follows its new style's.
int setStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTablePtr t = kd::writable<T>(object, value, CKdVariant::kCollectionElement);
  const CKdVariant& tag = t.isNull() ? value : value.GetCollectionElement().GetTag();
  if (t.isNull() || tag.GetType() != CKdVariant::kId) return KD_PROPERTY_FAILED;
  return t->setTableStyle(tag.GetId()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getRows(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<T>(object, [](const T& t) { return CKdVariant(long(t.numRows())); });
}
CKdVariant getColumns(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<T>(object, [](const T& t) { return CKdVariant(long(t.numColumns())); });
}

// "Down" names top to bottom, "Up" bottom to top.
CKdVariant getDirection(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kDirections[] = {{"Down", 1}, {"Up", 0}};
  OdDbTablePtr t = kd::readable<T>(object);
  return t.isNull() ? CKdVariant() : kd::enumList(kDirections, t->flowDirection() == OdDb::kTtoB ? 1 : 0);
}
// The rows stay where they are seen: the insertion point moves by the table's height.
int setDirection(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTablePtr t = kd::writable<T>(object, value, CKdVariant::kCollectionElement);
  long tag;
  if (t.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  const OdDb::FlowDirection now = t->flowDirection();
  double sign = 0.0;
  if (tag == 1 && now == OdDb::kBtoT) sign = 1.0;
  else if (tag == 0 && now == OdDb::kTtoB) sign = -1.0;
  else return KD_PROPERTY_OK;
  OdGeVector3d up = t->normal().crossProduct(t->direction());
  if (!up.isZeroLength()) up.normalize();
  t->setFlowDirection(sign > 0 ? OdDb::kTtoB : OdDb::kBtoT);
  const OdGeVector3d move = up * (sign * t->height());
  if (!move.isZeroLength()) t->transformBy(OdGeMatrix3d::translation(move));
  return KD_PROPERTY_OK;
}

CKdVariant getWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<T>(object, [](const T& t) { return CKdVariant(t.width(), true); });
}
CKdVariant getHeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<T>(object, [](const T& t) { return CKdVariant(t.height(), true); });
}
template <OdResult (T::*Set)(double)>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTablePtr t = kd::writable<T>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  if (!(value.GetDouble() > 0.0)) return kd::reject("Invalid input");
  return ((*t).*Set)(value.GetDouble()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

typedef kd::UcsPoint<OdDbBlockReference, &OdDbBlockReference::position, &OdDbBlockReference::setPosition> Position;

const kd::PropertyRow kRows[] = {
    {"Table", "TableStyle", 0, nullptr, ":/Table/Table_TableStyle.png", RW, getStyle, setStyle},
    {"Table", "Rows", 0, nullptr, ":/Table/Table_Row.png", RO, getRows, nullptr},
    {"Table", "Columns", 0, nullptr, ":/Table/Table_Columns.png", RO, getColumns, nullptr},
    {"Table", "Direction", 0, nullptr, ":/Table/Table_Direction.png", RW, getDirection, setDirection},
    {"Table", "Table width", 2, nullptr, ":/Table/Table_Width.png", RW, getWidth, setSize<&T::setWidth>},
    {"Table", "Table height", 2, nullptr, ":/Table/Table_Height.png", RW, getHeight, setSize<&T::setHeight>},
    {"Geometry", "Position X", 2, G::kCoordinateXGUID, ":/Geometry/Geometry_TabPositionX.png", RW, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, G::kCoordinateYGUID, ":/Geometry/Geometry_TabPositionY.png", RW, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, G::kCoordinateZGUID, ":/Geometry/Geometry_TabPositionZ.png", RW, Position::Z::get, Position::Z::set},
};
}  // namespace

const kd::PropertyTable& CKdTablePE::Table() {
  static const kd::PropertyTable table(&OdDbTable::desc, kRows);
  return table;
}
CKdString CKdTablePE::GetDisplayName(const OdDbObject*) const { return kd::entityType("Table"); }
void CKdTablePE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                  const OdRxClass* filterClass) const {
  container = nullptr;
  CKdEntityPE::GetPropertyNames(object, container, filterClass);
  if (!container) return;
  // "LineScale" of tables is read-only; other objects keep the rule it had.
  kd::LineScaleRuleFor<&OdDbTable::desc, true>::install(container, Table());
  Table().addTo(container, filterClass);
}

CKdString CKdTableInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"TABLE"); }
void CKdTableInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<T>(*this, object, context, [](const T& t, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Position"), t.position());
    OdGeVector3d normal = t.normal(), across = t.direction();
    out.PrintVector3D(kd::infoItem("Normal"), normal);
    out.PrintVector3D(kd::infoItem("Horizontal Dir"), across);
    out.PrintInt(kd::infoItem("Number of columns"), t.numColumns());
    out.PrintInt(kd::infoItem("Number of rows"), t.numRows());
    OdDbTableStylePtr style = OdDbTableStyle::cast(t.tableStyle().openObject());
    if (!style.isNull()) out.PrintString(kd::infoItem("TableStyle"), CKdString(style->name()));
  });
}
