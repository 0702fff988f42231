#pragma once
// The active document: the drawing the user works in, its current UCS and view.
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "CKdDatabase.h"

class OdDbDatabase;

class CKdDocument {
public:
  explicit CKdDocument(OdDbDatabase* db) : m_kdDb(db) {}
  CKdDatabase* GetKdDatabase() { return &m_kdDb; }
  OdDbDatabase* GetDatabase() const { return m_kdDb.GetDatabase(); }
  // Axes of the current UCS of the active view.
  OdGeVector3d GetUcsXAxis() const;
  OdGeVector3d GetUcsYAxis() const;
  OdGePoint3d GetUcsOrigin() const;

private:
  CKdDatabase m_kdDb;
};

// The document the host has active; null when no drawing is open.
CKdDocument* ACTIVE_DOCUMENT();
// Makes the drawing the active one (null for none); the host calls it when the user switches.
void SetActiveKdDocument(OdDbDatabase* db);
