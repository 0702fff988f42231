#pragma once
// Intrusive smart pointer over reference-counted run-time objects.
#include <cstddef>
#include <type_traits>
#include "Rx/RxObject.h"
#include "Rx/OdError.h"

template <class T>
class OdSmartPtr {
public:
  OdSmartPtr() = default;
  OdSmartPtr(std::nullptr_t) {}
  OdSmartPtr(const T* object) : m_p(const_cast<T*>(object)) { if (m_p) m_p->addRef(); }
  OdSmartPtr(const T* object, OdRxObjMod) : m_p(const_cast<T*>(object)) {}
  OdSmartPtr(const OdSmartPtr& other) : m_p(other.m_p) { if (m_p) m_p->addRef(); }
  OdSmartPtr(OdSmartPtr&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
  // Conversion from an object of another static type: checked through queryX.
  template <class U, class = typename std::enable_if<!std::is_same<T, U>::value>::type>
  OdSmartPtr(const OdSmartPtr<U>& other) { internalQuery(other.get()); }
  template <class U, class = typename std::enable_if<!std::is_same<T, U>::value && !std::is_base_of<T, U>::value>::type, class = void>
  OdSmartPtr(const U* object) { internalQuery(object); }
  ~OdSmartPtr() { if (m_p) m_p->release(); }

  OdSmartPtr& operator=(const OdSmartPtr& other) {
    if (other.m_p) other.m_p->addRef();
    if (m_p) m_p->release();
    m_p = other.m_p;
    return *this;
  }
  OdSmartPtr& operator=(OdSmartPtr&& other) noexcept {
    if (this != &other) {
      if (m_p) m_p->release();
      m_p = other.m_p;
      other.m_p = nullptr;
    }
    return *this;
  }
  template <class U, class = typename std::enable_if<!std::is_same<T, U>::value>::type>
  OdSmartPtr& operator=(const OdSmartPtr<U>& other) {
    OdSmartPtr tmp(other);
    return *this = std::move(tmp);
  }
  OdSmartPtr& operator=(const T* object) {
    OdSmartPtr tmp(object);
    return *this = std::move(tmp);
  }
  OdSmartPtr& operator=(std::nullptr_t) { release(); return *this; }

  void attach(const T* object) { release(); m_p = const_cast<T*>(object); }
  T* detach() { T* p = m_p; m_p = nullptr; return p; }
  void release() { if (m_p) { T* p = m_p; m_p = nullptr; p->release(); } }

  T* get() const { return m_p; }
  T* operator->() const { return m_p; }
  T& operator*() const { return *m_p; }
  operator T*() const { return m_p; }
  bool isNull() const { return m_p == nullptr; }
  explicit operator bool() const { return m_p != nullptr; }

private:
  template <class U>
  void internalQuery(const U* object) {
    if (!object) return;
    m_p = static_cast<T*>(object->queryX(T::desc()));
    if (!m_p) throw OdError_NotThatKindOfClass(object->isA(), T::desc());
  }
  T* m_p = nullptr;
};

// Objects whose lifetime is not governed by references: the counting does nothing.
template <class T>
class OdStaticRxObject : public T {
public:
  using T::T;
  void addRef() override {}
  void release() override {}
  long numRefs() const override { return 1; }
};

// Heap objects destroyed when their last reference goes.
template <class T, class TInterface = T>
class OdRxObjectImpl : public T {
public:
  using T::T;
  void addRef() override { ++m_nRefs; }
  void release() override { if (--m_nRefs == 0) delete this; }
  long numRefs() const override { return m_nRefs; }
  static OdSmartPtr<TInterface> createObject() {
    return OdSmartPtr<TInterface>(static_cast<TInterface*>(new OdRxObjectImpl), kOdRxObjAttach);
  }

private:
  long m_nRefs = 1;
};
