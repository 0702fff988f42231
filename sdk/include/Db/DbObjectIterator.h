#pragma once
// Walks a list of object ids (the vertices of a polyline), skipping erased objects.
#include <vector>
#include "Db/DbEntity.h"

class OdDbObjectIterator : public OdRxObject {
public:
  explicit OdDbObjectIterator(std::vector<OdDbObjectId> ids);
  void addRef() override { ++m_refs; }
  void release() override;
  long numRefs() const override { return m_refs; }

  void start(bool atBeginning = true, bool skipErased = true);
  bool done() const;
  void step(bool forward = true, bool skipErased = true);
  OdDbObjectId objectId() const;
  // The current entity; null when done.
  OdDbEntityPtr entity(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;

private:
  void skip(bool forward, bool skipErased);
  std::vector<OdDbObjectId> m_ids;
  long m_pos = 0;
  long m_refs = 1;
};
typedef OdSmartPtr<OdDbObjectIterator> OdDbObjectIteratorPtr;
