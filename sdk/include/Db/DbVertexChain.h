#pragma once
// The vertices an old-style polyline or mesh owns, or the attributes of a
// block reference, in order, and the sequence end written after them. The owner must be in a database for
// vertices to be added: they become objects of it, owned by the owner.
#include <vector>
#include "Db/DbObjectIterator.h"

class OdDbVertexChain {
public:
  const std::vector<OdDbObjectId>& ids() const { return m_vertices; }
  OdDbObjectIteratorPtr iterator() const;
  // Adds the vertex at the position (the end by default), with the owner's
  // layer, colour and other settings.
  OdResult insert(OdDbEntity* owner, OdDbEntity* vertex, OdDbObjectId& id, size_t position = size_t(-1));
  // Erases the vertex and drops it from the chain.
  void remove(OdDbObjectId id);
  // The entities a file holds after the owner: its vertices, then the sequence end.
  void adopt(const std::vector<OdDbObjectId>& followers);
  // The vertices that are not erased.
  void subEntityIds(OdDbObjectIdArray& ids) const;
  // Fit vertices per frame span for a requested count (a drawing's spline
  // segments): its size, 8 for none, at most 1024.
  static int fitSegments(int requested);
  // What a file holds after the owner: the vertices that are not erased, then the sequence end.
  void followers(std::vector<OdDbObjectId>& ids) const;

  // Gives the chain its sequence end when it has none.
  void ensureSequenceEnd(OdDbEntity* owner);

private:
  std::vector<OdDbObjectId> m_vertices;
  OdDbObjectId m_sequenceEnd;
};
