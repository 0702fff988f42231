#include "KdXline.h"

#include "Db/DbXline.h"
#include "KdLinearRay.h"

KD_DEFINE_PROPERTY_PE(CKdXlinePE, CKdEntityPE, OdDbXline, "ILine", kd::LinearRay<OdDbXline>::rows)

CKdString CKdXlineInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"ILINE"); }

void CKdXlineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbXline>(*this, object, context, [](const OdDbXline& xline, CKdPrintInfoContext& out) {
    kd::LinearRay<OdDbXline>::print(xline, out, "base point", "unit direction");
  });
}
