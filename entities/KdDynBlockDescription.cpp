#include "KdDynBlockDescription.h"

#include <cmath>

#include "CKdModuleDynBlocks.h"
#include "CKdPrintInfoContext.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyType.h"
#include "KdText.h"
#include "Db/DbBlockReference.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;

// The row's property, when the object is the block reference it belongs to.
DbDynBlockReferenceProperty_wrapper wrapped(const OdDbObject* object, const Desc& d) {
  auto* own = dynamic_cast<const CKdDynBlockDescription*>(&d);
  if (!own || own->property.isNull() || kd::readable<OdDbBlockReference>(object).isNull() ||
      object->objectId() != own->property->referenceId())
    return DbDynBlockReferenceProperty_wrapper();
  return CKdModuleDynBlocks::instance().property(own->property);
}

CKdString flipLabel(long state) { return kd::value(state == 0 ? "Not flipped" : "Flipped"); }

// A result buffer as the palette shows it.
CKdVariant converted(const OdResBuf* rb) {
  if (!rb) return CKdVariant();
  switch (rb->restype()) {
    case 1: return CKdVariant(CKdString(rb->getString()));
    case 10: return CKdVariant(OdGePoint2d(rb->getPoint3d().x, rb->getPoint3d().y));
    case 11: return CKdVariant(rb->getPoint3d());
    case 40: return CKdVariant(rb->getDouble(), true);
    case 70: case 90: return CKdVariant(long(rb->getInt32()));
    default: return CKdVariant();
  }
}

// Labels match as the palette shows them; distances computed from points
// match the allowed value they were set from to the last few digits.
bool sameLabel(const CKdVariant& a, const CKdVariant& b) {
  if (a.GetType() == CKdVariant::kDouble && b.GetType() == CKdVariant::kDouble)
    return std::fabs(a.GetDouble() - b.GetDouble()) <= 1e-9 * std::max(1.0, std::fabs(b.GetDouble()));
  return a == b;
}

CKdVariant getDynamic(const OdDbObject* object, const Desc& d, const CKdVariant&) {
  DbDynBlockReferenceProperty_wrapper p = wrapped(object, d);
  const OdResBufPtr current = p.value();
  if (p.isNull() || current.isNull()) return CKdVariant();
  const bool flip = p.getParameter().isFlipParameter();
  const CKdVariant shown = flip ? CKdVariant(flipLabel(current->getInt32())) : converted(current.get());
  const std::vector<OdResBufPtr> allowed = p.getAllowedValues();
  if (allowed.empty()) return shown;
  CKdVariantCollection list;
  const int type = current->restype();
  for (size_t i = 0; i < allowed.size(); ++i) {
    const CKdVariant label = flip ? CKdVariant(flipLabel(allowed[i]->getInt32())) : converted(allowed[i].get());
    // Integers come back as themselves; other values by their place in the list.
    const CKdVariant tag = type == 70 || type == 90 ? CKdVariant(long(allowed[i]->getInt32())) : CKdVariant(long(i));
    list.Add(CKdVariantCollectionElement(label, tag));
    if (list.GetSelectedIndex() < 0 && sameLabel(label, shown)) list.SetSelectedIndex(int(i));
  }
  return CKdVariant(list);
}

// The value given, as a result buffer of the property's own type; null when it cannot be one.
OdResBufPtr toResBuf(const CKdVariant& value, int type, const DbDynBlockReferenceProperty_wrapper& p) {
  switch (value.GetType()) {
    case CKdVariant::kDouble:
      return type == 40 ? OdResBuf::newRb(40, value.GetDouble()) : OdResBufPtr();
    case CKdVariant::kString:
      return type == 1 ? OdResBuf::newRb(1, value.GetString().toOdString()) : OdResBufPtr();
    case CKdVariant::kInt32:
      if (type == 90) return OdResBuf::newRb(90, OdInt32(value.GetInt32()));
      if (type == 70) return OdResBuf::newRb(70, OdInt32(OdInt16(value.GetInt32())));
      return OdResBufPtr();
    case CKdVariant::kCollectionElement: {
      const CKdVariant& tag = value.GetCollectionElement().GetTag();
      if (tag.GetType() != CKdVariant::kInt32) return OdResBufPtr();
      if (type == 90 || type == 70) return OdResBuf::newRb(type, OdInt32(tag.GetInt32()));
      const std::vector<OdResBufPtr> allowed = p.getAllowedValues();
      const long at = tag.GetInt32();
      return at >= 0 && size_t(at) < allowed.size() ? allowed[size_t(at)] : OdResBufPtr();
    }
    default: return OdResBufPtr();
  }
}

int setDynamic(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant&) {
  if (!object || !object->isWriteEnabled() || !kd::isFiniteValue(value)) return KD_PROPERTY_FAILED;
  DbDynBlockReferenceProperty_wrapper p = wrapped(object, d);
  const OdResBufPtr current = p.value();
  if (current.isNull()) return KD_PROPERTY_FAILED;
  const OdResBufPtr given = toResBuf(value, current->restype(), p);
  if (given.isNull() || !p.setValue(*given)) return KD_PROPERTY_FAILED;
  return KD_PROPERTY_OK;
}

bool isDynamicReadOnly(const OdDbObject* object, const Desc& d) { return wrapped(object, d).readOnly(); }
}  // namespace

CKdDynBlockDescription::~CKdDynBlockDescription() = default;

void CKdDynBlockDescription::AddAll(const OdDbBlockReference& reference, CKdPropertiesContainer* container) {
  auto* impl = dynamic_cast<CKdPropertiesContainerImpl*>(container);
  DbDynBlockReference_wrapper ref = CKdModuleDynBlocks::instance().reference(reference.objectId());
  if (!impl || !ref.isDynamicBlock()) return;
  for (const DbDynBlockReferenceProperty_wrapper& p : ref.getBlockProperties()) {
    if (!p.show()) continue;
    auto* d = new CKdDynBlockDescription;
    d->property = p.property();
    d->SetCategory(kd::group("Custom"));
    d->SetIsDynamic(true);
    if (p.unitsType() == 1) d->SetType(CKdPropertyTypeImpl(0, CKdString(CKdPropertyType::kAngleGUID)));
    d->SetName(p.propertyName());
    d->SetDescription(p.description());
    d->PutGetMethod(getDynamic);
    d->PutSetMethod(setDynamic);
    d->PutIsReadOnlyMethod(isDynamicReadOnly);
    impl->AddDynamic(d);
  }
}

void CKdDynBlockDescription::PrintAll(const OdDbBlockReference& reference, CKdPrintInfoContext& out) {
  DbDynBlockReference_wrapper ref = CKdModuleDynBlocks::instance().reference(reference.objectId());
  if (!ref.isDynamicBlock()) return;
  bool first = true;
  for (const DbDynBlockReferenceProperty_wrapper& p : ref.getBlockProperties()) {
    if (!p.show()) continue;
    if (first) out.PrintString(kd::infoItem("Custom Properties"));
    first = false;
    const OdResBufPtr v = p.value();
    if (v.isNull()) continue;
    const CKdString label = p.propertyName();
    switch (v->restype()) {
      case 1: out.PrintString(label, CKdString(v->getString())); break;
      case 10: out.PrintPoint(label, OdGePoint2d(v->getPoint3d().x, v->getPoint3d().y)); break;
      case 11: out.PrintPoint(label, v->getPoint3d()); break;
      case 40:
        switch (p.unitsType()) {
          case 1: out.PrintAngle(label, v->getDouble()); break;
          case 2: out.PrintDist(label, v->getDouble()); break;
          case 3: out.PrintArea(label, v->getDouble()); break;
          default: out.PrintScale(label, v->getDouble()); break;
        }
        break;
      case 70:
        if (p.getParameter().isFlipParameter()) out.PrintString(label, flipLabel(v->getInt32()));
        else out.PrintInt(label, v->getInt32());
        break;
      case 90: out.PrintInt(label, v->getInt32()); break;
      default: break;
    }
  }
}
