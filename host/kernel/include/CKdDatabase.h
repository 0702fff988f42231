#pragma once
// The host's view of a drawing's settings.
#include "Rx/OdTypes.h"

class OdDbDatabase;

class CKdDatabase {
public:
  explicit CKdDatabase(OdDbDatabase* db) : m_db(db) {}
  OdDbDatabase* GetDatabase() const { return m_db; }
  // True when print styles depend on colour, false for named print styles.
  bool IsColorDependentPlotStyles() const;
  OdInt16 GetLinearUnits() const;
  OdInt16 GetInsertionUnits() const;
  OdInt16 GetSplineSegments() const;
  OdInt16 GetActiveViewportNumber() const { return 1; }

private:
  OdDbDatabase* m_db;
};
