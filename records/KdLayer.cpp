#include "KdLayer.h"

#include "CKdDocument.h"
#include "Db/DbDatabase.h"
#include "Db/DbMline.h"
#include "Db/DbSymbolTable.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbLayerTableRecord Layer;
typedef OdDbMlineStyle Style;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

CKdVariant yesNo(bool on) { return CKdVariant(kd::value(on ? "Yes" : "No")); }


CKdVariant layerName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(CKdString(l.getName())); });
}
CKdVariant layerColor(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(l.color()); });
}
CKdVariant layerDescription(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(CKdString(l.description())); });
}
template <bool (Layer::*Flag)() const>
CKdVariant layerFlag(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return kd::booleanList((l.*Flag)(), kd::BoolLabels::YesNo); });
}
CKdVariant layerHidden(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return yesNo(l.isHidden()); });
}
CKdVariant layerPrintStyle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(CKdString(l.plotStyleName())); });
}
CKdVariant layerLineStyle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(l.linetypeObjectId()); });
}
CKdVariant layerLineWeight(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) { return CKdVariant(long(l.lineWeight())); });
}
// "Yes" for the current layer of the drawing the user works in.
CKdVariant layerActive(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Layer>(o, [](const Layer& l) {
    CKdDocument* doc = ACTIVE_DOCUMENT();
    OdDbDatabase* db = doc ? doc->GetDatabase() : nullptr;
    if (!db) return yesNo(false);
    OdDbObjectPtr opened = db->getCLAYER().openObject();
    OdDbLayerTableRecordPtr current = opened;  // a current layer of another kind is an error of the drawing
    return yesNo(!current.isNull() && current.get() == &l);
  });
}

const kd::PropertyRow kLayerRows[] = {
    {"General", "Name", 3, nullptr, nullptr, RO, layerName, nullptr},
    {"General", "Color", 5, nullptr, nullptr, RO, layerColor, nullptr},
    {"General", "Description", 3, nullptr, nullptr, RO, layerDescription, nullptr},
    {"General", "Frozen", 3, nullptr, nullptr, RO, layerFlag<&Layer::isFrozen>, nullptr},
    {"General", "Locked", 3, nullptr, nullptr, RO, layerFlag<&Layer::isLocked>, nullptr},
    {"General", "Printable", 3, nullptr, nullptr, RO, layerFlag<&Layer::isPlottable>, nullptr},
    {"General", "Hidden", 3, nullptr, nullptr, RO, layerHidden, nullptr},
    {"General", "PrintStyle", 3, nullptr, nullptr, RO, layerPrintStyle, nullptr},
    {"General", "LineStyle", 8, nullptr, nullptr, RO, layerLineStyle, nullptr},
    {"General", "LineWeight", 4, nullptr, nullptr, RO, layerLineWeight, nullptr},
    {"General", "Activate", 3, nullptr, nullptr, RO, layerActive, nullptr},
    {"General", "Show", 3, nullptr, nullptr, RO, layerFlag<&Layer::isOff>, nullptr},
};

CKdVariant lineStyleName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbLinetypeTableRecord>(o, [](const OdDbLinetypeTableRecord& l) { return CKdVariant(CKdString(l.getName())); });
}
CKdVariant lineStyleComments(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<OdDbLinetypeTableRecord>(o, [](const OdDbLinetypeTableRecord& l) { return CKdVariant(CKdString(l.comments())); });
}
const kd::PropertyRow kLineStyleRows[] = {
    {"General", "Name", 6, nullptr, nullptr, RO, lineStyleName, nullptr},
    {"General", "Description", 6, nullptr, nullptr, RO, lineStyleComments, nullptr},
};

template <bool (Style::*Flag)() const>
CKdVariant styleFlag(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Style>(o, [](const Style& s) { return yesNo((s.*Flag)()); });
}
// An unfilled style shows no colour, whatever fill colour it keeps.
CKdVariant styleColor(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Style>(o, [](const Style& s) {
    return CKdVariant(s.filled() ? s.fillColor() : OdCmColor(OdCmEntityColor::kNone));
  });
}
template <double (Style::*Angle)() const>
CKdVariant styleAngle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Style>(o, [](const Style& s) { return CKdVariant((s.*Angle)(), true); });
}
// The elements from the last to the first, tagged by index, none selected.
template <class Value>
CKdVariant elementList(const OdDbObject* o, Value value) {
  return kd::readAs<Style>(o, [&](const Style& s) {
    CKdVariantCollection list;
    for (int i = s.numElements() - 1; i >= 0; --i)
      list.Add(CKdVariantCollectionElement(value(s, s.elementAt(i)), CKdVariant(long(i))));
    return CKdVariant(list);
  });
}
CKdVariant elementOffsets(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return elementList(o, [](const Style&, const Style::Element& e) { return CKdVariant(e.offset, true); });
}
CKdVariant elementColors(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return elementList(o, [](const Style&, const Style::Element& e) {
    return CKdVariant(e.colorIndex == 256 ? OdCmColor(OdCmEntityColor::kByLayer)
                      : e.colorIndex == 0 ? OdCmColor(OdCmEntityColor::kByBlock)
                                          : OdCmColor::fromIndex(e.colorIndex));
  });
}
// The name of the element's line style record, as the drawing spells it.
CKdVariant elementLineStyles(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return elementList(o, [](const Style& s, const Style::Element& e) {
    OdString name = e.linetype;
    if (OdDbDatabase* db = s.database()) {
      OdDbSymbolTablePtr table = OdDbSymbolTable::cast(db->getLinetypeTableId().openObject());
      OdDbSymbolTableRecordPtr record = table.isNull() ? OdDbSymbolTableRecordPtr()
                                                       : OdDbSymbolTableRecord::cast(table->getAt(e.linetype).openObject());
      if (!record.isNull()) name = record->getName();
    }
    return CKdVariant(CKdString(name));
  });
}
CKdVariant styleName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<Style>(o, [](const Style& s) { return CKdVariant(CKdString(s.name())); });
}

const kd::PropertyRow kRichLineStyleRows[] = {
    {"General", "Show junctions", 3, nullptr, nullptr, RO, styleFlag<&Style::showMiters>, nullptr},
    {"General", "Color", 5, nullptr, nullptr, RO, styleColor, nullptr},
    {"General", "Angle start", 2, nullptr, nullptr, RO, styleAngle<&Style::startAngle>, nullptr},
    {"General", "Angle end", 2, nullptr, nullptr, RO, styleAngle<&Style::endAngle>, nullptr},
    {"General", "Start external arc", 3, nullptr, nullptr, RO, styleFlag<&Style::startRoundCap>, nullptr},
    {"General", "End external arc", 3, nullptr, nullptr, RO, styleFlag<&Style::endRoundCap>, nullptr},
    {"General", "Start internal arc", 3, nullptr, nullptr, RO, styleFlag<&Style::startInnerArcs>, nullptr},
    {"General", "End internal arc", 3, nullptr, nullptr, RO, styleFlag<&Style::endInnerArcs>, nullptr},
    {"General", "Start line", 3, nullptr, nullptr, RO, styleFlag<&Style::startSquareCap>, nullptr},
    {"General", "End line", 3, nullptr, nullptr, RO, styleFlag<&Style::endSquareCap>, nullptr},
    {"General", "LineOffset", 6, nullptr, nullptr, RO, elementOffsets, nullptr},
    {"General", "LineColor", 6, nullptr, nullptr, RO, elementColors, nullptr},
    {"General", "LineStyleName", 6, nullptr, nullptr, RO, elementLineStyles, nullptr},
    {"General", "RichLineStyleName", 3, nullptr, nullptr, RO, styleName, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_LEVEL(CKdLayerPE, CKdPropertyPEImpl, "Layer", &OdDbLayerTableRecord::desc, kLayerRows, kd::Texts::Literal)
KD_DEFINE_PROPERTY_LEVEL(CKdLineStylePE, CKdPropertyPEImpl, "LineStyle", &OdDbLinetypeTableRecord::desc, kLineStyleRows,
                         kd::Texts::Literal)
KD_DEFINE_PROPERTY_LEVEL(CKdRichLineStylePE, CKdPropertyPEImpl, "DimensionStyle", &OdDbMlineStyle::desc,
                         kRichLineStyleRows, kd::Texts::Literal)
