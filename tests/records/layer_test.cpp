// Layers, line styles and multiline styles as a style manager shows them:
// untranslated read-only rows without setters, the current layer, and the
// multiline style's elements listed from the last.
#include "CKdDocument.h"
#include "KdModuleTest.h"
#include "Db/DbMline.h"
#include "Db/DbResBuf.h"

using namespace kdtest;

namespace {
struct RecordProperties : ::testing::Test {
  Drawing drawing;
  void TearDown() override { SetActiveKdDocument(nullptr); }
  template <class T>
  OdSmartPtr<T> open(OdDbObjectId id) { return OdSmartPtr<T>(id.safeOpenObject(OdDb::kForWrite)); }
  std::vector<std::string> values(const CKdVariant& list) {
    std::vector<std::string> out;
    const CKdVariantCollection& c = list.GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) {
      const CKdVariant& v = c.GetAt(i).GetValue();
      out.push_back((v.GetType() == CKdVariant::kDouble ? std::to_string(v.GetDouble()) : v.GetString().toUtf8()) + "=" +
                    std::to_string(c.GetAt(i).GetTag().GetInt32()));
    }
    return out;
  }
};
}  // namespace

TEST_F(RecordProperties, LayersAreShownReadOnlyWithTheirFlags) {
  OdDbLayerTableRecordPtr layer = open<OdDbLayerTableRecord>(drawing.addLayer(L"Survey"));
  layer->setIsOff(true);
  layer->setIsLocked(true);
  layer->setColor(OdCmColor::fromIndex(3));
  auto c = describe(layer);
  EXPECT_EQ(names(*c), (std::vector<std::string>{"General/Name", "General/Color", "General/Description", "General/Frozen",
                                                 "General/Locked", "General/Printable", "General/Hidden",
                                                 "General/PrintStyle", "General/LineStyle", "General/LineWeight",
                                                 "General/Activate", "General/Show"}));
  for (int i = 0; i < c->GetCount(); ++i) {
    SCOPED_TRACE(c->GetAt(i)->GetName().toUtf8());
    EXPECT_TRUE(c->GetAt(i)->IsReadOnly(layer));
    EXPECT_TRUE(c->GetAt(i)->GetIcon().path().isEmpty());
    EXPECT_TRUE(c->GetAt(i)->GetType().GetCustomTypeGuid().isEmpty());
    EXPECT_EQ(c->GetAt(i)->SetValue(layer, c->GetAt(i)->GetValue(layer, CKdVariant()), CKdVariant()), -5001);
  }
  EXPECT_EQ(propertiesOf(layer)->GetDisplayName(layer), L"Layer");
  EXPECT_EQ(get(layer, "Name").GetString(), L"Survey");
  EXPECT_EQ(get(layer, "Color").GetColor().colorIndex(), 3);
  // An off layer selects "Yes" for Show; locked selects "Yes".
  EXPECT_EQ(selected(layer, "Show"), 1);
  EXPECT_EQ(selected(layer, "Locked"), 1);
  EXPECT_EQ(selected(layer, "Frozen"), 0);
  EXPECT_EQ(get(layer, "Hidden").GetString(), L"No");
  EXPECT_EQ(property(*c, "LineWeight").GetType().GetType(), 4);

  // The current layer of the active drawing.
  EXPECT_EQ(get(layer, "Activate").GetString(), L"No");
  drawing.db->header().clayer = layer->objectId();
  SetActiveKdDocument(drawing.db);
  EXPECT_EQ(get(layer, "Activate").GetString(), L"Yes");

  // A description kept as files keep it.
  drawing.db->newRegApp(L"AcAecLayerStandard");
  OdResBufPtr xdata = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(L"AcAecLayerStandard"));
  xdata->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, OdString()))
      ->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, OdString(L"Benchmarks and levels")));
  layer->setXData(xdata);
  EXPECT_EQ(get(layer, "Description").GetString(), L"Benchmarks and levels");
}

TEST_F(RecordProperties, LineStylesAndMultilineStyles) {
  OdDbSymbolTablePtr linetypes = drawing.db->getLinetypeTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLinetypeTableRecordPtr dashed = OdDbLinetypeTableRecord::createObject();
  dashed->setName(L"DASHED");
  dashed->setComments(L"Dashed __ __");
  linetypes->add(dashed);
  EXPECT_EQ(names(*describe(dashed)), (std::vector<std::string>{"General/Name", "General/Description"}));
  EXPECT_EQ(get(dashed, "Description").GetString(), L"Dashed __ __");
  EXPECT_EQ(describe(dashed)->GetAt(0)->GetType().GetType(), 6);
  EXPECT_EQ(propertiesOf(dashed)->GetDisplayName(dashed), L"LineStyle");

  OdDbMlineStylePtr style = OdDbMlineStyle::createObject();
  drawing.db->addOdDbObject(style);
  style->setName(L"Kerb");
  style->addElement(0.5, 1, L"dashed");
  style->addElement(-0.5, 256, L"BYLAYER");
  style->setFillColor(OdCmColor::fromIndex(4));
  style->setStartRoundCap(true);
  EXPECT_EQ(describe(style)->GetCount(), 14);
  EXPECT_EQ(propertiesOf(style)->GetDisplayName(style), L"DimensionStyle");
  EXPECT_EQ(values(get(style, "LineOffset")), (std::vector<std::string>{"-0.500000=1", "0.500000=0"}));
  EXPECT_EQ(get(style, "LineOffset").GetCollection().GetSelectedIndex(), -1);
  // The record's own spelling of the line style.
  EXPECT_EQ(values(get(style, "LineStyleName")), (std::vector<std::string>{"ByLayer=1", "DASHED=0"}));
  EXPECT_EQ(get(style, "LineColor").GetCollection().GetAt(1).GetValue().GetColor().colorIndex(), 1);
  // Not filled: no colour, whatever colour it keeps.
  EXPECT_TRUE(get(style, "Color").GetColor().isNone());
  style->setFilled(true);
  EXPECT_EQ(get(style, "Color").GetColor().colorIndex(), 4);
  EXPECT_EQ(get(style, "Start external arc").GetString(), L"Yes");
  EXPECT_EQ(get(style, "End external arc").GetString(), L"No");
  EXPECT_DOUBLE_EQ(get(style, "Angle start").GetDouble(), 1.5707963267948966);
  EXPECT_EQ(get(style, "RichLineStyleName").GetString(), L"Kerb");
}
