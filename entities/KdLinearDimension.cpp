#include "KdLinearDimension.h"

#include "KdDimensionAccess.h"

KD_DEFINE_PROPERTY_LEVEL(CKdAlignedDimensionPE, CKdDimension2ArrowPE, "AlignedDimension", &OdDbAlignedDimension::desc,
                         kddim::kLinearUnitRows)
KD_DEFINE_PROPERTY_LEVEL(CKdRotatedDimensionPE, CKdDimension2ArrowPE, "RotatedDimension", &OdDbRotatedDimension::desc,
                         kddim::kLinearUnitRows)

namespace {
// The kind's own listing, or the common header alone when the object is not of the kind.
template <class T, class Points>
void list(const CKdPrintObjectInfoPE& self, const OdDbObject* object, CKdPrintInfoContext* context, const char* type,
          Points points) {
  OdSmartPtr<T> d = T::cast(object);
  if (d.isNull() || !context || !d->isReadEnabled()) {
    self.CKdPrintObjectInfoPE::PrintObjectInfo(object, context);
    return;
  }
  kddim::printListing(self, *d, *context, true, type, [&](CKdPrintInfoContext& out) { points(*d, out); });
}
}  // namespace

void CKdAlignedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  list<OdDbAlignedDimension>(*this, object, context, "aligned", [](const OdDbAlignedDimension& d, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("1st extension  defining point"), d.xLine1Point());
    out.PrintPoint(kd::infoItem("2nd extension  defining point"), d.xLine2Point());
    out.PrintPoint(kd::infoItem("Dimension Line defining point"), d.dimLinePoint());
  });
}

void CKdRotatedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  list<OdDbRotatedDimension>(*this, object, context, "rotated", [](const OdDbRotatedDimension& d, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("1st extension defining point"), d.xLine1Point());
    out.PrintPoint(kd::infoItem("2st extension defining point"), d.xLine2Point());
    out.PrintPoint(kd::infoItem("defining point"), d.dimLinePoint());
  });
}
