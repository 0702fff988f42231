#include "Db/DbMline.h"

#include <algorithm>
#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbMlineStyle, OdDbObject, L"MLINESTYLE", new OdDbMlineStyle)
ODRX_DEFINE_MEMBERS_EX(OdDbMline, OdDbEntity, L"MLINE", new OdDbMline)

namespace {
// The drawing's multiline style of the name, found in its dictionary of them.
OdDbObjectId styleNamed(const OdDbDatabase* db, const OdString& name) {
  OdDbDictionaryPtr nod = db ? OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject()) : OdDbDictionaryPtr();
  OdDbDictionaryPtr styles = nod.isNull() ? OdDbDictionaryPtr() : OdDbDictionary::cast(nod->getAt(L"ACAD_MLINESTYLE").openObject());
  return styles.isNull() ? OdDbObjectId() : styles->getAt(name);
}
}  // namespace

OdString OdDbMlineStyle::name() const {
  assertReadEnabled();
  return m_name;
}
OdResult OdDbMlineStyle::setName(const OdString& name) {
  assertWriteEnabled();
  if (name.isEmpty()) return eInvalidInput;
  m_name = name;
  return eOk;
}
OdString OdDbMlineStyle::description() const {
  assertReadEnabled();
  return m_description;
}
void OdDbMlineStyle::setDescription(const OdString& description) {
  assertWriteEnabled();
  m_description = description;
}
double OdDbMlineStyle::startAngle() const {
  assertReadEnabled();
  return m_startAngle;
}
double OdDbMlineStyle::endAngle() const {
  assertReadEnabled();
  return m_endAngle;
}
OdResult OdDbMlineStyle::setStartAngle(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_startAngle, angle);
}
OdResult OdDbMlineStyle::setEndAngle(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_endAngle, angle);
}
int OdDbMlineStyle::numElements() const {
  assertReadEnabled();
  return int(m_elements.size());
}
OdDbMlineStyle::Element OdDbMlineStyle::elementAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < numElements() ? m_elements[size_t(index)] : Element();
}
OdResult OdDbMlineStyle::addElement(double offset, OdInt16 colorIndex, const OdString& linetype) {
  assertWriteEnabled();
  if (!std::isfinite(offset) || m_elements.size() >= 16) return eInvalidInput;
  Element e;
  e.offset = offset;
  e.colorIndex = colorIndex;
  e.linetype = linetype;
  auto at = std::find_if(m_elements.begin(), m_elements.end(), [&](const Element& x) { return x.offset < offset; });
  m_elements.insert(at, e);
  return eOk;
}

namespace {
enum { kFill = 1, kMiters = 2, kStartSquare = 16, kStartInner = 32, kStartRound = 64, kEndSquare = 256,
       kEndInner = 512, kEndRound = 1024 };
}
bool OdDbMlineStyle::flag(int bit) const {
  assertReadEnabled();
  return (m_flags & bit) != 0;
}
void OdDbMlineStyle::setFlag(int bit, bool on) {
  assertWriteEnabled();
  m_flags = on ? (m_flags | bit) : (m_flags & ~bit);
}
bool OdDbMlineStyle::filled() const { return flag(kFill); }
void OdDbMlineStyle::setFilled(bool on) { setFlag(kFill, on); }
OdCmColor OdDbMlineStyle::fillColor() const {
  assertReadEnabled();
  return m_fillColor == 256 ? OdCmColor(OdCmEntityColor::kByLayer)
         : m_fillColor == 0 ? OdCmColor(OdCmEntityColor::kByBlock)
                            : OdCmColor::fromIndex(m_fillColor);
}
void OdDbMlineStyle::setFillColor(const OdCmColor& color) {
  assertWriteEnabled();
  m_fillColor = color.isByLayer() ? 256 : color.isByBlock() ? 0 : color.colorIndex();
}
bool OdDbMlineStyle::showMiters() const { return flag(kMiters); }
void OdDbMlineStyle::setShowMiters(bool on) { setFlag(kMiters, on); }
bool OdDbMlineStyle::startSquareCap() const { return flag(kStartSquare); }
void OdDbMlineStyle::setStartSquareCap(bool on) { setFlag(kStartSquare, on); }
bool OdDbMlineStyle::startInnerArcs() const { return flag(kStartInner); }
void OdDbMlineStyle::setStartInnerArcs(bool on) { setFlag(kStartInner, on); }
bool OdDbMlineStyle::startRoundCap() const { return flag(kStartRound); }
void OdDbMlineStyle::setStartRoundCap(bool on) { setFlag(kStartRound, on); }
bool OdDbMlineStyle::endSquareCap() const { return flag(kEndSquare); }
void OdDbMlineStyle::setEndSquareCap(bool on) { setFlag(kEndSquare, on); }
bool OdDbMlineStyle::endInnerArcs() const { return flag(kEndInner); }
void OdDbMlineStyle::setEndInnerArcs(bool on) { setFlag(kEndInner, on); }
bool OdDbMlineStyle::endRoundCap() const { return flag(kEndRound); }
void OdDbMlineStyle::setEndRoundCap(bool on) { setFlag(kEndRound, on); }

void OdDbMlineStyle::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbMlineStyle";
  m_name = in.string(S, 2, L"Standard");
  m_flags = in.integer(S, 70, 0);
  m_description = in.string(S, 3);
  m_startAngle = OdaToRadian(in.real(S, 51, 90.0));
  m_endAngle = OdaToRadian(in.real(S, 52, 90.0));
  // The fill colour comes before the element count; each element is an offset, a colour and a line style.
  m_elements.clear();
  bool counted = false;
  for (const OdDxfTag* t : in.section(S)) {
    if (t->code == 71) counted = true;
    else if (!counted && t->code == 62) m_fillColor = OdInt16(in.toInteger(*t));
    else if (counted && t->code == 49) {
      m_elements.emplace_back();
      m_elements.back().offset = in.toReal(*t);
    } else if (counted && !m_elements.empty() && t->code == 62) m_elements.back().colorIndex = OdInt16(in.toInteger(*t));
    else if (counted && !m_elements.empty() && t->code == 6) m_elements.back().linetype = in.codec().decode(in.text(*t));
  }
}

void OdDbMlineStyle::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbMlineStyle");
  out.string(2, m_name);
  out.integer(70, m_flags);
  out.string(3, m_description);
  out.integer(62, m_fillColor);
  out.angle(51, m_startAngle);
  out.angle(52, m_endAngle);
  out.integer(71, int(m_elements.size()));
  // The elements of a style read from a file stay as it wrote them.
  if (out.fromFile()) {
    out.keepFrom(49);
    return;
  }
  for (const Element& e : m_elements) {
    out.real(49, e.offset);
    out.integer(62, e.colorIndex);
    out.string(6, e.linetype);
  }
}

OdDbObjectId OdDbMline::style() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbMline::setStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (OdDbMlineStyle::cast(style.openObject()).isNull()) return eInvalidInput;
  m_style = style;
  return eOk;
}
double OdDbMline::scale() const {
  assertReadEnabled();
  return m_scale;
}
OdResult OdDbMline::setScale(double scale) {
  assertWriteEnabled();
  if (!std::isfinite(scale) || scale == 0.0) return eInvalidInput;
  m_scale = scale;
  return eOk;
}
Mline::MlineJustification OdDbMline::justification() const {
  assertReadEnabled();
  return m_justification;
}
OdResult OdDbMline::setJustification(Mline::MlineJustification justification) {
  assertWriteEnabled();
  if (justification < Mline::kTop || justification > Mline::kBottom) return eInvalidInput;
  m_justification = justification;
  return eOk;
}
OdGeVector3d OdDbMline::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbMline::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
bool OdDbMline::closedMline() const {
  assertReadEnabled();
  return (m_flags & 2) != 0;
}
void OdDbMline::setClosedMline(bool closed) {
  assertWriteEnabled();
  m_flags = closed ? (m_flags | 2) : (m_flags & ~2);
  recompute();
}
int OdDbMline::numVertices() const {
  assertReadEnabled();
  return int(m_vertices.size());
}
OdGePoint3d OdDbMline::vertexAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < numVertices() ? m_vertices[size_t(index)].location : OdGePoint3d();
}
OdResult OdDbMline::moveVertexAt(int index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || index >= numVertices() || !point.isFinite()) return eInvalidInput;
  m_vertices[size_t(index)].location = point;
  recompute();
  return eOk;
}
OdResult OdDbMline::appendSeg(const OdGePoint3d& point) {
  assertWriteEnabled();
  if (!point.isFinite()) return eInvalidInput;
  m_vertices.emplace_back();
  m_vertices.back().location = point;
  m_flags |= 1;
  recompute();
  return eOk;
}
OdGeVector3d OdDbMline::segmentDirectionAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < numVertices() ? m_vertices[size_t(index)].direction : OdGeVector3d();
}
OdGeVector3d OdDbMline::miterDirectionAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < numVertices() ? m_vertices[size_t(index)].miter : OdGeVector3d();
}
std::vector<double> OdDbMline::elementParametersAt(int vertex, int element) const {
  assertReadEnabled();
  if (vertex < 0 || vertex >= numVertices()) return {};
  const Vertex& v = m_vertices[size_t(vertex)];
  return element >= 0 && size_t(element) < v.lineParams.size() ? v.lineParams[size_t(element)] : std::vector<double>();
}

// Segment directions from vertex to vertex (the last open segment repeats
// the one before it); miters halve the turn at inner vertices and stand at
// the style's cap angles at the ends of an open band; each element meets
// the miter at its offset (shifted by the justification, times the scale)
// stretched by 1 / sin of the angle between segment and miter.
void OdDbMline::recompute() {
  const size_t n = m_vertices.size();
  if (n == 0) return;
  const OdGeVector3d z = m_normal.normal();
  auto inPlane = [&](const OdGeVector3d& v) {
    const OdGeVector3d p = v - z * v.dotProduct(z);
    return p.isZeroLength() ? p : p.normal();
  };
  auto turned = [&](const OdGeVector3d& v, double angle) { return v * std::cos(angle) + z.crossProduct(v) * std::sin(angle); };
  auto miter = [&](const OdGeVector3d& a, const OdGeVector3d& b) { return z.crossProduct(inPlane((a + b) * 0.5)); };
  const bool closed = closedMline() && n > 1;
  OdDbMlineStylePtr style = OdDbMlineStyle::cast(m_style.openObject());
  const double startAngle = style.isNull() ? OdaPI / 2 : style->startAngle();
  const double endAngle = style.isNull() ? OdaPI / 2 : style->endAngle();
  if (n == 1) {
    m_vertices[0].direction = inPlane(z.perpVector());
    m_vertices[0].miter = z.crossProduct(m_vertices[0].direction);
  } else {
    for (size_t i = 0; i + 1 < n; ++i) m_vertices[i].direction = inPlane(m_vertices[i + 1].location - m_vertices[i].location);
    m_vertices[n - 1].direction = closed ? inPlane(m_vertices[0].location - m_vertices[n - 1].location) : m_vertices[n - 2].direction;
    for (size_t i = 1; i < n; ++i) m_vertices[i].miter = miter(m_vertices[i - 1].direction, m_vertices[i].direction);
    if (closed) {
      m_vertices[0].miter = miter(m_vertices[0].direction, m_vertices[n - 1].direction);
    } else {
      m_vertices[0].miter = turned(m_vertices[0].direction, startAngle);
      m_vertices[n - 1].miter = turned(m_vertices[n - 1].direction, endAngle);
    }
  }
  if (style.isNull()) return;  // without its style the band's offsets are unknown: they stay
  const int elements = style->numElements();
  m_styleElements = elements;
  double low = 0.0, high = 0.0;
  for (int e = 0; e < elements; ++e) {
    const double o = style->elementAt(e).offset;
    low = e == 0 ? o : std::min(low, o);
    high = e == 0 ? o : std::max(high, o);
  }
  const double shift = m_justification == Mline::kTop ? -high : m_justification == Mline::kBottom ? -low : 0.0;
  for (Vertex& v : m_vertices) {
    const double s = std::sin(v.direction.angleTo(v.miter));
    const double stretch = s != 0.0 ? m_scale / s : 1.0;
    v.lineParams.assign(size_t(elements), std::vector<double>());
    v.fillParams.assign(size_t(elements), std::vector<double>());
    for (int e = 0; e < elements; ++e) v.lineParams[size_t(e)] = {(style->elementAt(e).offset + shift) * stretch, 0.0};
  }
}

void OdDbMline::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (m_style.isNull()) m_style = styleNamed(db, L"Standard");
}

void OdDbMline::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbMline";
  m_style = in.reference(S, 340);
  if (m_style.isNull()) m_style = styleNamed(in.database(), in.string(S, 2, L"Standard"));
  m_scale = in.real(S, 40, 1.0);
  if (!std::isfinite(m_scale) || m_scale == 0.0) m_scale = 1.0;
  const int justification = in.integer(S, 70, Mline::kTop);
  m_justification = justification >= 0 && justification <= 2 ? Mline::MlineJustification(justification) : Mline::kTop;
  m_flags = in.integer(S, 71, 1);
  m_styleElements = in.integer(S, 73, 0);
  m_normal = in.normal(S);
  m_vertices.clear();
  const std::vector<const OdDxfTag*> tags = in.section(S);
  for (size_t i = 0; i < tags.size(); ++i) {
    const int code = tags[i]->code;
    if (code == 11) m_vertices.emplace_back();
    if (m_vertices.empty()) continue;
    Vertex& v = m_vertices.back();
    switch (code) {
      case 11: v.location.x = in.toReal(*tags[i]); break;
      case 21: v.location.y = in.toReal(*tags[i]); break;
      case 31: v.location.z = in.toReal(*tags[i]); break;
      case 12: v.direction.x = in.toReal(*tags[i]); break;
      case 22: v.direction.y = in.toReal(*tags[i]); break;
      case 32: v.direction.z = in.toReal(*tags[i]); break;
      case 13: v.miter.x = in.toReal(*tags[i]); break;
      case 23: v.miter.y = in.toReal(*tags[i]); break;
      case 33: v.miter.z = in.toReal(*tags[i]); break;
      case 74:
      case 75: {
        // A count, then that many parameters (41 of the element's line, 42 of its fill).
        std::vector<double> params;
        const long long count = in.toInteger(*tags[i]);
        const int of = code == 74 ? 41 : 42;
        while (i + 1 < tags.size() && tags[i + 1]->code == of && params.size() < size_t(std::max(0LL, count)))
          params.push_back(in.toReal(*tags[++i]));
        (code == 74 ? v.lineParams : v.fillParams).push_back(params);
        break;
      }
      default: break;
    }
  }
}

void OdDbMline::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbMline");
  OdDbMlineStylePtr style = OdDbMlineStyle::cast(m_style.openObject());
  if (style.isNull()) out.original(2);
  else out.name(2, style->name());
  if (m_style.isNull()) out.original(340);
  else out.reference(340, m_style);
  out.real(40, m_scale);
  out.integer(70, m_justification);
  out.integer(71, m_flags);
  out.integer(72, int(m_vertices.size()));
  out.integer(73, m_styleElements);
  out.point(10, m_vertices.empty() ? OdGePoint3d() : m_vertices.front().location);
  out.normal(210, m_normal);
  for (const Vertex& v : m_vertices) {
    out.point(11, v.location);
    out.point(12, OdGePoint3d(v.direction.x, v.direction.y, v.direction.z));
    out.point(13, OdGePoint3d(v.miter.x, v.miter.y, v.miter.z));
    for (size_t e = 0; e < std::max(v.lineParams.size(), v.fillParams.size()); ++e) {
      const std::vector<double> none;
      const std::vector<double>& line = e < v.lineParams.size() ? v.lineParams[e] : none;
      const std::vector<double>& fill = e < v.fillParams.size() ? v.fillParams[e] : none;
      out.integer(74, int(line.size()));
      for (double p : line) out.real(41, p);
      out.integer(75, int(fill.size()));
      for (double p : fill) out.real(42, p);
    }
  }
}
