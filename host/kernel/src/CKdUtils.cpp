#include "CKdUtils.h"
#include <vector>
#include "CKdSystemServices.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"

#include "Db/DbDatabase.h"
#include "Db/DbObject.h"

bool CKdUtils::IsHyperLink(const OdDbObject* object, CKdString& url, CKdString* description) {
  url = CKdString();
  if (description) *description = CKdString();
  if (!object || !object->isReadEnabled()) return false;
  OdResBufPtr rb = object->xData(HyperlinkApp());
  // The chain is: application name, the address, then an optional description.
  if (rb.isNull() || rb->next().isNull() || rb->next()->restype() != OdResBuf::kDxfXdAsciiString) return false;
  url = CKdString(rb->next()->getString());
  OdResBufPtr desc = rb->next()->next();
  if (description && !desc.isNull() && desc->restype() == OdResBuf::kDxfXdAsciiString)
    *description = CKdString(desc->getString());
  return !url.isEmpty();
}

bool CKdUtils::SetHyperLink(const OdDbObject* object, const CKdString& url) {
  OdDbObject* obj = const_cast<OdDbObject*>(object);
  if (!obj || !obj->isWriteEnabled()) return false;
  OdDbDatabase* db = obj->database();
  if (db && !db->newRegApp(HyperlinkApp())) return false;
  OdResBufPtr head = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(HyperlinkApp()));
  if (!url.isEmpty()) head->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, url.toOdString()));
  return obj->setXData(head) == eOk;
}

CKdString CKdUtils::DimStyleDisplayName(const CKdString& name) {
  static const struct {
    wchar_t digit;
    const wchar_t* family;
  } kFamilies[] = {{L'0', L"Linear"}, {L'2', L"Angular"}, {L'3', L"Diameter"}, {L'4', L"Radius"},
                   {L'6', L"Ordinate"}, {L'7', L"Leader"}};
  const std::wstring text = name.wstr();
  if (text.size() < 3 || text[text.size() - 2] != L'$') return name;
  for (const auto& f : kFamilies)
    if (text.back() == f.digit) return CKdString((text.substr(0, text.size() - 2) + L": " + f.family).c_str());
  return name;
}

// No constraint solver is part of this host.
CKdConstraintUtils* GetConstraintUtils() { return nullptr; }

bool CKdDbExtension::SetRadialExtensionArc(OdDbRadialDimension* dimension, bool on) {
  if (!dimension || !dimension->isWriteEnabled()) return false;
  dimension->setExtArcOn(on);
  return true;
}

CKdDbExtension* GetKdDbExtension() {
  static CKdDbExtension extension;
  return &extension;
}

namespace {
struct Unit {
  const wchar_t* name;
  double metres;
};
// By code; the survey units are defined by 1 metre = 39.37 survey inches.
const Unit kUnits[] = {
    {L"Unitless", 0.0},
    {L"Inches", 0.0254},
    {L"Feet", 0.3048},
    {L"Miles", 1609.344},
    {L"Millimeters", 0.001},
    {L"Centimeters", 0.01},
    {L"Meters", 1.0},
    {L"Kilometers", 1000.0},
    {L"Microinches", 2.54e-8},
    {L"Mils", 2.54e-5},
    {L"Yards", 0.9144},
    {L"Angstroms", 1e-10},
    {L"Nanometers", 1e-9},
    {L"Microns", 1e-6},
    {L"Decimeters", 0.1},
    {L"Dekameters", 10.0},
    {L"Hectometers", 100.0},
    {L"Gigameters", 1e9},
    {L"Astronomical Units", 149597870700.0},
    {L"Light Years", 9460730472580800.0},
    {L"Parsecs", 3.0856775814913673e16},
    {L"US Survey Feet", 1200.0 / 3937.0},
    {L"US Survey Inch", 100.0 / 3937.0},
    {L"US Survey Yard", 3600.0 / 3937.0},
    {L"US Survey Mile", 6336000.0 / 3937.0},
};
const Unit* unitOf(OdDb::UnitsValue units) {
  const int n = int(sizeof(kUnits) / sizeof(kUnits[0]));
  return units >= 0 && units < n ? &kUnits[units] : nullptr;
}
}  // namespace

double CKdUtils::GetUnitScalingFactor(OdDb::UnitsValue units) {
  const Unit* u = unitOf(units);
  return u ? u->metres : 0.0;
}

double CKdUtils::transformMMToUnit(double millimetres, OdInt16 units, bool) {
  const double metres = GetUnitScalingFactor(OdDb::UnitsValue(units));
  return metres > 0.0 ? millimetres / 1000.0 / metres : 0.0;
}

CKdString CKdUtils::GetStringForUnitScalingFactor(OdDb::UnitsValue units) {
  const Unit* u = unitOf(units);
  return u ? CKdString(u->name) : CKdString();
}

OdDbObjectId CKdUtils::GetDynBlockId(const OdDbObject* reference) {
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(reference);
  if (ref.isNull() || !ref->isReadEnabled()) return OdDbObjectId();
  OdDbObjectPtr record = ref->blockTableRecord().openObject();
  if (record.isNull() || !record->database()) return OdDbObjectId();
  for (OdResBufPtr rb = record->xData(L"AcDbBlockRepBTag"); !rb.isNull(); rb = rb->next())
    if (rb->restype() == OdResBuf::kDxfXdHandle) {
      const OdDbObjectId id = record->database()->getOdDbObjectId(OdDbHandle(rb->getString()));
      return OdDbBlockTableRecord::cast(id.openObject()).isNull() ? OdDbObjectId() : id;
    }
  return OdDbObjectId();
}

CKdString CKdUtils::GetDynBlockName(OdDbObjectId block) {
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(block.openObject());
  return record.isNull() ? CKdString() : CKdString(record->getName());
}

int CKdMessageBox::warning(void*, const CKdString& text) {
  return GetKdSystemServices()->MessageBox(text, CKdString(L"Warning"), 0x30);
}

namespace {
struct LayerState {
  OdDbObjectId layer;
  bool off, frozen, locked;
};
struct SavedState {
  OdDbDatabase* db;
  OdDbObjectId current;
  std::vector<LayerState> layers;
};
std::vector<SavedState>& savedStates() {
  static std::vector<SavedState> states;
  return states;
}
}  // namespace

void CKdLayErpHandler::SaveCurrentLayerState(OdDbDatabase* db) {
  if (!db) return;
  SavedState state{db, db->getCLAYER(), {}};
  OdDbSymbolTablePtr layers = OdDbSymbolTable::cast(db->getLayerTableId().openObject());
  if (!layers.isNull())
    for (const OdDbObjectId& id : layers->recordIds()) {
      OdDbLayerTableRecordPtr l = OdDbLayerTableRecord::cast(id.openObject());
      if (!l.isNull()) state.layers.push_back({id, l->isOff(), l->isFrozen(), l->isLocked()});
    }
  savedStates().push_back(state);
}

bool CKdLayErpHandler::RestoreLastLayerState(OdDbDatabase* db) {
  std::vector<SavedState>& states = savedStates();
  for (size_t i = states.size(); i-- > 0;) {
    if (states[i].db != db) continue;
    for (const LayerState& s : states[i].layers) {
      OdDbLayerTableRecordPtr l = OdDbLayerTableRecord::cast(s.layer.openObject(OdDb::kForWrite));
      if (l.isNull()) continue;
      l->setIsOff(s.off);
      l->setIsFrozen(s.frozen);
      l->setIsLocked(s.locked);
    }
    db->header().clayer = states[i].current;
    states.erase(states.begin() + long(i));
    return true;
  }
  return false;
}

int CKdLayErpHandler::SavedStateCount() { return int(savedStates().size()); }
