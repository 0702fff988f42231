#include "KdLeader.h"

#include <regex>

#include "CKdUtils.h"
#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbDmUtil.h"
#include "Db/DbLeader.h"
#include "Db/DbSymbolTable.h"
#include "KdDimensionAccess.h"
#include "KdText.h"

namespace kddim {
CKdVariant getAnnotationStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  const OdDbDimVarHolder* holder = settingsOf(object);
  OdDbDatabase* db = holder ? object->database() : nullptr;
  OdDbSymbolTablePtr table = db ? OdDbSymbolTable::cast(db->getDimStyleTableId().openObject()) : OdDbSymbolTablePtr();
  if (table.isNull()) return CKdVariant();
  static const std::wregex kFamily(L"\\$[0,2-4,6]{1,1}$");
  CKdVariantCollection list;
  for (const OdDbObjectId& id : table->recordIds()) {
    OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(id.openObject());
    if (record.isNull()) continue;
    const std::wstring name = record->getName().wstr();
    if (std::regex_search(name, kFamily)) continue;
    if (id == holder->dimensionStyle()) list.SetSelectedIndex(list.GetCount());
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdUtils::DimStyleDisplayName(CKdString(name.c_str()))), CKdVariant(id)));
  }
  return CKdVariant(list);
}

int setAnnotationStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimVarHolder* holder = writableSettingsOf(object, value, CKdVariant::kCollectionElement);
  OdDbObjectId id;
  if (!holder || setRecordTag(value, id) != KD_PROPERTY_OK) return KD_PROPERTY_FAILED;
  return holder->setDimensionStyle(id) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
}  // namespace kddim

namespace {
using namespace kddim;
typedef OdDbLeader L;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

bool isAssociative(const L& l) {
  OdDbDictionaryPtr dict = OdDbDictionary::cast(l.extensionDictionary().openObject());
  return !dict.isNull() && dict->has(L"ACAD_DIMASSOC");
}
CKdVariant getAssociative(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(kd::value(isAssociative(l) ? "Yes" : "No")); });
}

CKdVariant getVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLeaderPtr l = kd::readable<L>(object);
  if (l.isNull()) return CKdVariant();
  CKdVariantCollection list;
  for (int i = 0; i < l->numVertices(); ++i)
    list.Add(CKdVariantCollectionElement(CKdVariant(l->vertexAt(i)), CKdVariant(long(i))));
  return CKdVariant(list);
}
// The list replaces the path: every vertex goes, then the list's points come in order.
int setVertices(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLeaderPtr l = kd::writable<L>(object, value, CKdVariant::kCollection);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariantCollection& c = value.GetCollection();
  // A leader needs a path of two points at least.
  if (c.GetCount() < 2) return KD_PROPERTY_FAILED;
  for (int i = 0; i < c.GetCount(); ++i)
    if (c.GetAt(i).GetValue().GetType() != CKdVariant::kPoint3d) return KD_PROPERTY_FAILED;
  while (l->numVertices() > 0) l->removeLastVertex();
  for (int i = 0; i < c.GetCount(); ++i) l->appendVertex(c.GetAt(i).GetValue().GetPoint3d());
  return KD_PROPERTY_OK;
}

template <int Axis>
CKdVariant getVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDbLeaderPtr l = kd::readable<L>(object);
  const int i = kd::vertexIndex(context);
  if (l.isNull() || i < 0 || i >= l->numVertices()) return CKdVariant();
  return CKdVariant(kd::ucsComponent(object, l->vertexAt(i), Axis), true);
}
template <int Axis>
int setVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDbLeaderPtr l = kd::writable<L>(object, value, CKdVariant::kDouble);
  const int i = kd::vertexIndex(context);
  if (l.isNull() || i < 0 || i >= l->numVertices()) return KD_PROPERTY_FAILED;
  OdGePoint3d p = l->vertexAt(i);
  if (!kd::replaceUcsComponent(object, p, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  return l->setVertexAt(i, p) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getType(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kTypes[] = {{"Line with no arrow", 0}, {"Spline with no arrow", 1}, {"Line with arrow", 2},
                                      {"Spline with arrow", 3}};
  OdDbLeaderPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : kd::enumList(kTypes, (l->hasArrowHead() ? 2 : 0) + (l->isSplined() ? 1 : 0));
}
int setType(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLeaderPtr l = kd::writable<L>(object, value, CKdVariant::kCollectionElement);
  long tag;
  if (l.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag < 0 || tag > 3) return KD_PROPERTY_OK;
  if (tag & 1) l->setToSplineLeader();
  else l->setToStraightLeader();
  if (tag & 2) l->enableArrowHead();
  else l->disableArrowHead();
  return KD_PROPERTY_OK;
}

CKdVariant getArrow(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLeaderPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : arrowList(l->dimldrblk());
}
// "Custom arrow" itself changes nothing; a user block (tag 20) is named by its label.
int setArrow(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLeaderPtr l = kd::writable<L>(object, value, CKdVariant::kCollectionElement);
  long tag;
  if (l.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  const CKdString label = value.GetCollectionElement().GetValue().GetString();
  if (label.toOdString().iCompare(L"Custom arrow") == 0) return KD_PROPERTY_OK;
  if (tag != 20 && (tag < 0 || tag > 20)) return KD_PROPERTY_FAILED;
  const OdString name = tag == 20 ? label.toOdString() : arrowBlockName(int(tag));
  return l->setDimldrblk(OdDmUtil::getArrowId(name, l->database())) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

const kd::PropertyRow kRows[] = {
    {"General", "Associative", 0, nullptr, ":/General/General_Associative.png", RO, getAssociative, nullptr},
    {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getVertices, setVertices},
    {"Geometry", "Vertex x", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", RW, getVertex<0>, setVertex<0>},
    {"Geometry", "Vertex y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", RW, getVertex<1>, setVertex<1>},
    {"Geometry", "Vertex z", 2, T::kVertexZGUID, ":/Geometry/Geometry_VertexZ.png", RW, getVertex<2>, setVertex<2>},
    {"Misc", "DimStyle", 0, nullptr, ":/Misc/Misc_DimStyle.png", RW, getAnnotationStyle, setAnnotationStyle},
    {"Misc", "Type", 0, nullptr, ":/Misc/Misc_LeaderType.png", RW, getType, setType},
    {"Lines && Arrows", "Arrow", 0, nullptr, KD_ICON_LINES("Arrow1"), RW, getArrow, setArrow},
    {"Lines && Arrows", "Arrow size", 0, nullptr, KD_ICON_LINES("ArrowSize"), RW, getReal<V::dimasz>,
     setReal<V::dimasz, KD_RULE(NonNegative)>},
    {"Lines && Arrows", "DimLine LWeight", 4, T::kLineweightGUID, KD_ICON_LINES("DimLineWeight"), RW,
     getInteger<V::dimlwd>, setInteger<V::dimlwd>},
    {"Lines && Arrows", "DimLine LColor", 0, nullptr, KD_ICON_LINES("DimLineColor"), RW, getColor<V::dimclrd>,
     setColor<V::dimclrd>},
    {"Fit", "DimScale overall", 0, nullptr, KD_ICON_FIT("DimScaleOverall"), RW, getReal<V::dimscale, false>,
     setReal<V::dimscale, KD_RULE(NonNegative)>},
    {"Text", "Text offset", 0, nullptr, KD_ICON_TEXT("Offset"), RW, getReal<V::dimgap>, setReal<V::dimgap>},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdLeaderPE, CKdEntityPE, OdDbLeader, "Leader", kRows)

void CKdLeaderInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<L>(*this, object, context, [](const L& l, CKdPrintInfoContext& out) {
    out.PrintBool(kd::infoItem("related"), isAssociative(l));
    OdGeVector3d normal = l.normal(), across = l.annotationXDir();
    out.PrintVector3D(kd::infoItem("Normal"), normal);
    out.PrintVector3D(kd::infoItem("Horizontal direction"), across);
    for (int i = 0; i < l.numVertices(); ++i) out.PrintPoint(kd::infoItem("Vertex"), l.vertexAt(i));
    out.PrintBool(kd::infoItem("Hook Line"), l.hasHookLine());
    out.PrintBool(kd::infoItem("Arrow"), l.hasArrowHead());
    OdDbSymbolTableRecordPtr style = OdDbSymbolTableRecord::cast(l.dimensionStyle().openObject());
    if (!style.isNull()) out.PrintString(kd::infoItem("DimensionStyle"), CKdString(style->getName()));
    out.PrintDist(kd::infoItem("DIMGAP"), l.dimgap());
    out.PrintInt(kd::infoItem("DIMTAD"), l.dimtad());
  });
}
