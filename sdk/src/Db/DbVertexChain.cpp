#include "Db/DbVertexChain.h"

#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"

OdDbObjectIteratorPtr OdDbVertexChain::iterator() const {
  return OdDbObjectIteratorPtr(new OdDbObjectIterator(m_vertices), kOdRxObjAttach);
}

void OdDbVertexChain::ensureSequenceEnd(OdDbEntity* owner) {
  if (!m_sequenceEnd.isNull()) return;
  OdDbSequenceEndPtr end = OdDbSequenceEnd::createObject();
  end->setPropertiesFrom(owner);
  m_sequenceEnd = owner->database()->addOdDbObject(end, owner->objectId());
}

OdResult OdDbVertexChain::insert(OdDbEntity* owner, OdDbEntity* vertex, OdDbObjectId& id, size_t position) {
  OdDbDatabase* db = owner->database();
  if (!db) return eNotInDatabase;
  if (!vertex) return eNullObjectPointer;
  if (!vertex->objectId().isNull()) return eAlreadyInDb;
  vertex->setPropertiesFrom(owner);
  id = db->addOdDbObject(vertex, owner->objectId());
  if (position > m_vertices.size()) position = m_vertices.size();
  m_vertices.insert(m_vertices.begin() + long(position), id);
  ensureSequenceEnd(owner);
  return eOk;
}

void OdDbVertexChain::remove(OdDbObjectId id) {
  for (size_t i = 0; i < m_vertices.size(); ++i)
    if (m_vertices[i] == id) {
      OdDbObjectPtr vertex = id.openObject(OdDb::kForWrite);
      if (!vertex.isNull()) vertex->erase();
      m_vertices.erase(m_vertices.begin() + long(i));
      return;
    }
}

void OdDbVertexChain::adopt(const std::vector<OdDbObjectId>& followers) {
  m_vertices.clear();
  for (const OdDbObjectId& id : followers) {
    OdDbObjectPtr o = id.openObject();
    if (!o.isNull() && o->isKindOf(OdDbSequenceEnd::desc())) m_sequenceEnd = id;
    else m_vertices.push_back(id);
  }
}

void OdDbVertexChain::subEntityIds(OdDbObjectIdArray& ids) const {
  for (const OdDbObjectId& id : m_vertices)
    if (!id.isErased()) ids.append(id);
}

int OdDbVertexChain::fitSegments(int requested) {
  const int n = requested < 0 ? -requested : requested;
  return n == 0 ? 8 : n > 1024 ? 1024 : n;
}

void OdDbVertexChain::followers(std::vector<OdDbObjectId>& ids) const {
  for (const OdDbObjectId& id : m_vertices)
    if (!id.isErased()) ids.push_back(id);
  if (!m_sequenceEnd.isNull()) ids.push_back(m_sequenceEnd);
}
