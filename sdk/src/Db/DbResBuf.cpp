#include "Db/DbResBuf.h"

#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdResBuf, OdRxObject, L"", new OdRxObjectImpl<OdResBuf>)

OdResBufPtr OdResBuf::newRb(int restype) {
  OdResBufPtr rb = createObject();
  rb->m_type = restype;
  return rb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdString& value) {
  OdResBufPtr rb = newRb(restype);
  rb->m_string = value;
  return rb;
}

OdResBufPtr OdResBuf::newRb(int restype, double value) {
  OdResBufPtr rb = newRb(restype);
  rb->m_double = value;
  return rb;
}

OdResBufPtr OdResBuf::newRb(int restype, OdInt32 value) {
  OdResBufPtr rb = newRb(restype);
  rb->m_int = value;
  return rb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdGePoint3d& value) {
  OdResBufPtr rb = newRb(restype);
  rb->m_point = value;
  return rb;
}

OdResBuf::ValueKind OdResBuf::kindOf(int t) {
  if (t == 1004 || t == 310 || (t >= 311 && t <= 319)) return kBinary;
  if ((t >= 10 && t <= 18) || (t >= 1010 && t <= 1013) || (t >= 110 && t <= 112)) return kPoint;
  if ((t >= 38 && t <= 59) || (t >= 140 && t <= 149) || (t >= 460 && t <= 469) || (t >= 1040 && t <= 1042) ||
      (t >= 210 && t <= 239))
    return kDouble;
  if ((t >= 60 && t <= 99) || (t >= 160 && t <= 179) || (t >= 270 && t <= 289) || (t >= 370 && t <= 389) ||
      (t >= 400 && t <= 409) || (t >= 420 && t <= 429) || (t >= 440 && t <= 459) || (t >= 1060 && t <= 1071) ||
      (t >= 290 && t <= 299))
    return kInt;
  return kString;
}

OdResBuf* OdResBuf::last() {
  OdResBuf* p = this;
  while (!p->m_next.isNull()) p = p->m_next.get();
  return p;
}

OdResBufPtr OdResBuf::copyChain() const {
  OdResBufPtr head, tail;
  for (const OdResBuf* p = this; p; p = p->m_next.get()) {
    OdResBufPtr c = newRb(p->m_type);
    c->m_string = p->m_string;
    c->m_double = p->m_double;
    c->m_int = p->m_int;
    c->m_point = p->m_point;
    if (head.isNull()) head = c;
    else tail->m_next = c;
    tail = c;
  }
  return head;
}

bool OdResBuf::chainEquals(const OdResBuf* other) const {
  const OdResBuf* a = this;
  const OdResBuf* b = other;
  for (; a && b; a = a->m_next.get(), b = b->m_next.get()) {
    if (a->m_type != b->m_type || a->m_string != b->m_string || a->m_int != b->m_int) return false;
    if (!(a->m_double == b->m_double) && !(a->m_double != a->m_double && b->m_double != b->m_double)) return false;
    if (!(a->m_point.x == b->m_point.x && a->m_point.y == b->m_point.y && a->m_point.z == b->m_point.z)) return false;
  }
  return a == nullptr && b == nullptr;
}
