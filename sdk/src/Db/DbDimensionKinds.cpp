#include "Db/DbDimensionKinds.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbResBuf.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDb2LineAngularDimension, OdDbDimension, L"DIMENSION", new OdDb2LineAngularDimension)
ODRX_DEFINE_MEMBERS_EX(OdDb3PointAngularDimension, OdDbDimension, L"DIMENSION", new OdDb3PointAngularDimension)
ODRX_DEFINE_MEMBERS_EX(OdDbArcDimension, OdDbDimension, L"ARC_DIMENSION", new OdDbArcDimension)
ODRX_DEFINE_MEMBERS_EX(OdDbDiametricDimension, OdDbDimension, L"DIMENSION", new OdDbDiametricDimension)
ODRX_DEFINE_MEMBERS_EX(OdDbRadialDimension, OdDbDimension, L"DIMENSION", new OdDbRadialDimension)
ODRX_DEFINE_MEMBERS_EX(OdDbRadialDimensionLarge, OdDbDimension, L"LARGE_RADIAL_DIMENSION", new OdDbRadialDimensionLarge)
ODRX_DEFINE_MEMBERS_EX(OdDbOrdinateDimension, OdDbDimension, L"DIMENSION", new OdDbOrdinateDimension)

namespace {
// Points of the dimension's plane as plane coordinates: x along the plane's X axis.
struct Plane {
  OdGeVector3d x, y;
  explicit Plane(const OdGeVector3d& normal) : x(normal.perpVector()), y(normal.crossProduct(normal.perpVector())) {}
  // The angle of a vector in the plane, in [0, 2 pi).
  double angleOf(const OdGeVector3d& v) const { return OdaNormalizedAngle(std::atan2(v.dotProduct(y), v.dotProduct(x))); }
};
// The angle swept counterclockwise from a to b, in [0, 2 pi).
double sweep(double a, double b) { return OdaNormalizedAngle(b - a); }
// The sector at the vertex from the first to the second direction that holds
// the third: counterclockwise from the first, or from the second when the
// third lies outside.
void sectorHolding(const Plane& plane, const OdGeVector3d& first, const OdGeVector3d& second, const OdGeVector3d& held,
                   double& start, double& swept) {
  const double a = plane.angleOf(first), b = plane.angleOf(second), c = plane.angleOf(held);
  const double ab = sweep(a, b);
  if (held.isZeroLength() || sweep(a, c) <= ab) {
    start = a;
    swept = ab;
  } else {
    start = b;
    swept = Oda2PI - ab;
  }
}
bool intersect(const OdGePoint3d& p1, const OdGeVector3d& d1, const OdGePoint3d& p2, const OdGeVector3d& d2,
               const Plane& plane, OdGePoint3d& at) {
  const double ax = d1.dotProduct(plane.x), ay = d1.dotProduct(plane.y);
  const double bx = d2.dotProduct(plane.x), by = d2.dotProduct(plane.y);
  const double det = ax * by - ay * bx;
  if (std::fabs(det) < 1e-12 * (d1.length() * d2.length())) return false;
  const OdGeVector3d w = p2 - p1;
  const double t = (w.dotProduct(plane.x) * by - w.dotProduct(plane.y) * bx) / det;
  at = p1 + d1 * t;
  return true;
}

#define KD_POINT(Class, get, Set, member)           \
  OdGePoint3d Class::get() const {                  \
    assertReadEnabled();                            \
    return member;                                  \
  }                                                 \
  OdResult Class::Set(const OdGePoint3d& p) {       \
    assertWriteEnabled();                           \
    return odDbAssignFinite(member, p);             \
  }
}  // namespace

// Two lines.
KD_POINT(OdDb2LineAngularDimension, xLine1Start, setXLine1Start, m_line1Start)
KD_POINT(OdDb2LineAngularDimension, xLine1End, setXLine1End, m_line1End)
KD_POINT(OdDb2LineAngularDimension, xLine2Start, setXLine2Start, m_line2Start)
KD_POINT(OdDb2LineAngularDimension, xLine2End, setXLine2End, m_line2End)
KD_POINT(OdDb2LineAngularDimension, arcPoint, setArcPoint, m_arc)

bool OdDb2LineAngularDimension::getSector(OdGePoint3d& vertex, double& start, double& swept) const {
  assertReadEnabled();
  const Plane plane(normal());
  const OdGeVector3d d1 = m_line1End - m_line1Start, d2 = m_line2End - m_line2Start;
  if (d1.isZeroLength() || d2.isZeroLength() || !intersect(m_line1Start, d1, m_line2Start, d2, plane, vertex)) return false;
  // Of the four angles the lines make, the one whose sector holds the arc point.
  const double held = plane.angleOf(m_arc - vertex);
  // Each sector runs counterclockwise from a ray of one line to a ray of the other.
  const OdGeVector3d rays1[] = {d1, -d1}, rays2[] = {d2, -d2};
  for (int order = 0; order < 2; ++order)
    for (const OdGeVector3d& a : order == 0 ? rays1 : rays2)
      for (const OdGeVector3d& b : order == 0 ? rays2 : rays1) {
        const double ab = sweep(plane.angleOf(a), plane.angleOf(b));
        if (ab <= OdaPI && sweep(plane.angleOf(a), held) <= ab) {
          start = plane.angleOf(a);
          swept = ab;
          return true;
        }
      }
  return false;
}

double OdDb2LineAngularDimension::getMeasurement() const {
  OdGePoint3d vertex;
  double start = 0.0, swept = 0.0;
  return getSector(vertex, start, swept) ? swept : 0.0;
}

void OdDb2LineAngularDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  const char* S = "AcDb2LineAngularDimension";
  m_line2End = in.point("AcDbDimension", 10);
  m_line1Start = in.point(S, 13);
  m_line1End = in.point(S, 14);
  m_line2Start = in.point(S, 15);
  m_arc = in.ocsPoint(S, 16, normal());
}
void OdDb2LineAngularDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_line2End); }
void OdDb2LineAngularDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDb2LineAngularDimension");
  out.point(13, m_line1Start);
  out.point(14, m_line1End);
  out.point(15, m_line2Start);
  out.ocsPoint(16, m_arc, normal());
}

// Three points.
KD_POINT(OdDb3PointAngularDimension, xLine1Point, setXLine1Point, m_xLine1)
KD_POINT(OdDb3PointAngularDimension, xLine2Point, setXLine2Point, m_xLine2)
KD_POINT(OdDb3PointAngularDimension, centerPoint, setCenterPoint, m_center)
KD_POINT(OdDb3PointAngularDimension, arcPoint, setArcPoint, m_arc)

bool OdDb3PointAngularDimension::getSector(OdGePoint3d& vertex, double& start, double& swept) const {
  assertReadEnabled();
  if ((m_xLine1 - m_center).isZeroLength() || (m_xLine2 - m_center).isZeroLength()) return false;
  vertex = m_center;
  sectorHolding(Plane(normal()), m_xLine1 - m_center, m_xLine2 - m_center, m_arc - m_center, start, swept);
  return true;
}

double OdDb3PointAngularDimension::getMeasurement() const {
  OdGePoint3d vertex;
  double start = 0.0, swept = 0.0;
  return getSector(vertex, start, swept) ? swept : 0.0;
}

void OdDb3PointAngularDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  const char* S = "AcDb3PointAngularDimension";
  m_arc = in.point("AcDbDimension", 10);
  m_xLine1 = in.point(S, 13);
  m_xLine2 = in.point(S, 14);
  m_center = in.point(S, 15);
}
void OdDb3PointAngularDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_arc); }
void OdDb3PointAngularDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDb3PointAngularDimension");
  out.point(13, m_xLine1);
  out.point(14, m_xLine2);
  out.point(15, m_center);
}

// Arc lengths.
KD_POINT(OdDbArcDimension, xLine1Point, setXLine1Point, m_xLine1)
KD_POINT(OdDbArcDimension, xLine2Point, setXLine2Point, m_xLine2)
KD_POINT(OdDbArcDimension, centerPoint, setCenterPoint, m_center)
KD_POINT(OdDbArcDimension, arcPoint, setArcPoint, m_arc)
OdGePoint3d OdDbArcDimension::leader1Point() const {
  assertReadEnabled();
  return m_leader1;
}
OdGePoint3d OdDbArcDimension::leader2Point() const {
  assertReadEnabled();
  return m_leader2;
}
bool OdDbArcDimension::hasLeader() const {
  assertReadEnabled();
  return m_hasLeader;
}
bool OdDbArcDimension::isPartial() const {
  assertReadEnabled();
  return m_partial;
}

bool OdDbArcDimension::getSector(OdGePoint3d& vertex, double& start, double& swept) const {
  assertReadEnabled();
  const OdGeVector3d r1 = m_xLine1 - m_center, r2 = m_xLine2 - m_center;
  if (r1.isZeroLength() || r2.isZeroLength()) return false;
  vertex = m_center;
  sectorHolding(Plane(normal()), r1, r2, m_arc - m_center, start, swept);
  return true;
}

double OdDbArcDimension::getMeasurement() const {
  OdGePoint3d vertex;
  double start = 0.0, swept = 0.0;
  return getSector(vertex, start, swept) ? (m_xLine1 - m_center).length() * swept : 0.0;
}

void OdDbArcDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  const char* S = "AcDbArcDimension";
  m_arc = in.point("AcDbDimension", 10);
  m_xLine1 = in.point(S, 13);
  m_xLine2 = in.point(S, 14);
  m_center = in.point(S, 15);
  m_leader1 = in.point(S, 16);
  m_leader2 = in.point(S, 17);
  m_startParam = in.real(S, 40, 0.0);
  m_endParam = in.real(S, 41, 0.0);
  m_partial = in.integer(S, 70, 0) != 0;
  m_hasLeader = in.integer(S, 71, 0) != 0;
}
void OdDbArcDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_arc); }
void OdDbArcDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbArcDimension");
  out.point(13, m_xLine1);
  out.point(14, m_xLine2);
  out.point(15, m_center);
  out.real(40, m_startParam);
  out.real(41, m_endParam);
  out.integer(70, m_partial ? 1 : 0);
  out.integer(71, m_hasLeader ? 1 : 0);
  out.point(16, m_leader1);
  out.point(17, m_leader2);
}

// Radii.
KD_POINT(OdDbRadialDimension, center, setCenter, m_center)
KD_POINT(OdDbRadialDimension, chordPoint, setChordPoint, m_chord)
double OdDbRadialDimension::leaderLength() const {
  assertReadEnabled();
  return m_leaderLength;
}
OdResult OdDbRadialDimension::setLeaderLength(double length) {
  assertWriteEnabled();
  return odDbAssignFinite(m_leaderLength, length);
}
double OdDbRadialDimension::getMeasurement() const {
  assertReadEnabled();
  return (m_chord - m_center).length();
}

namespace {
// Files keep the extension arc of a radius in extended data of its own:
// (387, on), (388, start angle), (390, end angle).
const wchar_t* const kRadialApp = L"ACAD_DSTYLE_DIMRADIAL_EXTENSION";
}  // namespace

bool OdDbRadialDimension::extArcOn() const {
  assertReadEnabled();
  OdResBufPtr chain = xData(kRadialApp);
  for (const OdResBuf* rb = chain.get(); rb; rb = rb->next().get())
    if (rb->restype() == OdResBuf::kDxfXdInteger16 && rb->getInt32() == 387 && rb->next().get())
      return rb->next()->getInt32() != 0;
  return false;
}

void OdDbRadialDimension::setExtArcOn(bool on) {
  assertWriteEnabled();
  if (OdDbDatabase* db = database())
    if (!db->newRegApp(kRadialApp)) return;
  OdResBufPtr chain = xData(kRadialApp);
  for (OdResBuf* rb = chain.get(); rb; rb = rb->next().get())
    if (rb->restype() == OdResBuf::kDxfXdInteger16 && rb->getInt32() == 387 && rb->next().get()) {
      rb->next()->setInt32(on ? 1 : 0);
      setXData(chain);
      return;
    }
  chain = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(kRadialApp));
  chain->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(387)))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(on ? 1 : 0)))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(388)))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdReal, 0.0))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdInteger16, OdInt32(390)))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdReal, 0.0));
  setXData(chain);
}

void OdDbRadialDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  m_center = in.point("AcDbDimension", 10);
  m_chord = in.point("AcDbRadialDimension", 15);
  m_leaderLength = in.real("AcDbRadialDimension", 40, 0.0);
}
void OdDbRadialDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_center); }
void OdDbRadialDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbRadialDimension");
  out.point(15, m_chord);
  out.realOpt(40, m_leaderLength, 0.0);
}

// Diameters.
KD_POINT(OdDbDiametricDimension, chordPoint, setChordPoint, m_chord)
KD_POINT(OdDbDiametricDimension, farChordPoint, setFarChordPoint, m_farChord)
double OdDbDiametricDimension::leaderLength() const {
  assertReadEnabled();
  return m_leaderLength;
}
OdResult OdDbDiametricDimension::setLeaderLength(double length) {
  assertWriteEnabled();
  return odDbAssignFinite(m_leaderLength, length);
}
double OdDbDiametricDimension::getMeasurement() const {
  assertReadEnabled();
  return (m_chord - m_farChord).length();
}
void OdDbDiametricDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  m_farChord = in.point("AcDbDimension", 10);
  m_chord = in.point("AcDbDiametricDimension", 15);
  m_leaderLength = in.real("AcDbDiametricDimension", 40, 0.0);
}
void OdDbDiametricDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_farChord); }
void OdDbDiametricDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbDiametricDimension");
  out.point(15, m_chord);
  out.realOpt(40, m_leaderLength, 0.0);
}

// Large radii.
KD_POINT(OdDbRadialDimensionLarge, center, setCenter, m_center)
KD_POINT(OdDbRadialDimensionLarge, chordPoint, setChordPoint, m_chord)
KD_POINT(OdDbRadialDimensionLarge, overrideCenter, setOverrideCenter, m_overrideCenter)
KD_POINT(OdDbRadialDimensionLarge, jogPoint, setJogPoint, m_jog)
double OdDbRadialDimensionLarge::jogAngle() const {
  assertReadEnabled();
  return m_jogAngle;
}
OdResult OdDbRadialDimensionLarge::setJogAngle(double angle) {
  assertWriteEnabled();
  const double degrees = angle / OdaPI * 180.0;
  if (!(degrees >= 5.0 && degrees <= 90.0)) return eInvalidInput;
  m_jogAngle = angle;
  return eOk;
}
double OdDbRadialDimensionLarge::getMeasurement() const {
  assertReadEnabled();
  return (m_chord - m_center).length();
}
void OdDbRadialDimensionLarge::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  const char* S = "AcDbRadialDimensionLarge";
  m_center = in.point("AcDbDimension", 10);
  m_chord = in.point(S, 13);
  m_overrideCenter = in.point(S, 14);
  m_jog = in.point(S, 15);
  m_jogAngle = in.real(S, 40, m_jogAngle);
}
void OdDbRadialDimensionLarge::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_center); }
void OdDbRadialDimensionLarge::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbRadialDimensionLarge");
  out.point(13, m_chord);
  out.point(14, m_overrideCenter);
  out.point(15, m_jog);
  out.realOpt(40, m_jogAngle, 0.7853981633974483);
}

// Ordinates.
KD_POINT(OdDbOrdinateDimension, origin, setOrigin, m_origin)
KD_POINT(OdDbOrdinateDimension, definingPoint, setDefiningPoint, m_feature)
KD_POINT(OdDbOrdinateDimension, leaderEndPoint, setLeaderEndPoint, m_leaderEnd)
bool OdDbOrdinateDimension::isUsingXAxis() const {
  assertReadEnabled();
  return m_xAxis;
}
void OdDbOrdinateDimension::useXAxis() {
  assertWriteEnabled();
  m_xAxis = true;
}
void OdDbOrdinateDimension::useYAxis() {
  assertWriteEnabled();
  m_xAxis = false;
}
double OdDbOrdinateDimension::horizontalRotation() const {
  assertReadEnabled();
  return -horizontalDirection();
}
double OdDbOrdinateDimension::getMeasurement() const {
  assertReadEnabled();
  const Plane plane(normal());
  const double a = horizontalRotation() + (m_xAxis ? 0.0 : OdaPI / 2);
  const OdGeVector3d along = plane.x * std::cos(a) + plane.y * std::sin(a);
  return std::fabs((m_feature - m_origin).dotProduct(along));
}
void OdDbOrdinateDimension::dxfInFields(const OdDxfIn& in) {
  OdDbDimension::dxfInFields(in);
  const char* S = "AcDbOrdinateDimension";
  m_origin = in.point("AcDbDimension", 10);
  m_xAxis = (in.integer("AcDbDimension", 70, 0) & 64) != 0;
  m_feature = in.point(S, 13);
  m_leaderEnd = in.point(S, 14);
}
void OdDbOrdinateDimension::dxfOutDefiningPoint(OdDxfOut& out) const { out.point(10, m_origin); }
void OdDbOrdinateDimension::dxfOutFields(OdDxfOut& out) const {
  OdDbDimension::dxfOutFields(out);
  out.subclass("AcDbOrdinateDimension");
  out.point(13, m_feature);
  out.point(14, m_leaderEnd);
}
