#include "KdAccess.h"
#include "CKdSystemServices.h"
#include "CKdUcsService.h"
#include "KdText.h"

namespace kd {

int reject(const char* message) {
  GetKdSystemServices()->MessageBox(tr("errors", message), tr("errors", "Error"), 0);
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

}  // namespace kd
