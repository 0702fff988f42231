#pragma once
// Root of the run-time class system: every object knows its class, is
// reference counted, and answers queries for classes and protocol extensions.
#include "Rx/OdTypes.h"

class OdRxClass;
template <class T> class OdSmartPtr;
typedef OdSmartPtr<class OdRxObject> OdRxObjectPtr;

namespace OdRx {
enum Ordering { kLessThan = -1, kEqual = 0, kGreaterThan = 1, kNotOrderable = 2 };
}

// Tag for smart-pointer constructors that take over a reference without adding one.
enum OdRxObjMod { kOdRxObjAttach };

class OdRxObject {
public:
  OdRxObject() = default;
  OdRxObject(const OdRxObject&) = delete;
  OdRxObject& operator=(const OdRxObject&) = delete;

  virtual ~OdRxObject();
  // This object, with a reference added, when it belongs to the class; else null.
  virtual OdRxObject* queryX(const OdRxClass* protocolClass) const;
  // As queryX, then the protocol extension registered for the object's class
  // or its parents; throws OdError_NotThatKindOfClass when neither exists.
  virtual OdRxObject* x(const OdRxClass* protocolClass) const;
  virtual OdRxClass* isA() const;
  virtual void addRef() = 0;
  virtual void release() = 0;
  virtual long numRefs() const;
  virtual OdRxObjectPtr clone() const;
  virtual void copyFrom(const OdRxObject* source);
  virtual OdRx::Ordering comparedTo(const OdRxObject* other) const;
  virtual bool isEqualTo(const OdRxObject* other) const;

  static OdRxClass* desc();
  bool isKindOf(const OdRxClass* cls) const;
};

// Declares the run-time class members of a class: its descriptor, isA, a
// checked cast and the pseudo-constructor.
#define ODRX_DECLARE_MEMBERS(ClassName)                              \
 public:                                                             \
  static OdRxClass* desc();                                          \
  OdRxClass* isA() const override;                                   \
  static OdSmartPtr<ClassName> cast(const OdRxObject* object);       \
  static OdSmartPtr<ClassName> createObject();                       \
                                                                     \
 private:
