#pragma once
// Revision clouds: arcs laid along a closed outline, bulging outwards, and
// turned into the block a cloud reference shows.
#include "Cm/CmColor.h"
#include "CKdString.h"
#include "Db/DbObjectId.h"
#include "Db/DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbBlockReference;
class OdDbCurve;
class OdDbDatabase;

// What a cloud is drawn with.
struct CLOUDLINE_COMMAND_DATA {
  CKdString colorName = CKdString(L"ByLayer");
  CKdString linetypeName = CKdString(L"ByLayer");
  CKdString layerName;
  // The drawing's arc length setting; the radius wins when it is positive.
  double arcSize = 10.0;
  double radius = 0.0;
  enum Shape { kRectangular, kElliptical, kFreehand } shape = kRectangular;
  OdCmColor color;
  OdDbObjectId linetype, layer;
  OdDb::LineWeight lineWeight = OdDb::kLnWtByLayer;
};

class CKdCloudBase {
public:
  explicit CKdCloudBase(OdDbDatabase* db) : m_db(db) {}
  // The closed outline; its vertices are read at its whole parameters.
  void setBaseCurve(const OdDbCurve* curve);
  void setCloudSetting(const CLOUDLINE_COMMAND_DATA& data) { m_data = data; }
  // Lays the arcs; false when the outline or the radius forms no cloud.
  // Rectangular clouds start an arc at every corner; the others space the
  // arcs evenly along the whole outline.
  bool cloudBaseMain(bool interactive);
  // The arcs made, in the database but in no block yet.
  const OdDbObjectIdArray& getObjIdArrArc() const { return m_arcs; }
  // Puts the arcs into a new anonymous block that the reference shows at
  // the position (scaled and turned as the reference and the current UCS
  // say), writes the cloud's outline, radius and shape into its "PE_CLOUD"
  // extended data and drops the reference's former anonymous block when
  // nothing else shows it.
  bool convertToBlock(const OdDbObjectIdArray& arcs, const CLOUDLINE_COMMAND_DATA& data, const OdGePoint3d& position,
                      OdDbBlockReference* reference);
  // The shape's name as the extended data keeps it.
  static CKdString shapeName(CLOUDLINE_COMMAND_DATA::Shape shape);

private:
  OdDbDatabase* m_db;
  std::vector<OdGePoint3d> m_outline;
  CLOUDLINE_COMMAND_DATA m_data;
  OdDbObjectIdArray m_arcs;
};
