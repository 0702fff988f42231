#include "CKdVariant.h"

namespace {
const CKdVariantCollection& emptyCollection() {
  static const CKdVariantCollection c;
  return c;
}
const CKdVariantCollectionElement& emptyElement() {
  static const CKdVariantCollectionElement e;
  return e;
}
}  // namespace

CKdVariant::CKdVariant(double value, bool distance) : m_type(kDouble), m_distance(distance), m_double(value) {}
CKdVariant::CKdVariant(const CKdString& value) : m_type(kString), m_string(value) {}
CKdVariant::CKdVariant(long value) : m_type(kInt32), m_int(value) {}
CKdVariant::CKdVariant(const OdCmColor& value) : m_type(kColor), m_color(value) {}
CKdVariant::CKdVariant(const CKdVariantCollection& value)
    : m_type(kCollection), m_collection(new CKdVariantCollection(value)) {}
CKdVariant::CKdVariant(const CKdVariantCollectionElement& value)
    : m_type(kCollectionElement), m_element(new CKdVariantCollectionElement(value)) {}
CKdVariant::CKdVariant(const OdDbObjectId& value) : m_type(kId), m_id(value) {}
CKdVariant::CKdVariant(const OdGePoint3d& value) : m_type(kPoint3d), m_point(value) {}
CKdVariant::CKdVariant(const OdGePoint2d& value) : m_type(kPoint2d), m_point(value.x, value.y, 0.0) {}
CKdVariant::CKdVariant(const OdCmTransparency& value) : m_type(kTransparency), m_transparency(value) {}
CKdVariant::~CKdVariant() = default;

void CKdVariant::copyFrom(const CKdVariant& o) {
  m_type = o.m_type;
  m_distance = o.m_distance;
  m_double = o.m_double;
  m_int = o.m_int;
  m_string = o.m_string;
  m_color = o.m_color;
  m_transparency = o.m_transparency;
  m_id = o.m_id;
  m_point = o.m_point;
  m_collection.reset(o.m_collection ? new CKdVariantCollection(*o.m_collection) : nullptr);
  m_element.reset(o.m_element ? new CKdVariantCollectionElement(*o.m_element) : nullptr);
}

CKdVariant::CKdVariant(const CKdVariant& other) { copyFrom(other); }

CKdVariant::CKdVariant(CKdVariant&& o) noexcept
    : m_type(o.m_type),
      m_distance(o.m_distance),
      m_double(o.m_double),
      m_int(o.m_int),
      m_string(std::move(o.m_string)),
      m_color(o.m_color),
      m_transparency(o.m_transparency),
      m_id(o.m_id),
      m_point(o.m_point),
      m_collection(std::move(o.m_collection)),
      m_element(std::move(o.m_element)) {
  o.m_type = kEmpty;
}

CKdVariant& CKdVariant::operator=(const CKdVariant& other) {
  if (this != &other) copyFrom(other);
  return *this;
}

CKdVariant& CKdVariant::operator=(CKdVariant&& o) noexcept {
  if (this != &o) {
    m_type = o.m_type;
    m_distance = o.m_distance;
    m_double = o.m_double;
    m_int = o.m_int;
    m_string = std::move(o.m_string);
    m_color = o.m_color;
    m_transparency = o.m_transparency;
    m_id = o.m_id;
    m_point = o.m_point;
    m_collection = std::move(o.m_collection);
    m_element = std::move(o.m_element);
    o.m_type = kEmpty;
  }
  return *this;
}

CKdString CKdVariant::GetString() const { return m_type == kString ? m_string : CKdString(); }
OdCmColor CKdVariant::GetColor() const { return m_type == kColor ? m_color : OdCmColor(); }
OdCmTransparency CKdVariant::GetTransparency() const {
  return m_type == kTransparency ? m_transparency : OdCmTransparency();
}

const CKdVariantCollection& CKdVariant::GetCollection() const {
  return m_type == kCollection && m_collection ? *m_collection : emptyCollection();
}

const CKdVariantCollectionElement& CKdVariant::GetCollectionElement() const {
  return m_type == kCollectionElement && m_element ? *m_element : emptyElement();
}

bool CKdVariant::operator==(const CKdVariant& o) const {
  if (m_type != o.m_type) return false;
  switch (m_type) {
    case kEmpty: return true;
    case kDouble: return m_double == o.m_double && m_distance == o.m_distance;
    case kString: return m_string == o.m_string;
    case kInt32: return m_int == o.m_int;
    case kColor: return m_color == o.m_color;
    case kCollection: return GetCollection() == o.GetCollection();
    case kCollectionElement: return GetCollectionElement() == o.GetCollectionElement();
    case kId: return m_id == o.m_id;
    case kPoint3d:
    case kPoint2d: return m_point.x == o.m_point.x && m_point.y == o.m_point.y && m_point.z == o.m_point.z;
    case kTransparency: return m_transparency == o.m_transparency;
    default: return false;
  }
}
