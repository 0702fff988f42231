#include "KdLinearDimension.h"

#include "KdDimensionAccess.h"

KD_DEFINE_PROPERTY_LEVEL(CKdAlignedDimensionPE, CKdDimension2ArrowPE, "AlignedDimension", &OdDbAlignedDimension::desc,
                         kddim::kLinearUnitRows)
KD_DEFINE_PROPERTY_LEVEL(CKdRotatedDimensionPE, CKdDimension2ArrowPE, "RotatedDimension", &OdDbRotatedDimension::desc,
                         kddim::kLinearUnitRows)


void CKdAlignedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDbAlignedDimension>(*this, object, context, true, "aligned", [](const OdDbAlignedDimension& d, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("1st extension  defining point"), d.xLine1Point());
    out.PrintPoint(kd::infoItem("2nd extension  defining point"), d.xLine2Point());
    out.PrintPoint(kd::infoItem("Dimension Line defining point"), d.dimLinePoint());
  });
}

void CKdRotatedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDbRotatedDimension>(*this, object, context, true, "rotated", [](const OdDbRotatedDimension& d, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("1st extension defining point"), d.xLine1Point());
    out.PrintPoint(kd::infoItem("2st extension defining point"), d.xLine2Point());
    out.PrintPoint(kd::infoItem("defining point"), d.dimLinePoint());
  });
}
