#include "Db/DbPolyline.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeLineSeg3d.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbPolyline, OdDbCurve, L"LWPOLYLINE", new OdDbPolyline)

namespace {
bool finite(const OdGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool validWidth(double w) { return std::isfinite(w) && w >= 0.0; }
}  // namespace

unsigned int OdDbPolyline::numVerts() const {
  assertReadEnabled();
  return unsigned(m_vertices.size());
}

OdResult OdDbPolyline::addVertexAt(unsigned int index, const OdGePoint2d& point, double bulge, double startWidth,
                                   double endWidth) {
  assertWriteEnabled();
  if (index > m_vertices.size()) index = unsigned(m_vertices.size());
  if (!finite(point) || !std::isfinite(bulge) || std::isnan(startWidth) || std::isnan(endWidth) ||
      std::isinf(startWidth) || std::isinf(endWidth))
    return eInvalidInput;
  Vertex v;
  v.point = point;
  v.bulge = bulge;
  v.startWidth = startWidth < 0.0 ? 0.0 : startWidth;
  v.endWidth = endWidth < 0.0 ? 0.0 : endWidth;
  m_vertices.insert(m_vertices.begin() + index, v);
  return eOk;
}

OdResult OdDbPolyline::removeVertexAt(unsigned int index) {
  assertWriteEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  m_vertices.erase(m_vertices.begin() + index);
  return eOk;
}

OdResult OdDbPolyline::getPointAt(unsigned int index, OdGePoint2d& point) const {
  assertReadEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  point = m_vertices[index].point;
  return eOk;
}

OdResult OdDbPolyline::getPointAt(unsigned int index, OdGePoint3d& point) const {
  assertReadEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  const OdGePoint2d& p = m_vertices[index].point;
  point = OdGePoint3d(p.x, p.y, m_elevation).transformBy(OdGeMatrix3d::planeToWorld(m_normal));
  return eOk;
}

OdResult OdDbPolyline::setPointAt(unsigned int index, const OdGePoint2d& point) {
  assertWriteEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  if (!finite(point)) return eInvalidInput;
  m_vertices[index].point = point;
  return eOk;
}

OdResult OdDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  assertReadEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  bulge = m_vertices[index].bulge;
  return eOk;
}

OdResult OdDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  assertWriteEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  return odDbAssignFinite(m_vertices[index].bulge, bulge);
}

OdResult OdDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  assertReadEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  startWidth = m_vertices[index].startWidth;
  endWidth = m_vertices[index].endWidth;
  return eOk;
}

OdResult OdDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  assertWriteEnabled();
  if (index >= m_vertices.size()) return eInvalidIndex;
  if (!validWidth(startWidth) || !validWidth(endWidth)) return eInvalidInput;
  m_vertices[index].startWidth = startWidth;
  m_vertices[index].endWidth = endWidth;
  return eOk;
}

unsigned int OdDbPolyline::numSegs() const {
  const unsigned n = unsigned(m_vertices.size());
  if (n < 2) return 0;
  return m_closed ? n : n - 1;
}

unsigned int OdDbPolyline::nextIndex(unsigned int index) const {
  return index + 1 < m_vertices.size() ? index + 1 : 0;
}

OdDbPolyline::SegType OdDbPolyline::segType(unsigned int index) const {
  assertReadEnabled();
  const size_t n = m_vertices.size();
  if (index >= n) return kEmpty;
  if (n == 1) return kPoint;
  if (index == n - 1 && !m_closed) return kPoint;
  if (m_vertices[index].point.isEqualTo(m_vertices[nextIndex(index)].point)) return kCoincident;
  return m_vertices[index].bulge != 0.0 ? kArc : kLine;
}

OdResult OdDbPolyline::getLineSegAt(unsigned int index, OdGeLineSeg2d& line) const {
  if (segType(index) != kLine) return eInvalidIndex;
  line.set(m_vertices[index].point, m_vertices[nextIndex(index)].point);
  return eOk;
}

OdResult OdDbPolyline::getLineSegAt(unsigned int index, OdGeLineSeg3d& line) const {
  if (segType(index) != kLine) return eInvalidIndex;
  OdGePoint3d a, b;
  getPointAt(index, a);
  getPointAt(nextIndex(index), b);
  line.set(a, b);
  return eOk;
}

OdResult OdDbPolyline::getArcSegAt(unsigned int index, OdGeCircArc2d& arc) const {
  if (segType(index) != kArc) return eInvalidIndex;
  arc.set(m_vertices[index].point, m_vertices[nextIndex(index)].point, m_vertices[index].bulge);
  return eOk;
}

double OdDbPolyline::getConstantWidth() const {
  assertReadEnabled();
  return m_constantWidth;
}
OdResult OdDbPolyline::setConstantWidth(double width) {
  assertWriteEnabled();
  return odDbAssignFinite(m_constantWidth, width);
}
double OdDbPolyline::elevation() const {
  assertReadEnabled();
  return m_elevation;
}
OdResult OdDbPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  return odDbAssignFinite(m_elevation, elevation);
}
double OdDbPolyline::thickness() const {
  assertReadEnabled();
  return m_thickness;
}
OdResult OdDbPolyline::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}
OdGeVector3d OdDbPolyline::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbPolyline::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
bool OdDbPolyline::hasPlinegen() const {
  assertReadEnabled();
  return m_plinegen;
}
void OdDbPolyline::setPlinegen(bool plinegen) {
  assertWriteEnabled();
  m_plinegen = plinegen;
}
bool OdDbPolyline::isClosed() const {
  assertReadEnabled();
  return m_closed;
}
void OdDbPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  m_closed = closed;
}

OdResult OdDbPolyline::getStartParam(double& param) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  param = 0.0;
  return eOk;
}

OdResult OdDbPolyline::getEndParam(double& param) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  param = double(numSegs());
  return eOk;
}

OdResult OdDbPolyline::getStartPoint(OdGePoint3d& point) const {
  if (m_vertices.empty()) return eDegenerateGeometry;
  return getPointAt(0, point);
}

OdResult OdDbPolyline::getEndPoint(OdGePoint3d& point) const {
  if (m_vertices.empty()) return eDegenerateGeometry;
  return getPointAt(m_closed ? 0u : unsigned(m_vertices.size() - 1), point);
}

double OdDbPolyline::segLength(unsigned int index) const {
  switch (segType(index)) {
    case kLine: return m_vertices[index].point.distanceTo(m_vertices[nextIndex(index)].point);
    case kArc: {
      OdGeCircArc2d arc;
      getArcSegAt(index, arc);
      return arc.length();
    }
    default: return 0.0;
  }
}

OdGePoint2d OdDbPolyline::pointOnSeg(unsigned int index, double fraction) const {
  const OdGePoint2d& a = m_vertices[index].point;
  const OdGePoint2d& b = m_vertices[nextIndex(index)].point;
  if (segType(index) != kArc) return a + (b - a) * fraction;
  OdGeCircArc2d arc;
  getArcSegAt(index, arc);
  return arc.evalPoint(arc.startAng() + fraction * (arc.endAng() - arc.startAng()));
}

OdResult OdDbPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  const double end = double(numSegs());
  if (!(param >= 0.0 && param <= end)) return eInvalidInput;
  unsigned i = unsigned(std::floor(param));
  if (i >= numSegs()) return getPointAt(m_closed ? 0u : unsigned(m_vertices.size() - 1), point);
  const OdGePoint2d p = pointOnSeg(i, param - double(i));
  point = OdGePoint3d(p.x, p.y, m_elevation).transformBy(OdGeMatrix3d::planeToWorld(m_normal));
  return eOk;
}

OdResult OdDbPolyline::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  if (!(param >= 0.0 && param <= double(numSegs()))) return eInvalidInput;
  dist = 0.0;
  const unsigned whole = unsigned(std::floor(param));
  for (unsigned i = 0; i < whole && i < numSegs(); ++i) dist += segLength(i);
  if (whole < numSegs()) dist += segLength(whole) * (param - double(whole));
  return eOk;
}

OdResult OdDbPolyline::getArea(double& area) const {
  assertReadEnabled();
  // Shoelace over the vertices plus, for each arc, the circular segment
  // between chord and arc (a positive bulge adds on the left of the chord).
  const size_t n = m_vertices.size();
  double twice = 0.0, arcs = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const OdGePoint2d& a = m_vertices[i].point;
    const OdGePoint2d& b = m_vertices[(i + 1) % n].point;
    twice += a.x * b.y - b.x * a.y;
    if (segType(unsigned(i)) == kArc) {
      const double sweep = 4.0 * std::atan(m_vertices[i].bulge);  // signed included angle
      const double r = 0.5 * a.distanceTo(b) / std::sin(0.5 * std::fabs(sweep));
      arcs += 0.5 * r * r * (sweep - std::sin(sweep));
    }
  }
  area = std::fabs(0.5 * twice + arcs);
  return eOk;
}

void OdDbPolyline::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbPolyline";
  m_vertices.clear();
  m_identifiers = false;
  int flags = 0;
  for (const OdDxfTag* t : in.section(S)) {
    switch (t->code) {
      case 70: flags = int(in.toInteger(*t)); break;
      case 43: m_constantWidth = in.toReal(*t); break;
      case 38: m_elevation = in.toReal(*t); break;
      case 39: m_thickness = in.toReal(*t); break;
      case 10:
        m_vertices.emplace_back();
        m_vertices.back().point.x = in.toReal(*t);
        break;
      default:
        if (m_vertices.empty()) break;
        switch (t->code) {
          case 20: m_vertices.back().point.y = in.toReal(*t); break;
          case 40: m_vertices.back().startWidth = in.toReal(*t); break;
          case 41: m_vertices.back().endWidth = in.toReal(*t); break;
          case 42: m_vertices.back().bulge = in.toReal(*t); break;
          case 91:
            m_vertices.back().identifier = int(in.toInteger(*t));
            m_identifiers = true;
            break;
        }
    }
  }
  m_closed = (flags & 1) != 0;
  m_plinegen = (flags & 128) != 0;
  const OdGeVector3d n = in.vector(S, 210, OdGeVector3d::kZAxis);
  m_normal = odDbUnitNormal(n);
}

void OdDbPolyline::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbPolyline");
  out.integer(90, (long long)m_vertices.size());
  out.integer(70, (m_closed ? 1 : 0) | (m_plinegen ? 128 : 0));
  out.realOpt(43, m_constantWidth, 0.0);
  out.realOpt(38, m_elevation, 0.0);
  out.realOpt(39, m_thickness, 0.0);
  for (const Vertex& v : m_vertices) {
    out.real(10, v.point.x);
    out.real(20, v.point.y);
    if (m_identifiers) out.integer(91, v.identifier);
    out.realOpt(40, v.startWidth, 0.0);
    out.realOpt(41, v.endWidth, 0.0);
    out.realOpt(42, v.bulge, 0.0);
  }
  out.own(91);
  out.normal(210, m_normal);
}

OdResult OdDbPolyline::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  if (!transform.isUniScaledOrtho()) return eInvalidInput;
  OdGeVector3d normal = OdGeVector3d(m_normal).transformBy(transform);
  if (normal.isZeroLength()) return eInvalidInput;
  normal.normalize();
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(normal);
  // The plane's origin moves too: the elevation is where it lands along the new normal.
  OdGePoint3d origin = OdGePoint3d::kOrigin + m_normal * m_elevation;
  origin.transformBy(transform);
  const double elevation = OdGePoint3d(origin).transformBy(toPlane).z;
  std::vector<Vertex> moved = m_vertices;
  for (unsigned i = 0; i < moved.size(); ++i) {
    OdGePoint3d p;
    getPointAt(i, p);
    p.transformBy(transform).transformBy(toPlane);
    if (!p.isFinite()) return eInvalidInput;
    moved[i].point = OdGePoint2d(p.x, p.y);
    moved[i].startWidth *= transform.scale();
    moved[i].endWidth *= transform.scale();
    // A mirror turns every arc the other way.
    if (transform.det() < 0.0) moved[i].bulge = -moved[i].bulge;
  }
  if (!std::isfinite(elevation)) return eInvalidInput;
  m_vertices = moved;
  m_normal = normal;
  m_elevation = elevation;
  m_constantWidth *= transform.scale();
  m_thickness *= transform.scale();
  return eOk;
}
