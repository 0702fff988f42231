#include "KdMline.h"

#include "Db/DbMline.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;

// Every vertex moved to where it is: the database recomputes the band.
void replaceVertices(OdDbMline& m) {
  for (int i = 0; i < m.numVertices(); ++i) m.moveVertexAt(i, m.vertexAt(i));
}

CKdVariant getStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMlinePtr m = kd::readable<OdDbMline>(object);
  if (m.isNull()) return CKdVariant();
  OdDbMlineStylePtr style = OdDbMlineStyle::cast(m->style().openObject());
  return style.isNull() ? CKdVariant() : CKdVariant(CKdString(style->name()));
}

const kd::Choice kJustification[] = {{"Top", Mline::kTop}, {"Zero", Mline::kZero}, {"Bottom", Mline::kBottom}};
CKdVariant getJustification(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMlinePtr m = kd::readable<OdDbMline>(object);
  return m.isNull() ? CKdVariant() : kd::enumList(kJustification, m->justification());
}
int setJustification(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMlinePtr m = kd::writable<OdDbMline>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (m.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  m->setJustification(Mline::MlineJustification(tag));
  replaceVertices(*m);
  return KD_PROPERTY_OK;
}

CKdVariant getScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMlinePtr m = kd::readable<OdDbMline>(object);
  return m.isNull() ? CKdVariant() : CKdVariant(m->scale(), true);
}
int setScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMlinePtr m = kd::writable<OdDbMline>(object, value, CKdVariant::kDouble);
  if (m.isNull()) return KD_PROPERTY_FAILED;
  m->setScale(value.GetDouble());
  m->setJustification(m->justification());
  replaceVertices(*m);
  return KD_PROPERTY_OK;
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

const kd::PropertyRow kRows[] = {
    {"Misc", "RLineStyle", 0, nullptr, ":/Misc/Misc_MLineStyle.png", RO, getStyle, nullptr},
    {"Misc", "RLine justification", 0, nullptr, ":/Misc/Misc_MLineJustification.png", RW, getJustification, setJustification},
    {"Misc", "RLine scale", 0, nullptr, ":/Misc/Misc_MLineScale.png", RW, getScale, setScale},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdMlinePE, CKdEntityPE, OdDbMline, "RichLine", kRows)

CKdString CKdMlineInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"RICHLINE"); }

void CKdMlineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbMline>(*this, object, context, [](const OdDbMline& m, CKdPrintInfoContext& out) {
    static const char* const kWords[] = {"Top", "Zero", "Bottom"};
    const int j = m.justification();
    out.PrintString(kd::infoItem("Justification"), j >= 0 && j <= 2 ? kd::infoValue(kWords[j]) : CKdString());
    out.PrintScale(kd::infoItem("Scale"), m.scale());
    OdDbMlineStylePtr style = OdDbMlineStyle::cast(m.style().openObject());
    if (!style.isNull()) out.PrintString(kd::infoItem("Multiline style"), CKdString(style->name()));
    for (int i = 0; i < m.numVertices(); ++i) {
      std::wstring label = kd::infoItem("Vertex %1").wstr();
      const size_t at = label.find(L"%1");
      if (at != std::wstring::npos) label.replace(at, 2, std::to_wstring(i));
      out.PrintPoint(CKdString(label), m.vertexAt(i));
    }
  });
}
