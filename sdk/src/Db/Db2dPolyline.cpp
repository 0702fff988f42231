#include "Db/Db2dPolyline.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GeNurbCurve3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDb2dPolyline, OdDbCurve, L"POLYLINE", new OdDb2dPolyline)

namespace {
// Polyline flags of a file.
enum { kClosedFlag = 1, kCurveFitFlag = 2, kSplineFitFlag = 4, kPlinegenFlag = 128 };

struct PlaneVertex {
  OdDbObjectId id;
  OdGePoint2d point;
  double startWidth, endWidth, bulge;
  bool tangentUsed;
  double tangent;
};

// The vertices of the chain that are 2D vertices and not erased, with their data.
std::vector<PlaneVertex> planeVertices(const OdDbVertexChain& chain) {
  std::vector<PlaneVertex> out;
  for (OdDbObjectIteratorPtr it = chain.iterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity());
    if (v.isNull()) continue;
    const OdGePoint3d p = v->position();
    out.push_back({it->objectId(), OdGePoint2d(p.x, p.y), v->startWidth(), v->endWidth(), v->bulge(),
                   v->isTangentUsed(), v->tangent()});
  }
  return out;
}

double signedAngle(const OdGeVector2d& from, const OdGeVector2d& to) {
  return std::atan2(from.x * to.y - from.y * to.x, from.x * to.x + from.y * to.y);
}

// Two arcs from a (leaving along ta) to b (arriving along tb), tangent where
// they meet at j; their bulges. False when no such pair exists.
bool biarc(const OdGePoint2d& a, const OdGeVector2d& ta, const OdGePoint2d& b, const OdGeVector2d& tb,
           OdGePoint2d& j, double& bulgeA, double& bulgeJ) {
  const OdGeVector2d v = b - a, t = ta + tb;
  const double vt = v.dotProduct(t), vv = v.dotProduct(v), k = 2.0 * ta.dotProduct(tb) - 2.0;
  // The equal-length control legs d solve k d^2 - 2 (v.t) d + v.v = 0.
  double d = 0.0;
  if (std::fabs(k) < 1e-12) {
    if (!(vt > 1e-12)) return false;
    d = vv / (2.0 * vt);
  } else {
    d = (vt - std::sqrt(vt * vt - k * vv)) / k;
  }
  if (!(d > 0.0) || !std::isfinite(d)) return false;
  const OdGePoint2d q0 = a + ta * d, q1 = b - tb * d;
  j = OdGePoint2d(0.5 * (q0.x + q1.x), 0.5 * (q0.y + q1.y));
  // An arc turns by twice the angle between its tangent and its chord.
  bulgeA = std::tan(0.5 * signedAngle(ta, j - a));
  bulgeJ = std::tan(0.5 * signedAngle(b - j, tb));
  return std::isfinite(bulgeA) && std::isfinite(bulgeJ);
}

OdGeVector2d unit(const OdGeVector2d& v) { return v.length() > 0.0 ? v / v.length() : v; }
}  // namespace

OdDb::Poly2dType OdDb2dPolyline::polyType() const {
  assertReadEnabled();
  return m_type;
}

OdResult OdDb2dPolyline::setPolyType(OdDb::Poly2dType type) {
  assertWriteEnabled();
  switch (type) {
    case OdDb::k2dSimplePoly: return straighten();
    case OdDb::k2dFitCurvePoly: return curveFit();
    case OdDb::k2dQuadSplinePoly:
    case OdDb::k2dCubicSplinePoly: return splineFit(type, database() ? database()->getSPLINESEGS() : 8);
  }
  return eInvalidInput;
}

void OdDb2dPolyline::makeClosed() {
  assertWriteEnabled();
  m_closed = true;
}
void OdDb2dPolyline::makeOpen() {
  assertWriteEnabled();
  m_closed = false;
}
bool OdDb2dPolyline::isClosed() const {
  assertReadEnabled();
  return m_closed;
}
bool OdDb2dPolyline::isLinetypeGenerationOn() const {
  assertReadEnabled();
  return m_plinegen;
}
void OdDb2dPolyline::setLinetypeGenerationOn() {
  assertWriteEnabled();
  m_plinegen = true;
}
void OdDb2dPolyline::setLinetypeGenerationOff() {
  assertWriteEnabled();
  m_plinegen = false;
}
double OdDb2dPolyline::elevation() const {
  assertReadEnabled();
  return m_elevation;
}
OdResult OdDb2dPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  if (odDbAssignFinite(m_elevation, elevation) != eOk) return eInvalidInput;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity(OdDb::kForWrite));
    if (v.isNull()) continue;
    OdGePoint3d p = v->position();
    p.z = elevation;
    v->setPosition(p);
  }
  return eOk;
}
double OdDb2dPolyline::thickness() const {
  assertReadEnabled();
  return m_thickness;
}
OdResult OdDb2dPolyline::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}
OdGeVector3d OdDb2dPolyline::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDb2dPolyline::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
double OdDb2dPolyline::defaultStartWidth() const {
  assertReadEnabled();
  return m_startWidth;
}
double OdDb2dPolyline::defaultEndWidth() const {
  assertReadEnabled();
  return m_endWidth;
}
OdResult OdDb2dPolyline::setDefaultStartWidth(double width) {
  assertWriteEnabled();
  return odDbAssignFinite(m_startWidth, width);
}
OdResult OdDb2dPolyline::setDefaultEndWidth(double width) {
  assertWriteEnabled();
  return odDbAssignFinite(m_endWidth, width);
}

OdResult OdDb2dPolyline::appendVertex(OdDbObjectId& id, OdDb2dVertex* vertex) {
  assertWriteEnabled();
  if (!vertex) return eNullObjectPointer;
  OdGePoint3d p = vertex->position();
  p.z = m_elevation;
  vertex->setPosition(p);
  return m_vertices.insert(this, vertex, id);
}

OdDbObjectIteratorPtr OdDb2dPolyline::vertexIterator() const {
  assertReadEnabled();
  return m_vertices.iterator();
}

OdGePoint3d OdDb2dPolyline::toWorld(const OdGePoint3d& plane) const {
  return OdGePoint3d(plane).transformBy(OdGeMatrix3d::planeToWorld(m_normal));
}

OdGePoint3d OdDb2dPolyline::vertexPosition(const OdDb2dVertex& vertex) const {
  assertReadEnabled();
  return toWorld(vertex.position());
}

OdResult OdDb2dPolyline::straighten() {
  assertWriteEnabled();
  const bool fitted = m_type == OdDb::k2dFitCurvePoly;
  std::vector<OdDbObjectId> generated;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity(OdDb::kForWrite));
    if (v.isNull()) continue;
    const OdDb::Vertex2dType t = v->vertexType();
    if (t == OdDb::k2dSplineFitVertex || t == OdDb::k2dCurveFitVertex) {
      generated.push_back(it->objectId());
      continue;
    }
    v->setVertexType(OdDb::k2dVertex);
    if (fitted) {
      v->setBulge(0.0);  // the fitting's arcs, not the user's
      v->ignoreTangent();
    }
  }
  for (const OdDbObjectId& id : generated) m_vertices.remove(id);
  m_type = OdDb::k2dSimplePoly;
  return eOk;
}

OdResult OdDb2dPolyline::curveFit() {
  assertWriteEnabled();
  if (m_type != OdDb::k2dSimplePoly) straighten();
  const std::vector<PlaneVertex> vs = planeVertices(m_vertices);
  const size_t n = vs.size();
  m_type = OdDb::k2dFitCurvePoly;
  if (n < 2) return eOk;
  // Tangents: along the neighbours' chord inside, mirrored over the end
  // chord at the ends of an open polyline; a vertex's own tangent wins.
  std::vector<OdGeVector2d> tangents(n);
  for (size_t i = 0; i < n; ++i) {
    const bool inner = m_closed || (i > 0 && i + 1 < n);
    if (!inner) continue;
    const OdGePoint2d& prev = vs[(i + n - 1) % n].point;
    const OdGePoint2d& next = vs[(i + 1) % n].point;
    tangents[i] = unit(next - prev);
    if (tangents[i].length() == 0.0) tangents[i] = unit(next - vs[i].point);
  }
  if (!m_closed) {
    const OdGeVector2d first = unit(vs[1].point - vs[0].point), last = unit(vs[n - 1].point - vs[n - 2].point);
    tangents[0] = n > 2 ? first * (2.0 * tangents[1].dotProduct(first)) - tangents[1] : first;
    tangents[n - 1] = n > 2 ? last * (2.0 * tangents[n - 2].dotProduct(last)) - tangents[n - 2] : last;
  }
  for (size_t i = 0; i < n; ++i)
    if (vs[i].tangentUsed) tangents[i] = OdGeVector2d(std::cos(vs[i].tangent), std::sin(vs[i].tangent));

  const size_t segments = m_closed ? n : n - 1;
  size_t position = 0;  // of vertex i in the chain, which grows as fit vertices go in
  for (size_t i = 0; i < segments; ++i) {
    while (position < m_vertices.ids().size() && m_vertices.ids()[position] != vs[i].id) ++position;
    const PlaneVertex& a = vs[i];
    const PlaneVertex& b = vs[(i + 1) % n];
    OdGePoint2d j((a.point.x + b.point.x) / 2, (a.point.y + b.point.y) / 2);
    double bulgeA = 0.0, bulgeJ = 0.0;
    if (!biarc(a.point, tangents[i], b.point, tangents[(i + 1) % n], j, bulgeA, bulgeJ)) bulgeA = bulgeJ = 0.0;
    const double middle = 0.5 * (a.startWidth + a.endWidth);
    OdDb2dVertexPtr start = OdDb2dVertex::cast(a.id.openObject(OdDb::kForWrite));
    start->setBulge(bulgeA);
    start->setEndWidth(middle);
    OdDb2dVertexPtr fit = OdDb2dVertex::createObject();
    fit->setPosition(OdGePoint3d(j.x, j.y, m_elevation));
    fit->setVertexType(OdDb::k2dCurveFitVertex);
    fit->setBulge(bulgeJ);
    fit->setStartWidth(middle);
    fit->setEndWidth(a.endWidth);
    OdDbObjectId id;
    m_vertices.insert(this, fit, id, position + 1);
  }
  return eOk;
}

OdResult OdDb2dPolyline::splineFit() {
  return splineFit(OdDb::k2dCubicSplinePoly, database() ? database()->getSPLINESEGS() : 8);
}

OdResult OdDb2dPolyline::splineFit(OdDb::Poly2dType type, int segments) {
  assertWriteEnabled();
  if (type != OdDb::k2dQuadSplinePoly && type != OdDb::k2dCubicSplinePoly) return eInvalidInput;
  if (m_type != OdDb::k2dSimplePoly) straighten();
  const std::vector<PlaneVertex> vs = planeVertices(m_vertices);
  m_type = type;
  if (vs.size() < 2) return eOk;
  std::vector<OdGePoint3d> frame;
  for (const PlaneVertex& v : vs) frame.push_back(OdGePoint3d(v.point.x, v.point.y, m_elevation));
  const std::vector<OdGePoint3d> fit = OdGeNurbCurve3d::uniform(type == OdDb::k2dQuadSplinePoly ? 2 : 3, frame, m_closed)
                                           .samples(OdDbVertexChain::fitSegments(segments), m_closed);
  for (const PlaneVertex& v : vs) OdDb2dVertexPtr(v.id.openObject(OdDb::kForWrite))->setVertexType(OdDb::k2dSplineCtlVertex);
  // Widths run from the first vertex's start to the last one's end.
  const double w0 = vs.front().startWidth, w1 = vs.back().endWidth;
  for (size_t k = 0; k < fit.size(); ++k) {
    const double w = w0 + (w1 - w0) * double(k) / double(fit.size() > 1 ? fit.size() - 1 : 1);
    OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
    vertex->setPosition(fit[k]);
    vertex->setVertexType(OdDb::k2dSplineFitVertex);
    vertex->setStartWidth(w);
    vertex->setEndWidth(w);
    OdDbObjectId id;
    m_vertices.insert(this, vertex, id, k);
  }
  return eOk;
}

OdDbPolylinePtr OdDb2dPolyline::shape() const {
  assertReadEnabled();
  OdDbPolylinePtr flat = OdDbPolyline::createObject();
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity());
    if (v.isNull() || v->vertexType() == OdDb::k2dSplineCtlVertex) continue;
    const OdGePoint3d p = v->position();
    flat->addVertexAt(flat->numVerts(), OdGePoint2d(p.x, p.y), v->bulge());
  }
  flat->setClosed(m_closed);
  flat->setElevation(m_elevation);
  flat->setNormal(m_normal);
  return flat;
}

OdResult OdDb2dPolyline::getStartParam(double& param) const { return shape()->getStartParam(param); }
OdResult OdDb2dPolyline::getEndParam(double& param) const { return shape()->getEndParam(param); }
OdResult OdDb2dPolyline::getStartPoint(OdGePoint3d& point) const { return shape()->getStartPoint(point); }
OdResult OdDb2dPolyline::getEndPoint(OdGePoint3d& point) const { return shape()->getEndPoint(point); }
OdResult OdDb2dPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  return shape()->getPointAtParam(param, point);
}
OdResult OdDb2dPolyline::getDistAtParam(double param, double& dist) const {
  return shape()->getDistAtParam(param, dist);
}
OdResult OdDb2dPolyline::getArea(double& area) const { return shape()->getArea(area); }

void OdDb2dPolyline::subEntityIds(OdDbObjectIdArray& ids) const { m_vertices.subEntityIds(ids); }

bool OdDb2dPolyline::dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) {
  m_vertices.adopt(followers);
  // A 2D vertex lies at the polyline's elevation.
  for (const OdDbObjectId& id : m_vertices.ids()) {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(id.openObject(OdDb::kForWrite));
    if (v.isNull()) continue;
    OdGePoint3d p = v->position();
    p.z = m_elevation;
    v->setPosition(p);
    v->clearModifiedSinceRead();
  }
  return true;
}

void OdDb2dPolyline::dxfFollowers(std::vector<OdDbObjectId>& ids) const { m_vertices.followers(ids); }

void OdDb2dPolyline::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDb2dPolyline";
  m_elevation = in.point(S, 10).z;
  m_thickness = in.real(S, 39, 0.0);
  const int flags = in.integer(S, 70, 0);
  m_closed = (flags & kClosedFlag) != 0;
  m_plinegen = (flags & kPlinegenFlag) != 0;
  m_startWidth = in.real(S, 40, 0.0);
  m_endWidth = in.real(S, 41, 0.0);
  const int curve = in.integer(S, 75, 0);
  m_type = (flags & kSplineFitFlag) ? (curve == 5 ? OdDb::k2dQuadSplinePoly : OdDb::k2dCubicSplinePoly)
           : (flags & kCurveFitFlag) ? OdDb::k2dFitCurvePoly
                                     : OdDb::k2dSimplePoly;
  const OdGeVector3d n = in.vector(S, 210, OdGeVector3d::kZAxis);
  m_normal = odDbUnitNormal(n);
}

void OdDb2dPolyline::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDb2dPolyline");
  out.integer(66, 1);
  out.point(10, OdGePoint3d(0.0, 0.0, m_elevation));
  out.realOpt(39, m_thickness, 0.0);
  int flags = (m_closed ? kClosedFlag : 0) | (m_plinegen ? kPlinegenFlag : 0);
  if (m_type == OdDb::k2dFitCurvePoly) flags |= kCurveFitFlag;
  if (m_type == OdDb::k2dQuadSplinePoly || m_type == OdDb::k2dCubicSplinePoly) flags |= kSplineFitFlag;
  out.integerOpt(70, flags, 0);
  out.realOpt(40, m_startWidth, 0.0);
  out.realOpt(41, m_endWidth, 0.0);
  out.integerOpt(75, m_type == OdDb::k2dQuadSplinePoly ? 5 : m_type == OdDb::k2dCubicSplinePoly ? 6 : 0, 0);
  out.normal(210, m_normal);
}
