#include "Db/DbCorners.h"

#include "Db/DbAssign.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbTrace, OdDbEntity, L"TRACE", new OdDbTrace)
ODRX_DEFINE_MEMBERS_EX(OdDbSolid, OdDbEntity, L"SOLID", new OdDbSolid)
ODRX_DEFINE_MEMBERS_EX(OdDbFace, OdDbEntity, L"3DFACE", new OdDbFace)

namespace {
const int kCornerCodes[4] = {10, 11, 12, 13};
bool isCorner(int index) { return index >= 0 && index < 4; }
}  // namespace

void OdDbPlanarCorners::read(const OdDxfIn& in) {
  const char* S = "AcDbTrace";
  normal = in.normal(S);
  thickness = in.real(S, 39, 0.0);
  for (int i = 0; i < 4; ++i) corners[i] = in.ocsPoint(S, kCornerCodes[i], normal);
}

void OdDbPlanarCorners::write(OdDxfOut& out) const {
  out.subclass("AcDbTrace");
  out.realOpt(39, thickness, 0.0);
  for (int i = 0; i < 4; ++i) out.ocsPoint(kCornerCodes[i], corners[i], normal);
  out.normal(210, normal);
}

// Traces and solids: the same corners and plane.
#define KD_PLANAR_CORNERS(Class)                                                              \
  OdResult Class::getPointAt(int index, OdGePoint3d& point) const {                          \
    assertReadEnabled();                                                                     \
    if (!isCorner(index)) return eInvalidIndex;                                              \
    point = m_data.corners[index];                                                           \
    return eOk;                                                                              \
  }                                                                                          \
  OdResult Class::setPointAt(int index, const OdGePoint3d& point) {                          \
    assertWriteEnabled();                                                                    \
    if (!isCorner(index)) return eInvalidIndex;                                              \
    return odDbAssignFinite(m_data.corners[index], point);                                   \
  }                                                                                          \
  double Class::thickness() const {                                                          \
    assertReadEnabled();                                                                     \
    return m_data.thickness;                                                                 \
  }                                                                                          \
  OdResult Class::setThickness(double thickness) {                                           \
    assertWriteEnabled();                                                                    \
    return odDbAssignFinite(m_data.thickness, thickness);                                    \
  }                                                                                          \
  OdGeVector3d Class::normal() const {                                                       \
    assertReadEnabled();                                                                     \
    return m_data.normal;                                                                    \
  }                                                                                          \
  OdResult Class::setNormal(const OdGeVector3d& normal) {                                    \
    assertWriteEnabled();                                                                    \
    return odDbAssignNormal(m_data.normal, normal);                                          \
  }                                                                                          \
  void Class::dxfInFields(const OdDxfIn& in) {                                               \
    OdDbEntity::dxfInFields(in);                                                             \
    m_data.read(in);                                                                         \
  }                                                                                          \
  void Class::dxfOutFields(OdDxfOut& out) const {                                            \
    OdDbEntity::dxfOutFields(out);                                                           \
    m_data.write(out);                                                                       \
  }
KD_PLANAR_CORNERS(OdDbTrace)
KD_PLANAR_CORNERS(OdDbSolid)
#undef KD_PLANAR_CORNERS

OdResult OdDbFace::getVertexAt(int index, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!isCorner(index)) return eInvalidIndex;
  point = m_corners[index];
  return eOk;
}
OdResult OdDbFace::setVertexAt(int index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (!isCorner(index)) return eInvalidIndex;
  return odDbAssignFinite(m_corners[index], point);
}
OdResult OdDbFace::isEdgeVisibleAt(int index, bool& visible) const {
  assertReadEnabled();
  if (!isCorner(index)) return eInvalidIndex;
  visible = (m_invisible & (1 << index)) == 0;
  return eOk;
}
OdResult OdDbFace::makeEdgeVisibleAt(int index) {
  assertWriteEnabled();
  if (!isCorner(index)) return eInvalidIndex;
  m_invisible &= ~(1 << index);
  return eOk;
}
OdResult OdDbFace::makeEdgeInvisibleAt(int index) {
  assertWriteEnabled();
  if (!isCorner(index)) return eInvalidIndex;
  m_invisible |= 1 << index;
  return eOk;
}

void OdDbFace::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbFace";
  for (int i = 0; i < 4; ++i) m_corners[i] = in.point(S, kCornerCodes[i]);
  m_invisible = in.integer(S, 70, 0) & 15;
}

void OdDbFace::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbFace");
  for (int i = 0; i < 4; ++i) out.point(kCornerCodes[i], m_corners[i]);
  out.flags(70, m_invisible, 15, 0);
}
