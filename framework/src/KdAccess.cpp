#include "KdAccess.h"
#include <cmath>
#include "CKdSystemServices.h"
#include "CKdUcsService.h"
#include "KdText.h"
#include "Ge/GeVector2d.h"

namespace kd {

int reject(const char* message, const char* context) {
  GetKdSystemServices()->MessageBox(tr(context, message), tr("errors", "Error"), 0);
  return KD_PROPERTY_FAILED;
}

OdGePoint3d toUcs(const OdDbObject* object, const OdGePoint3d& world) {
  OdGePoint3d p = world;
  GetKdUcsService(object ? object->database() : nullptr).WorldToUcs(p);
  return p;
}

double ucsComponent(const OdDbObject* object, const OdGePoint3d& world, int axis) {
  return toUcs(object, world)[axis];
}

bool replaceUcsComponent(const OdDbObject* object, OdGePoint3d& world, int axis, double value) {
  CKdUcsService ucs = GetKdUcsService(object ? object->database() : nullptr);
  OdGePoint3d p = world;
  ucs.WorldToUcs(p);
  if (p[axis] == value) return false;
  p[axis] = value;
  ucs.UcsToWorld(p);
  world = p;
  return true;
}

bool isFiniteValue(const CKdVariant& value) {
  switch (value.GetType()) {
    case CKdVariant::kDouble: return std::isfinite(value.GetDouble());
    case CKdVariant::kPoint3d: return value.GetPoint3d().isFinite();
    case CKdVariant::kPoint2d: return std::isfinite(value.GetPoint2d().x) && std::isfinite(value.GetPoint2d().y);
    case CKdVariant::kCollectionElement: return isFiniteValue(value.GetCollectionElement().GetValue());
    case CKdVariant::kCollection:
      for (int i = 0; i < value.GetCollection().GetCount(); ++i)
        if (!isFiniteValue(value.GetCollection().GetAt(i).GetValue())) return false;
      return true;
    default: return true;
  }
}

int vertexIndex(const CKdVariant& context) {
  if (context.GetType() != CKdVariant::kInt32) return 0;
  const long index = context.GetInt32();
  return index >= 0 && index <= 0x7fffffffL ? int(index) : -1;  // -1: no vertex has it
}

double planeAngle(const OdGeVector3d& v) {
  const OdGeVector2d xy(v.x, v.y);
  const double length = xy.length();
  if (length >= -1e-10 && length <= 1e-10) return 0.0;
  double angle = xy.angle();
  if (angle < 0.0) angle += 6.283185307179586;
  return angle;
}

}  // namespace kd
