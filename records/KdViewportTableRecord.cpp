#include "KdViewportTableRecord.h"

#include <strings.h>

#include <cmath>

#include "CKdDocument.h"
#include "CKdSystemServices.h"
#include "CKdUtils.h"
#include "Db/DbDatabase.h"
#include "Db/DbLayout.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbViewTableRecord.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbViewportTableRecord V;
typedef CKdPropertyType T;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

// The drawing whose current settings the record shows: its own, else the active one.
OdDbDatabase* settingsOf(const OdDbObject* object) {
  if (object && object->database()) return object->database();
  CKdDocument* doc = ACTIVE_DOCUMENT();
  return doc ? doc->GetDatabase() : nullptr;
}
bool readable(const OdDbObject* object) { return object && object->isReadEnabled(); }
bool writable(const OdDbObject* object) { return object && object->isWriteEnabled(); }

CKdVariant getColor(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(db->header().cecolor) : CKdVariant();
}
int setColor(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o)) return KD_PROPERTY_FAILED;
  db->header().cecolor = value.GetColor();
  return KD_PROPERTY_OK;
}

CKdVariant getLayer(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !readable(o)) return CKdVariant();
  OdDbObjectPtr table = db->getLayerTableId().openObject();
  return table.isNull() ? CKdVariant() : CKdVariant(db->getCLAYER());
}
// Frozen and external-reference layers cannot be current; an off layer can, with a word of warning.
int setLayer(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || value.GetType() != CKdVariant::kId) return KD_PROPERTY_FAILED;
  OdDbObjectPtr opened = value.GetId().openObject();
  OdDbLayerTableRecordPtr layer = opened;  // a record of another kind is an error of the caller
  if (layer.isNull()) return KD_PROPERTY_FAILED;
  void* window = GetKdSystemServices()->MainWindow();
  if (layer->isFrozen() || layer->isDependent()) {
    CKdMessageBox::warning(window, kd::tr("CKdViewportTableRecordPE",
                                          "Specified layer cannot be made active.<br><br>The following layers cannot be "
                                          "made active:<ul><li>Reference-dependent layers</li><li>Frozen layers"));
    return KD_PROPERTY_OK;
  }
  if (layer->isOff()) CKdMessageBox::warning(window, kd::tr("CKdViewportTableRecordPE", "The active layer is hidden."));
  CKdLayErpHandler::SaveCurrentLayerState(db);
  db->header().clayer = layer->objectId();
  return KD_PROPERTY_OK;
}

CKdVariant getLineStyle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(db->getCELTYPE()) : CKdVariant();
}
int setLineStyle(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o)) return KD_PROPERTY_FAILED;
  db->header().celtype = value.GetId();
  return KD_PROPERTY_OK;
}
CKdVariant getLineScale(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(db->getCELTSCALE(), false) : CKdVariant();
}
// A scale the drawing cannot hold (not finite) is refused.
int setLineScale(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || !std::isfinite(value.GetDouble())) return KD_PROPERTY_FAILED;
  db->header().celtscale = value.GetDouble();
  return KD_PROPERTY_OK;
}
CKdVariant getLineWeight(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(long(db->getCELWEIGHT())) : CKdVariant();
}
int setLineWeight(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || value.GetType() != CKdVariant::kInt32 || !OdDb::isValidLineWeight(int(value.GetInt32())))
    return KD_PROPERTY_FAILED;
  db->header().celweight = OdDb::LineWeight(value.GetInt32());
  return KD_PROPERTY_OK;
}
CKdVariant getHyperlink(const OdDbObject*, const Desc&, const CKdVariant&) { return CKdVariant(CKdString()); }
int setHyperlink(const OdDbObject*, const Desc&, const CKdVariant& value, const CKdVariant&) {
  return value.GetType() == CKdVariant::kString ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
CKdVariant getTransparency(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(db->getCETRANSPARENCY()) : CKdVariant();
}
int setTransparency(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || value.GetType() != CKdVariant::kTransparency) return KD_PROPERTY_FAILED;
  db->header().cetransparency = value.GetTransparency();
  return KD_PROPERTY_OK;
}

CKdVariant getPrintStyle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  return db && readable(o) ? CKdVariant(CKdString(db->header().cepsname)) : CKdVariant();
}
int setPrintStyle(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || value.GetType() != CKdVariant::kString) return KD_PROPERTY_FAILED;
  db->header().cepsname = value.GetString().toOdString();
  return KD_PROPERTY_OK;
}
// Named print styles are set by name only where print styles do not follow colour.
bool isPrintStyleReadOnly(const OdDbObject* o, const Desc&) {
  OdDbDatabase* db = settingsOf(o);
  return db && db->getPSTYLEMODE();
}

// "None", then the tables of the kind the drawing uses (.ctb by colour, .stb named).
CKdVariant getTable(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !readable(o)) return CKdVariant();
  const char* kind = db->getPSTYLEMODE() ? "ctb" : "stb";
  CKdVariantCollection list;
  list.Add(CKdVariantCollectionElement(CKdVariant(kd::value("None")), CKdVariant(0L)));
  OdDbPlotSettingsPtr layout = OdDbPlotSettings::cast(odDbLayoutOf(db, OdDbObjectId()).openObject());
  const OdString current = layout.isNull() ? OdString() : layout->getCurrentStyleSheet();
  int selected = 0;
  for (const CKdString& name : GetKdSystemServices()->PlotStyleTables()) {
    const std::string file = name.toUtf8();
    const size_t dot = file.find('.');
    if (dot == std::string::npos || strcasecmp(file.c_str() + dot + 1, kind) != 0) continue;
    if (!current.isEmpty() && name.toOdString().iCompare(current) == 0) selected = list.GetCount();
    list.Add(CKdVariantCollectionElement(CKdVariant(name), CKdVariant(long(list.GetCount()))));
  }
  list.SetSelectedIndex(selected);
  return CKdVariant(list);
}
int setTable(const OdDbObject* o, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDatabase* db = settingsOf(o);
  if (!db || !writable(o) || value.GetType() != CKdVariant::kCollectionElement) return KD_PROPERTY_FAILED;
  const CKdVariant& label = value.GetCollectionElement().GetValue();
  if (label.GetType() != CKdVariant::kString) return KD_PROPERTY_FAILED;
  OdDbPlotSettingsPtr layout = OdDbPlotSettings::cast(odDbLayoutOf(db, OdDbObjectId()).openObject(OdDb::kForWrite));
  if (layout.isNull()) return KD_PROPERTY_FAILED;
  const CKdString name = label.GetString() == kd::value("None") ? CKdString() : label.GetString();
  layout->setCurrentStyleSheet(name.toOdString());
  return KD_PROPERTY_OK;
}
CKdVariant getTableType(const OdDbObject* o, const Desc& d, const CKdVariant& context) {
  const CKdVariant table = getTable(o, d, context);
  if (table.GetType() != CKdVariant::kCollection) return CKdVariant();
  if (!table.GetCollection().HasVaries()) return CKdVariant(kd::value("None"));
  return CKdVariant(kd::value(settingsOf(o)->getPSTYLEMODE() ? "ByColor" : "Named without translation table"));
}

CKdVariant centerX(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(v.centerPoint().x + v.target().x, true); });
}
CKdVariant centerY(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(v.centerPoint().y + v.target().y, true); });
}
CKdVariant centerZ(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V&) { return CKdVariant(0.0, true); });
}
CKdVariant viewHeight(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(v.height(), true); });
}
CKdVariant viewWidth(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) { return CKdVariant(v.width(), true); });
}
void iconOn(V& v, bool on) { v.setIconEnabled(on); }
void iconAtOrigin(V& v, bool on) { v.setIconAtOrigin(on); }
void ucsPerView(V& v, bool on) { v.setUcsPerViewport(on); }
typedef kd::FlagChoice<V, &V::iconEnabled, iconOn, kd::BoolLabels::YesNo> IconOn;
typedef kd::FlagChoice<V, &V::iconAtOrigin, iconAtOrigin, kd::BoolLabels::YesNo> IconAtOrigin;
typedef kd::FlagChoice<V, &V::isUcsSavedWithViewport, ucsPerView, kd::BoolLabels::YesNo> UcsPerView;
CKdVariant ucsName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(o, [](const V& v) {
    OdDbUCSTableRecordPtr ucs = OdDbUCSTableRecord::cast(v.ucsName().openObject());
    return CKdVariant(ucs.isNull() ? CKdString() : CKdString(ucs->getName()));
  });
}

const kd::PropertyRow kRows[] = {
    {"General", "LineColor", 5, nullptr, ":/General/General_Color.png", RW, getColor, setColor},
    {"General", "Layer", 8, T::kLayerGUID, ":/General/General_Layer.png", RW, getLayer, setLayer},
    {"General", "LineStyle", 8, T::kLinetypeGUID, ":/General/General_Linetype.png", RW, getLineStyle, setLineStyle},
    {"General", "LineScale", 2, nullptr, ":/General/General_LinetypeScale.png", RW, getLineScale, setLineScale},
    {"General", "LineWeight", 4, T::kLineweightGUID, ":/General/General_Lineweight.png", RW, getLineWeight, setLineWeight},
    {"General", "Hyperlink", 3, T::kHyperlinkGUID, ":/General/General_Hyperlink.png", RW, getHyperlink, setHyperlink},
    {"General", "Transparency", 3, T::kTransparencyGUID, ":/General/General_Transparency.png", RW, getTransparency, setTransparency},
    {"PrintStyle", "Style", 3, T::kPlotStyleGUID, ":/Plot_style/Plot_style_PlotStyle.png", isPrintStyleReadOnly, getPrintStyle,
     setPrintStyle},
    {"PrintStyle", "Table", 6, nullptr, ":/Plot_style/Plot_style_PlotStyleTable.png", RW, getTable, setTable},
    {"PrintStyle", "Type", 3, nullptr, ":/Plot_style/Plot_style_PlotStyleType.png", RO, getTableType, nullptr},
    {"View", "Center X", 2, T::kCoordinateXGUID, ":/View/View_CenterX.png", RO, centerX, nullptr},
    {"View", "Center Y", 2, T::kCoordinateYGUID, ":/View/View_CenterY.png", RO, centerY, nullptr},
    {"View", "Center Z", 2, T::kCoordinateZGUID, ":/View/View_CenterZ.png", RO, centerZ, nullptr},
    {"View", "Height", 0, T::kHeightGUID, ":/View/View_Height.png", RO, viewHeight, nullptr},
    {"View", "Width", 0, T::kWidthGUID, ":/View/View_Width.png", RO, viewWidth, nullptr},
    {"Misc", "CS icon on", 0, nullptr, ":/Misc/Misc_UcsIconOn.png", RW, IconOn::get, IconOn::set},
    {"Misc", "CS icon at origin", 0, nullptr, ":/Misc/Misc_UcsIconAtOrigin.png", RW, IconAtOrigin::get, IconAtOrigin::set},
    {"Misc", "CCS per View Tile", 0, nullptr, ":/Misc/Misc_UcsPerViewport.png", RW, UcsPerView::get, UcsPerView::set},
    {"Misc", "CCS name", 0, nullptr, ":/Misc/Misc_UcsName.png", RO, ucsName, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdViewportTableRecordPE, CKdPropertyPEImpl, OdDbViewportTableRecord, "ViewportTableRecord", kRows)
