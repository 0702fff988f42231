// The host libraries as the module sees them: strings, variants, choice
// lists, descriptions, messages, the UCS service and the print context.
#include <gtest/gtest.h>
#include <QString>
#include <cmath>
#include "CKdPrintRecorder.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyDescriptionImpl.h"
#include "CKdPropertyPEImpl.h"
#include "CKdSystemServices.h"
#include "CKdUcsService.h"
#include "CKdUtils.h"
#include "CKdValueFormat.h"
#include "CKdVariant.h"
#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbSymbolTable.h"

namespace {
OdDbDatabasePtr newDrawing() { return OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach); }

CKdVariant getTwice(const OdDbObject*, const CKdPropertyDescription&, const CKdVariant& context) {
  return CKdVariant(context.GetInt32() * 2L);
}
int setFails(const OdDbObject*, const CKdPropertyDescription&, const CKdVariant&, const CKdVariant&) {
  return KD_PROPERTY_FAILED;
}
}  // namespace

TEST(HostStrings, ConvertBetweenSdkAndToolkitStrings) {
  const CKdString text(L"Ma\u00dfe \u00d8 12");
  EXPECT_EQ(CKdString(text.toQString()), text);
  EXPECT_EQ(text.toQString(), QString::fromUtf8("Ma\xc3\x9f" "e \xc3\x98 12"));
  EXPECT_EQ(CKdString(text.toOdString()), text);
  CKdString s(L"Layer-01");
  EXPECT_EQ(s.find(L"-"), 5);
  EXPECT_EQ(s.find(L'x'), -1);
  s.deleteChars(5, 1);
  EXPECT_EQ(s, L"Layer01");
  EXPECT_EQ(s.compareNoCase(L"LAYER01"), 0);
  EXPECT_EQ(CKdString().format(L"%d-%ls", 7, L"x"), L"7-x");
}

TEST(HostVariants, EveryTypeKeepsItsCodeAndValueThroughCopies) {
  CKdVariantCollection list;
  list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"Yes")), CKdVariant(1L)));
  list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"No")), CKdVariant(0L)));
  list.SetSelectedIndex(1);
  OdCmTransparency half;
  half.setAlpha(128);
  const CKdVariant values[] = {CKdVariant(),
                               CKdVariant(2.5, true),
                               CKdVariant(CKdString(L"text")),
                               CKdVariant(42L),
                               CKdVariant(OdCmColor::fromIndex(3)),
                               CKdVariant(list),
                               CKdVariant(list.GetAt(0)),
                               CKdVariant(OdDbObjectId()),
                               CKdVariant(half),
                               CKdVariant(OdGePoint3d(1, 2, 3))};
  const int codes[] = {0, 2, 3, 4, 5, 6, 7, 8, 11, 9};
  for (size_t i = 0; i < sizeof(codes) / sizeof(codes[0]); ++i) {
    CKdVariant copy = values[i];
    EXPECT_EQ(copy.GetType(), codes[i]);
    EXPECT_EQ(copy, values[i]);
    CKdVariant moved = std::move(copy);
    EXPECT_EQ(moved, values[i]);
    for (size_t j = 0; j < sizeof(codes) / sizeof(codes[0]); ++j)
      if (j != i) {
        EXPECT_NE(values[i], values[j]) << i << " vs " << j;
      }
  }
  EXPECT_TRUE(values[1].IsDistance());
  EXPECT_FALSE(CKdVariant(2.5, false).IsDistance());
  EXPECT_NE(CKdVariant(2.5, true), CKdVariant(2.5, false));
  EXPECT_EQ(values[4].GetColor().colorIndex(), 3);
  EXPECT_EQ(values[8].GetTransparency().alpha(), 128);
  // A getter of another type answers a neutral value, never garbage.
  EXPECT_EQ(values[3].GetDouble(), 0.0);
  EXPECT_TRUE(values[1].GetString().isEmpty());
  EXPECT_EQ(values[2].GetCollection().GetCount(), 0);
}

TEST(HostVariants, ChoiceListAnswersItsSelectedElement) {
  CKdVariantCollection list;
  for (long tag : {10L, 20L, 30L})
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdString().format(L"T%ld", tag)), CKdVariant(tag)));
  list.SetSelectedIndex(2);
  const CKdVariant v(list);
  const CKdVariantCollection& back = v.GetCollection();
  ASSERT_EQ(back.GetCount(), 3);
  EXPECT_EQ(back.GetSelectedIndex(), 2);
  EXPECT_EQ(back.GetAt(back.GetSelectedIndex()).GetTag().GetInt32(), 30);
  EXPECT_EQ(back.GetAt(0).GetValue().GetString(), L"T10");
  const CKdVariant answer(back.GetAt(1));
  EXPECT_EQ(answer.GetCollectionElement().GetTag().GetInt32(), 20);
}

TEST(HostDescriptions, ReportWhatTheyWereBuiltWithAndCallTheirAccessors) {
  CKdPropertyDescriptionImpl d;
  d.SetCategory(L"Geometry");
  d.SetName(L"Start X");
  d.SetIsDynamic(false);
  d.SetType(CKdPropertyTypeImpl(2, CKdPropertyType::kCoordinateXGUID));
  d.SetDescription(CKdString());
  d.PutGetMethod(&getTwice);
  d.PutSetMethod(&setFails);
  d.PutIsReadOnlyMethod(&CKdPropertyPEImpl::IsReadOnlyTrue);
  d.SetIcon(L":/Geometry/Geometry_StartX.png");
  EXPECT_EQ(d.GetCategory(), L"Geometry");
  EXPECT_EQ(d.GetName(), L"Start X");
  EXPECT_EQ(d.GetType().GetType(), 2);
  EXPECT_EQ(d.GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kCoordinateXGUID));
  EXPECT_EQ(CKdPropertyType::NameOf(d.GetType().GetCustomTypeGuid()), L"kCoordinateXGUID");
  EXPECT_EQ(d.GetIcon().path(), L":/Geometry/Geometry_StartX.png");
  EXPECT_EQ(d.GetValue(nullptr, CKdVariant(21L)).GetInt32(), 42);
  EXPECT_EQ(d.SetValue(nullptr, CKdVariant(1.0, true), CKdVariant()), KD_PROPERTY_FAILED);
  EXPECT_TRUE(d.IsReadOnly(nullptr));
  CKdPropertyDescriptionImpl copy(d);
  EXPECT_TRUE(copy == d);
  copy.SetName(L"Start Y");
  EXPECT_FALSE(copy == d);

  CKdPropertiesContainerImpl container;
  OdArray<const CKdPropertyDescription*> list;
  list.append(&d);
  container.Add(list);
  container.AddDynamic(new CKdPropertyDescriptionImpl(copy));
  EXPECT_EQ(container.GetCount(), 2);
  EXPECT_EQ(container.GetAt(0), &d);
  EXPECT_EQ(container.GetByName(L"Start Y", L"Geometry")->GetName(), L"Start Y");
  EXPECT_EQ(container.GetByName(L"Start Y", L"General"), nullptr);
}

TEST(HostServices, MessageBoxAndCommandLineRecordEveryCallInOrder) {
  CKdSystemServices* services = GetKdSystemServices();
  services->ClearRecords();
  services->MessageBox(L"Value must be positive", L"Error", 0);
  services->MessageBox(L"Second", L"Note", 4);
  services->Print(L"3 objects");
  ASSERT_EQ(services->Messages().size(), 2u);
  EXPECT_EQ(services->Messages()[0].text, L"Value must be positive");
  EXPECT_EQ(services->Messages()[0].title, L"Error");
  EXPECT_EQ(services->Messages()[1].flags, 4u);
  ASSERT_EQ(services->Prints().size(), 1u);
  EXPECT_EQ(services->Prints()[0].text, L"3 objects");
  services->ClearRecords();
}

TEST(HostUcs, ConvertsPointsToTheCurrentUcsAndBack) {
  OdDbDatabasePtr db = newDrawing();
  // UCS at (10, 20, 5), X along world Y, Y along world -X (a quarter turn).
  ASSERT_EQ(db->setCurrentUCS(OdGePoint3d(10, 20, 5), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0)), eOk);
  const CKdUcsService ucs = GetKdUcsService(db.get());
  OdGePoint3d p(13, 24, 6);
  ucs.WorldToUcs(p);
  EXPECT_NEAR(p.x, 4.0, 1e-12);
  EXPECT_NEAR(p.y, -3.0, 1e-12);
  EXPECT_NEAR(p.z, 1.0, 1e-12);
  ucs.UcsToWorld(p);
  EXPECT_NEAR(p.x, 13.0, 1e-12);
  EXPECT_NEAR(p.y, 24.0, 1e-12);
  EXPECT_NEAR(p.z, 6.0, 1e-12);
  // Without a drawing, world and UCS coincide.
  OdGePoint3d q(1, 2, 3);
  GetKdUcsService(nullptr).WorldToUcs(q);
  EXPECT_EQ(q, OdGePoint3d(1, 2, 3));
}

TEST(HostHyperlinks, KeptAsExtendedDataAndRemovedByAnEmptyAddress) {
  OdDbDatabasePtr db = newDrawing();
  OdDbLinePtr line = OdDbLine::createObject();
  CKdString url;
  EXPECT_FALSE(CKdUtils::IsHyperLink(line, url, nullptr));
  ASSERT_TRUE(CKdUtils::SetHyperLink(line, L"https://example.org/a b"));
  EXPECT_TRUE(CKdUtils::IsHyperLink(line, url, nullptr));
  EXPECT_EQ(url, L"https://example.org/a b");
  EXPECT_EQ(line->xData(CKdUtils::HyperlinkApp())->getString(), OdString(CKdUtils::HyperlinkApp()));
  ASSERT_TRUE(CKdUtils::SetHyperLink(line, CKdString()));
  EXPECT_FALSE(CKdUtils::IsHyperLink(line, url, nullptr));
}

TEST(HostPrintContext, ReadsBackEveryItemAndFormatsIt) {
  OdDbDatabasePtr db = newDrawing();
  db->setCurrentUCS(OdGePoint3d(1, 0, 0), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0));
  CKdPrintRecorder ctx(db.get());
  OdGeVector3d normal(0, 0, 1);
  ctx.PrintString(L"Bounding Box");
  ctx.PrintString(L"Layer", L"Walls");
  ctx.PrintPoint(L"Start point", OdGePoint3d(3, 4, 0));
  ctx.PrintPoint(L"Corner", OdGePoint2d(1, 2));
  ctx.PrintDist(L"Length", 5.0);
  ctx.PrintArea(L"Area", 12.5);
  ctx.PrintAngle(L"Angle", std::atan2(1.0, 1.0));
  ctx.PrintBool(L"Closed", true);
  ctx.PrintInt(L"Vertices", 4);
  ctx.PrintScale(L"Scale", 0.5);
  ctx.PrintVector3D(L"Normal", normal);
  ASSERT_EQ(ctx.Records().size(), 11u);
  EXPECT_EQ(ctx.Records()[0].operation, CKdPrintRecord::kHeading);
  EXPECT_EQ(ctx.Records()[1].text, L"Walls");
  EXPECT_EQ(ctx.Records()[2].point, OdGePoint3d(3, 4, 0));
  EXPECT_STREQ(CKdPrintRecord::operationName(ctx.Records()[4].operation), "PrintDist");
  EXPECT_DOUBLE_EQ(ctx.Records()[6].number, std::atan2(1.0, 1.0));
  EXPECT_EQ(ctx.Records()[7].integer, 1);
  const std::string text = ctx.Text().toUtf8();
  EXPECT_NE(text.find("Layer"), std::string::npos);
  EXPECT_NE(text.find("X=3.0000  Y=4.0000  Z=0.0000"), std::string::npos);
  EXPECT_NE(text.find("45.0000\xc2\xb0"), std::string::npos);
  EXPECT_NE(text.find("Yes"), std::string::npos);
  // In UCS the same raw point is shown relative to the UCS origin.
  EXPECT_FALSE(ctx.IsPrintInUCS());
  ctx.SetPrintInUCS(true);
  EXPECT_EQ(ctx.FormatValue(ctx.Records()[2]), L"X=2.0000  Y=4.0000  Z=0.0000");
  OdGePoint3d p(3, 4, 0);
  p.transformBy(ctx.GetWorldToWorkingPlaneMatrix());
  EXPECT_EQ(p, OdGePoint3d(2, 4, 0));
}

TEST(HostPrintContext, CounterStopsAfterItsLimit) {
  CKdPrintRecorder ctx;
  EXPECT_TRUE(ctx.CheckCounter());
  ctx.SetCounterLimit(2);
  ctx.Clear();
  EXPECT_TRUE(ctx.CheckCounter());
  EXPECT_TRUE(ctx.CheckCounter());
  EXPECT_FALSE(ctx.CheckCounter());
  EXPECT_EQ(ctx.CounterCalls(), 3);
}

TEST(HostValueFormat, ShowsLengthsInEveryUnitMode) {
  using kdunits::formatLength;
  // Scientific and decimal: precision counts decimals; no "-0".
  EXPECT_EQ(formatLength(15.5, 1, 4), L"1.5500E+01");
  EXPECT_EQ(formatLength(15.5, 2, 4), L"15.5000");
  EXPECT_EQ(formatLength(-0.00001, 2, 4), L"0.0000");
  EXPECT_EQ(formatLength(-2.5, 2, 1), L"-2.5");
  // Engineering: feet and decimal inches, rounding into the next foot.
  EXPECT_EQ(formatLength(15.5, 3, 4), L"1'-3.5000\"");
  EXPECT_EQ(formatLength(23.99996, 3, 4), L"2'-0.0000\"");
  EXPECT_EQ(formatLength(-3.25, 3, 2), L"-0'-3.25\"");
  // Architectural: feet, inches and the reduced fraction of 1/2^precision.
  EXPECT_EQ(formatLength(15.5, 4, 4), L"1'-3 1/2\"");
  EXPECT_EQ(formatLength(288, 4, 4), L"24'-0\"");
  EXPECT_EQ(formatLength(0.4375, 4, 4), L"0'-0 7/16\"");
  EXPECT_EQ(formatLength(11.99, 4, 4), L"1'-0\"");
  EXPECT_EQ(formatLength(-13.125, 4, 3), L"-1'-1 1/8\"");
  // Fractional: whole units and the reduced fraction.
  EXPECT_EQ(formatLength(15.5, 5, 4), L"15 1/2");
  EXPECT_EQ(formatLength(0.75, 5, 4), L"3/4");
  EXPECT_EQ(formatLength(2.0, 5, 4), L"2");
  EXPECT_EQ(formatLength(0.01, 5, 2), L"0");
  // Nothing that cannot be counted breaks the text.
  EXPECT_EQ(formatLength(1e300, 4, 8).find(L'\''), -1);
  EXPECT_EQ(formatLength(std::nan(""), 4, 4), L"?");
  EXPECT_EQ(formatLength(1.0, 2, 99), L"1.00000000");
}

TEST(HostValueFormat, ServiceTakesTheDrawingsUnitsAndListsAreasInSquareFeet) {
  OdDbDatabasePtr db = newDrawing();
  db->header().lunits = 4;
  db->header().luprec = 4;
  const CKdUcsService ucs = GetKdUcsService(db.get());
  EXPECT_EQ(ucs.FormatValue(15.5), L"1'-3 1/2\"");
  EXPECT_EQ(ucs.FormatValue(15.5, 2), L"15.5000");
  EXPECT_EQ(ucs.FormatValue(15.5, 2, 1), L"15.5");
  CKdPrintRecorder ctx(db.get());
  ctx.PrintArea(CKdString(L"Area"), 288.0);
  EXPECT_EQ(ctx.FormatValue(ctx.Records()[0]), L"288.0000 sq in (2.0000 sq ft)");
  db->header().lunits = 2;
  EXPECT_EQ(ctx.FormatValue(ctx.Records()[0]), L"288.0000");
}
