#pragma once
// A group: a named, ordered set of entities, kept in the drawing's group
// dictionary under its name.
#include "Db/DbObject.h"

class OdDbGroup : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbGroup)
public:
  // The group's key in the dictionary that owns it; empty when none does.
  OdString name() const;
  OdString description() const;
  void setDescription(const OdString& description);
  bool isSelectable() const;
  void setSelectable(bool on);
  bool isAnonymous() const;
  // Members that are not erased, in order.
  void allEntityIds(OdDbObjectIdArray& ids) const;
  OdResult append(OdDbObjectId id);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_description;
  bool m_selectable = true, m_anonymous = false;
  OdDbObjectIdArray m_entities;
};
typedef OdSmartPtr<OdDbGroup> OdDbGroupPtr;
