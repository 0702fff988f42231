#pragma once
// The shared steps of every accessor: casting the object for reading or
// writing, refusing values, and coordinates shown in the current UCS.
#include "CKdPropertyDescription.h"
#include "KdChoiceLists.h"
#include "Db/DbDatabase.h"
#include "Db/DbObject.h"
#include "Ge/GePoint3d.h"
#include "Rx/OdResult.h"

namespace kd {

// The object as T when it is one and is open for reading; null otherwise.
template <class T>
OdSmartPtr<T> readable(const OdDbObject* object) {
  OdSmartPtr<T> p = T::cast(object);
  if (!p.isNull() && !p->isReadEnabled()) p.release();
  return p;
}

// Whether every number the value holds is finite: NaN or infinity is no
// value a drawing can hold, so no setter takes one.
bool isFiniteValue(const CKdVariant& value);

// The object as T when it is one, is open for writing and the value has the
// expected type and finite numbers; null otherwise (the setter then fails silently).
template <class T>
OdSmartPtr<T> writable(const OdDbObject* object, const CKdVariant& value, int expectedType) {
  if (value.GetType() != expectedType || !isFiniteValue(value)) return OdSmartPtr<T>();
  OdSmartPtr<T> p = T::cast(object);
  if (!p.isNull() && !p->isWriteEnabled()) p.release();
  return p;
}

// What a getter makes of the object as a T; empty when it is not one or cannot be read.
template <class T, class Value>
CKdVariant readAs(const OdDbObject* object, Value value) {
  OdSmartPtr<T> p = readable<T>(object);
  return p.isNull() ? CKdVariant() : value(*p);
}

// Shows the message, translated under the context, with the title "Error" and answers failure.
int reject(const char* message, const char* context = "errors");

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

// Accessors of one UCS component of a point property, for a table row:
// &UcsCoordinate<OdDbLine, &OdDbLine::startPoint, &OdDbLine::setStartPoint, 0>::get.
template <class T, OdGePoint3d (T::*Get)() const, OdResult (T::*Set)(const OdGePoint3d&), int Axis>
struct UcsCoordinate {
  static CKdVariant get(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
    return getUcsCoordinate<T>(object, Get, Axis);
  }
  static int set(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value,
                 const CKdVariant&) {
    return setUcsCoordinate<T>(object, value, Get, Set, Axis);
  }
};

// The three components of a point property, for the X, Y and Z rows:
// UcsPoint<OdDbLine, &OdDbLine::startPoint, &OdDbLine::setStartPoint>::X::get.
template <class T, OdGePoint3d (T::*Get)() const, OdResult (T::*Set)(const OdGePoint3d&)>
struct UcsPoint {
  typedef UcsCoordinate<T, Get, Set, 0> X;
  typedef UcsCoordinate<T, Get, Set, 1> Y;
  typedef UcsCoordinate<T, Get, Set, 2> Z;
};

// Accessors of a double written without a range check; the result of the
// drawing call is not examined.
template <class T, double (T::*Get)() const, OdResult (T::*Set)(double), bool Distance>
struct PlainDouble {
  static CKdVariant get(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
    return getDouble<T>(object, Get, Distance);
  }
  static int set(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value,
                 const CKdVariant&) {
    OdSmartPtr<T> p = writable<T>(object, value, CKdVariant::kDouble);
    if (p.isNull()) return KD_PROPERTY_FAILED;
    ((*p).*Set)(value.GetDouble());
    return KD_PROPERTY_OK;
  }
};

// Accessors of an integer setting of N from Lo to Hi: shown as a 32-bit
// integer, set only from one in the range (anything else fails silently).
template <class T, class N, N (T::*Get)() const, OdResult (T::*Set)(N), long Lo, long Hi>
struct IntegerInRange {
  static CKdVariant get(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
    return readAs<T>(object, [](const T& t) { return CKdVariant(long((t.*Get)())); });
  }
  static int set(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value,
                 const CKdVariant&) {
    OdSmartPtr<T> p = writable<T>(object, value, CKdVariant::kInt32);
    if (p.isNull() || value.GetInt32() < Lo || value.GetInt32() > Hi) return KD_PROPERTY_FAILED;
    ((*p).*Set)(N(value.GetInt32()));
    return KD_PROPERTY_OK;
  }
};

// Getter of one component of a direction (normal, axis) of T, converted
// with the UCS conversion service as if it were a point.
template <class T, OdGeVector3d (T::*Get)() const, int Axis>
struct UcsVectorAsPoint {
  static CKdVariant get(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
    OdSmartPtr<T> p = readable<T>(object);
    if (p.isNull()) return CKdVariant();
    const OdGeVector3d v = ((*p).*Get)();
    return CKdVariant(ucsComponent(object, OdGePoint3d(v.x, v.y, v.z), Axis), true);
  }
};

// The three components of a direction shown like a point.
template <class T, OdGeVector3d (T::*Get)() const>
struct UcsVectorPoint {
  typedef UcsVectorAsPoint<T, Get, 0> X;
  typedef UcsVectorAsPoint<T, Get, 1> Y;
  typedef UcsVectorAsPoint<T, Get, 2> Z;
};

// Accessors of a two-way choice ("Yes"/"No", "Enabled"/"Disabled"): the
// list selects element 0 when the flag is set; tag 1 sets it through Apply,
// tag 0 clears it, any other tag changes nothing.
template <class T, bool (T::*Get)() const, void (*Apply)(T&, bool), BoolLabels Labels>
struct FlagChoice {
  static CKdVariant get(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
    OdSmartPtr<T> p = readable<T>(object);
    return p.isNull() ? CKdVariant() : booleanList(((*p).*Get)(), Labels);
  }
  static int set(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value,
                 const CKdVariant&) {
    OdSmartPtr<T> p = writable<T>(object, value, CKdVariant::kCollectionElement);
    long tag = 0;
    if (p.isNull() || !choiceTag(value, tag)) return KD_PROPERTY_FAILED;
    if (tag == 0 || tag == 1) Apply(*p, tag == 1);
    return KD_PROPERTY_OK;
  }
};

// The choice list of every text style of the drawing, the text's own selected.
template <class T, OdDbObjectId (T::*Style)() const>
CKdVariant textStyleList(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&) {
  OdSmartPtr<T> t = readable<T>(object);
  OdDbDatabase* db = object ? object->database() : nullptr;
  if (t.isNull() || !db) return CKdVariant();
  return recordList(db->getTextStyleTableId(), ((*t).*Style)());
}

// The index of the vertex the host addresses: the context value when it is
// a 32-bit integer, otherwise 0; -1 for a negative one (no vertex has it).
int vertexIndex(const CKdVariant& context);

// The angle of the XY part of a vector in [0, 2pi); 0 for a vector whose
// XY length is within 1e-10 of zero.
double planeAngle(const OdGeVector3d& v);

}  // namespace kd
