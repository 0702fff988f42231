#include "Db/DbObjectIterator.h"

OdDbObjectIterator::OdDbObjectIterator(std::vector<OdDbObjectId> ids) : m_ids(std::move(ids)) { start(); }

void OdDbObjectIterator::release() {
  if (--m_refs == 0) delete this;
}

void OdDbObjectIterator::skip(bool forward, bool skipErased) {
  while (skipErased && !done() && m_ids[size_t(m_pos)].isErased()) m_pos += forward ? 1 : -1;
}

void OdDbObjectIterator::start(bool atBeginning, bool skipErased) {
  m_pos = atBeginning ? 0 : long(m_ids.size()) - 1;
  skip(atBeginning, skipErased);
}

bool OdDbObjectIterator::done() const { return m_pos < 0 || m_pos >= long(m_ids.size()); }

void OdDbObjectIterator::step(bool forward, bool skipErased) {
  if (done()) return;
  m_pos += forward ? 1 : -1;
  skip(forward, skipErased);
}

OdDbObjectId OdDbObjectIterator::objectId() const { return done() ? OdDbObjectId() : m_ids[size_t(m_pos)]; }

OdDbEntityPtr OdDbObjectIterator::entity(OdDb::OpenMode mode, bool openErased) const {
  if (done()) return OdDbEntityPtr();
  return OdDbEntity::cast(m_ids[size_t(m_pos)].openObject(mode, openErased));
}
