#pragma once
// The shared steps of every accessor: casting the object for reading or
// writing, refusing values, and coordinates shown in the current UCS.
#include "CKdPropertyDescription.h"
#include "Db/DbObject.h"
#include "Ge/GePoint3d.h"

namespace kd {

// The object as T when it is one and is open for reading; null otherwise.
template <class T>
OdSmartPtr<T> readable(const OdDbObject* object) {
  OdSmartPtr<T> p = T::cast(object);
  if (!p.isNull() && !p->isReadEnabled()) p.release();
  return p;
}

// The object as T when it is one, is open for writing and the value has the
// expected type; null otherwise (the setter then fails silently).
template <class T>
OdSmartPtr<T> writable(const OdDbObject* object, const CKdVariant& value, int expectedType) {
  if (value.GetType() != expectedType) return OdSmartPtr<T>();
  OdSmartPtr<T> p = T::cast(object);
  if (!p.isNull() && !p->isWriteEnabled()) p.release();
  return p;
}

// Shows the translated message with the title "Error" and answers failure.
int reject(const char* message);

// One component (0 x, 1 y, 2 z) of a world point, in the current UCS of the object's drawing.
double ucsComponent(const OdDbObject* object, const OdGePoint3d& world, int axis);
// Replaces one UCS component of a world point; false, and the point
// untouched, when the component already has that value.
bool replaceUcsComponent(const OdDbObject* object, OdGePoint3d& world, int axis, double value);
// A whole point converted between world and the current UCS.
OdGePoint3d toUcs(const OdDbObject* object, const OdGePoint3d& world);

// Getter of a coordinate property: a point getter of T and the component.
template <class T>
CKdVariant getUcsCoordinate(const OdDbObject* object, OdGePoint3d (T::*point)() const, int axis) {
  OdSmartPtr<T> p = readable<T>(object);
  if (p.isNull()) return CKdVariant();
  return CKdVariant(ucsComponent(object, ((*p).*point)(), axis), true);
}

// Setter of a coordinate property: writes only when the component changes.
template <class T, class R>
int setUcsCoordinate(const OdDbObject* object, const CKdVariant& value, OdGePoint3d (T::*point)() const,
                     R (T::*setPoint)(const OdGePoint3d&), int axis) {
  OdSmartPtr<T> p = writable<T>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = ((*p).*point)();
  if (replaceUcsComponent(object, world, axis, value.GetDouble())) ((*p).*setPoint)(world);
  return KD_PROPERTY_OK;
}

// Getter of a plain double member; the flag marks lengths and angles.
template <class T>
CKdVariant getDouble(const OdDbObject* object, double (T::*get)() const, bool distance) {
  OdSmartPtr<T> p = readable<T>(object);
  if (p.isNull()) return CKdVariant();
  return CKdVariant(((*p).*get)(), distance);
}

}  // namespace kd
