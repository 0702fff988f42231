#pragma once
// What the three polyline kinds share: the "Vertex" list the host cycles
// through, and the rule that keeps a plane polyline's coordinates read-only
// while it does not lie parallel to the current UCS.
#include "CKdVariant.h"
#include "Ge/GePoint3d.h"
#include "Db/DbObjectIterator.h"
#include "KdAccess.h"

namespace kd {

// Builds the list of the "Vertex" property: one element per vertex, tag =
// its index, value = its world point when the kind shows one.
class VertexList {
public:
  void add(int index) { m_list.Add(CKdVariantCollectionElement(CKdVariant(), CKdVariant(long(index)))); }
  void add(int index, const OdGePoint3d& world) {
    m_list.Add(CKdVariantCollectionElement(CKdVariant(world), CKdVariant(long(index))));
  }
  // The list, its current index at least 0.
  CKdVariant result() {
    if (m_list.GetSelectedIndex() < 0) m_list.SetSelectedIndex(0);
    return CKdVariant(m_list);
  }

private:
  CKdVariantCollection m_list;
};

// Setter of "Vertex": the host only picks a vertex with it, nothing changes.
template <class T>
int setVertexChoice(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value,
                    const CKdVariant&) {
  return writable<T>(object, value, value.GetType()).isNull() ? KD_PROPERTY_FAILED : KD_PROPERTY_OK;
}

// True when the normal is not codirectional with the Z axis of the active
// document's UCS (the world's when no document is active).
bool isOutsideUcsPlane(const OdGeVector3d& normal);

// Read-only rule of the plane polylines' vertex coordinates.
template <class T>
bool isVertexReadOnly(const OdDbObject* object, const CKdPropertyDescription&) {
  OdSmartPtr<T> p = readable<T>(object);
  return !p.isNull() && isOutsideUcsPlane(p->normal());
}

}  // namespace kd

namespace kd {
// The vertex the iterator reaches after stepping index times over every
// vertex (erased ones aside); null when there is none. A vertex of another
// class than V raises OdError_NotThatKindOfClass.
template <class V>
OdSmartPtr<V> steppedVertex(OdDbObjectIteratorPtr it, int index) {
  if (index < 0) return OdSmartPtr<V>();
  for (int k = 0; k < index && !it->done(); ++k) it->step();
  if (it->done()) return OdSmartPtr<V>();
  return OdSmartPtr<V>(it->entity());
}
}  // namespace kd
