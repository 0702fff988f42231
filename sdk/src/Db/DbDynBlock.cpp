#include "Db/DbDynBlock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Ge/GePlane.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbBlockElement, OdDbObject, L"", new OdDbBlockElement)
ODRX_DEFINE_MEMBERS_EX(OdDbEvalGraph, OdDbObject, L"ACAD_EVALUATION_GRAPH", new OdDbEvalGraph)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockParameter, OdDbBlockElement, L"", new OdDbBlockParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlock1PtParameter, OdDbBlockParameter, L"", new OdDbBlock1PtParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlock2PtParameter, OdDbBlockParameter, L"", new OdDbBlock2PtParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockLinearParameter, OdDbBlock2PtParameter, L"BLOCKLINEARPARAMETER", new OdDbBlockLinearParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockPolarParameter, OdDbBlock2PtParameter, L"BLOCKPOLARPARAMETER", new OdDbBlockPolarParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockXYParameter, OdDbBlock2PtParameter, L"BLOCKXYPARAMETER", new OdDbBlockXYParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockRotationParameter, OdDbBlock2PtParameter, L"BLOCKROTATIONPARAMETER", new OdDbBlockRotationParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockFlipParameter, OdDbBlock2PtParameter, L"BLOCKFLIPPARAMETER", new OdDbBlockFlipParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockAlignmentParameter, OdDbBlock2PtParameter, L"BLOCKALIGNMENTPARAMETER", new OdDbBlockAlignmentParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockPointParameter, OdDbBlock1PtParameter, L"BLOCKPOINTPARAMETER", new OdDbBlockPointParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockVisibilityParameter, OdDbBlock1PtParameter, L"BLOCKVISIBILITYPARAMETER", new OdDbBlockVisibilityParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockLookupParameter, OdDbBlock1PtParameter, L"BLOCKLOOKUPPARAMETER", new OdDbBlockLookupParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockBasepointParameter, OdDbBlock1PtParameter, L"BLOCKBASEPOINTPARAMETER", new OdDbBlockBasepointParameter)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockAction, OdDbBlockElement, L"", new OdDbBlockAction)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockFlipAction, OdDbBlockAction, L"BLOCKFLIPACTION", new OdDbBlockFlipAction)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockLookupAction, OdDbBlockAction, L"BLOCKLOOKUPACTION", new OdDbBlockLookupAction)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockRepresentationData, OdDbObject, L"ACDB_BLOCKREPRESENTATION_DATA",
                       new OdDbBlockRepresentationData)

namespace {
const wchar_t kGraphKey[] = L"ACAD_ENHANCEDBLOCK";
const wchar_t kRepresentation[] = L"AcDbBlockRepresentation";
const wchar_t kRepData[] = L"AcDbRepData";
const wchar_t kCache[] = L"AppDataCache";
const wchar_t kData[] = L"ACAD_ENHANCEDBLOCKDATA";
const wchar_t kBlockMark[] = L"AcDbBlockRepBTag";
const wchar_t kEntityMark[] = L"AcDbBlockRepETag";

// A point the file gives as code, code + 10, code + 20 from the tag at i on.
OdGePoint3d pointAt(const OdDxfIn& in, const std::vector<const OdDxfTag*>& tags, size_t& i) {
  OdGePoint3d p(in.toReal(*tags[i]), 0.0, 0.0);
  const int code = tags[i]->code;
  if (i + 1 < tags.size() && tags[i + 1]->code == code + 10) p.y = in.toReal(*tags[++i]);
  if (i + 1 < tags.size() && tags[i + 1]->code == code + 20) p.z = in.toReal(*tags[++i]);
  return p;
}

// The tags of a subclass read leniently: a value that is not a number reads as 0.
double realOf(const OdDxfIn& in, const OdDxfTag& t) {
  try {
    return in.toReal(t);
  } catch (...) {
    return 0.0;
  }
}
long long intOf(const OdDxfIn& in, const OdDxfTag& t) {
  try {
    return in.toInteger(t);
  } catch (...) {
    return 0;
  }
}

double normalized(double angle) {
  double a = std::fmod(angle, Oda2PI);
  if (a < 0.0) a += Oda2PI;
  return a >= Oda2PI ? 0.0 : a;
}

bool near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); }

OdResBufPtr rbDouble(double v) { return OdResBuf::newRb(40, v); }

// Labels and value sets of a parameter kind, read in file order: the name and
// description codes given, then value sets (a flags code 96 or 97, the
// minimum, maximum and increment, a count and that many values).
void readLabels(const OdDxfIn& in, const char* marker, OdDbBlockParamData& data, const int (&codes)[4],
                bool valueSets) {
  const std::vector<const OdDxfTag*> tags = in.section(marker);
  int set = -1, stage = 0;
  long long count = 0;
  for (const OdDxfTag* t : tags) {
    for (int k = 0; k < 4; ++k)
      if (codes[k] == t->code) {
        const OdString text = in.codec().decode(in.text(*t));
        (k % 2 == 0 ? data.name : data.description)[k / 2] = text;
      }
    if (!valueSets) continue;
    if ((t->code == 96 || t->code == 97) && set < 1) {
      ++set;
      stage = 1;
      data.values[set].flags = int(intOf(in, *t));
      continue;
    }
    if (set < 0) continue;
    OdDbBlockParamValueSet& v = data.values[set];
    const bool real = t->code >= 140 && t->code <= 149;
    if (real && stage == 1) v.minimum = realOf(in, *t), stage = 2;
    else if (real && stage == 2) v.maximum = realOf(in, *t), stage = 3;
    else if (real && stage == 3) v.increment = realOf(in, *t), stage = 4;
    else if (t->code >= 175 && t->code <= 176 && stage == 4) count = std::min(intOf(in, *t), 100000LL), stage = 5;
    else if (real && stage == 5 && count > 0) {
      v.values.push_back(realOf(in, *t));
      if (--count == 0) stage = 6;
    }
  }
}

void writeLabels(OdDxfOut& out, const OdDbBlockParamData& data, const int (&codes)[4], int sets) {
  for (int k = 0; k < 4; ++k)
    if (codes[k]) out.string(codes[k], (k % 2 == 0 ? data.name : data.description)[k / 2]);
  for (int s = 0; s < sets; ++s) {
    const OdDbBlockParamValueSet& v = data.values[s];
    out.integer(96 + s, v.flags);
    out.real(141 + 3 * s, v.minimum);
    out.real(142 + 3 * s, v.maximum);
    out.real(143 + 3 * s, v.increment);
    out.integer(175 + s, static_cast<long long>(v.values.size()));
    for (double x : v.values) out.real(140, x);
  }
}

OdResBufPtr copyRb(const OdResBuf& rb) {
  OdResBufPtr c = OdResBuf::newRb(rb.restype());
  switch (OdResBuf::kindOf(rb.restype())) {
    case OdResBuf::kDouble: c->setDouble(rb.getDouble()); break;
    case OdResBuf::kInt: c->setInt32(rb.getInt32()); break;
    case OdResBuf::kPoint: c->setPoint3d(rb.getPoint3d()); break;
    default: c->setString(rb.getString()); break;
  }
  return c;
}

bool isNumber(const OdResBuf& v, double& out) {
  if (OdResBuf::kindOf(v.restype()) == OdResBuf::kDouble) out = v.getDouble();
  else if (OdResBuf::kindOf(v.restype()) == OdResBuf::kInt) out = v.getInt32();
  else return false;
  return std::isfinite(out);
}

// The direction from base to end, or the fallback when they coincide.
OdGeVector3d directionOf(const OdGePoint3d& base, const OdGePoint3d& end, const OdGeVector3d& fallback) {
  OdGeVector3d d = end - base;
  if (d.isZeroLength()) d = fallback;
  if (d.isZeroLength()) d = OdGeVector3d::kXAxis;
  return d.normalize();
}
}  // namespace

// ---------------------------------------------------------------- elements

void OdDbBlockElement::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  for (const OdDxfTag* t : in.section("AcDbEvalExpr"))
    if (t->code == 90) {
      m_nodeId = int(intOf(in, *t));
      break;
    }
  for (const OdDxfTag* t : in.section("AcDbBlockElement"))
    if (t->code == 300) {
      m_name = in.codec().decode(in.text(*t));
      break;
    }
}

void OdDbBlockElement::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbEvalExpr");
  out.integer(90, m_nodeId);
  if (!out.fromFile()) out.integer(98, 33), out.integer(99, 329);
  out.subclass("AcDbBlockElement");
  out.string(300, m_name);
  if (!out.fromFile()) out.integer(98, 33), out.integer(99, 329), out.integer(1071, 0);
}

OdResult OdDbEvalGraph::addNode(OdDbBlockElement* element) {
  assertWriteEnabled();
  OdDbDatabase* db = database();
  if (!element || !db) return eInvalidInput;
  int next = 1;
  for (const OdDbObjectId& id : m_nodes) {
    OdDbBlockElementPtr e = OdDbBlockElement::cast(id.openObject());
    if (!e.isNull()) next = std::max(next, e->nodeId() + 1);
  }
  element->setNodeId(next);
  const OdDbObjectId id = db->addOdDbObject(element, objectId());
  m_nodes.append(id);
  return eOk;
}

void OdDbEvalGraph::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  m_nodes.clear();
  for (const OdDxfTag* t : in.section("AcDbEvalGraph"))
    if (t->code == 360) {
      const OdDbObjectId id = in.database() ? in.database()->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(*t))))
                                            : OdDbObjectId();
      if (!id.isNull()) m_nodes.append(id);
    }
}

void OdDbEvalGraph::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbEvalGraph");
  // A new graph lists its nodes without edges; the edges of a read one stay as read.
  if (out.fromFile()) {
    out.own(360);
    return;
  }
  out.integer(96, static_cast<long long>(m_nodes.size()));
  out.integer(97, static_cast<long long>(m_nodes.size()));
  for (unsigned i = 0; i < m_nodes.size(); ++i) {
    OdDbBlockElementPtr e = OdDbBlockElement::cast(m_nodes[i].openObject());
    out.integer(91, i);
    out.integer(93, 32);
    out.integer(95, e.isNull() ? 0 : e->nodeId());
    out.reference(360, m_nodes[i]);
    for (int k = 0; k < 4; ++k) out.integer(92, -1);
  }
}

void OdDbBlockParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlockElement::dxfInFields(in);
  for (const OdDxfTag* t : in.section("AcDbBlockParameter")) {
    if (t->code == 280) m_show = intOf(in, *t) != 0;
    if (t->code == 281) m_chain = intOf(in, *t) != 0;
  }
}
void OdDbBlockParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockElement::dxfOutFields(out);
  out.subclass("AcDbBlockParameter");
  out.integer(280, m_show ? 1 : 0);
  out.integer(281, m_chain ? 1 : 0);
}
OdResBufPtr OdDbBlockParameter::value(const OdDbBlockParamState&, int) const { return OdResBufPtr(); }
OdResult OdDbBlockParameter::setValue(OdDbBlockParamState&, int, const OdResBuf&) const { return eNotApplicable; }
std::vector<OdResBufPtr> OdDbBlockParameter::allowedValues(int) const { return {}; }

void OdDbBlock1PtParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlockParameter::dxfInFields(in);
  const std::vector<const OdDxfTag*> tags = in.section("AcDbBlock1PtParameter");
  for (size_t i = 0; i < tags.size(); ++i)
    if (tags[i]->code == 1010) {
      m_location = pointAt(in, tags, i);
      break;
    }
}
void OdDbBlock1PtParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockParameter::dxfOutFields(out);
  out.subclass("AcDbBlock1PtParameter");
  out.point(1010, m_location);
}
OdDbBlockParamState OdDbBlock1PtParameter::defaultState() const {
  OdDbBlockParamState s;
  s.items.push_back(OdResBuf::newRb(10, location()));
  return s;
}

void OdDbBlock2PtParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlockParameter::dxfInFields(in);
  const std::vector<const OdDxfTag*> tags = in.section("AcDbBlock2PtParameter");
  bool base = false, end = false;
  for (size_t i = 0; i < tags.size(); ++i) {
    if (tags[i]->code == 1010 && !base) m_base = pointAt(in, tags, i), base = true;
    else if (tags[i]->code == 1011 && !end) m_end = pointAt(in, tags, i), end = true;
  }
}
void OdDbBlock2PtParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockParameter::dxfOutFields(out);
  out.subclass("AcDbBlock2PtParameter");
  out.point(1010, m_base);
  out.point(1011, m_end);
}
OdDbBlockParamState OdDbBlock2PtParameter::defaultState() const {
  OdDbBlockParamState s;
  s.items.push_back(OdResBuf::newRb(10, basePoint()));
  s.items.push_back(OdResBuf::newRb(10, endPoint()));
  s.items.push_back(OdResBuf::newRb(10, OdGePoint3d(0.0, 0.0, -1.0)));
  return s;
}

// ---------------------------------------------------------------- value sets and states

std::vector<double> OdDbBlockParamValueSet::choices() const {
  if (!values.empty()) return values;
  std::vector<double> steps;
  if (increment > 0.0 && maximum > minimum && (maximum - minimum) / increment <= 1000.0)
    for (double v = minimum; v <= maximum + 1e-9 * std::max(1.0, std::fabs(maximum)); v += increment) steps.push_back(v);
  return steps;
}

bool OdDbBlockParamValueSet::allows(double value) const {
  if (!std::isfinite(value)) return false;
  if (!values.empty()) {
    for (double v : values)
      if (near(value, v)) return true;
    return false;
  }
  if (maximum > minimum) {
    const double eps = 1e-9 * std::max(1.0, std::fabs(maximum));
    if (value < minimum - eps || value > maximum + eps) return false;
    if (increment > 0.0) {
      const double k = (value - minimum) / increment;
      return std::fabs(k - std::round(k)) <= 1e-9 * std::max(1.0, std::fabs(k));
    }
  }
  return true;
}

OdResBuf* OdDbBlockParamState::nth(OdResBuf::ValueKind kind, int n) const {
  for (const OdResBufPtr& rb : items)
    if (OdResBuf::kindOf(rb->restype()) == kind && n-- == 0) return rb.get();
  return nullptr;
}
OdGePoint3d OdDbBlockParamState::point(int n, const OdGePoint3d& def) const {
  const OdResBuf* rb = nth(OdResBuf::kPoint, n);
  return rb ? rb->getPoint3d() : def;
}
void OdDbBlockParamState::setPoint(int n, const OdGePoint3d& p) {
  if (OdResBuf* rb = nth(OdResBuf::kPoint, n)) rb->setPoint3d(p);
  else {
    while (!nth(OdResBuf::kPoint, n)) items.push_back(OdResBuf::newRb(10, p));
  }
}

// ---------------------------------------------------------------- parameter kinds

namespace {
const int kLinearCodes[4] = {305, 306, 0, 0};
const int kTwoCodes[4] = {305, 306, 307, 308};
const int kPointCodes[4] = {303, 304, 0, 0};
const int kVisibilityCodes[4] = {301, 302, 0, 0};

std::vector<OdResBufPtr> doubles(const std::vector<double>& values) {
  std::vector<OdResBufPtr> out;
  for (double v : values) out.push_back(rbDouble(v));
  return out;
}
}  // namespace

#define KD_LABELS_IO(ClassName, Parent, Marker, Codes, Sets)             \
  void ClassName::dxfInFields(const OdDxfIn& in) {                       \
    Parent::dxfInFields(in);                                             \
    data = OdDbBlockParamData();                                     \
    readLabels(in, Marker, data, Codes, Sets > 0);                     \
  }                                                                      \
  void ClassName::dxfOutFields(OdDxfOut& out) const {                    \
    Parent::dxfOutFields(out);                                           \
    out.subclass(Marker);                                                \
    writeLabels(out, data, Codes, Sets);                               \
  }

// Linear: the distance from the base point to the end point.
KD_LABELS_IO(OdDbBlockLinearParameter, OdDbBlock2PtParameter, "AcDbBlockLinearParameter", kLinearCodes, 1)
std::vector<OdDbBlockParamProperty> OdDbBlockLinearParameter::properties() const {
  return {{data.name[0], data.description[0], 2, 40, false}};
}
OdDbBlockParamState OdDbBlockLinearParameter::defaultState() const { return OdDbBlock2PtParameter::defaultState(); }
OdResBufPtr OdDbBlockLinearParameter::value(const OdDbBlockParamState& s, int) const {
  return rbDouble(s.point(0).distanceTo(s.point(1)));
}
OdResult OdDbBlockLinearParameter::setValue(OdDbBlockParamState& s, int, const OdResBuf& v) const {
  double d;
  if (!isNumber(v, d) || d < 0.0 || !data.values[0].allows(d)) return eInvalidInput;
  const OdGePoint3d base = s.point(0);
  s.setPoint(1, base + directionOf(base, s.point(1), endPoint() - basePoint()) * d);
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockLinearParameter::allowedValues(int) const { return doubles(data.values[0].choices()); }

// Polar: the distance and the angle of the end point seen from the base point.
KD_LABELS_IO(OdDbBlockPolarParameter, OdDbBlock2PtParameter, "AcDbBlockPolarParameter", kTwoCodes, 2)
std::vector<OdDbBlockParamProperty> OdDbBlockPolarParameter::properties() const {
  return {{data.name[0], data.description[0], 2, 40, false}, {data.name[1], data.description[1], 1, 40, false}};
}
OdDbBlockParamState OdDbBlockPolarParameter::defaultState() const { return OdDbBlock2PtParameter::defaultState(); }
OdResBufPtr OdDbBlockPolarParameter::value(const OdDbBlockParamState& s, int property) const {
  const OdGeVector3d d = s.point(1) - s.point(0);
  return rbDouble(property == 0 ? d.length() : normalized(std::atan2(d.y, d.x)));
}
OdResult OdDbBlockPolarParameter::setValue(OdDbBlockParamState& s, int property, const OdResBuf& v) const {
  double x;
  if (!isNumber(v, x) || !data.values[property == 0 ? 0 : 1].allows(x) || (property == 0 && x < 0.0))
    return eInvalidInput;
  const OdGePoint3d base = s.point(0);
  const OdGeVector3d d = s.point(1) - base;
  if (property == 0) s.setPoint(1, base + directionOf(base, s.point(1), endPoint() - basePoint()) * x);
  else s.setPoint(1, base + OdGeVector3d(std::cos(x), std::sin(x), 0.0) * d.length());
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockPolarParameter::allowedValues(int property) const {
  return doubles(data.values[property == 0 ? 0 : 1].choices());
}

// XY: the end point's offsets from the base point along X and Y.
KD_LABELS_IO(OdDbBlockXYParameter, OdDbBlock2PtParameter, "AcDbBlockXYParameter", kTwoCodes, 2)
std::vector<OdDbBlockParamProperty> OdDbBlockXYParameter::properties() const {
  return {{data.name[0], data.description[0], 2, 40, false}, {data.name[1], data.description[1], 2, 40, false}};
}
OdDbBlockParamState OdDbBlockXYParameter::defaultState() const { return OdDbBlock2PtParameter::defaultState(); }
OdResBufPtr OdDbBlockXYParameter::value(const OdDbBlockParamState& s, int property) const {
  const OdGeVector3d d = s.point(1) - s.point(0);
  return rbDouble(property == 0 ? d.x : d.y);
}
OdResult OdDbBlockXYParameter::setValue(OdDbBlockParamState& s, int property, const OdResBuf& v) const {
  double x;
  if (!isNumber(v, x) || !data.values[property == 0 ? 0 : 1].allows(x)) return eInvalidInput;
  OdGePoint3d end = s.point(1);
  (property == 0 ? end.x : end.y) = (property == 0 ? s.point(0).x : s.point(0).y) + x;
  s.setPoint(1, end);
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockXYParameter::allowedValues(int property) const {
  return doubles(data.values[property == 0 ? 0 : 1].choices());
}

// Rotation: the end point's angle about the base point, from the base angle point's.
void OdDbBlockRotationParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlock2PtParameter::dxfInFields(in);
  data = OdDbBlockParamData();
  readLabels(in, "AcDbBlockRotationParameter", data, kLinearCodes, true);
  const std::vector<const OdDxfTag*> tags = in.section("AcDbBlockRotationParameter");
  for (size_t i = 0; i < tags.size() && !data.hasBaseAngle; ++i)
    if (tags[i]->code == 1011) data.baseAngle = pointAt(in, tags, i), data.hasBaseAngle = true;
}
void OdDbBlockRotationParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlock2PtParameter::dxfOutFields(out);
  out.subclass("AcDbBlockRotationParameter");
  out.string(305, data.name[0]);
  out.string(306, data.description[0]);
  out.point(1011, data.hasBaseAngle ? data.baseAngle : basePoint() + OdGeVector3d::kXAxis);
  writeLabels(out, data, {0, 0, 0, 0}, 1);
}
namespace {
OdGePoint3d baseAngleOf(const OdDbBlockRotationParameter& p) {
  return p.data.hasBaseAngle ? p.data.baseAngle : p.basePoint() + OdGeVector3d::kXAxis;
}
double angleOf(const OdGeVector3d& v) { return std::atan2(v.y, v.x); }
}  // namespace
std::vector<OdDbBlockParamProperty> OdDbBlockRotationParameter::properties() const {
  return {{data.name[0], data.description[0], 1, 40, false}};
}
OdDbBlockParamState OdDbBlockRotationParameter::defaultState() const {
  OdDbBlockParamState s = OdDbBlock2PtParameter::defaultState();
  s.items.push_back(OdResBuf::newRb(10, baseAngleOf(*this)));
  return s;
}
OdResBufPtr OdDbBlockRotationParameter::value(const OdDbBlockParamState& s, int) const {
  const OdGePoint3d base = s.point(0);
  return rbDouble(normalized(angleOf(s.point(1) - base) - angleOf(s.point(3, baseAngleOf(*this)) - base)));
}
OdResult OdDbBlockRotationParameter::setValue(OdDbBlockParamState& s, int, const OdResBuf& v) const {
  double a;
  if (!isNumber(v, a) || !data.values[0].allows(normalized(a))) return eInvalidInput;
  const OdGePoint3d base = s.point(0);
  double radius = s.point(1).distanceTo(base);
  if (radius == 0.0) radius = endPoint().distanceTo(basePoint());
  const double at = a + angleOf(s.point(3, baseAngleOf(*this)) - base);
  s.setPoint(1, base + OdGeVector3d(std::cos(at), std::sin(at), 0.0) * radius);
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockRotationParameter::allowedValues(int) const {
  return doubles(data.values[0].choices());
}

// Flip: a state, 0 or 1, and the line the flip mirrors about.
KD_LABELS_IO(OdDbBlockFlipParameter, OdDbBlock2PtParameter, "AcDbBlockFlipParameter", kTwoCodes, 0)
std::vector<OdDbBlockParamProperty> OdDbBlockFlipParameter::properties() const {
  return {{data.name[0], data.description[0], 0, 70, false}};
}
OdDbBlockParamState OdDbBlockFlipParameter::defaultState() const {
  OdDbBlockParamState s = OdDbBlock2PtParameter::defaultState();
  s.items.push_back(OdResBuf::newRb(70, OdInt32(0)));
  return s;
}
OdResBufPtr OdDbBlockFlipParameter::value(const OdDbBlockParamState& s, int) const {
  const OdResBuf* state = s.nth(OdResBuf::kInt, 0);
  return OdResBuf::newRb(70, OdInt32(state && state->getInt32() != 0 ? 1 : 0));
}
OdResult OdDbBlockFlipParameter::setValue(OdDbBlockParamState& s, int, const OdResBuf& v) const {
  double x;
  if (!isNumber(v, x)) return eInvalidInput;
  const OdInt32 state = x != 0.0 ? 1 : 0;
  if (OdResBuf* rb = s.nth(OdResBuf::kInt, 0)) rb->setInt32(state);
  else s.items.push_back(OdResBuf::newRb(70, state));
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockFlipParameter::allowedValues(int) const {
  return {OdResBuf::newRb(70, OdInt32(0)), OdResBuf::newRb(70, OdInt32(1))};
}

// Point: the point's X and Y.
KD_LABELS_IO(OdDbBlockPointParameter, OdDbBlock1PtParameter, "AcDbBlockPointParameter", kPointCodes, 0)
std::vector<OdDbBlockParamProperty> OdDbBlockPointParameter::properties() const {
  return {{data.name[0] + L" X", data.description[0], 2, 40, false},
          {data.name[0] + L" Y", data.description[0], 2, 40, false}};
}
OdDbBlockParamState OdDbBlockPointParameter::defaultState() const { return OdDbBlock1PtParameter::defaultState(); }
OdResBufPtr OdDbBlockPointParameter::value(const OdDbBlockParamState& s, int property) const {
  const OdGePoint3d p = s.point(0, location());
  return rbDouble(property == 0 ? p.x : p.y);
}
OdResult OdDbBlockPointParameter::setValue(OdDbBlockParamState& s, int property, const OdResBuf& v) const {
  double x;
  if (!isNumber(v, x)) return eInvalidInput;
  OdGePoint3d p = s.point(0, location());
  (property == 0 ? p.x : p.y) = x;
  s.setPoint(0, p);
  return eOk;
}
std::vector<OdResBufPtr> OdDbBlockPointParameter::allowedValues(int) const { return {}; }

// Visibility: the name of the state shown. After the name and description:
// the definition's own state (91), the governed entities (93 and 331s), the
// state count (92), then for each state its name (303), its entities (94 and
// 332s) and its graph nodes (95 and 333s).
void OdDbBlockVisibilityParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlock1PtParameter::dxfInFields(in);
  data = OdDbBlockParamData();
  readLabels(in, "AcDbBlockVisibilityParameter", data, kVisibilityCodes, false);
  OdDbDatabase* db = in.database();
  auto idOf = [&](const OdDxfTag& t) {
    return db ? db->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(t)))) : OdDbObjectId();
  };
  for (const OdDxfTag* t : in.section("AcDbBlockVisibilityParameter")) {
    switch (t->code) {
      case 91: data.current = int(intOf(in, *t)); break;
      case 331: data.entities.append(idOf(*t)); break;
      case 303: data.states.push_back(OdDbBlockVisibilityState{in.codec().decode(in.text(*t)), {}, {}}); break;
      case 332: if (!data.states.empty()) data.states.back().entities.append(idOf(*t)); break;
      case 333: if (!data.states.empty()) data.states.back().nodes.push_back(int(odDxfParseHandle(in.text(*t)))); break;
      default: break;
    }
  }
}
void OdDbBlockVisibilityParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlock1PtParameter::dxfOutFields(out);
  out.subclass("AcDbBlockVisibilityParameter");
  out.integer(281, 1);
  out.string(301, data.name[0]);
  out.string(302, data.description[0]);
  out.integer(91, data.current);
  out.integer(93, static_cast<long long>(data.entities.size()));
  for (const OdDbObjectId& id : data.entities) out.reference(331, id);
  out.integer(92, static_cast<long long>(data.states.size()));
  for (const OdDbBlockVisibilityState& s : data.states) {
    out.string(303, s.name);
    out.integer(94, static_cast<long long>(s.entities.size()));
    for (const OdDbObjectId& id : s.entities) out.reference(332, id);
    out.integer(95, 0);
  }
}
std::vector<OdDbBlockParamProperty> OdDbBlockVisibilityParameter::properties() const {
  return {{data.name[0], data.description[0], 0, 1, false}};
}
OdDbBlockParamState OdDbBlockVisibilityParameter::defaultState() const {
  OdDbBlockParamState s = OdDbBlock1PtParameter::defaultState();
  const bool known = data.current >= 0 && size_t(data.current) < data.states.size();
  s.items.push_back(OdResBuf::newRb(1, known ? data.states[size_t(data.current)].name : OdString()));
  return s;
}
OdResBufPtr OdDbBlockVisibilityParameter::value(const OdDbBlockParamState& s, int) const {
  const OdResBuf* name = s.nth(OdResBuf::kString, 0);
  return OdResBuf::newRb(1, name ? name->getString() : OdString());
}
OdResult OdDbBlockVisibilityParameter::setValue(OdDbBlockParamState& s, int, const OdResBuf& v) const {
  if (OdResBuf::kindOf(v.restype()) != OdResBuf::kString) return eInvalidInput;
  for (const OdDbBlockVisibilityState& state : data.states)
    if (state.name == v.getString()) {
      if (OdResBuf* rb = s.nth(OdResBuf::kString, 0)) rb->setString(state.name);
      else s.items.push_back(OdResBuf::newRb(1, state.name));
      return eOk;
    }
  return eInvalidInput;
}
std::vector<OdResBufPtr> OdDbBlockVisibilityParameter::allowedValues(int) const {
  std::vector<OdResBufPtr> names;
  for (const OdDbBlockVisibilityState& s : data.states) names.push_back(OdResBuf::newRb(1, s.name));
  return names;
}

// Lookup: a text chosen among its column of the lookup table (node 94).
void OdDbBlockLookupParameter::dxfInFields(const OdDxfIn& in) {
  OdDbBlock1PtParameter::dxfInFields(in);
  data = OdDbBlockParamData();
  readLabels(in, "AcDbBlockLookupParameter", data, kPointCodes, false);
  for (const OdDxfTag* t : in.section("AcDbBlockLookupParameter"))
    if (t->code == 94) data.actionNode = int(intOf(in, *t));
}
void OdDbBlockLookupParameter::dxfOutFields(OdDxfOut& out) const {
  OdDbBlock1PtParameter::dxfOutFields(out);
  out.subclass("AcDbBlockLookupParameter");
  out.string(303, data.name[0]);
  out.string(304, data.description[0]);
  out.integer(94, data.actionNode);
}
namespace {
// The lookup table a lookup parameter reads, found among its graph's nodes.
OdDbBlockLookupActionPtr lookupTableOf(const OdDbBlockLookupParameter& p) {
  OdDbEvalGraphPtr graph = OdDbEvalGraph::cast(p.ownerId().openObject());
  if (graph.isNull()) return OdDbBlockLookupActionPtr();
  for (const OdDbObjectId& id : graph->nodes()) {
    OdDbBlockLookupActionPtr table = OdDbBlockLookupAction::cast(id.openObject());
    if (!table.isNull() && table->nodeId() == p.data.actionNode) return table;
  }
  return OdDbBlockLookupActionPtr();
}
int columnOf(const OdDbBlockLookupAction& table, const OdString& name) {
  for (size_t c = 0; c < table.columns.size(); ++c)
    if (table.columns[c] == name) return int(c);
  return -1;
}
}  // namespace
std::vector<OdDbBlockParamProperty> OdDbBlockLookupParameter::properties() const {
  // A column the table cannot look up in reverse is only shown.
  OdDbBlockLookupActionPtr table = lookupTableOf(*this);
  const bool readOnly = table.isNull() || columnOf(*table, data.name[0]) < 0 ||
                        table->reversible.size() <= size_t(columnOf(*table, data.name[0])) ||
                        !table->reversible[size_t(columnOf(*table, data.name[0]))];
  return {{data.name[0], data.description[0], 0, 1, readOnly}};
}
OdDbBlockParamState OdDbBlockLookupParameter::defaultState() const {
  OdDbBlockParamState s = OdDbBlock1PtParameter::defaultState();
  const std::vector<OdResBufPtr> values = allowedValues(0);
  s.items.push_back(OdResBuf::newRb(1, values.empty() ? OdString() : values.front()->getString()));
  return s;
}
OdResBufPtr OdDbBlockLookupParameter::value(const OdDbBlockParamState& s, int) const {
  const OdResBuf* text = s.nth(OdResBuf::kString, 0);
  return OdResBuf::newRb(1, text ? text->getString() : OdString());
}
OdResult OdDbBlockLookupParameter::setValue(OdDbBlockParamState& s, int, const OdResBuf& v) const {
  if (OdResBuf::kindOf(v.restype()) != OdResBuf::kString) return eInvalidInput;
  for (const OdResBufPtr& allowed : allowedValues(0))
    if (allowed->getString() == v.getString()) {
      if (OdResBuf* rb = s.nth(OdResBuf::kString, 0)) rb->setString(v.getString());
      else s.items.push_back(OdResBuf::newRb(1, v.getString()));
      return eOk;
    }
  return eInvalidInput;
}
std::vector<OdResBufPtr> OdDbBlockLookupParameter::allowedValues(int) const {
  std::vector<OdResBufPtr> values;
  OdDbBlockLookupActionPtr table = lookupTableOf(*this);
  const int column = table.isNull() ? -1 : columnOf(*table, data.name[0]);
  if (column < 0) return values;
  for (const std::vector<OdString>& row : table->rows) {
    if (size_t(column) >= row.size()) continue;
    bool seen = false;
    for (const OdResBufPtr& v : values) seen = seen || v->getString() == row[size_t(column)];
    if (!seen) values.push_back(OdResBuf::newRb(1, row[size_t(column)]));
  }
  return values;
}

// ---------------------------------------------------------------- actions

void OdDbBlockAction::dxfInFields(const OdDxfIn& in) {
  OdDbBlockElement::dxfInFields(in);
  m_selection.clear();
  for (const OdDxfTag* t : in.section("AcDbBlockAction"))
    if (t->code == 330 && in.database())
      m_selection.append(in.database()->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(*t)))));
}
void OdDbBlockAction::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockElement::dxfOutFields(out);
  out.subclass("AcDbBlockAction");
  out.integer(70, 0);
  out.integer(71, static_cast<long long>(m_selection.size()));
  for (const OdDbObjectId& id : m_selection) out.reference(330, id);
}

void OdDbBlockFlipAction::dxfInFields(const OdDxfIn& in) {
  OdDbBlockAction::dxfInFields(in);
  for (const OdDxfTag* t : in.section("AcDbBlockFlipAction"))
    if (t->code == 92) {
      m_parameter = int(intOf(in, *t));
      break;
    }
}
void OdDbBlockFlipAction::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockAction::dxfOutFields(out);
  out.subclass("AcDbBlockFlipAction");
  // The four connections (flip state, base and end) all come from the parameter.
  for (int code = 92; code <= 95; ++code) out.integer(code, m_parameter);
  out.string(301, L"Flip");
  out.string(302, L"UpdatedFlip");
  out.string(303, L"UpdatedBase");
  out.string(304, L"UpdatedEnd");
}

// The table: row count (92), column count (93), for each column the
// property it holds (301) and whether it looks up in reverse (282), then
// the cells row by row (302).
void OdDbBlockLookupAction::dxfInFields(const OdDxfIn& in) {
  OdDbBlockAction::dxfInFields(in);
  columns.clear();
  reversible.clear();
  rows.clear();
  size_t width = 0;
  for (const OdDxfTag* t : in.section("AcDbBlockLookupAction")) {
    if (t->code == 301) columns.push_back(in.codec().decode(in.text(*t))), width = columns.size();
    else if (t->code == 282) reversible.push_back(intOf(in, *t) != 0);
    else if (t->code == 302 && width > 0) {
      if (rows.empty() || rows.back().size() == width) rows.emplace_back();
      rows.back().push_back(in.codec().decode(in.text(*t)));
    }
  }
}
void OdDbBlockLookupAction::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockAction::dxfOutFields(out);
  out.subclass("AcDbBlockLookupAction");
  out.integer(92, static_cast<long long>(rows.size()));
  out.integer(93, static_cast<long long>(columns.size()));
  for (size_t c = 0; c < columns.size(); ++c) {
    out.string(301, columns[c]);
    out.integer(282, c < reversible.size() && reversible[c] ? 1 : 0);
  }
  for (const std::vector<OdString>& row : rows)
    for (const OdString& cell : row) out.string(302, cell);
}

void OdDbBlockRepresentationData::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbBlockRepresentationData";
  for (const OdDxfTag* t : in.section(S)) {
    if (t->code == 70) m_version = int(intOf(in, *t));
    if (t->code == 340 && in.database())
      m_block = in.database()->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(*t))));
  }
}
void OdDbBlockRepresentationData::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbBlockRepresentationData");
  out.integer(70, m_version);
  out.reference(340, m_block);
}

// ---------------------------------------------------------------- references

OdDbEvalGraphPtr odDbEvalGraphOf(OdDbObjectId blockRecord) {
  OdDbObjectPtr block = blockRecord.openObject();
  if (block.isNull()) return OdDbEvalGraphPtr();
  OdDbDictionaryPtr dict = OdDbDictionary::cast(block->extensionDictionary().openObject());
  return dict.isNull() ? OdDbEvalGraphPtr() : OdDbEvalGraph::cast(dict->getAt(kGraphKey).openObject());
}

OdDbObjectId odDbDynamicBlockOf(OdDbObjectId blockRecord) {
  if (!odDbEvalGraphOf(blockRecord).isNull()) return blockRecord;
  OdDbObjectPtr block = blockRecord.openObject();
  if (block.isNull() || !block->database()) return OdDbObjectId();
  for (OdResBufPtr rb = block->xData(kBlockMark); !rb.isNull(); rb = rb->next())
    if (rb->restype() == OdResBuf::kDxfXdHandle) {
      const OdDbObjectId id = block->database()->getOdDbObjectId(OdDbHandle(rb->getString()));
      return odDbEvalGraphOf(id).isNull() ? OdDbObjectId() : id;
    }
  return OdDbObjectId();
}

OdDbObjectId OdDbDynBlockReference::dynamicBlockTableRecord() const {
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(m_reference.openObject());
  return ref.isNull() ? OdDbObjectId() : odDbDynamicBlockOf(ref->blockTableRecord());
}

std::vector<OdDbDynBlockReferencePropertyPtr> OdDbDynBlockReference::getBlockProperties() const {
  std::vector<OdDbDynBlockReferencePropertyPtr> out;
  OdDbEvalGraphPtr graph = odDbEvalGraphOf(dynamicBlockTableRecord());
  if (graph.isNull()) return out;
  for (const OdDbObjectId& id : graph->nodes()) {
    OdDbBlockParameterPtr param = OdDbBlockParameter::cast(id.openObject());
    if (param.isNull()) continue;  // grips, actions, and nodes that cannot be read
    const size_t count = param->properties().size();
    for (size_t i = 0; i < count; ++i)
      out.push_back(OdDbDynBlockReferencePropertyPtr(new OdDbDynBlockReferenceProperty(m_reference, id, int(i))));
  }
  return out;
}

void OdDbDynBlockReferenceProperty::release() {
  if (--m_refs == 0) delete this;
}

namespace {
OdDbObjectPtr entryOf(OdDbObjectId dictionary, const wchar_t* key) {
  OdDbDictionaryPtr dict = OdDbDictionary::cast(dictionary.openObject());
  return dict.isNull() ? OdDbObjectPtr() : dict->getAt(key).openObject();
}

// The reference's dictionary of parameter records; null when it keeps none.
OdDbDictionaryPtr dataOf(const OdDbObject& ref) {
  OdDbObjectPtr rep = entryOf(ref.extensionDictionary(), kRepresentation);
  OdDbObjectPtr cache = rep.isNull() ? OdDbObjectPtr() : entryOf(rep->objectId(), kCache);
  return OdDbDictionary::cast(cache.isNull() ? OdDbObjectPtr() : entryOf(cache->objectId(), kData));
}

OdString keyOf(int node) { return OdString(std::to_wstring(node).c_str()); }

// Leading values that identify the record's kind: the 1071 numbers and two 70s.
size_t headerLength(const std::vector<OdResBufPtr>& items) {
  size_t n = 0;
  while (n < items.size() && items[n]->restype() == 1071) ++n;
  for (int k = 0; k < 2 && n < items.size() && items[n]->restype() == 70; ++k) ++n;
  return n;
}

std::vector<OdResBufPtr> itemsOf(const OdDbXrecord& record) {
  std::vector<OdResBufPtr> items;
  for (OdResBufPtr rb = record.rbChain(); !rb.isNull(); rb = rb->next()) items.push_back(rb);
  for (OdResBufPtr& rb : items) rb->setNext(OdResBufPtr());
  return items;
}

OdDbBlockParamState stateOf(const OdDbObject& ref, const OdDbBlockParameter& param) {
  OdDbDictionaryPtr data = dataOf(ref);
  OdDbXrecordPtr record = data.isNull() ? OdDbXrecordPtr() : OdDbXrecord::cast(data->getAt(keyOf(param.nodeId())).openObject());
  if (record.isNull()) return param.defaultState();
  OdDbBlockParamState s;
  const std::vector<OdResBufPtr> items = itemsOf(*record);
  s.items.assign(items.begin() + long(headerLength(items)), items.end());
  return s;
}

// The definition entity each entity of a representation block stands for.
// Representations copy the definition's entities in order, so the nth
// entity of one stands for the nth of the other; a representation that
// holds another number of entities is not matched.
std::vector<std::pair<OdDbObjectId, OdDbObjectId>> sourcesOf(const OdDbBlockTableRecord& shown, OdDbObjectId dynamic) {
  std::vector<std::pair<OdDbObjectId, OdDbObjectId>> pairs;
  OdDbBlockTableRecordPtr definition = OdDbBlockTableRecord::cast(dynamic.openObject());
  if (definition.isNull()) return pairs;
  auto live = [](const OdDbObjectIdArray& ids) {
    OdDbObjectIdArray out;
    for (const OdDbObjectId& id : ids)
      if (!id.isErased()) out.append(id);
    return out;
  };
  const OdDbObjectIdArray copies = live(shown.entityIds()), sources = live(definition->entityIds());
  if (copies.size() != sources.size()) return pairs;
  for (unsigned i = 0; i < copies.size(); ++i) pairs.push_back({copies[i], sources[i]});
  return pairs;
}

bool contains(const OdDbObjectIdArray& ids, OdDbObjectId id) {
  for (const OdDbObjectId& x : ids)
    if (x == id) return true;
  return false;
}

// A copy of an entity made through its own fields, as a file would carry
// it; null for entities whose fields are not all modelled.
OdDbEntityPtr copyOf(const OdDbEntity& entity, OdDbDatabase* db) {
  if (entity.isKindOf(OdDbUnknownEntity::desc()) || !entity.isA() || entity.isA()->isAbstract()) return OdDbEntityPtr();
  const OdDxfCodec codec(true);
  OdDxfOut out(codec);
  entity.dxfOutFields(out);
  OdDxfText text;
  OdDxfTags tags;
  for (const OdDxfOut::Section& s : out.sections()) {
    tags.push_back(text.make(100, s.marker));
    for (const OdDxfOut::Field& f : s.fields) tags.push_back(text.make(f.code, f.text));
  }
  OdDbEntityPtr copy = OdDbEntity::cast(entity.isA()->create());
  if (copy.isNull()) return copy;
  try {
    copy->dxfInFields(OdDxfIn(text, OdDxfSpan{tags.data(), tags.size()}, codec, db, true));
  } catch (...) {
    return OdDbEntityPtr();
  }
  return copy;
}

OdDbDictionaryPtr childDictionary(OdDbDictionary& parent, const wchar_t* key) {
  OdDbDictionaryPtr child = OdDbDictionary::cast(parent.getAt(key).openObject(OdDb::kForWrite));
  if (!child.isNull()) return child;
  child = OdDbDictionary::createObject();
  parent.setAt(key, child);
  return child;
}

// Gives the reference a representation block of its own, copied from the
// block it shows now, and the dictionaries that hold its parameter records.
// False, with nothing changed, when a copy cannot be made.
bool ownRepresentation(OdDbBlockReference& ref, OdDbObjectId dynamic) {
  OdDbDatabase* db = ref.database();
  if (!db) return false;
  const OdDbObjectId shown = ref.blockTableRecord();
  if (shown == dynamic || odDbIsBlockShownElsewhere(db, shown, ref.objectId())) {
    OdDbBlockTableRecordPtr from = OdDbBlockTableRecord::cast(shown.openObject());
    OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject(OdDb::kForWrite));
    if (from.isNull() || blocks.isNull()) return false;
    std::vector<OdDbEntityPtr> copies;
    for (const OdDbObjectId& id : from->entityIds()) {
      OdDbEntityPtr e = OdDbEntity::cast(id.openObject());
      if (e.isNull() || e->isErased()) continue;
      OdDbEntityPtr c = copyOf(*e, db);
      if (c.isNull()) return false;
      copies.push_back(c);
    }
    db->newRegApp(kBlockMark);
    db->newRegApp(kEntityMark);
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
    record->setName(odDbNextAnonymousBlockName(*blocks));
    record->setBlockFlags(1);
    OdDbObjectId recordId;
    if (blocks->add(record, recordId) != eOk) return false;
    OdResBufPtr mark = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(kBlockMark));
    mark->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(1)));
    mark->next()->setNext(OdResBuf::newRb(OdResBuf::kDxfXdHandle, OdString(dynamic.getHandle().ascii())));
    record->setXData(mark);
    for (OdDbEntityPtr& c : copies) {
      // Each copy carries the entity mark as representations do, naming itself.
      const OdDbObjectId id = record->appendOdDbEntity(c);
      OdResBufPtr tag = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(kEntityMark));
      tag->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(1)));
      tag->next()->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger32, OdInt32(0)));
      tag->next()->next()->setNext(OdResBuf::newRb(OdResBuf::kDxfXdHandle, OdString(id.getHandle().ascii())));
      c->setXData(tag);
    }
    ref.setBlockTableRecord(recordId);
  }
  if (!dataOf(ref).isNull()) return true;
  if (ref.extensionDictionary().isNull() && ref.createExtensionDictionary() != eOk) return false;
  OdDbDictionaryPtr ext = OdDbDictionary::cast(ref.extensionDictionary().openObject(OdDb::kForWrite));
  if (ext.isNull()) return false;
  OdDbDictionaryPtr rep = childDictionary(*ext, kRepresentation);
  if (rep->getAt(kRepData).isNull()) {
    OdSmartPtr<OdDbBlockRepresentationData> link = OdDbBlockRepresentationData::createObject();
    link->setDefinitionId(dynamic);
    rep->setAt(kRepData, link);
  }
  childDictionary(*childDictionary(*rep, kCache), kData);
  return true;
}

// The header of the parameter's record in another reference of the same block, if one has it.
std::vector<OdResBufPtr> headerElsewhere(const OdDbObject& ref, const OdDbBlockParameter& param, OdDbObjectId dynamic) {
  OdDbDatabase* db = ref.database();
  for (const OdDbObjectId& id : db ? db->objectIds() : OdDbObjectIdArray()) {
    if (id == ref.objectId() || id.isErased()) continue;
    OdDbBlockReferencePtr other = OdDbBlockReference::cast(id.openObject());
    if (other.isNull() || odDbDynamicBlockOf(other->blockTableRecord()) != dynamic) continue;
    OdDbDictionaryPtr data = dataOf(*other);
    OdDbXrecordPtr record = data.isNull() ? OdDbXrecordPtr() : OdDbXrecord::cast(data->getAt(keyOf(param.nodeId())).openObject());
    if (record.isNull()) continue;
    std::vector<OdResBufPtr> items = itemsOf(*record);
    items.resize(headerLength(items));
    if (!items.empty()) return items;
  }
  return {};
}

// Writes the parameter's record for the reference: the record's own header
// kept, or that of another reference's record of the parameter.
void storeState(OdDbObject& ref, OdDbObjectId dynamic, const OdDbBlockParameter& param, const OdDbBlockParamState& state) {
  OdDbDictionaryPtr found = dataOf(ref);
  if (found.isNull()) return;
  OdDbDictionaryPtr data = OdDbDictionary::cast(found->objectId().openObject(OdDb::kForWrite));
  if (data.isNull()) return;
  OdDbXrecordPtr record = OdDbXrecord::cast(data->getAt(keyOf(param.nodeId())).openObject(OdDb::kForWrite));
  std::vector<OdResBufPtr> header;
  if (!record.isNull()) {
    std::vector<OdResBufPtr> items = itemsOf(*record);
    header.assign(items.begin(), items.begin() + long(headerLength(items)));
  } else {
    header = headerElsewhere(ref, param, dynamic);
    if (header.empty())
      header = {OdResBuf::newRb(1071, OdInt32(0)), OdResBuf::newRb(1071, OdInt32(0)), OdResBuf::newRb(70, OdInt32(25)),
                OdResBuf::newRb(70, OdInt32(104))};
    record = OdDbXrecord::createObject();
    data->setAt(keyOf(param.nodeId()), record);
  }
  OdResBufPtr head, tail;
  auto append = [&](const OdResBufPtr& rb) {
    OdResBufPtr c = copyRb(*rb);
    if (tail.isNull()) head = c;
    else tail->setNext(c);
    tail = c;
  };
  for (const OdResBufPtr& rb : header) append(rb);
  for (const OdResBufPtr& rb : state.items) append(rb);
  record->setFromRbChain(head);
}

// The entities of the reference's representation block shown or hidden as the state says.
void showState(const OdDbBlockReference& ref, OdDbObjectId dynamic, const OdDbBlockVisibilityParameter& param,
               const OdString& name) {
  const OdDbBlockVisibilityState* state = nullptr;
  for (const OdDbBlockVisibilityState& s : param.data.states)
    if (s.name == name) state = &s;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref.blockTableRecord().openObject());
  if (!state || block.isNull()) return;
  for (const auto& pair : sourcesOf(*block, dynamic)) {
    if (!contains(param.data.entities, pair.second)) continue;
    OdDbEntityPtr e = OdDbEntity::cast(pair.first.openObject(OdDb::kForWrite));
    if (!e.isNull()) e->setVisibility(contains(state->entities, pair.second) ? OdDb::kVisible : OdDb::kInvisible);
  }
}

// Mirrors the entities the parameter's flip actions act on about its line.
void mirror(const OdDbBlockReference& ref, OdDbObjectId dynamic, const OdDbBlockFlipParameter& param,
            const OdDbBlockParamState& state) {
  const OdGePoint3d base = state.point(0, param.basePoint());
  const OdGeVector3d along = directionOf(base, state.point(1, param.endPoint()), param.endPoint() - param.basePoint());
  OdGeVector3d across = along.crossProduct(OdGeVector3d::kZAxis);
  if (across.isZeroLength()) return;
  const OdGeMatrix3d flip = OdGeMatrix3d::mirroring(OdGePlane(base, across.normalize()));
  OdDbEvalGraphPtr graph = OdDbEvalGraph::cast(param.ownerId().openObject());
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref.blockTableRecord().openObject());
  if (graph.isNull() || block.isNull()) return;
  OdDbObjectIdArray acted;
  for (const OdDbObjectId& id : graph->nodes()) {
    OdDbBlockFlipActionPtr action = OdDbBlockFlipAction::cast(id.openObject());
    if (!action.isNull() && action->parameterNode() == param.nodeId())
      for (const OdDbObjectId& e : action->selection()) acted.append(e);
  }
  for (const auto& pair : sourcesOf(*block, dynamic)) {
    if (!contains(acted, pair.second)) continue;
    OdDbEntityPtr e = OdDbEntity::cast(pair.first.openObject(OdDb::kForWrite));
    if (!e.isNull()) e->transformBy(flip);
  }
}
}  // namespace

namespace {
struct Opened {
  OdDbBlockReferencePtr ref;
  OdDbBlockParameterPtr param;
  OdDbBlockParamProperty property;
  bool ok = false;
};
Opened openProperty(OdDbObjectId reference, OdDbObjectId parameter, int index, OdDb::OpenMode mode = OdDb::kForRead) {
  Opened o;
  o.ref = OdDbBlockReference::cast(reference.openObject(mode));
  o.param = OdDbBlockParameter::cast(parameter.openObject());
  if (o.ref.isNull() || o.param.isNull()) return o;
  const std::vector<OdDbBlockParamProperty> props = o.param->properties();
  if (index < 0 || size_t(index) >= props.size()) return o;
  o.property = props[size_t(index)];
  o.ok = true;
  return o;
}
}  // namespace

OdString OdDbDynBlockReferenceProperty::propertyName() const {
  return openProperty(m_reference, m_parameter, m_index).property.name;
}
OdString OdDbDynBlockReferenceProperty::description() const {
  return openProperty(m_reference, m_parameter, m_index).property.description;
}
bool OdDbDynBlockReferenceProperty::show() const {
  const Opened o = openProperty(m_reference, m_parameter, m_index);
  return o.ok && o.param->showProperties();
}
bool OdDbDynBlockReferenceProperty::readOnly() const {
  const Opened o = openProperty(m_reference, m_parameter, m_index);
  return !o.ok || o.property.readOnly;
}
int OdDbDynBlockReferenceProperty::unitsType() const {
  return openProperty(m_reference, m_parameter, m_index).property.unitsType;
}
OdResBufPtr OdDbDynBlockReferenceProperty::value() const {
  const Opened o = openProperty(m_reference, m_parameter, m_index);
  return o.ok ? o.param->value(stateOf(*o.ref, *o.param), m_index) : OdResBufPtr();
}
void OdDbDynBlockReferenceProperty::getAllowedValues(std::vector<OdResBufPtr>& values) const {
  const Opened o = openProperty(m_reference, m_parameter, m_index);
  values = o.ok ? o.param->allowedValues(m_index) : std::vector<OdResBufPtr>();
}

OdResult OdDbDynBlockReferenceProperty::setValue(const OdResBuf& value) {
  Opened o = openProperty(m_reference, m_parameter, m_index, OdDb::kForWrite);
  if (!o.ok) return eInvalidInput;
  if (o.property.readOnly) return eNotApplicable;
  OdDbBlockParamState state = stateOf(*o.ref, *o.param);
  const OdResBufPtr before = o.param->value(state, m_index);
  OdDbBlockParamState changed;
  for (const OdResBufPtr& rb : state.items) changed.items.push_back(copyRb(*rb));
  const OdResult result = o.param->setValue(changed, m_index, value);
  if (result != eOk) return result;
  const OdDbObjectId dynamic = odDbDynamicBlockOf(o.ref->blockTableRecord());
  if (dynamic.isNull() || !ownRepresentation(*o.ref, dynamic)) return eNotApplicable;
  storeState(*o.ref, dynamic, *o.param, changed);
  // The representation shows the new state.
  if (OdDbBlockVisibilityParameterPtr v = OdDbBlockVisibilityParameter::cast(o.param.get()))
    showState(*o.ref, dynamic, *v, o.param->value(changed, m_index)->getString());
  if (OdDbBlockFlipParameterPtr f = OdDbBlockFlipParameter::cast(o.param.get()))
    if (!before.isNull() && before->getInt32() != o.param->value(changed, m_index)->getInt32()) mirror(*o.ref, dynamic, *f, changed);
  return eOk;
}

OdDbEvalGraphPtr odDbCreateEvalGraph(OdDbBlockTableRecord& block) {
  OdDbEvalGraphPtr existing = odDbEvalGraphOf(block.objectId());
  if (!existing.isNull()) return OdDbEvalGraph::cast(existing->objectId().openObject(OdDb::kForWrite));
  if (block.extensionDictionary().isNull() && block.createExtensionDictionary() != eOk) return OdDbEvalGraphPtr();
  OdDbDictionaryPtr dict = OdDbDictionary::cast(block.extensionDictionary().openObject(OdDb::kForWrite));
  if (dict.isNull()) return OdDbEvalGraphPtr();
  OdDbEvalGraphPtr graph = OdDbEvalGraph::createObject();
  dict->setAt(kGraphKey, graph);
  return graph;
}
