#include "Rx/RxClass.h"

#include <algorithm>

namespace {
struct Registry {
  std::vector<OdRxClass*> classes;
  std::vector<OdRxProtocolReactor*> reactors;
};
Registry& registry() {
  static Registry* r = new Registry;  // never destroyed: descriptors may outlive any other static
  return *r;
}
}  // namespace

OdRxClass::OdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType constructor,
                     const OdString& dxfName, const OdString& appName)
    : m_name(name), m_dxfName(dxfName), m_appName(appName), m_parent(parent), m_constructor(constructor) {
  odrxRegisterClass(this);
}

OdRxClass::~OdRxClass() { odrxUnregisterClass(this); }

OdRxClass* OdRxClass::desc() {
  static OdRxClass s_class(OdString(L"OdRxClass"), OdRxObject::desc());
  return &s_class;
}

OdRxClass* OdRxClass::isA() const { return OdRxClass::desc(); }

bool OdRxClass::isDerivedFrom(const OdRxClass* other) const {
  if (!other) return false;
  for (const OdRxClass* c = this; c; c = c->m_parent)
    if (c == other) return true;
  return false;
}

OdRxObjectPtr OdRxClass::create() const { return m_constructor ? m_constructor() : OdRxObjectPtr(); }

OdRxObjectPtr OdRxClass::addX(const OdRxClass* protocolClass, OdRxObject* extension) {
  OdRxObjectPtr previous;
  if (!protocolClass) return previous;
  auto it = std::find_if(m_extensions.begin(), m_extensions.end(),
                         [&](const auto& e) { return e.first == protocolClass; });
  if (it != m_extensions.end()) {
    previous = it->second;
    if (extension)
      it->second = extension;
    else
      m_extensions.erase(it);
  } else if (extension) {
    m_extensions.emplace_back(protocolClass, OdRxObjectPtr(extension));
  }
  for (OdRxProtocolReactor* r : registry().reactors) r->extensionAdded(this, protocolClass, extension);
  return previous;
}

OdRxObjectPtr OdRxClass::delX(const OdRxClass* protocolClass) {
  OdRxObjectPtr removed;
  auto it = std::find_if(m_extensions.begin(), m_extensions.end(),
                         [&](const auto& e) { return e.first == protocolClass; });
  if (it != m_extensions.end()) {
    removed = it->second;
    m_extensions.erase(it);
  }
  for (OdRxProtocolReactor* r : registry().reactors) r->extensionRemoved(this, protocolClass);
  return removed;
}

OdRxObjectPtr OdRxClass::queryOwnX(const OdRxClass* protocolClass) const {
  for (const auto& e : m_extensions)
    if (e.first == protocolClass) return e.second;
  return OdRxObjectPtr();
}

OdRxObjectPtr OdRxClass::getX(const OdRxClass* protocolClass) const {
  for (const OdRxClass* c = this; c; c = c->m_parent) {
    OdRxObjectPtr x = c->queryOwnX(protocolClass);
    if (!x.isNull()) return x;
  }
  return OdRxObjectPtr();
}

std::vector<const OdRxClass*> OdRxClass::protocols() const {
  std::vector<const OdRxClass*> out;
  for (const auto& e : m_extensions) out.push_back(e.first);
  return out;
}

void odrxAddProtocolReactor(OdRxProtocolReactor* reactor) {
  if (reactor) registry().reactors.push_back(reactor);
}

void odrxRemoveProtocolReactor(OdRxProtocolReactor* reactor) {
  auto& v = registry().reactors;
  v.erase(std::remove(v.begin(), v.end(), reactor), v.end());
}

OdRxClass* odrxClassByName(const OdString& name) {
  for (OdRxClass* c : registry().classes)
    if (c->name() == name) return c;
  return nullptr;
}

OdRxClass* odrxClassByDxfName(const OdString& dxfName) {
  if (dxfName.isEmpty()) return nullptr;
  for (OdRxClass* c : registry().classes)
    if (c->dxfName().iCompare(dxfName.c_str()) == 0) return c;
  return nullptr;
}

std::vector<OdRxClass*> odrxClasses() { return registry().classes; }

void odrxRegisterClass(OdRxClass* cls) {
  if (cls && std::find(registry().classes.begin(), registry().classes.end(), cls) == registry().classes.end())
    registry().classes.push_back(cls);
}

void odrxUnregisterClass(OdRxClass* cls) {
  auto& v = registry().classes;
  v.erase(std::remove(v.begin(), v.end(), cls), v.end());
}
