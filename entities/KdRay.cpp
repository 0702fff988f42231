#include "KdRay.h"

#include "Db/DbRay.h"
#include "KdLinearRay.h"

KD_DEFINE_PROPERTY_PE(CKdRayPE, CKdEntityPE, OdDbRay, "Ray", kd::LinearRay<OdDbRay>::rows)

void CKdRayInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbRay>(*this, object, context, [](const OdDbRay& ray, CKdPrintInfoContext& out) {
    kd::LinearRay<OdDbRay>::print(ray, out, "Base point", "Unit direction");
  });
}
