#pragma once
// Converts points between world coordinates and a drawing's current UCS, and
// formats numbers the way the drawing's settings ask.
#include "CKdString.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"

class OdDbDatabase;

class CKdUcsService {
public:
  explicit CKdUcsService(const OdDbDatabase* db);
  void WorldToUcs(OdGePoint3d& point) const;
  void UcsToWorld(OdGePoint3d& point) const;
  const OdGeMatrix3d& WorldToUcsMatrix() const { return m_toUcs; }
  const OdGeMatrix3d& UcsToWorldMatrix() const { return m_toWorld; }
  // Display text of a value: unitMode 1 scientific, 2 decimal, 3 engineering,
  // 4 architectural, 5 fractional; -1 for each argument takes the drawing's setting.
  CKdString FormatValue(double value, int unitMode = -1, int precision = -1, int flags = -1) const;

private:
  const OdDbDatabase* m_db;
  OdGeMatrix3d m_toUcs;
  OdGeMatrix3d m_toWorld;
};

// The service for the drawing the object belongs to (world = UCS without a drawing).
CKdUcsService GetKdUcsService(const OdDbDatabase* db);
