#include "CKdDocument.h"
#include "Db/DbDictionary.h"
#include "Db/DbViewport.h"

#include <memory>

#include "Db/DbDatabase.h"

bool CKdDatabase::IsColorDependentPlotStyles() const { return m_db ? m_db->getPSTYLEMODE() : true; }
OdInt16 CKdDatabase::GetLinearUnits() const { return m_db ? m_db->getLUNITS() : 2; }
OdInt16 CKdDatabase::GetInsertionUnits() const { return m_db ? m_db->getINSUNITS() : 0; }
OdInt16 CKdDatabase::GetActiveViewportNumber() const {
  return m_db && !m_db->header().tilemode ? m_db->header().cvport : 0;
}

bool CKdScaleList::GetScaleList(std::vector<Entry>& list, int) const {
  list.clear();
  OdDbDatabase* db = m_db ? m_db->GetDatabase() : nullptr;
  OdDbDictionaryPtr scales = OdDbDictionary::cast(OdDbScale::scaleListDictionary(db).openObject());
  if (scales.isNull()) return false;
  for (const OdDbObjectId& id : scales->ids()) {
    OdDbScalePtr scale = OdDbScale::cast(id.openObject());
    if (scale.isNull() || !(scale->drawingUnits() > 0) || !(scale->paperUnits() > 0)) continue;
    list.push_back({CKdString(scale->scaleName()), id, scale->paperUnits(), scale->drawingUnits()});
  }
  return true;
}

OdInt16 CKdDatabase::GetSplineSegments() const { return m_db ? m_db->getSPLINESEGS() : 8; }

OdGeVector3d CKdDocument::GetUcsXAxis() const {
  return GetDatabase() ? GetDatabase()->getUCSXDIR() : OdGeVector3d::kXAxis;
}
OdGeVector3d CKdDocument::GetUcsYAxis() const {
  return GetDatabase() ? GetDatabase()->getUCSYDIR() : OdGeVector3d::kYAxis;
}
OdGePoint3d CKdDocument::GetUcsOrigin() const {
  return GetDatabase() ? GetDatabase()->getUCSORG() : OdGePoint3d::kOrigin;
}

namespace {
std::unique_ptr<CKdDocument>& activeDocument() {
  static std::unique_ptr<CKdDocument> doc;
  return doc;
}
}  // namespace

CKdDocument* ACTIVE_DOCUMENT() { return activeDocument().get(); }

void SetActiveKdDocument(OdDbDatabase* db) { activeDocument().reset(db ? new CKdDocument(db) : nullptr); }
