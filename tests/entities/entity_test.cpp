// The eight general properties every entity shows first.
#include "KdModuleTest.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbCircle.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Rx/OdError.h"

using namespace kdtest;

namespace {
struct GeneralProperties : ::testing::Test {
  Drawing drawing;
  OdDbLinePtr line = drawing.add(OdDbLine::createObject());
};
}  // namespace

TEST_F(GeneralProperties, ComeFirstInOrderWithTheirTypesAndIcons) {
  auto c = describe(line);
  const std::vector<std::string> expected = {"General/LineColor", "General/Layer",     "General/LineStyle",
                                             "General/LineScale", "General/PrintStyle", "General/LineWeight",
                                             "General/Hyperlink", "General/Transparency"};
  const std::vector<std::string> all = names(*c);
  ASSERT_GE(all.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 8), expected);
  const int codes[] = {5, 8, 8, 2, 3, 4, 3, 3};
  const wchar_t* guids[] = {L"", CKdPropertyType::kLayerGUID, CKdPropertyType::kLinetypeGUID, L"",
                            CKdPropertyType::kPlotStyleGUID, CKdPropertyType::kLineweightGUID,
                            CKdPropertyType::kHyperlinkGUID, CKdPropertyType::kTransparencyGUID};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(c->GetAt(i)->GetType().GetType(), codes[i]) << i;
    EXPECT_EQ(c->GetAt(i)->GetType().GetCustomTypeGuid(), CKdString(guids[i])) << i;
    EXPECT_FALSE(c->GetAt(i)->IsDynamic());
    EXPECT_TRUE(c->GetAt(i)->GetDescription().isEmpty());
  }
  EXPECT_EQ(c->GetAt(0)->GetIcon().path(), L":/General/General_Color.png");
  EXPECT_EQ(c->GetAt(3)->GetIcon().path(), L":/General/General_LinetypeScale.png");
  // A class without an extension of its own shows exactly these eight.
  OdDbEntityPtr unknown = drawing.add(OdDbUnknownEntity::createObject());
  EXPECT_EQ(names(*describe(unknown)), expected);
}

TEST_F(GeneralProperties, ValuesTravelInTheirVariantTypes) {
  EXPECT_EQ(get(line, "LineColor").GetType(), CKdVariant::kColor);
  EXPECT_EQ(get(line, "Layer").GetId(), drawing.db->getLayerZeroId());
  EXPECT_EQ(get(line, "LineStyle").GetType(), CKdVariant::kId);
  EXPECT_EQ(get(line, "LineScale"), CKdVariant(1.0, false));
  EXPECT_EQ(get(line, "PrintStyle").GetString(), L"ByLayer");
  EXPECT_EQ(get(line, "LineWeight"), CKdVariant(long(OdDb::kLnWtByLayer)));
  EXPECT_EQ(get(line, "Hyperlink"), CKdVariant(CKdString()));
  EXPECT_EQ(get(line, "Transparency").GetType(), CKdVariant::kTransparency);
  // Nothing to read: the empty value, except the hyperlink, which is always a string.
  auto c = describe(line);
  for (int i : {0, 1, 2, 3, 4, 5, 7}) EXPECT_TRUE(c->GetAt(i)->GetValue(nullptr, CKdVariant()).IsEmpty()) << i;
  EXPECT_EQ(property(*c, "Hyperlink").GetValue(nullptr, CKdVariant()), CKdVariant(CKdString()));
  line->downgradeOpen();
  line->close();
  EXPECT_TRUE(get(line, "Layer").IsEmpty());
  EXPECT_EQ(get(line, "Hyperlink"), CKdVariant(CKdString()));
}

TEST_F(GeneralProperties, SettersWriteAndReportTheDrawingsAnswer) {
  EXPECT_EQ(set(line, "LineColor", CKdVariant(OdCmColor::fromIndex(1))), 5100);
  EXPECT_EQ(line->color().colorIndex(), 1);
  EXPECT_EQ(set(line, "LineWeight", CKdVariant(long(OdDb::kLnWt050))), 5100);
  EXPECT_EQ(line->lineWeight(), OdDb::kLnWt050);
  EXPECT_EQ(set(line, "LineWeight", CKdVariant(7L)), -5001);  // not a line weight
  EXPECT_EQ(line->lineWeight(), OdDb::kLnWt050);
  EXPECT_EQ(set(line, "LineScale", CKdVariant(2.5, false)), 5100);
  EXPECT_EQ(line->linetypeScale(), 2.5);
  // No range check at this level: the drawing's refusal is what is reported.
  EXPECT_EQ(set(line, "LineScale", CKdVariant(-1.0, false)), -5001);
  EXPECT_EQ(line->linetypeScale(), 2.5);
  EXPECT_EQ(set(line, "LineStyle", CKdVariant(drawing.db->getLinetypeContinuousId())), 5100);
  EXPECT_EQ(line->linetypeId(), drawing.db->getLinetypeContinuousId());
  EXPECT_EQ(set(line, "LineStyle", CKdVariant(drawing.db->getLayerZeroId())), -5001);
  EXPECT_EQ(set(line, "Hyperlink", CKdVariant(CKdString(L"https://example.org/plan"))), 5100);
  EXPECT_EQ(get(line, "Hyperlink").GetString(), L"https://example.org/plan");
  OdCmTransparency half(OdUInt8(128));
  EXPECT_EQ(set(line, "Transparency", CKdVariant(half)), 5100);
  EXPECT_EQ(line->transparency(), half);
  // A refused transparency is not detected, and changes nothing.
  EXPECT_EQ(set(line, "Transparency", CKdVariant(OdCmTransparency(OdCmTransparency::kErrorValue))), 5100);
  EXPECT_EQ(line->transparency(), half);
}

TEST_F(GeneralProperties, WrongTypesAndReadOnlyObjectsAreRefusedSilently) {
  GetKdSystemServices()->ClearRecords();
  const char* props[] = {"LineColor", "Layer", "LineStyle", "LineScale", "PrintStyle", "LineWeight", "Hyperlink",
                         "Transparency"};
  for (const char* p : props) {
    EXPECT_EQ(set(line, p, CKdVariant()), -5001) << p;
    EXPECT_EQ(set(line, p, CKdVariant(CKdVariantCollectionElement())), -5001) << p;
  }
  EXPECT_EQ(set(line, "LineColor", CKdVariant(3L)), -5001);
  line->downgradeOpen();
  EXPECT_EQ(set(line, "LineColor", CKdVariant(OdCmColor::fromIndex(2))), -5001);
  EXPECT_EQ(set(line, "Hyperlink", CKdVariant(CKdString(L"x"))), -5001);
  EXPECT_TRUE(line->color().isByLayer());
  EXPECT_TRUE(GetKdSystemServices()->Messages().empty());
}

TEST_F(GeneralProperties, LayersOfExternalReferencesAreRefused) {
  const OdDbObjectId walls = drawing.addLayer(L"Walls");
  const OdDbObjectId xref = drawing.addLayer(L"SITE|Walls");
  EXPECT_EQ(set(line, "Layer", CKdVariant(walls)), 5100);
  EXPECT_EQ(line->layerId(), walls);
  EXPECT_EQ(set(line, "Layer", CKdVariant(xref)), -5001);
  EXPECT_EQ(line->layerId(), walls);
  EXPECT_EQ(set(line, "Layer", CKdVariant(OdDbObjectId())), -5001);
  // An inconsistent drawing: a record of another kind given as a layer.
  EXPECT_THROW(set(line, "Layer", CKdVariant(drawing.db->getLinetypeContinuousId())), OdError_NotThatKindOfClass);
  EXPECT_EQ(line->layerId(), walls);
}

TEST_F(GeneralProperties, ConstraintDimensionsKeepTheirLineStyle) {
  OdDbRotatedDimensionPtr dim = drawing.add(OdDbRotatedDimension::createObject());
  const OdDbObjectId before = dim->linetypeId();
  dim->setConstraintDynamic(true);
  EXPECT_EQ(set(dim, "LineStyle", CKdVariant(drawing.db->getLinetypeContinuousId())), 5100);
  EXPECT_EQ(dim->linetypeId(), before);
  dim->setConstraintDynamic(false);
  EXPECT_EQ(set(dim, "LineStyle", CKdVariant(drawing.db->getLinetypeContinuousId())), 5100);
  EXPECT_EQ(dim->linetypeId(), drawing.db->getLinetypeContinuousId());
}

TEST_F(GeneralProperties, PrintStyleIsEditableOnlyWithNamedPrintStyles) {
  drawing.db->setPSTYLEMODE(true);
  EXPECT_TRUE(isReadOnly(line, "PrintStyle"));
  EXPECT_FALSE(isReadOnly(line, "LineScale"));
  EXPECT_FALSE(isReadOnly(line, "LineColor"));
  // Refused by the colour-dependent drawing, and not reported.
  EXPECT_EQ(set(line, "PrintStyle", CKdVariant(CKdString(L"Thick"))), 5100);
  EXPECT_EQ(line->plotStyleName(), OdString(L"ByLayer"));
  drawing.db->setPSTYLEMODE(false);
  EXPECT_FALSE(isReadOnly(line, "PrintStyle"));
  EXPECT_EQ(set(line, "PrintStyle", CKdVariant(CKdString(L"Thick"))), 5100);
  EXPECT_EQ(line->plotStyleName(), OdString(L"Thick"));
}

TEST_F(GeneralProperties, ListingOfAClassWithoutItsOwnIsTheCommonHeader) {
  OdDbRasterImagePtr image = drawing.add(OdDbRasterImage::createObject());
  auto listing = list(image);
  ASSERT_GE(listing->Records().size(), 2u);
  EXPECT_EQ(listing->Records()[0].text, L"IMAGE");
  EXPECT_EQ(item(*listing, "Handle").text, CKdString(image->handle().ascii()));
  EXPECT_EQ(item(*listing, "Layer").text, L"0");
  EXPECT_EQ(item(*listing, "Space").text, L"Model space");
  // The header is all: the base listing is registered on the entity class.
  auto lineListing = list(line);
  EXPECT_GT(lineListing->Records().size(), listing->Records().size());
}
