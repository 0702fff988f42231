#include "Db/DbObjectId.h"

#include <cwctype>

#include "Db/DbDatabase.h"
#include "Db/DbObject.h"

const OdDbObjectId OdDbObjectId::kNull;

OdDbHandle::OdDbHandle(const OdString& hex) {
  OdUInt64 v = 0;
  int n = hex.getLength();
  if (n == 0 || n > 16) return;
  for (int i = 0; i < n; ++i) {
    wchar_t c = hex.getAt(i);
    int d = (c >= L'0' && c <= L'9') ? c - L'0'
            : (c >= L'A' && c <= L'F') ? c - L'A' + 10
            : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                                       : -1;
    if (d < 0) return;
    v = (v << 4) | OdUInt64(d);
  }
  m_value = v;
}

OdString OdDbHandle::ascii() const {
  OdString s;
  s.format(L"%llX", static_cast<unsigned long long>(m_value));
  return s;
}

bool OdDbObjectId::isValid() const { return m_stub && (m_stub->object || m_stub->deferredClass); }

// Deferred objects are never erased: erasing opens them.
bool OdDbObjectId::isErased() const { return m_stub && m_stub->object && m_stub->object->isErased(); }

OdDbHandle OdDbObjectId::getHandle() const { return m_stub ? m_stub->handle : OdDbHandle(); }

OdDbDatabase* OdDbObjectId::database() const { return m_stub ? m_stub->database : nullptr; }

bool OdDbObjectId::operator<(const OdDbObjectId& o) const {
  return OdUInt64(getHandle()) < OdUInt64(o.getHandle());
}

OdResult OdDbObjectId::openObject(OdDbObjectPtr& object, OdDb::OpenMode mode, bool openErased) const {
  object = nullptr;
  if (!m_stub) return eNullObjectId;
  if (!m_stub->object && m_stub->deferredClass) m_stub->database->makeDeferred(m_stub);
  OdDbObject* obj = m_stub->object;
  if (!obj) return eNullObjectPointer;
  if (obj->isErased() && !openErased) return eWasErased;
  // A record or table about to change: the deferred objects read the names they name first.
  if (mode == OdDb::kForWrite && m_stub->database) m_stub->database->beforeRecordChange(obj);
  // Opening never lowers an open mode: a reader of an object open for writing sees it writable.
  if (mode == OdDb::kForWrite || obj->m_openMode == OdDb::kNotOpen) obj->m_openMode = mode == OdDb::kForNotify ? OdDb::kForRead : mode;
  object = obj;
  return eOk;
}

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode mode, bool openErased) const {
  OdDbObjectPtr p;
  openObject(p, mode, openErased);
  return p;
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode mode, bool openErased) const {
  OdDbObjectPtr p;
  OdResult res = openObject(p, mode, openErased);
  if (res != eOk) throw OdError(res);
  return p;
}
