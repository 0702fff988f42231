#include "KdVertexList.h"

#include "CKdDocument.h"
#include "Ge/GeContext.h"

namespace kd {
bool isOutsideUcsPlane(const OdGeVector3d& normal) {
  CKdDocument* doc = ACTIVE_DOCUMENT();
  const OdGeVector3d x = doc ? doc->GetUcsXAxis() : OdGeVector3d::kXAxis;
  const OdGeVector3d y = doc ? doc->GetUcsYAxis() : OdGeVector3d::kYAxis;
  return !x.crossProduct(y).isCodirectionalTo(normal, OdGeContext::gTol);
}
}  // namespace kd
