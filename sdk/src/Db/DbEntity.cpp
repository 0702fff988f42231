#include "Db/DbEntity.h"

#include <cmath>
#include <deque>

#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbEntity, OdDbObject)
ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbCurve, OdDbEntity)

bool OdDb::isValidLineWeight(int v) {
  switch (v) {
    case 0: case 5: case 9: case 13: case 15: case 18: case 20: case 25: case 30: case 35: case 40: case 50:
    case 53: case 60: case 70: case 80: case 90: case 100: case 106: case 120: case 140: case 158: case 200:
    case 211: case -1: case -2: case -3: return true;
    default: return false;
  }
}

template <class F>
void OdDbEntity::forSubents(bool doSubents, F apply) {
  if (!doSubents) return;
  OdDbObjectIdArray ids;
  subEntityIds(ids);
  for (const OdDbObjectId& id : ids) {
    OdDbObjectPtr obj = id.openObject(OdDb::kForWrite);
    OdDbEntity* ent = obj.isNull() ? nullptr : static_cast<OdDbEntity*>(obj->queryX(OdDbEntity::desc()));
    if (!ent) continue;
    apply(ent);
    ent->release();
  }
}

void OdDbEntity::subEntityIds(OdDbObjectIdArray&) const {}
OdResult OdDbEntity::transformBy(const OdGeMatrix3d&) { return eNotApplicable; }

OdCmColor OdDbEntity::color() const {
  assertReadEnabled();
  return m_color;
}

OdInt16 OdDbEntity::colorIndex() const { return color().colorIndex(); }

OdResult OdDbEntity::setColor(const OdCmColor& color, bool doSubents) {
  assertWriteEnabled();
  if (color.colorMethod() < OdCmEntityColor::kByLayer || color.colorMethod() > OdCmEntityColor::kNone)
    return eInvalidInput;
  m_color = color;
  forSubents(doSubents, [&](OdDbEntity* e) { e->setColor(color, true); });
  return eOk;
}

OdResult OdDbEntity::setColorIndex(OdInt16 index, bool doSubents) {
  if (index < 0 || index > 257) return eOutOfRange;
  return setColor(OdCmColor::fromIndex(index), doSubents);
}

OdDbObjectId OdDbEntity::layerId() const {
  assertReadEnabled();
  return m_layer;
}

namespace {
OdString recordName(OdDbObjectId id) {
  OdDbObjectPtr obj = id.openObject();
  OdDbSymbolTableRecord* rec = obj.isNull() ? nullptr : static_cast<OdDbSymbolTableRecord*>(obj.get()->queryX(OdDbSymbolTableRecord::desc()));
  if (!rec) return OdString();
  OdString name = rec->getName();
  rec->release();
  return name;
}

// A record id of the given class in the given database (or in any, for objects being built).
bool isRecordOf(OdDbObjectId id, OdRxClass* cls, OdDbDatabase* db) {
  if (id.isNull() || !id.isValid() || id.isErased()) return false;
  if (db && id.database() != db) return false;
  OdDbObjectPtr obj = id.openObject();
  return !obj.isNull() && obj->isKindOf(cls);
}
}  // namespace

OdString OdDbEntity::layer() const { return recordName(layerId()); }

OdResult OdDbEntity::setLayer(OdDbObjectId layerId, bool doSubents, bool) {
  assertWriteEnabled();
  if (layerId.isNull()) return eNullObjectId;
  if (!isRecordOf(layerId, OdDbLayerTableRecord::desc(), database())) return eWrongObjectType;
  m_layer = layerId;
  forSubents(doSubents, [&](OdDbEntity* e) { e->setLayer(layerId, true); });
  return eOk;
}

OdDbObjectId OdDbEntity::linetypeId() const {
  assertReadEnabled();
  return m_linetype;
}

OdString OdDbEntity::linetype() const { return recordName(linetypeId()); }

OdResult OdDbEntity::setLinetype(OdDbObjectId linetypeId, bool doSubents) {
  assertWriteEnabled();
  if (linetypeId.isNull()) return eNullObjectId;
  if (!isRecordOf(linetypeId, OdDbLinetypeTableRecord::desc(), database())) return eWrongObjectType;
  m_linetype = linetypeId;
  forSubents(doSubents, [&](OdDbEntity* e) { e->setLinetype(linetypeId, true); });
  return eOk;
}

double OdDbEntity::linetypeScale() const {
  assertReadEnabled();
  return m_ltScale;
}

OdResult OdDbEntity::setLinetypeScale(double scale, bool doSubents) {
  assertWriteEnabled();
  if (!std::isfinite(scale) || scale <= 0.0) return eInvalidInput;
  m_ltScale = scale;
  forSubents(doSubents, [&](OdDbEntity* e) { e->setLinetypeScale(scale, true); });
  return eOk;
}

namespace {
// Print style names repeat over thousands of entities: each is kept once for
// the program's life; "ByLayer" is no name at all.
const OdString* sharedPlotStyle(const OdString& name) {
  if (name.iCompare(L"ByLayer") == 0) return nullptr;
  static std::deque<OdString> names;
  for (const OdString& n : names)
    if (n == name) return &n;
  names.push_back(name);
  return &names.back();
}
}  // namespace

OdString OdDbEntity::plotStyleName() const {
  assertReadEnabled();
  return m_plotStyle ? *m_plotStyle : OdString(L"ByLayer");
}

OdResult OdDbEntity::setPlotStyleName(const OdString& name, bool doSubents) {
  assertWriteEnabled();
  OdDbDatabase* db = database();
  if (db && db->getPSTYLEMODE()) return eNotApplicable;  // colour-dependent drawings have no named styles
  if (name.isEmpty()) return eInvalidInput;
  m_plotStyle = sharedPlotStyle(name);
  forSubents(doSubents, [&](OdDbEntity* e) { e->setPlotStyleName(name, true); });
  return eOk;
}

OdDb::LineWeight OdDbEntity::lineWeight() const {
  assertReadEnabled();
  return OdDb::LineWeight(m_lineWeight);
}

OdResult OdDbEntity::setLineWeight(OdDb::LineWeight weight, bool doSubents) {
  assertWriteEnabled();
  if (!OdDb::isValidLineWeight(int(weight))) return eInvalidInput;
  m_lineWeight = OdInt16(weight);
  forSubents(doSubents, [&](OdDbEntity* e) { e->setLineWeight(weight, true); });
  return eOk;
}

OdCmTransparency OdDbEntity::transparency() const {
  assertReadEnabled();
  return m_transparency;
}

OdResult OdDbEntity::setTransparency(const OdCmTransparency& transparency, bool doSubents) {
  assertWriteEnabled();
  if (transparency.isInvalid()) return eInvalidInput;
  m_transparency = transparency;
  forSubents(doSubents, [&](OdDbEntity* e) { e->setTransparency(transparency, true); });
  return eOk;
}

OdDb::Visibility OdDbEntity::visibility() const {
  assertReadEnabled();
  return OdDb::Visibility(m_visibility);
}

OdResult OdDbEntity::setVisibility(OdDb::Visibility visibility, bool doSubents) {
  assertWriteEnabled();
  m_visibility = OdUInt8(visibility);
  forSubents(doSubents, [&](OdDbEntity* e) { e->setVisibility(visibility, true); });
  return eOk;
}

void OdDbEntity::setDatabaseDefaults(OdDbDatabase* db) {
  if (!db) return;
  const OdDbHeaderVars& h = db->header();
  m_color = h.cecolor;
  m_layer = h.clayer.isNull() ? db->getLayerZeroId() : h.clayer;
  m_linetype = h.celtype.isNull() ? db->getLinetypeByLayerId() : h.celtype;
  m_ltScale = h.celtscale;
  m_lineWeight = OdInt16(h.celweight);
  m_transparency = h.cetransparency;
  m_plotStyle = sharedPlotStyle(h.cepsname);
}

void OdDbEntity::setPropertiesFrom(const OdDbEntity* other) {
  assertWriteEnabled();
  if (!other) return;
  m_color = other->m_color;
  m_layer = other->m_layer;
  m_linetype = other->m_linetype;
  m_ltScale = other->m_ltScale;
  m_plotStyle = other->m_plotStyle;
  m_lineWeight = other->m_lineWeight;
  m_transparency = other->m_transparency;
  m_visibility = other->m_visibility;
}

bool OdDbEntity::dxfAdoptFollowers(const std::vector<OdDbObjectId>&) { return false; }
void OdDbEntity::dxfFollowers(std::vector<OdDbObjectId>&) const {}

OdResult OdDbCurve::getSpline(OdSmartPtr<OdDbSpline>&) const { return eNotApplicable; }
OdResult OdDbCurve::getStartParam(double&) const { return eNotImplemented; }
OdResult OdDbCurve::getEndParam(double&) const { return eNotImplemented; }
OdResult OdDbCurve::getStartPoint(OdGePoint3d&) const { return eNotImplemented; }
OdResult OdDbCurve::getEndPoint(OdGePoint3d&) const { return eNotImplemented; }
OdResult OdDbCurve::getPointAtParam(double, OdGePoint3d&) const { return eNotImplemented; }
OdResult OdDbCurve::getDistAtParam(double, double&) const { return eNotImplemented; }
OdResult OdDbCurve::getArea(double&) const { return eNotImplemented; }

void OdDbEntity::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbEntity";
  if (OdDbDatabase* db = in.database()) {
    m_layer = in.recordNamed(db->getLayerTableId(), in.field(S, 8), L"0");
    const OdDxfTag* linetype = in.field(S, 6);
    m_linetype = linetype ? in.recordNamed(db->getLinetypeTableId(), linetype, OdString()) : db->getLinetypeByLayerId();
  }
  if (const OdDxfTag* color = in.field(S, 62)) {
    const long long index = in.toInteger(*color);
    m_color.setColorIndex(OdInt16(index < 0 ? (index < -256 ? 256 : -index) : (index > 257 ? 256 : index)));
  }
  if (const OdDxfTag* trueColor = in.field(S, 420)) {
    const OdUInt32 rgb = OdUInt32(in.toInteger(*trueColor));
    m_color.setRGB(OdUInt8(rgb >> 16), OdUInt8(rgb >> 8), OdUInt8(rgb));
  }
  if (in.has(S, 430)) {
    const OdString full = in.string(S, 430);
    const int dollar = full.find(L'$');
    if (dollar >= 0) m_color.setNames(full.mid(dollar + 1), full.left(dollar));
    else m_color.setNames(full, OdString());
  }
  m_ltScale = in.real(S, 48, 1.0);
  if (!(m_ltScale > 0.0)) m_ltScale = 1.0;
  m_visibility = in.integer(S, 60, 0) ? OdDb::kInvisible : OdDb::kVisible;
  const int weight = in.integer(S, 370, -1);
  m_lineWeight = OdInt16(OdDb::isValidLineWeight(weight) ? weight : int(OdDb::kLnWtByLayer));
  if (const OdDxfTag* t = in.field(S, 440)) m_transparency = OdCmTransparency::fromSerialized(OdUInt32(in.toInteger(*t)));
}

void OdDbEntity::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbEntity");
  const OdDbDatabase* db = database();
  out.integerOpt(67, db && ownerId() == db->getPaperSpaceId() ? 1 : 0, 0);
  if (m_layer.isNull()) out.original(8);
  else if (db && m_layer == db->getLayerZeroId() && out.fromFile() && !out.hadField(8)) out.own(8);  // as the file left it
  else out.recordName(8, m_layer);
  if (m_linetype.isNull()) out.original(6);
  else if (db && m_linetype == db->getLinetypeByLayerId() && !out.hadField(6)) out.own(6);
  else out.recordName(6, m_linetype);
  // A true colour keeps whatever index the file gave beside it, or none.
  if (m_color.isByLayer() && out.hadField(62)) out.integer(62, 256);
  else if (m_color.isByLayer()) out.own(62);
  else if (m_color.isByColor()) out.original(62);
  else out.integer(62, m_color.colorIndex());
  if (m_color.isByColor()) out.integer(420, m_color.rgb());
  else out.own(420);
  if (m_color.colorName().isEmpty()) out.own(430);
  else out.string(430, m_color.bookName() + L"$" + m_color.colorName());
  out.realOpt(48, m_ltScale, 1.0);
  out.integerOpt(60, m_visibility == OdDb::kInvisible ? 1 : 0, 0);
  out.integerOpt(370, m_lineWeight, OdDb::kLnWtByLayer);
  if (m_transparency.isByLayer()) out.own(440);
  else out.integer(440, m_transparency.serializeOut());
}

OdResult OdDbEntity::getGeomExtents(OdGeExtents3d&) const { return eNotApplicable; }
