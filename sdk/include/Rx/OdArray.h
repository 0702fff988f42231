#pragma once
// Growable array with the drawing database's interface.
#include <vector>
#include <algorithm>

template <class T>
class OdArray {
public:
  typedef T value_type;
  typedef typename std::vector<T>::iterator iterator;
  typedef typename std::vector<T>::const_iterator const_iterator;
  typedef unsigned int size_type;

  OdArray() = default;
  explicit OdArray(size_type physicalLength) { m_v.reserve(physicalLength); }
  OdArray(std::initializer_list<T> init) : m_v(init) {}

  size_type size() const { return static_cast<size_type>(m_v.size()); }
  size_type length() const { return size(); }
  size_type logicalLength() const { return size(); }
  size_type physicalLength() const { return static_cast<size_type>(m_v.capacity()); }
  bool isEmpty() const { return m_v.empty(); }
  bool empty() const { return m_v.empty(); }

  T& operator[](size_type i) { return m_v[i]; }
  const T& operator[](size_type i) const { return m_v[i]; }
  T& at(size_type i) { return m_v.at(i); }
  const T& at(size_type i) const { return m_v.at(i); }
  const T& getAt(size_type i) const { return m_v.at(i); }
  OdArray& setAt(size_type i, const T& value) { m_v.at(i) = value; return *this; }
  T& first() { return m_v.front(); }
  const T& first() const { return m_v.front(); }
  T& last() { return m_v.back(); }
  const T& last() const { return m_v.back(); }

  size_type append(const T& value) { m_v.push_back(value); return size() - 1; }
  OdArray& append(const OdArray& other) { m_v.insert(m_v.end(), other.m_v.begin(), other.m_v.end()); return *this; }
  void push_back(const T& value) { m_v.push_back(value); }
  OdArray& insertAt(size_type i, const T& value) { m_v.insert(m_v.begin() + i, value); return *this; }
  OdArray& removeAt(size_type i) { m_v.erase(m_v.begin() + i); return *this; }
  OdArray& removeFirst() { m_v.erase(m_v.begin()); return *this; }
  OdArray& removeLast() { m_v.pop_back(); return *this; }
  OdArray& removeSubArray(size_type from, size_type to) { m_v.erase(m_v.begin() + from, m_v.begin() + to + 1); return *this; }
  bool remove(const T& value) {
    auto it = std::find(m_v.begin(), m_v.end(), value);
    if (it == m_v.end()) return false;
    m_v.erase(it);
    return true;
  }
  bool contains(const T& value, size_type start = 0) const {
    return start <= size() && std::find(m_v.begin() + start, m_v.end(), value) != m_v.end();
  }
  bool find(const T& value, size_type& foundAt, size_type start = 0) const {
    if (start > size()) return false;
    auto it = std::find(m_v.begin() + start, m_v.end(), value);
    if (it == m_v.end()) return false;
    foundAt = static_cast<size_type>(it - m_v.begin());
    return true;
  }
  void clear() { m_v.clear(); }
  OdArray& setLogicalLength(size_type n) { m_v.resize(n); return *this; }
  OdArray& setPhysicalLength(size_type n) { if (n < size()) m_v.resize(n); m_v.reserve(n); return *this; }
  void resize(size_type n) { m_v.resize(n); }
  void resize(size_type n, const T& value) { m_v.resize(n, value); }
  void reserve(size_type n) { m_v.reserve(n); }
  OdArray& reverse() { std::reverse(m_v.begin(), m_v.end()); return *this; }

  T* asArrayPtr() { return m_v.data(); }
  const T* asArrayPtr() const { return m_v.data(); }
  const T* getPtr() const { return m_v.data(); }

  iterator begin() { return m_v.begin(); }
  iterator end() { return m_v.end(); }
  const_iterator begin() const { return m_v.begin(); }
  const_iterator end() const { return m_v.end(); }

  bool operator==(const OdArray& o) const { return m_v == o.m_v; }
  bool operator!=(const OdArray& o) const { return m_v != o.m_v; }

private:
  std::vector<T> m_v;
};
