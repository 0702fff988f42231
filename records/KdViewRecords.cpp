#include "KdViewRecords.h"

#include "Db/DbGroup.h"
#include "Db/DbViewTableRecord.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbViewTableRecord V;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;


// The corners of the view: lower left (tag 0) and upper right (tag 1).
CKdVariant window(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) {
    const OdGePoint2d c = v.centerPoint();
    const double w = v.width() / 2, h = v.height() / 2;
    CKdVariantCollection corners;
    corners.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint2d(c.x - w, c.y - h)), CKdVariant(0L)));
    corners.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint2d(c.x + w, c.y + h)), CKdVariant(1L)));
    corners.SetSelectedIndex(0);
    return CKdVariant(corners);
  });
}
CKdVariant viewName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(CKdString(v.getName())); });
}
CKdVariant paperSpace(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(long(v.isPaperspaceView() ? 1 : 0)); });
}
CKdVariant category(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(CKdString(v.getCategoryName())); });
}

const kd::PropertyRow kViewRows[] = {
    {"General", "Window", 6, nullptr, nullptr, RO, window, nullptr},
    {"General", "Name", 3, nullptr, nullptr, RO, viewName, nullptr},
    {"General", "IsPaperSpace", 4, nullptr, nullptr, RO, paperSpace, nullptr},
    {"General", "Class", 3, nullptr, nullptr, RO, category, nullptr},
};

CKdVariant groupName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbGroup>(o, [](const OdDbGroup& g) { return CKdVariant(CKdString(g.name())); });
}
CKdVariant groupDescription(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbGroup>(o, [](const OdDbGroup& g) { return CKdVariant(CKdString(g.description())); });
}
CKdVariant selectable(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbGroup>(o, [](const OdDbGroup& g) { return CKdVariant(kd::value(g.isSelectable() ? "Yes" : "No")); });
}
// One element a member: the group's name, tagged with the member's handle.
CKdVariant members(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbGroup>(o, [](const OdDbGroup& g) {
    OdDbObjectIdArray ids;
    g.allEntityIds(ids);
    const CKdString name(g.name());
    CKdVariantCollection list;
    for (const OdDbObjectId& id : ids) {
      OdDbObjectPtr member = id.openObject();
      if (member.isNull()) continue;
      list.Add(CKdVariantCollectionElement(CKdVariant(name), CKdVariant(CKdString(member->objectId().getHandle().ascii()))));
    }
    return CKdVariant(list);
  });
}

const kd::PropertyRow kGroupRows[] = {
    {"General", "Name", 3, nullptr, nullptr, RO, groupName, nullptr},
    {"General", "Description", 3, nullptr, nullptr, RO, groupDescription, nullptr},
    {"General", "SelectableEntities", 3, nullptr, nullptr, RO, selectable, nullptr},
    {"General", "AllEntities", 6, nullptr, nullptr, RO, members, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_LEVEL(CKdViewTableRecordPE, CKdPropertyPEImpl, "ViewTableRecord", &OdDbViewTableRecord::desc,
                         kViewRows, kd::Texts::Literal)
KD_DEFINE_PROPERTY_LEVEL(CKdGroupPE, CKdPropertyPEImpl, "Group", &OdDbGroup::desc, kGroupRows, kd::Texts::Literal)
