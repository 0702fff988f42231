#include "KdTableStyle.h"

#include "Db/DbTableStyle.h"
#include "Db/DbTextStyleTableRecord.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbTableStyle S;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const OdDb::GridLineType kGrids[] = {OdDb::kHorzTop, OdDb::kHorzInside, OdDb::kHorzBottom,
                                     OdDb::kVertLeft, OdDb::kVertInside, OdDb::kVertRight};

// A colour as the host names it; "None" is the name of no colour.
CKdString displayText(const OdCmColor& c) {
  switch (c.colorMethod()) {
    case OdCmEntityColor::kByLayer: return CKdString(L"ByLayer");
    case OdCmEntityColor::kByBlock: return CKdString(L"ByBlock");
    case OdCmEntityColor::kByColor: {
      CKdString s;
      s.format(L"%d,%d,%d", int(c.red()), int(c.green()), int(c.blue()));
      return s;
    }
    case OdCmEntityColor::kByACI:
    case OdCmEntityColor::kForeground: {
      static const char* const names[] = {"Red", "Yellow", "Green", "Cyan", "Blue", "Magenta", "White"};
      const int i = c.colorIndex();
      if (i == 256) return CKdString(L"ByLayer");
      if (i == 0) return CKdString(L"ByBlock");
      if (i >= 1 && i <= 7) return kd::infoItem(names[i - 1]);
      if (i == 257) return kd::infoItem("None");
      CKdString s;
      s.format(L"%d", i);
      return s;
    }
    case OdCmEntityColor::kNone: return kd::infoItem("None");
    default: return CKdString();
  }
}
bool shown(const OdCmColor& c) { return displayText(c) != CKdString(L"None"); }

// A collection over the style's cell styles, from what each gives.
template <class Each>
CKdVariant perCell(const OdDbObject* object, Each each) {
  OdDbTableStylePtr s = kd::readable<S>(object);
  if (s.isNull()) return CKdVariant();
  std::vector<OdString> names;
  s->getCellStyles(names);
  CKdVariantCollection list;
  for (size_t i = 0; i < names.size(); ++i) each(*s, names[i], long(i), list);
  return CKdVariant(list);
}
void add(CKdVariantCollection& list, const CKdVariant& value, long tag) {
  list.Add(CKdVariantCollectionElement(value, CKdVariant(tag)));
}

CKdVariant align(const OdDbObject* o, const Desc&, const CKdVariant&) {
  static const char* const labels[] = {"Top Left",    "Top Center",    "Top Right",    "Middle Left", "Middle Center",
                                       "Middle Right", "Bottom Left", "Bottom Center", "Bottom Right"};
  return perCell(o, [](const S& s, const OdString& name, long, CKdVariantCollection& list) {
    const int a = s.alignment(name);
    if (a >= 1 && a <= 9) add(list, CKdVariant(kd::value(labels[a - 1])), a - 1);
  });
}
CKdVariant background(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    if (shown(s.backgroundColor(name))) add(list, CKdVariant(s.backgroundColor(name)), i);
  });
}
CKdVariant color(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    if (shown(s.color(name))) add(list, CKdVariant(s.color(name)), i);
  });
}
CKdVariant textHeight(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    add(list, CKdVariant(s.textHeight(name), true), i);
  });
}
CKdVariant textStyle(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(s.textStyle(name).openObject());
    add(list, CKdVariant(style.isNull() ? CKdString() : CKdString(style->getName())), i);
  });
}
template <OdDb::CellMargin Margin>
CKdVariant margin(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    add(list, CKdVariant(s.margin(Margin, name), true), i);
  });
}
CKdVariant gridColor(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    for (OdDb::GridLineType g : kGrids)
      if (shown(s.gridColor(g, name))) add(list, CKdVariant(s.gridColor(g, name)), i);
  });
}
CKdVariant gridWeight(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return perCell(o, [](const S& s, const OdString& name, long i, CKdVariantCollection& list) {
    for (OdDb::GridLineType g : kGrids) add(list, CKdVariant(long(s.gridLineWeight(g, name))), i);
  });
}
// "Up" when the table grows upwards, else "Down".
CKdVariant direction(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbTableStylePtr s = kd::readable<S>(o);
  if (s.isNull()) return CKdVariant();
  CKdVariantCollection list;
  const bool up = s->flowDirection() != OdDb::kTtoB;
  add(list, CKdVariant(kd::value(up ? "Up" : "Down")), up ? 0 : 1);
  list.SetSelectedIndex(0);
  return CKdVariant(list);
}
CKdVariant styleName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  OdDbTableStylePtr s = kd::readable<S>(o);
  return s.isNull() ? CKdVariant() : CKdVariant(CKdString(s->name()));
}

const kd::PropertyRow kRows[] = {
    {"General", "Align", 6, nullptr, nullptr, RO, align, nullptr},
    {"General", "backgroundColor", 6, nullptr, nullptr, RO, background, nullptr},
    {"General", "Color", 6, nullptr, nullptr, RO, color, nullptr},
    {"General", "textHeight", 6, nullptr, nullptr, RO, textHeight, nullptr},
    {"General", "textStyle", 6, nullptr, nullptr, RO, textStyle, nullptr},
    {"General", "horzCellMargin", 6, nullptr, nullptr, RO, margin<OdDb::kCellMarginLeft>, nullptr},
    {"General", "vertCellMargin", 6, nullptr, nullptr, RO, margin<OdDb::kCellMarginTop>, nullptr},
    {"General", "gridColor", 6, nullptr, nullptr, RO, gridColor, nullptr},
    {"General", "gridLineWeight", 6, nullptr, nullptr, RO, gridWeight, nullptr},
    {"General", "Direction", 6, nullptr, nullptr, RO, direction, nullptr},
    {"General", "TableStyleName", 3, nullptr, nullptr, RO, styleName, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_LEVEL(CKdTableStylePE, CKdPropertyPEImpl, "TableStyle", &OdDbTableStyle::desc, kRows, kd::Texts::Literal)
