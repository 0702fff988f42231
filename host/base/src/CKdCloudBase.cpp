#include "CKdCloudBase.h"

#include <cmath>
#include <algorithm>
#include <string>

#include "CKdDocument.h"
#include "Db/DbArc.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDatabase.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"
#include "Ge/GeConst.h"

namespace {
const double kPi = 3.141592653589793;

// The outline's plane normal by Newell's sum; world Z when it has no area.
OdGeVector3d planeOf(const std::vector<OdGePoint3d>& p) {
  OdGeVector3d n;
  for (size_t i = 0; i < p.size(); ++i) {
    const OdGePoint3d& a = p[i];
    const OdGePoint3d& b = p[(i + 1) % p.size()];
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  return n.isZeroLength() ? OdGeVector3d::kZAxis : n.normal();
}

// Points every chord along the closed path: a whole number of equal steps
// along each side (corners kept) or along the whole length.
std::vector<OdGePoint3d> stations(const std::vector<OdGePoint3d>& p, double chord, bool corners) {
  std::vector<OdGePoint3d> out;
  const size_t n = p.size();
  if (corners) {
    for (size_t i = 0; i < n; ++i) {
      const OdGePoint3d& a = p[i];
      const OdGePoint3d& b = p[(i + 1) % n];
      const double length = a.distanceTo(b);
      if (length <= 0.0) continue;
      const int steps = std::max(1, int(std::ceil(length / chord - 1e-9)));
      for (int k = 0; k < steps; ++k) out.push_back(a + (b - a) * (double(k) / steps));
    }
    return out;
  }
  double total = 0.0;
  for (size_t i = 0; i < n; ++i) total += p[i].distanceTo(p[(i + 1) % n]);
  if (total <= 0.0) return out;
  const int steps = std::max(3, int(std::ceil(total / chord - 1e-9)));
  const double step = total / steps;
  auto sideLength = [&](size_t i) { return p[i].distanceTo(p[(i + 1) % n]); };
  size_t side = 0;
  double before = 0.0;  // length of the sides before the current one
  for (int k = 0; k < steps; ++k) {
    const double at = step * k;
    while (side + 1 < n && before + sideLength(side) < at) before += sideLength(side++);
    const OdGePoint3d& a = p[side];
    const OdGePoint3d& b = p[(side + 1) % n];
    const double length = sideLength(side);
    out.push_back(length > 0.0 ? a + (b - a) * ((at - before) / length) : a);
  }
  return out;
}

}  // namespace

CKdString CKdCloudBase::shapeName(CLOUDLINE_COMMAND_DATA::Shape shape) {
  switch (shape) {
    case CLOUDLINE_COMMAND_DATA::kElliptical: return CKdString(L"Elliptical");
    case CLOUDLINE_COMMAND_DATA::kFreehand: return CKdString(L"Freehand");
    default: return CKdString(L"Rectangular");
  }
}

void CKdCloudBase::setBaseCurve(const OdDbCurve* curve) {
  m_outline.clear();
  double start = 0.0, end = 0.0;
  if (!curve || curve->getStartParam(start) != eOk || curve->getEndParam(end) != eOk) return;
  for (double t = start; t < end - 1e-9 || (t <= end + 1e-9 && !curve->isClosed()); t += 1.0) {
    OdGePoint3d p;
    if (curve->getPointAtParam(t, p) == eOk && (m_outline.empty() || !p.isEqualTo(m_outline.back())))
      m_outline.push_back(p);
    if (m_outline.size() > 100000) break;
  }
  if (m_outline.size() > 1 && m_outline.front().isEqualTo(m_outline.back())) m_outline.pop_back();
}

bool CKdCloudBase::cloudBaseMain(bool) {
  m_arcs.clear();
  const double radius = m_data.radius > 0.0 ? m_data.radius : m_data.arcSize;
  if (!m_db || m_outline.size() < 2 || !(radius > 0.0) || !std::isfinite(radius * radius)) return false;
  const OdGeVector3d normal = planeOf(m_outline);
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(normal);
  // Which side is outside: the outline's turning sense in its plane.
  double area = 0.0;
  for (size_t i = 0; i < m_outline.size(); ++i) {
    const OdGePoint3d a = OdGePoint3d(m_outline[i]).transformBy(toPlane);
    const OdGePoint3d b = OdGePoint3d(m_outline[(i + 1) % m_outline.size()]).transformBy(toPlane);
    area += a.x * b.y - b.x * a.y;
  }
  const double sense = area < 0.0 ? -1.0 : 1.0;
  // Arcs of 120 degrees: the chord is radius x sqrt 3, never beyond the diameter.
  const std::vector<OdGePoint3d> at =
      stations(m_outline, radius * std::sqrt(3.0), m_data.shape == CLOUDLINE_COMMAND_DATA::kRectangular);
  if (at.size() < 2 || at.size() > 200000) return false;
  for (size_t i = 0; i < at.size(); ++i) {
    const OdGePoint3d a = OdGePoint3d(at[i]).transformBy(toPlane);
    const OdGePoint3d b = OdGePoint3d(at[(i + 1) % at.size()]).transformBy(toPlane);
    const OdGeVector3d chord = b - a;
    const double c = chord.length();
    if (c <= 0.0 || c > 2.0 * radius * (1.0 + 1e-12)) continue;
    // The centre lies inside, so that the arc bulges out.
    const OdGeVector3d inward = OdGeVector3d(-chord.y, chord.x, 0.0).normal() * sense;
    const double depth = std::sqrt(std::max(0.0, radius * radius - c * c / 4.0));
    const OdGePoint3d center = a + chord * 0.5 + inward * depth;
    const double from = std::atan2(a.y - center.y, a.x - center.x), to = std::atan2(b.y - center.y, b.x - center.x);
    OdDbArcPtr arc = OdDbArc::createObject();
    arc->setDatabaseDefaults(m_db);
    arc->setNormal(normal);
    arc->setCenter(OdGePoint3d(center.x, center.y, a.z).transformBy(OdGeMatrix3d::planeToWorld(normal)));
    arc->setRadius(radius);
    // Counter-clockwise about the normal from the earlier point on a
    // counter-clockwise outline: the short way round, outside.
    arc->setStartAngle(OdaNormalizedAngle(sense > 0 ? from : to));
    arc->setEndAngle(OdaNormalizedAngle(sense > 0 ? to : from));
    if (!m_data.layer.isNull()) arc->setLayer(m_data.layer, false);
    if (!m_data.linetype.isNull()) arc->setLinetype(m_data.linetype, false);
    arc->setColor(m_data.color, false);
    arc->setLineWeight(m_data.lineWeight, false);
    m_arcs.append(m_db->addOdDbObject(arc));
  }
  return !m_arcs.isEmpty();
}

bool CKdCloudBase::convertToBlock(const OdDbObjectIdArray& arcs, const CLOUDLINE_COMMAND_DATA& data,
                                  const OdGePoint3d& position, OdDbBlockReference* reference) {
  if (!m_db || !reference || arcs.isEmpty()) return false;
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(m_db->getBlockTableId().openObject(OdDb::kForWrite));
  if (blocks.isNull()) return false;
  const OdGeScale3d scale = reference->scaleFactors();
  if (!(scale.sx > 0.0)) return false;
  // The block is drawn in the current UCS; the reference turns it back (its rotation is set by the caller).
  OdGeVector3d ucsX = OdGeVector3d::kXAxis;
  if (CKdDocument* doc = ACTIVE_DOCUMENT()) ucsX = doc->GetUcsXAxis();
  const OdGeVector3d inPlane = OdGeVector3d(ucsX).transformBy(OdGeMatrix3d::worldToPlane(reference->normal()));
  const double turn = std::atan2(inPlane.y, inPlane.x);
  const OdGeMatrix3d placed = OdGeMatrix3d::translation(position.asVector()) *
                              OdGeMatrix3d::planeToWorld(reference->normal()) *
                              OdGeMatrix3d::rotation(turn, OdGeVector3d::kZAxis) * OdGeMatrix3d::scaling(scale.sx);
  // The arcs lie on the unscaled outline; the reference's scale puts them in the world.
  const OdGeMatrix3d content = placed.inverse() * OdGeMatrix3d::scaling(scale.sx);

  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
  record->setName(odDbNextAnonymousBlockName(*blocks));
  record->setBlockFlags(1);
  OdDbObjectId recordId;
  if (blocks->add(record, recordId) != eOk) return false;
  for (const OdDbObjectId& id : arcs) {
    OdDbArcPtr arc = OdDbArc::cast(id.openObject(OdDb::kForWrite));
    if (arc.isNull() || arc->transformBy(content) != eOk) continue;
    arc->setOwnerId(recordId);
    record->appendEntityId(id);
  }
  const OdDbObjectId former = reference->blockTableRecord();
  reference->setBlockTableRecord(recordId);
  reference->setPosition(position);
  OdDbBlockTableRecordPtr old = OdDbBlockTableRecord::cast(former.openObject(OdDb::kForWrite));
  if (!old.isNull() && old->isAnonymous() && !odDbIsBlockShownElsewhere(m_db, former, reference->objectId())) {
    for (const OdDbObjectId& id : old->entityIds()) {
      OdDbObjectPtr e = id.openObject(OdDb::kForWrite);
      if (!e.isNull()) e->erase();
    }
    old->erase();
  }
  // The outline as the caller scales it about the position afterwards.
  OdResBufPtr head = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(L"PE_CLOUD"));
  OdResBuf* tail = head.get();
  for (const OdGePoint3d& p : m_outline)
    tail = tail->setNext(OdResBuf::newRb(OdResBuf::kDxfXdWorldXCoord, position + (p - position / scale.sx)));
  tail = tail->setNext(OdResBuf::newRb(OdResBuf::kDxfXdDist, data.radius));
  tail->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, shapeName(data.shape).toOdString()));
  if (!m_db->hasRegApp(L"PE_CLOUD")) m_db->newRegApp(L"PE_CLOUD");
  return reference->setXData(head) == eOk;
}
