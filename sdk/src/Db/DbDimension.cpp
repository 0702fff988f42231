#include "Db/DbDimension.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbDimension, OdDbEntity)
ODRX_DEFINE_MEMBERS_EX(OdDbAlignedDimension, OdDbDimension, L"DIMENSION", new OdDbAlignedDimension)
ODRX_DEFINE_MEMBERS_EX(OdDbRotatedDimension, OdDbDimension, L"DIMENSION", new OdDbRotatedDimension)

namespace {
const wchar_t* const kDstyle = L"DSTYLE";

bool isText(const OdResBuf* rb, int code, const wchar_t* text) {
  return rb && rb->restype() == code && rb->getString() == text;
}

// The element before the first pair of the "DSTYLE" list in the chain, or null.
OdResBuf* listOpening(OdResBuf* chain) {
  for (OdResBuf* rb = chain; rb; rb = rb->next().get())
    if (isText(rb, OdResBuf::kDxfXdAsciiString, kDstyle) && isText(rb->next().get(), OdResBuf::kDxfXdControlString, L"{"))
      return rb->next().get();
  return nullptr;
}

bool isClosing(const OdResBuf* rb) { return isText(rb, OdResBuf::kDxfXdControlString, L"}"); }

bool valueOf(const OdResBuf* rb, OdDbDimVar var, const OdDbDatabase* db, OdDbDimVarValue& out);

// The setting's pair in the list: its code element and its value element.
// A code of a known setting whose next element holds no value of it is an
// element alone, as is anything else that is no pair. tail receives the
// last element of the list before its closing brace.
struct ListPair {
  OdResBuf* code = nullptr;
  OdResBuf* value = nullptr;
  OdResBuf* tail = nullptr;
};
ListPair findPair(OdResBuf* opening, int code, const OdDbDatabase* db) {
  ListPair found;
  found.tail = opening;
  for (OdResBuf* rb = opening ? opening->next().get() : nullptr; rb && !isClosing(rb);) {
    OdResBuf* value = rb->next().get();
    bool pair = rb->restype() == OdResBuf::kDxfXdInteger16 && value && !isClosing(value);
    OdDbDimVar var;
    OdDbDimVarValue v;
    if (pair && odDbDimVarByCode(rb->getInt32(), var)) pair = valueOf(value, var, db, v);
    if (pair && rb->getInt32() == code) {
      found.code = rb;
      found.value = value;
      return found;
    }
    found.tail = pair ? value : rb;
    rb = found.tail->next().get();
  }
  return found;
}

// The value a list element holds for the setting; false when it holds none of the kind.
bool valueOf(const OdResBuf* rb, OdDbDimVar var, const OdDbDatabase* db, OdDbDimVarValue& out) {
  out = OdDbDimVarValue::defaultOf(var);
  const int type = rb->restype();
  switch (odDbDimVarInfo(var).kind) {
    case OdDbDimVarKind::Real:
      if (OdResBuf::kindOf(type) != OdResBuf::kDouble || !std::isfinite(rb->getDouble())) return false;
      out.real = rb->getDouble();
      return true;
    case OdDbDimVarKind::String:
      if (type != OdResBuf::kDxfXdAsciiString) return false;
      out.text = rb->getString();
      return true;
    case OdDbDimVarKind::Id: {
      if (type != OdResBuf::kDxfXdHandle || !db) return false;
      const std::string text = rb->getString().toUtf8();
      const OdDbHandle h(std::strtoull(text.c_str(), nullptr, 16));
      out.id = h.isNull() ? OdDbObjectId() : db->getOdDbObjectId(h);
      return true;
    }
    default:
      if (OdResBuf::kindOf(type) != OdResBuf::kInt) return false;
      out.integer = rb->getInt32();
      return true;
  }
}

OdResBufPtr elementOf(OdDbDimVar var, const OdDbDimVarValue& v) {
  switch (odDbDimVarInfo(var).kind) {
    case OdDbDimVarKind::Real: return OdResBuf::newRb(OdResBuf::kDxfXdReal, v.real);
    case OdDbDimVarKind::String: return OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, v.text);
    case OdDbDimVarKind::Id:
      return OdResBuf::newRb(OdResBuf::kDxfXdHandle, v.id.isNull() ? OdString(L"0") : v.id.getHandle().ascii());
    default: return OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(v.integer));
  }
}

OdGeVector3d inPlane(const OdGeVector3d& v, const OdGeVector3d& normal) { return v - normal * v.dotProduct(normal); }
}  // namespace

bool OdDbDimension::isConstraintDynamic() const {
  assertReadEnabled();
  return m_constraintDynamic;
}
void OdDbDimension::setConstraintDynamic(bool dynamic) {
  assertWriteEnabled();
  m_constraintDynamic = dynamic;
}

OdDbObjectId OdDbDimension::dimensionStyle() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbDimension::setDimensionStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (OdDbDimStyleTableRecord::cast(style.openObject()).isNull()) return eInvalidInput;
  m_style = style;
  return eOk;
}

bool odDbHasDimVarOverride(const OdDbObject& entity, OdDbDimVar var) {
  entity.assertReadEnabled();
  OdResBufPtr chain = entity.xData(L"ACAD");
  return findPair(listOpening(chain.get()), odDbDimVarInfo(var).code, entity.database()).value != nullptr;
}

OdDbDimVarValue odDbDimVarOf(const OdDbObject& entity, OdDbObjectId styleId, OdDbDimVar var) {
  entity.assertReadEnabled();
  OdResBufPtr chain = entity.xData(L"ACAD");
  OdDbDimVarValue v;
  if (OdResBuf* value = findPair(listOpening(chain.get()), odDbDimVarInfo(var).code, entity.database()).value)
    if (valueOf(value, var, entity.database(), v)) return v;
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(styleId.openObject());
  return style.isNull() ? OdDbDimVarValue::defaultOf(var) : style->dimVar(var);
}

bool OdDbDimension::hasOverride(OdDbDimVar var) const { return odDbHasDimVarOverride(*this, var); }
OdDbDimVarValue OdDbDimension::dimVar(OdDbDimVar var) const { return odDbDimVarOf(*this, dimensionStyle(), var); }
OdResult OdDbDimension::setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) {
  return odDbSetDimVarOverride(*this, var, value);
}

OdResult odDbSetDimVarOverride(OdDbObject& entity, OdDbDimVar var, const OdDbDimVarValue& value) {
  entity.assertWriteEnabled();
  if (!odDbDimVarIsValid(var, value)) return eInvalidInput;
  if (OdDbDatabase* db = entity.database())
    if (!db->newRegApp(L"ACAD")) return eRegappIdNotFound;
  OdResBufPtr chain = entity.xData(L"ACAD");
  if (chain.isNull()) chain = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(L"ACAD"));
  OdResBuf* opening = listOpening(chain.get());
  if (!opening) {
    OdResBuf* tail = chain->last();
    tail = tail->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, OdString(kDstyle)));
    opening = tail->setNext(OdResBuf::newRb(OdResBuf::kDxfXdControlString, OdString(L"{")));
    opening->setNext(OdResBuf::newRb(OdResBuf::kDxfXdControlString, OdString(L"}")));
  }
  // The pair's value is replaced where it stands; a new pair goes last in
  // the list (at the end of the chain when the list is not closed).
  const ListPair pair = findPair(opening, odDbDimVarInfo(var).code, entity.database());
  OdResBufPtr element = elementOf(var, value);
  if (pair.value) {
    element->setNext(pair.value->next());
    pair.code->setNext(element);
  } else {
    OdResBufPtr code = OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(odDbDimVarInfo(var).code));
    element->setNext(pair.tail->next());
    code->setNext(element);
    pair.tail->setNext(code);
  }
  return entity.setXData(chain);
}

OdGePoint3d OdDbDimension::textPosition() const {
  assertReadEnabled();
  return m_textPosition;
}
OdResult OdDbDimension::setTextPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_textPosition, position);
}
void OdDbDimension::useSetTextPosition() {
  assertWriteEnabled();
  m_userTextPosition = true;
}
void OdDbDimension::useDefaultTextPosition() {
  assertWriteEnabled();
  m_userTextPosition = false;
}
bool OdDbDimension::isUsingDefaultTextPosition() const {
  assertReadEnabled();
  return !m_userTextPosition;
}
double OdDbDimension::textRotation() const {
  assertReadEnabled();
  return m_textRotation;
}
OdResult OdDbDimension::setTextRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_textRotation, angle);
}
OdString OdDbDimension::dimensionText() const {
  assertReadEnabled();
  return m_text;
}
OdResult OdDbDimension::setDimensionText(const OdString& text) {
  assertWriteEnabled();
  m_text = text;
  return eOk;
}
double OdDbDimension::horizontalDirection() const {
  assertReadEnabled();
  return m_horizontal;
}
OdResult OdDbDimension::setHorizontalDirection(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_horizontal, angle);
}
OdGeVector3d OdDbDimension::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbDimension::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
OdDbObjectId OdDbDimension::dimBlockId() const {
  assertReadEnabled();
  return m_block;
}

OdCmColor OdDbDimension::getBgrndTxtColor() const { return dimtfillclr(); }
OdResult OdDbDimension::setBgrndTxtColor(const OdCmColor& color, int flag) {
  if (flag < 0 || flag > 2) return eInvalidInput;
  const OdResult r = setDimtfill(flag);
  return r != eOk || flag != 2 ? r : setDimtfillclr(color);
}

double OdDbDimension::getMeasurement() const { return 0.0; }

void OdDbDimension::planeAxes(OdGeVector3d& x, OdGeVector3d& y) const {
  x = m_normal.perpVector();
  y = m_normal.crossProduct(x);
}

void OdDbDimension::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().dimstyle;
}

void OdDbDimension::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbDimension";
  m_normal = in.normal(S);
  m_textPosition = in.ocsPoint(S, 11, m_normal);
  m_userTextPosition = (in.integer(S, 70, 0) & 128) != 0;
  m_text = in.string(S, 1);
  m_textRotation = OdaToRadian(in.real(S, 53, 0.0));
  m_horizontal = OdaToRadian(in.real(S, 51, 0.0));
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr styles = OdDbSymbolTable::cast(db->getDimStyleTableId().openObject());
    if (!styles.isNull()) m_style = styles->getAt(in.string(S, 3, L"Standard"));
    OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject());
    if (!blocks.isNull() && in.has(S, 2)) m_block = blocks->getAt(in.string(S, 2));
  }
}

void OdDbDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbDimension");
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(m_block.openObject());
  if (!block.isNull()) out.name(2, block->getName());
  else if (out.hadField(2)) out.original(2);
  else out.own(2);
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(m_style.openObject());
  if (style.isNull()) out.original(3);
  else out.name(3, style->getName());
  dxfOutDefiningPoint(out);
  out.ocsPoint(11, m_textPosition, m_normal);
  // A file without the type field keeps without it while the text stays where the style puts it.
  const int type = dxfDimType() | 32 | (m_userTextPosition ? 128 : 0);
  if (out.fromFile()) out.flags(70, type, dxfTypeMask(), dxfDimType() | 32);
  else out.integer(70, type);
  if (!m_text.isEmpty() || out.hadField(1)) out.string(1, m_text);
  else out.own(1);
  dxfOutCommonOblique(out);
  out.angleOpt(53, m_textRotation, 0.0);
  out.angleOpt(51, m_horizontal, 0.0);
  out.normal(210, m_normal);
}

void OdDbDimension::dxfOutDefiningPoint(OdDxfOut&) const {}
void OdDbDimension::dxfOutCommonOblique(OdDxfOut&) const {}

void OdDbLinearDimensionPoints::read(const OdDxfIn& in) {
  dimLine = in.point("AcDbDimension", 10);
  xLine1 = in.point("AcDbAlignedDimension", 13);
  xLine2 = in.point("AcDbAlignedDimension", 14);
  obliqueInDimension = !in.has("AcDbAlignedDimension", 52) && in.has("AcDbDimension", 52);
  oblique = OdaToRadian(in.real(obliqueInDimension ? "AcDbDimension" : "AcDbAlignedDimension", 52, 0.0));
}

void OdDbLinearDimensionPoints::writeCommon(OdDxfOut& out) const {
  if (obliqueInDimension) out.angleOpt(52, oblique, 0.0);
}

void OdDbLinearDimensionPoints::write(OdDxfOut& out) const {
  out.point(13, xLine1);
  out.point(14, xLine2);
  if (!obliqueInDimension) out.angleOpt(52, oblique, 0.0);
}

#define KD_LINEAR_POINTS(Class)                                                               \
  OdGePoint3d Class::xLine1Point() const {                                                    \
    assertReadEnabled();                                                                      \
    return m_points.xLine1;                                                                   \
  }                                                                                           \
  OdResult Class::setXLine1Point(const OdGePoint3d& point) {                                  \
    assertWriteEnabled();                                                                     \
    return odDbAssignFinite(m_points.xLine1, point);                                          \
  }                                                                                           \
  OdGePoint3d Class::xLine2Point() const {                                                    \
    assertReadEnabled();                                                                      \
    return m_points.xLine2;                                                                   \
  }                                                                                           \
  OdResult Class::setXLine2Point(const OdGePoint3d& point) {                                  \
    assertWriteEnabled();                                                                     \
    return odDbAssignFinite(m_points.xLine2, point);                                          \
  }                                                                                           \
  OdGePoint3d Class::dimLinePoint() const {                                                   \
    assertReadEnabled();                                                                      \
    return m_points.dimLine;                                                                  \
  }                                                                                           \
  OdResult Class::setDimLinePoint(const OdGePoint3d& point) {                                 \
    assertWriteEnabled();                                                                     \
    return odDbAssignFinite(m_points.dimLine, point);                                         \
  }                                                                                           \
  double Class::oblique() const {                                                             \
    assertReadEnabled();                                                                      \
    return m_points.oblique;                                                                  \
  }                                                                                           \
  OdResult Class::setOblique(double angle) {                                                  \
    assertWriteEnabled();                                                                     \
    return odDbAssignFinite(m_points.oblique, angle);                                         \
  }
KD_LINEAR_POINTS(OdDbAlignedDimension)
KD_LINEAR_POINTS(OdDbRotatedDimension)
#undef KD_LINEAR_POINTS

double OdDbAlignedDimension::getMeasurement() const {
  assertReadEnabled();
  return inPlane(m_points.xLine2 - m_points.xLine1, normal()).length();
}

void OdDbAlignedDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  m_points.read(in);
}

void OdDbAlignedDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_points.dimLine); }
void OdDbAlignedDimension::dxfOutCommonOblique(OdDxfOut& out) const { m_points.writeCommon(out); }

void OdDbAlignedDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbAlignedDimension");
  m_points.write(out);
}

double OdDbRotatedDimension::rotation() const {
  assertReadEnabled();
  return m_rotation;
}
OdResult OdDbRotatedDimension::setRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rotation, angle);
}

double OdDbRotatedDimension::getMeasurement() const {
  assertReadEnabled();
  OdGeVector3d x, y;
  planeAxes(x, y);
  const OdGeVector3d along = x * std::cos(m_rotation) + y * std::sin(m_rotation);
  return std::fabs((m_points.xLine2 - m_points.xLine1).dotProduct(along));
}

void OdDbRotatedDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  m_points.read(in);
  m_rotation = OdaToRadian(in.real("AcDbAlignedDimension", 50, 0.0));
}

void OdDbRotatedDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_points.dimLine); }
void OdDbRotatedDimension::dxfOutCommonOblique(OdDxfOut& out) const { m_points.writeCommon(out); }

void OdDbRotatedDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbAlignedDimension");
  m_points.write(out);
  out.angleOpt(50, m_rotation, 0.0);
  out.subclass("AcDbRotatedDimension");
}
