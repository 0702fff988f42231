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
  // The number of the viewport the user works in: the drawing's current
  // viewport while a layout is current; 0 while the model is (no layout
  // viewport is active then).
  OdInt16 GetActiveViewportNumber() const;

private:
  OdDbDatabase* m_db;
};

#include <vector>
#include "CKdString.h"
#include "Db/DbObjectId.h"

// The drawing's named scales, as the host offers them in scale lists.
class CKdScaleList {
public:
  struct Entry {
    CKdString name;
    OdDbObjectId id;
    double paperUnits = 1.0, drawingUnits = 1.0;
  };
  explicit CKdScaleList(CKdDatabase* db) : m_db(db) {}
  // The scales of the drawing's list in its order (flags: 2 the list for
  // viewports; every flag gives the whole list here). False when the
  // drawing has no scale list.
  bool GetScaleList(std::vector<Entry>& list, int flags) const;

private:
  CKdDatabase* m_db;
};
