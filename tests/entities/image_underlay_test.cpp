// Raster images, wipeouts and underlays through their extensions: sizes
// that keep the aspect, rotation of the width direction, the scale against
// the picture's physical size, refusals with their messages, the picture
// file rows of images only; underlay sizes as uniform scales of the sheet,
// the sheet read from a PDF beside the drawing, its layers, the DGN listing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "CKdDocument.h"
#include "KdModuleTest.h"
#include "Db/DbDictionary.h"
#include "Db/DbRasterImage.h"
#include "Db/DbUnderlay.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeConst.h"

using namespace kdtest;

namespace {
struct Images : ::testing::Test {
  Drawing drawing;
  OdDbRasterImagePtr image;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    SetActiveKdDocument(drawing.db);
    image = drawing.add(OdDbRasterImage::createObject());
    image->setOrientation(OdGePoint3d(1, 2, 0), OdGeVector3d(10, 0, 0), OdGeVector3d(0, 5, 0));
  }
  void TearDown() override { SetActiveKdDocument(nullptr); }
  void orientation(OdGePoint3d& o, OdGeVector3d& u, OdGeVector3d& v) const { image->getOrientation(o, u, v); }
  // A definition of 640 by 480 pixels, 100 to the inch, linked to the image.
  void linkPicture(const wchar_t* file) {
    OdDbDictionaryPtr dict = OdDbRasterImageDef::createImageDictionary(drawing.db).safeOpenObject(OdDb::kForWrite);
    OdDbRasterImageDefPtr def = OdDbRasterImageDef::createObject();
    def->setSourceFileName(file);
    def->setImage(OdGeVector2d(640, 480), OdGeVector2d(0.01, 0.01), OdDbRasterImageDef::kInch);
    dict->setAt(L"photo", def);
    ASSERT_EQ(image->setImageDefId(def->objectId()), eOk);
  }
  std::string lastMessage() const {
    const auto& m = GetKdSystemServices()->Messages();
    return m.empty() ? std::string() : m.back().text.toUtf8() + " / " + m.back().title.toUtf8();
  }
};

TEST_F(Images, SizeEditsKeepTheAspectAndRefuseNonPositiveSizes) {
  EXPECT_EQ(get(image, "Width").GetDouble(), 10.0);
  EXPECT_EQ(set(image, "Width", CKdVariant(20.0, true)), 5100);
  OdGePoint3d o;
  OdGeVector3d u, v;
  orientation(o, u, v);
  EXPECT_NEAR(u.length(), 20.0, 1e-12);
  EXPECT_NEAR(v.length(), 10.0, 1e-12);
  EXPECT_EQ(o, OdGePoint3d(1, 2, 0));
  EXPECT_EQ(set(image, "Height", CKdVariant(5.0, true)), 5100);
  EXPECT_NEAR(get(image, "Width").GetDouble(), 10.0, 1e-12);

  EXPECT_EQ(set(image, "Width", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(lastMessage(), "Invalid value for property Width / Error");
  EXPECT_EQ(set(image, "Height", CKdVariant(-3.0, true)), -5001);
  EXPECT_EQ(lastMessage(), "Invalid value for property Height / Error");
  EXPECT_NEAR(get(image, "Height").GetDouble(), 5.0, 1e-12);
  EXPECT_EQ(set(image, "Width", CKdVariant(L"wide")), -5001);  // wrong type: no message
  EXPECT_EQ(GetKdSystemServices()->Messages().size(), 2u);
}

TEST_F(Images, RotationIsTheAngleOfTheWidthDirectionAndTurnsBothSides) {
  image->setOrientation(OdGePoint3d(), OdGeVector3d(0, 4, 0), OdGeVector3d(-2, 0, 0));
  EXPECT_NEAR(get(image, "Rotation").GetDouble(), OdaPI / 2, 1e-12);
  image->setOrientation(OdGePoint3d(), OdGeVector3d(0, -4, 0), OdGeVector3d(2, 0, 0));
  EXPECT_NEAR(get(image, "Rotation").GetDouble(), 3 * OdaPI / 2, 1e-12);
  // Width straight up the Z axis: no angle in the plan.
  image->setOrientation(OdGePoint3d(), OdGeVector3d(0, 0, 4), OdGeVector3d(2, 0, 0));
  EXPECT_EQ(get(image, "Rotation").GetDouble(), 0.0);

  image->setOrientation(OdGePoint3d(5, 5, 0), OdGeVector3d(4, 0, 0), OdGeVector3d(0, 2, 0));
  EXPECT_EQ(set(image, "Rotation", CKdVariant(OdaPI / 6, true)), 5100);
  OdGePoint3d o;
  OdGeVector3d u, v;
  orientation(o, u, v);
  EXPECT_NEAR(u.x, 4 * std::cos(OdaPI / 6), 1e-12);
  EXPECT_NEAR(u.y, 4 * std::sin(OdaPI / 6), 1e-12);
  EXPECT_NEAR(v.x, -2 * std::sin(OdaPI / 6), 1e-12);
  EXPECT_NEAR(v.y, 2 * std::cos(OdaPI / 6), 1e-12);
  EXPECT_EQ(o, OdGePoint3d(5, 5, 0));
}

TEST_F(Images, ScaleIsTheWidthOverThePicturesPhysicalWidthInDrawingUnits) {
  // No definition: the scale is 1 and cannot change the reference.
  EXPECT_EQ(get(image, "Scale").GetDouble(), 1.0);
  EXPECT_FALSE(get(image, "Scale").IsDistance());

  linkPicture(L"C:\\photos\\north side.jpeg");
  drawing.db->header().insunits = 4;  // millimetres: 640 pixels at 0.254 mm
  image->setOrientation(OdGePoint3d(), OdGeVector3d(16.256, 0, 0), OdGeVector3d(0, 12.192, 0));
  EXPECT_NEAR(get(image, "Scale").GetDouble(), 0.1, 1e-12);
  EXPECT_EQ(set(image, "Scale", CKdVariant(2.0, false)), 5100);
  EXPECT_NEAR(get(image, "Width").GetDouble(), 325.12, 1e-9);
  EXPECT_NEAR(get(image, "Height").GetDouble(), 243.84, 1e-9);

  // In metres the same picture is a thousand times smaller.
  drawing.db->header().insunits = 6;
  EXPECT_NEAR(get(image, "Scale").GetDouble(), 2000.0, 1e-6);
  // Units that name no length (microinches and mils count as none) compare with 1.
  drawing.db->header().insunits = 9;
  EXPECT_NEAR(get(image, "Scale").GetDouble(), 325.12, 1e-9);

  EXPECT_EQ(set(image, "Scale", CKdVariant(0.0, false)), -5001);
  EXPECT_EQ(lastMessage(), "Invalid argument scaleFactor in ScaleFactor property? / Error");
  EXPECT_NEAR(get(image, "Width").GetDouble(), 325.12, 1e-9);
}

TEST_F(Images, AdjustmentsTakeIntegersFromZeroToHundredSilently) {
  EXPECT_EQ(get(image, "Brightness").GetInt32(), 50);
  EXPECT_EQ(set(image, "Brightness", CKdVariant(70)), 5100);
  EXPECT_EQ(image->brightness(), 70);
  for (long bad : {101L, -1L}) EXPECT_EQ(set(image, "Fade", CKdVariant(bad)), -5001);
  EXPECT_EQ(set(image, "Contrast", CKdVariant(60.0, false)), -5001);  // a double is no integer
  EXPECT_EQ(image->fade(), 0);
  EXPECT_EQ(image->contrast(), 50);
  EXPECT_TRUE(GetKdSystemServices()->Messages().empty());

  EXPECT_EQ(selected(image, "Show image"), 1);
  // The image's own "Transparency" (the general row of that name comes first).
  const auto rows = describe(image);
  const std::vector<std::string> named = names(*rows);
  const auto own = std::find(named.begin(), named.end(), "Misc/Transparency");
  ASSERT_NE(own, named.end());
  const CKdPropertyDescription* transparency = rows->GetAt(int(own - named.begin()));
  EXPECT_EQ(transparency->SetValue(image, choice(1), CKdVariant()), 5100);
  EXPECT_TRUE(image->isSetDisplayOpt(OdDbRasterImage::kTransparent));
  EXPECT_EQ(transparency->SetValue(image, choice(7), CKdVariant()), 5100);  // other tags change nothing
  EXPECT_TRUE(image->isSetDisplayOpt(OdDbRasterImage::kTransparent));
  EXPECT_EQ(set(image, "Show clipped", choice(0)), 5100);
  EXPECT_FALSE(image->isSetDisplayOpt(OdDbRasterImage::kClip));
}

TEST_F(Images, ImagesNameTheirFileAndWipeoutsShowOnlyTheFixedRows) {
  // Without a definition the file rows are there but empty.
  EXPECT_EQ(names(*describe(image)).back(), "Misc/Path");
  EXPECT_TRUE(get(image, "Path").GetString().isEmpty());
  linkPicture(L"site/north side.v2.jpeg");
  EXPECT_EQ(get(image, "Name").GetString(), CKdString(L"north side.v2"));
  EXPECT_EQ(get(image, "Path").GetString(), CKdString(L"site/north side.v2.jpeg"));
  EXPECT_TRUE(isReadOnly(image, "Name"));
  EXPECT_TRUE(property(*describe(image), "Path").IsDynamic());

  OdDbWipeoutPtr mask = drawing.add(OdDbWipeout::createObject());
  OdGePoint3dArray square;
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0), OdGePoint3d(4, 2, 0)}) square.push_back(p);
  ASSERT_EQ(mask->setFrom(square), eOk);
  const std::vector<std::string> rows = names(*describe(mask));
  EXPECT_EQ(rows.back(), "Misc/Transparency");
  EXPECT_EQ(std::count(rows.begin(), rows.end(), "Image Adjust/Brightness"), 1);
  EXPECT_EQ(propertiesOf(mask)->GetDisplayName(mask), CKdString(L"Image"));
  // The frame is the square around the triangle.
  EXPECT_NEAR(get(mask, "Width").GetDouble(), 4.0, 1e-12);
  EXPECT_NEAR(get(mask, "Height").GetDouble(), 4.0, 1e-12);
}

TEST_F(Images, AnImageWhoseDefinitionIsAnotherObjectShowsNoFile) {
  linkPicture(L"photo.png");
  // Saved and read back: the reactor links survive, the definition is found again.
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(drawing.db), "images.dxf");
  OdDbRasterImagePtr read = OdDbRasterImage::cast(back->getOdDbObjectId(image->objectId().getHandle()).openObject());
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(get(read, "Name").GetString(), CKdString(L"photo"));
  OdDbObjectPtr def = read->imageDefId().openObject();
  ASSERT_EQ(def->getPersistentReactors().size(), 1u);
  EXPECT_EQ(def->getPersistentReactors()[0], read->reactorId());
  EXPECT_EQ(read->reactorId().openObject()->ownerId(), read->objectId());

  // A file whose image names another kind of object as its definition.
  std::string text = odDxfWriteString(drawing.db);
  const std::string link = "340\n" + std::string(OdString(def->objectId().getHandle().ascii()).toUtf8()) + "\n";
  ASSERT_NE(text.find(link), std::string::npos);
  text.replace(text.find(link), link.size(), "340\n10\n");
  OdDbDatabasePtr odd = odDxfReadString(text, "odd.dxf");
  OdDbRasterImagePtr stray = OdDbRasterImage::cast(odd->getOdDbObjectId(image->objectId().getHandle()).openObject());
  ASSERT_FALSE(stray.isNull());
  EXPECT_TRUE(get(stray, "Path").GetString().isEmpty());
  EXPECT_EQ(get(stray, "Scale").GetDouble(), 1.0);
}

// ----------------------------------------------------------------- underlays

// A one-page PDF of the size given in points, with two layers, "Walls" on
// and "Notes" off in its default configuration.
std::string pdfFile(double widthPt, double heightPt) {
  return "%PDF-1.5\n"
         "1 0 obj << /Type /Catalog /Pages 2 0 R /OCProperties << /OCGs [5 0 R 6 0 R] /D << /OFF [6 0 R] >> >> >>\nendobj\n"
         "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 " +
         std::to_string(widthPt) + " " + std::to_string(heightPt) +
         "] >>\nendobj\n"
         "3 0 obj << /Type /Page /Parent 2 0 R /Rotate 90 >>\nendobj\n"
         "5 0 obj << /Type /OCG /Name (Walls) >>\nendobj\n"
         "6 0 obj << /Type /OCG /Name (Notes \\(old\\)) >>\nendobj\n"
         "trailer << /Root 1 0 R >>\n%%EOF\n";
}

struct Underlays : ::testing::Test {
  Drawing drawing;
  OdDbPdfReferencePtr pdf;
  OdDbPdfDefinitionPtr def;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    OdDbDictionaryPtr nod = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr defs = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_PDFDEFINITIONS", defs);
    def = OdDbPdfDefinition::createObject();
    def->setSourceFileName(L"missing/plan.pdf");
    def->setItemName(L"1");
    defs->setAt(L"plan - 1", def);
    pdf = drawing.add(OdDbPdfReference::createObject());
    pdf->setDefinitionId(def->objectId());
  }
  // The sheet as a host that read the document gives it.
  void giveSheet(double w, double h) {
    auto sheet = std::make_shared<OdDbUnderlayItem>();
    sheet->maxPoint = OdGePoint2d(w, h);
    def->setUnderlayItem(sheet);
  }
};

TEST_F(Underlays, WithoutTheirSheetSizesAreZeroAndReadOnly) {
  EXPECT_EQ(get(pdf, "Width").GetDouble(), 0.0);
  EXPECT_TRUE(isReadOnly(pdf, "Width"));
  EXPECT_TRUE(isReadOnly(pdf, "Height"));
  EXPECT_EQ(get(pdf, "Name").GetString(), CKdString(L"plan - 1"));
  EXPECT_EQ(get(pdf, "Page Number").GetString(), CKdString(L"1"));
  EXPECT_EQ(get(pdf, "Path").GetString(), CKdString(L"missing/plan.pdf"));
  EXPECT_EQ(get(pdf, "Layer display override").GetString(), CKdString(L"None"));
  EXPECT_EQ(names(*describe(pdf)).size(), names(*describe(drawing.add(OdDbDgnReference::createObject()))).size());
}

TEST_F(Underlays, SizeEditsAreUniformScalesOfTheSheet) {
  giveSheet(16.5, 11.7);
  EXPECT_FALSE(isReadOnly(pdf, "Width"));
  EXPECT_NEAR(get(pdf, "Width").GetDouble(), 16.5, 1e-12);
  EXPECT_EQ(set(pdf, "Width", CKdVariant(33.0, true)), 5100);
  EXPECT_NEAR(get(pdf, "Height").GetDouble(), 23.4, 1e-12);
  EXPECT_EQ(pdf->scaleFactors().sz, 2.0);
  EXPECT_EQ(set(pdf, "Height", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(GetKdSystemServices()->Messages().back().text, CKdString(L"Invalid value for property Height"));

  EXPECT_EQ(set(pdf, "Scale", CKdVariant(1e8, false)), -5001);
  EXPECT_EQ(GetKdSystemServices()->Messages().back().text,
            CKdString(L"Invalid argument scaleFactor in ScaleFactor property?"));
  EXPECT_EQ(pdf->scaleFactors().sx, 2.0);
  EXPECT_EQ(set(pdf, "Scale", CKdVariant(1e-7, false)), 5100);
  EXPECT_EQ(pdf->scaleFactors().sy, 1e-7);
  EXPECT_EQ(set(pdf, "Contrast", CKdVariant(101)), -5001);
  EXPECT_EQ(set(pdf, "Fade", CKdVariant(30)), 5100);
  EXPECT_EQ(pdf->fade(), 30);
  EXPECT_EQ(set(pdf, "Show underlay", choice(0)), 5100);
  EXPECT_FALSE(pdf->isOn());
}

TEST_F(Underlays, ThePageAndItsLayersComeFromThePdfBesideTheDrawing) {
  char dir[] = "/tmp/kd-underlay-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string folder = dir;
  // A4 portrait turned a quarter: 842 x 595 points landscape.
  std::ofstream(folder + "/plan.pdf") << pdfFile(595.0, 842.0);
  odDxfWriteFile(drawing.db, folder + "/site.dxf");
  OdDbDatabasePtr back = odDxfReadFile(folder + "/site.dxf");
  OdDbPdfReferencePtr read = OdDbPdfReference::cast(back->getOdDbObjectId(pdf->objectId().getHandle()).openObject());
  ASSERT_FALSE(read.isNull());
  // The stored path does not exist: the file beside the drawing is found by its name.
  EXPECT_FALSE(isReadOnly(read, "Width"));
  EXPECT_NEAR(get(read, "Width").GetDouble(), 842.0 / 72, 1e-12);
  EXPECT_NEAR(get(read, "Height").GetDouble(), 595.0 / 72, 1e-12);
  EXPECT_EQ(read->underlayLayerCount(), 2u);
  OdUnderlayLayer notes;
  ASSERT_EQ(read->getUnderlayLayer(1, notes), eOk);
  EXPECT_EQ(notes.name(), OdString(L"Notes (old)"));
  EXPECT_EQ(get(read, "Layer display override").GetString(), CKdString(L"Applied"));
  EXPECT_EQ(read->getUnderlayLayer(2, notes), eInvalidIndex);

  // A page the document does not have: no sheet.
  OdDbPdfDefinitionPtr d = OdDbPdfDefinition::cast(read->definitionId().openObject(OdDb::kForWrite));
  d->setItemName(L"2");
  EXPECT_TRUE(isReadOnly(read, "Width"));
  std::remove((folder + "/plan.pdf").c_str());
  std::remove((folder + "/site.dxf").c_str());
  rmdir(dir);
}

TEST(PdfPages, BrokenAndForeignFilesGiveNoPage) {
  OdDbUnderlayItem item;
  EXPECT_FALSE(odDbReadPdfPage("", 1, item));
  EXPECT_FALSE(odDbReadPdfPage("GIF89a", 1, item));
  EXPECT_FALSE(odDbReadPdfPage("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R >>\nendobj\n", 1, item));
  // Pages whose kids point back at their parent end, without a page.
  EXPECT_FALSE(odDbReadPdfPage("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                               "2 0 obj << /Type /Pages /Kids [2 0 R] >> endobj\n",
                               1, item));
  EXPECT_FALSE(odDbReadPdfPage(pdfFile(100, 100), 2, item));
  ASSERT_TRUE(odDbReadPdfPage(pdfFile(144, 72), 1, item));
  EXPECT_EQ(item.maxPoint, OdGePoint2d(1, 2));  // turned a quarter
}

TEST_F(Underlays, TheDgnListingGivesPlacementAndTheSheetsCornersOnlyWithADefinition) {
  OdDbDgnReferencePtr dgn = drawing.add(OdDbDgnReference::createObject());
  const size_t header = list(dgn)->Records().size();
  EXPECT_FALSE(hasItem(*list(dgn), "Underlay Name"));

  OdDbDictionaryPtr nod = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
  OdDbDictionaryPtr defs = OdDbDictionary::createObject();
  nod->setAt(L"ACAD_DGNDEFINITIONS", defs);
  OdDbDgnDefinitionPtr model = OdDbDgnDefinition::createObject();
  model->setItemName(L"Default");
  defs->setAt(L"site-Default", model);
  ASSERT_EQ(dgn->setDefinitionId(model->objectId()), eOk);
  dgn->setPosition(OdGePoint3d(10, 20, 0));
  dgn->setScaleFactors(OdGeScale3d(2, 3, 1));
  dgn->setRotation(OdaPI / 2);
  // No sheet: placement, no corners.
  EXPECT_EQ(item(*list(dgn), "Underlay Name").text, CKdString(L"site-Default"));
  EXPECT_EQ(item(*list(dgn), "Y scale").number, 3.0);
  EXPECT_FALSE(hasItem(*list(dgn), "Corner Point 1"));
  EXPECT_EQ(get(dgn, "Model Name").GetString(), CKdString(L"Default"));

  auto sheet = std::make_shared<OdDbUnderlayItem>();
  sheet->maxPoint = OdGePoint2d(4, 1);
  model->setUnderlayItem(sheet);
  auto listing = list(dgn);
  EXPECT_EQ(listing->Records().size(), header + 16);
  // (10,20)..(18,23), turned a quarter about (10,20).
  const OdGePoint3d expected[4] = {{10, 20, 0}, {10, 28, 0}, {7, 28, 0}, {7, 20, 0}};
  for (int i = 0; i < 4; ++i) {
    const OdGePoint3d p = item(*listing, ("Corner Point " + std::to_string(i + 1)).c_str()).point;
    EXPECT_NEAR(p.x, expected[i].x, 1e-12) << i;
    EXPECT_NEAR(p.y, expected[i].y, 1e-12) << i;
  }
  EXPECT_FALSE(propertiesOf(pdf).isNull());
  EXPECT_EQ(list(pdf)->Records().size(), header);  // PDF underlays list the header alone
}
}  // namespace
