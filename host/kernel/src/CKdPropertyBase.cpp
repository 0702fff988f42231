#include "CKdPropertyBase.h"

namespace {
// A protocol class whose descriptor lives from the first rxInit to the last rxUninit.
struct ProtocolClass {
  const wchar_t* name;
  OdRxClass* cls = nullptr;
  int inits = 0;
  void init() {
    if (inits++ == 0) cls = new OdRxClass(OdString(name), OdRxObject::desc());
  }
  void uninit() {
    if (inits > 0 && --inits == 0) {
      delete cls;
      cls = nullptr;
    }
  }
};
ProtocolClass& propertyBase() {
  static ProtocolClass p{L"CKdPropertyBase"};
  return p;
}
int& factoryCount() {
  static int n = 0;
  return n;
}
}  // namespace

OdRxClass* CKdPropertyBase::desc() { return propertyBase().cls; }
OdRxClass* CKdPropertyBase::isA() const { return desc(); }
void CKdPropertyBase::rxInit() { propertyBase().init(); }
void CKdPropertyBase::rxUninit() { propertyBase().uninit(); }

OdRxObject* CKdPropertyBase::queryX(const OdRxClass* protocolClass) const {
  if (protocolClass && (protocolClass == desc() || protocolClass == OdRxObject::desc())) {
    OdRxObject* self = const_cast<CKdPropertyBase*>(this);
    self->addRef();
    return self;
  }
  return nullptr;
}

CKdPropertyBasePtr CKdPropertyBase::cast(const OdRxObject* object) {
  if (!object || !desc()) return CKdPropertyBasePtr();
  return CKdPropertyBasePtr(static_cast<CKdPropertyBase*>(object->queryX(desc())), kOdRxObjAttach);
}

void CKdPropertyPEClassFactory::create() { ++factoryCount(); }
void CKdPropertyPEClassFactory::destroy() {
  if (factoryCount() > 0) --factoryCount();
}
bool CKdPropertyPEClassFactory::exists() { return factoryCount() > 0; }

namespace kdhost {
// Shared with the listing protocol class.
OdRxClass* printInfoClass(int change) {
  static ProtocolClass p{L"CKdPrintObjectInfoPE"};
  if (change > 0) p.init();
  if (change < 0) p.uninit();
  return p.cls;
}
}  // namespace kdhost
