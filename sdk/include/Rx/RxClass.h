#pragma once
// Run-time class descriptor: name, parent, pseudo-constructor, and the
// protocol extensions registered on the class.
#include <map>
#include <vector>
#include "Rx/SmartPtr.h"
#include "Rx/OdString.h"

typedef OdRxObjectPtr (*OdPseudoConstructorType)();

class OdRxClass : public OdRxObject {
public:
  OdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType constructor = nullptr,
            const OdString& dxfName = OdString(), const OdString& appName = OdString());
  ~OdRxClass() override;

  // Descriptors live as long as their library; reference counting does nothing.
  void addRef() override {}
  void release() override {}
  long numRefs() const override { return 1; }
  OdRxClass* isA() const override;
  static OdRxClass* desc();

  const OdString& name() const { return m_name; }
  const OdString& dxfName() const { return m_dxfName; }
  const OdString& appName() const { return m_appName; }
  OdRxClass* myParent() const { return m_parent; }
  bool isDerivedFrom(const OdRxClass* other) const;
  // A new object of this class, or null for abstract classes.
  OdRxObjectPtr create() const;
  bool isAbstract() const { return m_constructor == nullptr; }

  // Registers an extension object for a protocol class; answers the one it replaces.
  OdRxObjectPtr addX(const OdRxClass* protocolClass, OdRxObject* extension);
  // Removes the extension of a protocol class; answers the removed one.
  OdRxObjectPtr delX(const OdRxClass* protocolClass);
  // The extension registered on this class or the nearest parent that has one.
  OdRxObjectPtr getX(const OdRxClass* protocolClass) const;
  // The extension registered on this class itself.
  OdRxObjectPtr queryOwnX(const OdRxClass* protocolClass) const;
  // Protocol classes that have an extension on this class, in registration order.
  std::vector<const OdRxClass*> protocols() const;

private:
  OdString m_name;
  OdString m_dxfName;
  OdString m_appName;
  OdRxClass* m_parent;
  OdPseudoConstructorType m_constructor;
  std::vector<std::pair<const OdRxClass*, OdRxObjectPtr>> m_extensions;
};

// Observer of protocol-extension registrations, for hosts that trace them.
class OdRxProtocolReactor {
public:
  virtual ~OdRxProtocolReactor() = default;
  virtual void extensionAdded(const OdRxClass* cls, const OdRxClass* protocolClass, OdRxObject* extension) = 0;
  virtual void extensionRemoved(const OdRxClass* cls, const OdRxClass* protocolClass) = 0;
};
void odrxAddProtocolReactor(OdRxProtocolReactor* reactor);
void odrxRemoveProtocolReactor(OdRxProtocolReactor* reactor);

// Dictionary of the run-time classes that exist, by name.
OdRxClass* odrxClassByName(const OdString& name);
OdRxClass* odrxClassByDxfName(const OdString& dxfName);
std::vector<OdRxClass*> odrxClasses();
void odrxRegisterClass(OdRxClass* cls);
void odrxUnregisterClass(OdRxClass* cls);

// Makes sure every class of the drawing database has its descriptor.

// Defines the run-time class members declared by ODRX_DECLARE_MEMBERS.
#define ODRX_DEFINE_RTTI_MEMBERS(ClassName, ParentClass, Constructor, DxfName)         \
  OdRxClass* ClassName::desc() {                                                       \
    static OdRxClass s_class(OdString(L## #ClassName), ParentClass::desc(), Constructor, \
                             OdString(DxfName));                                         \
    return &s_class;                                                                   \
  }                                                                                    \
  OdRxClass* ClassName::isA() const { return ClassName::desc(); }                      \
  OdSmartPtr<ClassName> ClassName::cast(const OdRxObject* object) {                    \
    return object ? OdSmartPtr<ClassName>(                                             \
                        static_cast<ClassName*>(object->queryX(ClassName::desc())),    \
                        kOdRxObjAttach)                                                \
                  : OdSmartPtr<ClassName>();                                           \
  }

// A class that can be instantiated; Factory creates one new object with a reference.
#define ODRX_DEFINE_MEMBERS_EX(ClassName, ParentClass, DxfName, Factory)                       \
  static OdRxObjectPtr ClassName##_pseudoConstructor() {                                        \
    return OdRxObjectPtr(static_cast<OdRxObject*>(Factory), kOdRxObjAttach);                    \
  }                                                                                             \
  ODRX_DEFINE_RTTI_MEMBERS(ClassName, ParentClass, ClassName##_pseudoConstructor, DxfName)      \
  OdSmartPtr<ClassName> ClassName::createObject() {                                             \
    return OdSmartPtr<ClassName>(static_cast<ClassName*>(Factory), kOdRxObjAttach);             \
  }

// A class that cannot be instantiated on its own.
#define ODRX_DEFINE_ABSTRACT_MEMBERS(ClassName, ParentClass)                 \
  ODRX_DEFINE_RTTI_MEMBERS(ClassName, ParentClass, nullptr, L"")              \
  OdSmartPtr<ClassName> ClassName::createObject() {                          \
    throw OdError(eNotApplicable, OdString(L"abstract class " L## #ClassName)); \
  }
