#pragma once
// The host's tagged value: what the properties palette shows and edits.
#include <memory>
#include "CKdString.h"
#include "Cm/CmColor.h"
#include "Db/DbObjectId.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Rx/OdArray.h"

class CKdVariantCollection;
class CKdVariantCollectionElement;

class CKdVariant {
public:
  enum Type {
    kEmpty = 0,
    kDouble = 2,
    kString = 3,
    kInt32 = 4,
    kColor = 5,
    kCollection = 6,
    kCollectionElement = 7,
    kId = 8,
    kPoint3d = 9,
    kPoint2d = 10,
    kTransparency = 11
  };

  CKdVariant() = default;
  // The flag tells the palette that the number is a length, coordinate or angle.
  CKdVariant(double value, bool distance);
  explicit CKdVariant(const CKdString& value);
  explicit CKdVariant(long value);
  explicit CKdVariant(int value) : CKdVariant(long(value)) {}
  explicit CKdVariant(const OdCmColor& value);
  explicit CKdVariant(const CKdVariantCollection& value);
  explicit CKdVariant(const CKdVariantCollectionElement& value);
  explicit CKdVariant(const OdDbObjectId& value);
  explicit CKdVariant(const OdGePoint3d& value);
  explicit CKdVariant(const OdGePoint2d& value);
  explicit CKdVariant(const OdCmTransparency& value);
  CKdVariant(const CKdVariant& other);
  CKdVariant(CKdVariant&& other) noexcept;
  CKdVariant& operator=(const CKdVariant& other);
  CKdVariant& operator=(CKdVariant&& other) noexcept;
  ~CKdVariant();

  int GetType() const { return m_type; }
  bool IsEmpty() const { return m_type == kEmpty; }
  bool IsDistance() const { return m_distance; }
  // Each getter answers the stored value when the type matches and a neutral value otherwise.
  double GetDouble() const { return m_type == kDouble ? m_double : 0.0; }
  long GetInt32() const { return m_type == kInt32 ? m_int : 0; }
  CKdString GetString() const;
  OdCmColor GetColor() const;
  OdDbObjectId GetId() const { return m_type == kId ? m_id : OdDbObjectId(); }
  OdCmTransparency GetTransparency() const;
  OdGePoint3d GetPoint3d() const { return m_type == kPoint3d ? m_point : OdGePoint3d(); }
  OdGePoint2d GetPoint2d() const { return m_type == kPoint2d ? OdGePoint2d(m_point.x, m_point.y) : OdGePoint2d(); }
  const CKdVariantCollection& GetCollection() const;
  const CKdVariantCollectionElement& GetCollectionElement() const;

  // Same type and value (doubles exactly).
  bool operator==(const CKdVariant& o) const;
  bool operator!=(const CKdVariant& o) const { return !(*this == o); }

private:
  void copyFrom(const CKdVariant& o);
  int m_type = kEmpty;
  bool m_distance = false;
  double m_double = 0.0;
  long m_int = 0;
  CKdString m_string;
  OdCmColor m_color;
  OdCmTransparency m_transparency;
  OdDbObjectId m_id;
  OdGePoint3d m_point;
  std::unique_ptr<CKdVariantCollection> m_collection;
  std::unique_ptr<CKdVariantCollectionElement> m_element;
};

// One choice: a label shown to the user and the tag the setter reads.
class CKdVariantCollectionElement {
public:
  CKdVariantCollectionElement() = default;
  CKdVariantCollectionElement(const CKdVariant& value, const CKdVariant& tag) : m_value(value), m_tag(tag) {}
  void SetValue(const CKdVariant& v) { m_value = v; }
  const CKdVariant& GetValue() const { return m_value; }
  void SetTag(const CKdVariant& t) { m_tag = t; }
  const CKdVariant& GetTag() const { return m_tag; }
  bool operator==(const CKdVariantCollectionElement& o) const { return m_value == o.m_value && m_tag == o.m_tag; }

private:
  CKdVariant m_value;
  CKdVariant m_tag;
};

// A list of choices with the one currently selected.
class CKdVariantCollection {
public:
  void Add(const CKdVariantCollectionElement& e) { m_elements.append(e); }
  int GetCount() const { return static_cast<int>(m_elements.size()); }
  const CKdVariantCollectionElement& GetAt(int i) const { return m_elements[static_cast<unsigned>(i)]; }
  const OdArray<CKdVariantCollectionElement>& Elements() const { return m_elements; }
  // -1 when nothing is selected.
  void SetSelectedIndex(int i) { m_selected = i; }
  int GetSelectedIndex() const { return m_selected; }
  // The selection mixes objects with different values.
  void SetHasVaries(bool v) { m_varies = v; }
  bool HasVaries() const { return m_varies; }
  bool operator==(const CKdVariantCollection& o) const {
    return m_selected == o.m_selected && m_varies == o.m_varies && m_elements == o.m_elements;
  }

private:
  OdArray<CKdVariantCollectionElement> m_elements;
  int m_selected = -1;
  bool m_varies = false;
};
