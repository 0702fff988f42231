#include "Rx/RxClass.h"

OdRxObject::~OdRxObject() = default;

OdRxClass* OdRxObject::desc() {
  static OdRxClass s_class(OdString(L"OdRxObject"), nullptr);
  return &s_class;
}

OdRxClass* OdRxObject::isA() const { return OdRxObject::desc(); }

bool OdRxObject::isKindOf(const OdRxClass* cls) const {
  const OdRxClass* mine = isA();
  return mine && mine->isDerivedFrom(cls);
}

OdRxObject* OdRxObject::queryX(const OdRxClass* protocolClass) const {
  if (!protocolClass || !isKindOf(protocolClass)) return nullptr;
  OdRxObject* self = const_cast<OdRxObject*>(this);
  self->addRef();
  return self;
}

OdRxObject* OdRxObject::x(const OdRxClass* protocolClass) const {
  if (OdRxObject* p = queryX(protocolClass)) return p;
  const OdRxClass* cls = isA();
  OdRxObjectPtr ext = cls ? cls->getX(protocolClass) : OdRxObjectPtr();
  if (ext.isNull()) throw OdError_NotThatKindOfClass(cls, protocolClass);
  return ext.detach();
}

long OdRxObject::numRefs() const { return 0; }

OdRxObjectPtr OdRxObject::clone() const {
  const OdRxClass* cls = isA();
  if (!cls || cls->isAbstract()) return OdRxObjectPtr();
  OdRxObjectPtr copy = cls->create();
  if (!copy.isNull()) copy->copyFrom(this);
  return copy;
}

void OdRxObject::copyFrom(const OdRxObject* source) {
  if (!source || !source->isKindOf(isA())) throw OdError_NotThatKindOfClass(source ? source->isA() : nullptr, isA());
}

OdRx::Ordering OdRxObject::comparedTo(const OdRxObject* other) const {
  return this == other ? OdRx::kEqual : OdRx::kNotOrderable;
}

bool OdRxObject::isEqualTo(const OdRxObject* other) const { return comparedTo(other) == OdRx::kEqual; }
