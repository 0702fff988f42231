#include "KdEntity.h"

#include "CKdDatabase.h"
#include "CKdPropertyDescriptionImpl.h"
#include "CKdUtils.h"
#include "Db/DbDimension.h"
#include "Db/DbSymbolTable.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;

// Colour and layer go down to sub-entities only for curves (the vertices of
// old-style polylines); everything else always does.
bool isCurve(const OdDbEntity& entity) { return entity.isKindOf(OdDbCurve::desc()); }
int result(OdResult res) { return res == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED; }

CKdVariant getColor(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->color());
}
int setColor(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kColor);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  return result(e->setColor(value.GetColor(), isCurve(*e)));
}

CKdVariant getLayer(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->layerId());
}
int setLayer(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kId);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  const OdDbObjectId id = value.GetId();
  {
    // The cast raises the class mismatch for an id of another record kind.
    OdDbObjectPtr opened = id.openObject(OdDb::kForRead);
    if (opened.isNull()) return KD_PROPERTY_FAILED;
    OdDbLayerTableRecordPtr layer = opened;
    if (layer->isDependent()) return KD_PROPERTY_FAILED;  // a layer of an external reference
  }
  return result(e->setLayer(id, isCurve(*e), false));
}

CKdVariant getLineStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->linetypeId());
}
int setLineStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kId);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  // A dimension that drives a constraint keeps its own line style.
  OdDbDimensionPtr dimension = OdDbDimension::cast(e);
  if (!dimension.isNull() && dimension->isConstraintDynamic()) return KD_PROPERTY_OK;
  return result(e->setLinetype(value.GetId(), true));
}

CKdVariant getLineScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->linetypeScale(), false);
}
int setLineScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  return result(e->setLinetypeScale(value.GetDouble(), true));
}
bool isLineScaleReadOnly(const OdDbObject*, const Desc&) { return false; }

CKdVariant getPrintStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(CKdString(e->plotStyleName()));
}
int setPrintStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kString);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  e->setPlotStyleName(value.GetString().toOdString(), true);
  return KD_PROPERTY_OK;
}
// Print styles follow the colour in colour-dependent drawings.
bool isPrintStyleReadOnly(const OdDbObject* object, const Desc&) {
  return object && CKdDatabase(object->database()).IsColorDependentPlotStyles();
}

CKdVariant getLineWeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(long(e->lineWeight()));
}
int setLineWeight(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kInt32);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  // A number that is no line weight is what the drawing would refuse.
  if (!OdDb::isValidLineWeight(int(value.GetInt32()))) return KD_PROPERTY_FAILED;
  return result(e->setLineWeight(OdDb::LineWeight(value.GetInt32()), true));
}

// Always a string, empty when there is no hyperlink to show.
CKdVariant getHyperlink(const OdDbObject* object, const Desc&, const CKdVariant&) {
  CKdString url;
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  if (e.isNull() || !CKdUtils::IsHyperLink(object, url, nullptr)) return CKdVariant(CKdString());
  return CKdVariant(url);
}
int setHyperlink(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kString);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  return CKdUtils::SetHyperLink(object, value.GetString()) ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getTransparency(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEntityPtr e = kd::readable<OdDbEntity>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->transparency());
}
int setTransparency(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEntityPtr e = kd::writable<OdDbEntity>(object, value, CKdVariant::kTransparency);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  e->setTransparency(value.GetTransparency(), true);
  return KD_PROPERTY_OK;
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "LineColor", 5, nullptr, ":/General/General_Color.png", RW, getColor, setColor},
    {"General", "Layer", 8, T::kLayerGUID, ":/General/General_Layer.png", RW, getLayer, setLayer},
    {"General", "LineStyle", 8, T::kLinetypeGUID, ":/General/General_Linetype.png", RW, getLineStyle, setLineStyle},
    {"General", "LineScale", 2, nullptr, ":/General/General_LinetypeScale.png", isLineScaleReadOnly, getLineScale, setLineScale},
    {"General", "PrintStyle", 3, T::kPlotStyleGUID, ":/General/General_PlotStyle.png", isPrintStyleReadOnly, getPrintStyle, setPrintStyle},
    {"General", "LineWeight", 4, T::kLineweightGUID, ":/General/General_Lineweight.png", RW, getLineWeight, setLineWeight},
    {"General", "Hyperlink", 3, T::kHyperlinkGUID, ":/General/General_Hyperlink.png", RW, getHyperlink, setHyperlink},
    {"General", "Transparency", 3, T::kTransparencyGUID, ":/General/General_Transparency.png", RW, getTransparency, setTransparency},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdEntityPE, CKdPropertyPEImpl, OdDbEntity, "Entity", kRows)

namespace kd {
KdPropertyIsReadOnlyMethod chainLineScaleRule(CKdPropertiesContainer* container, KdPropertyIsReadOnlyMethod rule) {
  const CKdPropertyDescription* row = container ? container->GetByName(propertyName("LineScale"), group("General")) : nullptr;
  auto* shared = const_cast<CKdPropertyDescriptionImpl*>(dynamic_cast<const CKdPropertyDescriptionImpl*>(row));
  if (!shared) return nullptr;
  KdPropertyIsReadOnlyMethod kept = shared->GetIsReadOnlyMethod();
  shared->PutIsReadOnlyMethod(rule);
  return kept;
}
}  // namespace kd
