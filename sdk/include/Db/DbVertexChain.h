#pragma once
// The vertices an old-style polyline or mesh owns, in order, and the
// sequence end written after them. The owner must be in a database for
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
  // Vertices and sequence end that a file gave the owner.
  void adopt(const std::vector<OdDbObjectId>& vertices, OdDbObjectId sequenceEnd);
  // What a file holds after the owner: the vertices that are not erased, then the sequence end.
  void followers(std::vector<OdDbObjectId>& ids) const;

private:
  void ensureSequenceEnd(OdDbEntity* owner);
  std::vector<OdDbObjectId> m_vertices;
  OdDbObjectId m_sequenceEnd;
};
