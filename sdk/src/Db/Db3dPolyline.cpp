#include "Db/Db3dPolyline.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDb3dPolyline, OdDbCurve, L"POLYLINE", new OdDb3dPolyline)

namespace {
enum { kClosedFlag = 1, kSplineFitFlag = 4, k3dFlag = 8 };
}

OdDb::Poly3dType OdDb3dPolyline::polyType() const {
  assertReadEnabled();
  return m_type;
}

OdResult OdDb3dPolyline::setPolyType(OdDb::Poly3dType type) {
  assertWriteEnabled();
  if (type == OdDb::k3dSimplePoly) return straighten();
  return splineFit(type, database() ? database()->getSPLINESEGS() : 8);
}

void OdDb3dPolyline::makeClosed() {
  assertWriteEnabled();
  m_closed = true;
}
void OdDb3dPolyline::makeOpen() {
  assertWriteEnabled();
  m_closed = false;
}
bool OdDb3dPolyline::isClosed() const {
  assertReadEnabled();
  return m_closed;
}

OdResult OdDb3dPolyline::appendVertex(OdDbObjectId& id, OdDb3dPolylineVertex* vertex) {
  assertWriteEnabled();
  return m_vertices.insert(this, vertex, id);
}

OdDbObjectIteratorPtr OdDb3dPolyline::vertexIterator() const {
  assertReadEnabled();
  return m_vertices.iterator();
}

std::vector<OdGePoint3d> OdDb3dPolyline::points(bool frame) const {
  assertReadEnabled();
  std::vector<OdGePoint3d> out;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(it->entity());
    if (v.isNull()) continue;
    const bool control = v->vertexType() == OdDb::k3dControlVertex;
    if (control == frame) out.push_back(v->position());
  }
  return out;
}

OdResult OdDb3dPolyline::straighten() {
  assertWriteEnabled();
  std::vector<OdDbObjectId> generated;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(it->entity(OdDb::kForWrite));
    if (v.isNull()) continue;
    if (v->vertexType() == OdDb::k3dFitVertex) generated.push_back(it->objectId());
    else v->setVertexType(OdDb::k3dSimpleVertex);
  }
  for (const OdDbObjectId& id : generated) m_vertices.remove(id);
  m_type = OdDb::k3dSimplePoly;
  return eOk;
}

OdResult OdDb3dPolyline::splineFit() {
  return splineFit(OdDb::k3dCubicSplinePoly, database() ? database()->getSPLINESEGS() : 8);
}

OdResult OdDb3dPolyline::splineFit(OdDb::Poly3dType type, int segments) {
  assertWriteEnabled();
  if (type != OdDb::k3dQuadSplinePoly && type != OdDb::k3dCubicSplinePoly) return eInvalidInput;
  if (m_type != OdDb::k3dSimplePoly) straighten();
  std::vector<OdDbObjectId> frameIds;
  std::vector<OdGePoint3d> frame;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(it->entity());
    if (v.isNull()) continue;
    frameIds.push_back(it->objectId());
    frame.push_back(v->position());
  }
  m_type = type;
  if (frame.size() < 2) return eOk;
  for (const OdDbObjectId& id : frameIds)
    OdDb3dPolylineVertexPtr(id.openObject(OdDb::kForWrite))->setVertexType(OdDb::k3dControlVertex);
  const std::vector<OdGePoint3d> fit = OdGeNurbCurve3d::uniform(type == OdDb::k3dQuadSplinePoly ? 2 : 3, frame, m_closed)
                                           .samples(OdDbVertexChain::fitSegments(segments), m_closed);
  for (size_t k = 0; k < fit.size(); ++k) {
    OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
    vertex->setPosition(fit[k]);
    vertex->setVertexType(OdDb::k3dFitVertex);
    OdDbObjectId id;
    m_vertices.insert(this, vertex, id, k);
  }
  return eOk;
}

OdResult OdDb3dPolyline::getStartParam(double& param) const {
  if (points().empty()) return eDegenerateGeometry;
  param = 0.0;
  return eOk;
}

namespace {
// Parameter of the end of a polyline through n points.
double endParamOf(size_t n, bool closed) { return double(n < 2 ? 0 : (closed ? n : n - 1)); }
}  // namespace

OdResult OdDb3dPolyline::getEndParam(double& param) const {
  const size_t n = points().size();
  if (n == 0) return eDegenerateGeometry;
  param = endParamOf(n, m_closed);
  return eOk;
}

OdResult OdDb3dPolyline::getStartPoint(OdGePoint3d& point) const {
  const std::vector<OdGePoint3d> p = points();
  if (p.empty()) return eDegenerateGeometry;
  point = p.front();
  return eOk;
}

OdResult OdDb3dPolyline::getEndPoint(OdGePoint3d& point) const {
  const std::vector<OdGePoint3d> p = points();
  if (p.empty()) return eDegenerateGeometry;
  point = m_closed ? p.front() : p.back();
  return eOk;
}

OdResult OdDb3dPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  const std::vector<OdGePoint3d> p = points();
  if (p.empty()) return eDegenerateGeometry;
  const double end = endParamOf(p.size(), m_closed);
  if (!(param >= 0.0 && param <= end)) return eInvalidInput;
  const size_t i = size_t(std::floor(param));
  if (double(i) >= end) {
    point = m_closed ? p.front() : p.back();
    return eOk;
  }
  const OdGePoint3d& a = p[i];
  const OdGePoint3d& b = p[(i + 1) % p.size()];
  point = a + (b - a) * (param - double(i));
  return eOk;
}

OdResult OdDb3dPolyline::getDistAtParam(double param, double& dist) const {
  const std::vector<OdGePoint3d> p = points();
  if (p.empty()) return eDegenerateGeometry;
  const double end = endParamOf(p.size(), m_closed);
  if (!(param >= 0.0 && param <= end)) return eInvalidInput;
  dist = 0.0;
  for (size_t i = 0; double(i) < end && double(i) < param; ++i) {
    const double part = std::min(1.0, param - double(i));
    dist += p[i].distanceTo(p[(i + 1) % p.size()]) * part;
  }
  return eOk;
}

OdResult OdDb3dPolyline::getArea(double& area) const {
  const std::vector<OdGePoint3d> p = points();
  OdGeVector3d sum;
  for (size_t i = 0; i < p.size(); ++i) {
    const OdGePoint3d& a = p[i];
    const OdGePoint3d& b = p[(i + 1) % p.size()];
    sum += OdGeVector3d(a.x, a.y, a.z).crossProduct(OdGeVector3d(b.x, b.y, b.z));
  }
  area = 0.5 * sum.length();
  return eOk;
}

OdResult OdDb3dPolyline::getSpline(OdDbSplinePtr& spline) const {
  assertReadEnabled();
  if (m_type == OdDb::k3dSimplePoly) return eNotApplicable;
  const OdGeNurbCurve3d curve =
      OdGeNurbCurve3d::uniform(m_type == OdDb::k3dQuadSplinePoly ? 2 : 3, points(true), m_closed);
  if (curve.isEmpty()) return eDegenerateGeometry;
  spline = OdDbSpline::createObject();
  return spline->setNurbsData(curve.degree(), curve.knots(), curve.controlPoints(), m_closed);
}

void OdDb3dPolyline::subEntityIds(OdDbObjectIdArray& ids) const { m_vertices.subEntityIds(ids); }

bool OdDb3dPolyline::dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) {
  m_vertices.adopt(followers);
  return true;
}

void OdDb3dPolyline::dxfFollowers(std::vector<OdDbObjectId>& ids) const { m_vertices.followers(ids); }

void OdDb3dPolyline::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDb3dPolyline";
  const int flags = in.integer(S, 70, k3dFlag);
  m_closed = (flags & kClosedFlag) != 0;
  m_type = (flags & kSplineFitFlag) ? (in.integer(S, 75, 0) == 5 ? OdDb::k3dQuadSplinePoly : OdDb::k3dCubicSplinePoly)
                                    : OdDb::k3dSimplePoly;
}

void OdDb3dPolyline::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDb3dPolyline");
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  out.integer(70, k3dFlag | (m_closed ? kClosedFlag : 0) | (m_type != OdDb::k3dSimplePoly ? kSplineFitFlag : 0));
  out.integerOpt(75, m_type == OdDb::k3dQuadSplinePoly ? 5 : m_type == OdDb::k3dCubicSplinePoly ? 6 : 0, 0);
}
