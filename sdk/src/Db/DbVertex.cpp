#include "Db/DbVertex.h"

#include "Db/DbAssign.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbVertex, OdDbEntity)
ODRX_DEFINE_MEMBERS_EX(OdDb2dVertex, OdDbVertex, L"VERTEX", new OdDb2dVertex)
ODRX_DEFINE_MEMBERS_EX(OdDb3dPolylineVertex, OdDbVertex, L"VERTEX", new OdDb3dPolylineVertex)

namespace {
// Vertex flags of a file: 1 curve-fit vertex, 2 tangent given, 8 spline-fit
// vertex, 16 spline frame control point, 32 vertex of a 3D polyline.
enum { kCurveFitFlag = 1, kTangentFlag = 2, kSplineFitFlag = 8, kControlFlag = 16, k3dFlag = 32 };
}  // namespace

void OdDbVertex::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbVertex");
}

OdDb::Vertex2dType OdDb2dVertex::vertexType() const {
  assertReadEnabled();
  return m_type;
}
void OdDb2dVertex::setVertexType(OdDb::Vertex2dType type) {
  assertWriteEnabled();
  if (type >= OdDb::k2dVertex && type <= OdDb::k2dCurveFitVertex) m_type = type;
}
OdGePoint3d OdDb2dVertex::position() const {
  assertReadEnabled();
  return m_position;
}
OdResult OdDb2dVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}
double OdDb2dVertex::startWidth() const {
  assertReadEnabled();
  return m_startWidth;
}
double OdDb2dVertex::endWidth() const {
  assertReadEnabled();
  return m_endWidth;
}
OdResult OdDb2dVertex::setStartWidth(double width) {
  assertWriteEnabled();
  return odDbAssignFinite(m_startWidth, width);
}
OdResult OdDb2dVertex::setEndWidth(double width) {
  assertWriteEnabled();
  return odDbAssignFinite(m_endWidth, width);
}
double OdDb2dVertex::bulge() const {
  assertReadEnabled();
  return m_bulge;
}
OdResult OdDb2dVertex::setBulge(double bulge) {
  assertWriteEnabled();
  return odDbAssignFinite(m_bulge, bulge);
}
bool OdDb2dVertex::isTangentUsed() const {
  assertReadEnabled();
  return m_tangentUsed;
}
double OdDb2dVertex::tangent() const {
  assertReadEnabled();
  return m_tangent;
}
OdResult OdDb2dVertex::setTangent(double angle) {
  assertWriteEnabled();
  if (odDbAssignFinite(m_tangent, angle) != eOk) return eInvalidInput;
  m_tangentUsed = true;
  return eOk;
}
void OdDb2dVertex::useTangent() {
  assertWriteEnabled();
  m_tangentUsed = true;
}
void OdDb2dVertex::ignoreTangent() {
  assertWriteEnabled();
  m_tangentUsed = false;
}

void OdDb2dVertex::dxfInFields(const OdDxfIn& in) {
  OdDbVertex::dxfInFields(in);
  const char* S = "AcDb2dVertex";
  m_position = in.point(S, 10);
  m_startWidth = in.real(S, 40, 0.0);
  m_endWidth = in.real(S, 41, 0.0);
  m_bulge = in.real(S, 42, 0.0);
  const int flags = in.integer(S, 70, 0);
  m_type = (flags & kControlFlag)     ? OdDb::k2dSplineCtlVertex
           : (flags & kSplineFitFlag) ? OdDb::k2dSplineFitVertex
           : (flags & kCurveFitFlag)  ? OdDb::k2dCurveFitVertex
                                      : OdDb::k2dVertex;
  m_tangentUsed = (flags & kTangentFlag) != 0;
  m_tangent = OdaToRadian(in.real(S, 50, 0.0));
}

void OdDb2dVertex::dxfOutFields(OdDxfOut& out) const {
  OdDbVertex::dxfOutFields(out);
  out.subclass("AcDb2dVertex");
  out.point(10, m_position);
  out.realOpt(40, m_startWidth, 0.0);
  out.realOpt(41, m_endWidth, 0.0);
  out.realOpt(42, m_bulge, 0.0);
  static const int kTypeFlags[] = {0, kControlFlag, kSplineFitFlag, kCurveFitFlag};
  out.flags(70, kTypeFlags[m_type] | (m_tangentUsed ? kTangentFlag : 0),
            kCurveFitFlag | kTangentFlag | kSplineFitFlag | kControlFlag, 0);
  if (m_tangentUsed) out.angle(50, m_tangent);
  else out.own(50);
}

OdDb::Vertex3dType OdDb3dPolylineVertex::vertexType() const {
  assertReadEnabled();
  return m_type;
}
void OdDb3dPolylineVertex::setVertexType(OdDb::Vertex3dType type) {
  assertWriteEnabled();
  if (type >= OdDb::k3dSimpleVertex && type <= OdDb::k3dFitVertex) m_type = type;
}
OdGePoint3d OdDb3dPolylineVertex::position() const {
  assertReadEnabled();
  return m_position;
}
OdResult OdDb3dPolylineVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}

void OdDb3dPolylineVertex::dxfInFields(const OdDxfIn& in) {
  OdDbVertex::dxfInFields(in);
  const char* S = "AcDb3dPolylineVertex";
  m_position = in.point(S, 10);
  const int flags = in.integer(S, 70, k3dFlag);
  m_type = (flags & kControlFlag) ? OdDb::k3dControlVertex : (flags & kSplineFitFlag) ? OdDb::k3dFitVertex : OdDb::k3dSimpleVertex;
}

void OdDb3dPolylineVertex::dxfOutFields(OdDxfOut& out) const {
  OdDbVertex::dxfOutFields(out);
  out.subclass("AcDb3dPolylineVertex");
  out.point(10, m_position);
  static const int kTypeFlags[] = {0, kControlFlag, kSplineFitFlag};
  // The kind bit (32) as the file had it: some writers leave it out.
  if (out.fromFile()) out.flags(70, kTypeFlags[m_type], kControlFlag | kSplineFitFlag, 0);
  else out.integer(70, k3dFlag | kTypeFlags[m_type]);
}
