#include "Kd3dSolid.h"

#include <QString>

#include "Db/DbModelerEntities.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

// The region's area or perimeter; empty where the modeller data does not give it.
template <OdResult (OdDbRegion::*Measure)(double&) const>
CKdVariant getMeasure(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbRegionPtr r = kd::readable<OdDbRegion>(object);
  double value = 0.0;
  if (r.isNull() || ((*r).*Measure)(value) != eOk) return CKdVariant();
  return CKdVariant(value, true);
}

const kd::PropertyRow kRegionRows[] = {
    {"Geometry", "Area", 0, nullptr, ":/Geometry/Geometry_Area.png", RO, getMeasure<&OdDbRegion::getArea>, nullptr},
    {"Geometry", "Perimeter", 0, nullptr, ":/Geometry/Geometry_Perimeter.png", RO,
     getMeasure<&OdDbRegion::getPerimeter>, nullptr},
};
}  // namespace

KD_DEFINE_EMPTY_PROPERTY_PE(CKd3dSolidPE, CKdEntityPE, OdDb3dSolid, "3D Solid")
KD_DEFINE_EMPTY_PROPERTY_PE(CKdBodyPE, CKdEntityPE, OdDbBody, "Body")
KD_DEFINE_PROPERTY_PE(CKdRegionPE, CKdEntityPE, OdDbRegion, "Region", kRegionRows)

void CKd3dSolidInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDb3dSolid>(*this, object, context, [](const OdDb3dSolid& s, CKdPrintInfoContext& out) {
    OdGeExtents3d box;
    if (s.getGeomExtents(box) != eOk) return;
    out.PrintPoint(kd::infoItem("Position"), box.minPoint() + (box.maxPoint() - box.minPoint()) * 0.5);
  });
}

// Area, perimeter and box are listed as the modeller data gives them; what
// it cannot give keeps its starting value (0, and the empty box).
void CKdRegionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbRegion>(*this, object, context, [](const OdDbRegion& r, CKdPrintInfoContext& out) {
    double area = 0.0, perimeter = 0.0;
    r.getArea(area);
    r.getPerimeter(perimeter);
    out.PrintArea(kd::infoItem("Area"), area);
    out.PrintDist(kd::infoItem("Perimeter"), perimeter);
    OdGeExtents3d box;
    r.getGeomExtents(box);
    const QString heading = kd::infoItem("Bounding Box %1").toQString().arg(kd::infoValue("Lower Bound").toQString());
    out.PrintPoint(CKdString(heading), box.minPoint());
    out.PrintPoint(kd::infoItem("Upper Bound"), box.maxPoint());
  });
}
