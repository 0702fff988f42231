// Lights, OLE frames and proxy entities through their extensions: a light's
// own rows without the general ones, its choice lists, shadow rules, name
// refusal and target rows; a frame's move, sizes, scales and listing; a
// proxy that keeps another program's data while its general rows change.
#include <string>
#include "CKdPropertyPEImpl.h"
#include "KdModuleTest.h"
#include "Db/DbLight.h"
#include "Db/DbOle2Frame.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeConst.h"

using namespace kdtest;

namespace {
struct Lights : ::testing::Test {
  Drawing drawing;
  OdDbLightPtr light;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    light = drawing.add(OdDbLight::createObject());
    light->setName(L"Lamp");
    light->setLightType(OdDbLight::kSpotLight);
    light->setPosition(OdGePoint3d(1, 2, 3));
    light->setTargetLocation(OdGePoint3d(1, 2, 0));
  }
  OdDbLight::ShadowParameters shadows() const { return light->shadowParameters(); }
};

TEST_F(Lights, ShowOnlyTheirOwnRowsAndTargetRowsWhenTargeted) {
  const std::vector<std::string> rows = names(*describe(light));
  ASSERT_EQ(rows.size(), 18u);
  EXPECT_EQ(rows.front(), "General/Name");
  EXPECT_EQ(rows[11], "Attenuation/Type");
  EXPECT_EQ(rows.back(), "Render Shadow Details/Softness");
  EXPECT_EQ(propertiesOf(light)->GetDisplayName(light), CKdString(L"Light"));

  ASSERT_EQ(light->setTargeted(true), eOk);
  const std::vector<std::string> targeted = names(*describe(light));
  ASSERT_EQ(targeted.size(), 21u);
  EXPECT_EQ(targeted.back(), "Geometry/Target Z");
  EXPECT_EQ(selected(light, "Targeted"), 0);  // "Yes"
  EXPECT_EQ(get(light, "Target Z").GetDouble(), 0.0);
  EXPECT_EQ(set(light, "Target Z", CKdVariant(-1.0, true)), 5100);
  EXPECT_EQ(light->targetLocation(), OdGePoint3d(1, 2, -1));
  // The palette cannot change targeting.
  EXPECT_EQ(set(light, "Targeted", choice(1)), 5100);
  EXPECT_TRUE(light->isTargeted());

  // A point light is never targeted, whatever its record says.
  ASSERT_EQ(set(light, "Type", choice(1)), 5100);
  EXPECT_EQ(light->lightType(), OdDbLight::kPointLight);
}

TEST_F(Lights, SwitchingOffMakesShadowsReadOnlyAndShadowDetailsFollowTheShadowType) {
  EXPECT_FALSE(isReadOnly(light, "Shadows"));
  EXPECT_EQ(set(light, "On/Off Status", choice(1)), 5100);
  EXPECT_FALSE(light->isOn());
  EXPECT_TRUE(isReadOnly(light, "Shadows"));
  EXPECT_EQ(set(light, "On/Off Status", choice(0)), 5100);

  // Sharp shadows: no map size or softness to edit.
  EXPECT_EQ(shadows().shadowType, 0);
  EXPECT_TRUE(isReadOnly(light, "Map size"));
  // The shadow kind (row 15, named "Type" like the light's own kind).
  const auto rows = describe(light);
  const CKdPropertyDescription* kind = rows->GetAt(15);
  ASSERT_EQ(kind->GetCategory(), CKdString(L"Render Shadow Details"));
  EXPECT_EQ(kind->GetValue(light, CKdVariant()).GetCollection().GetSelectedIndex(), 1);  // "Sharp"
  EXPECT_EQ(kind->SetValue(light, choice(0), CKdVariant()), 5100);
  EXPECT_EQ(shadows().shadowType, 1);
  EXPECT_FALSE(isReadOnly(light, "Map size"));
  // Shadows off, or the light off: the kind cannot be chosen.
  EXPECT_EQ(set(light, "Shadows", choice(1)), 5100);
  EXPECT_TRUE(kind->IsReadOnly(light));
  EXPECT_EQ(set(light, "Shadows", choice(0)), 5100);
  EXPECT_FALSE(kind->IsReadOnly(light));
  light->setOn(false);
  EXPECT_TRUE(kind->IsReadOnly(light));
}

TEST_F(Lights, SoftnessOutsideOneToTenIsAcceptedAndIgnored) {
  OdDbLight::ShadowParameters s = shadows();
  s.shadowType = 1;
  s.shadowSoftness = 4;
  light->setShadowParameters(s);
  EXPECT_FALSE(isReadOnly(light, "Softness"));
  EXPECT_EQ(set(light, "Softness", CKdVariant(0L)), 5100);
  EXPECT_EQ(set(light, "Softness", CKdVariant(11L)), 5100);
  EXPECT_EQ(shadows().shadowSoftness, 4);
  EXPECT_EQ(set(light, "Softness", CKdVariant(10L)), 5100);
  EXPECT_EQ(shadows().shadowSoftness, 10);
  EXPECT_EQ(set(light, "Softness", CKdVariant(3.0, false)), -5001);

  const CKdVariantCollection sizes = get(light, "Map size").GetCollection();
  ASSERT_EQ(sizes.GetCount(), 7);
  EXPECT_EQ(sizes.GetAt(sizes.GetSelectedIndex()).GetTag().GetInt32(), 256);
  EXPECT_EQ(set(light, "Map size", choice(1024)), 5100);
  EXPECT_EQ(shadows().shadowMapSize, 1024);
}

TEST_F(Lights, ANameWithAnAsteriskIsRefusedThoughTheMessageDoesNotListIt) {
  EXPECT_EQ(set(light, "Name", CKdVariant(CKdString(L"Hall*1"))), -5001);
  EXPECT_EQ(light->name(), OdString(L"Lamp"));
  ASSERT_EQ(GetKdSystemServices()->Messages().size(), 1u);
  const CKdMessageRecord& m = GetKdSystemServices()->Messages()[0];
  EXPECT_EQ(m.title, CKdString(L"Invalid Name"));
  EXPECT_EQ(m.text, CKdString(L"Invalid characters in name. The following characters are not valid in light names: "
                              L"<>/\\\"':;?|,=`"));
  EXPECT_EQ(set(light, "Name", CKdVariant(CKdString(L""))), -5001);
  EXPECT_EQ(set(light, "Name", CKdVariant(CKdString(L"Hall 1"))), 5100);
  EXPECT_EQ(light->name(), OdString(L"Hall 1"));
}

TEST_F(Lights, AWebLightAndItsTargetSurviveASave) {
  ASSERT_EQ(set(light, "Type", choice(2)), 5100);
  EXPECT_EQ(selected(light, "Type"), 2);
  const CKdVariantCollection types = get(light, "Type").GetCollection();
  EXPECT_EQ(types.GetAt(types.GetSelectedIndex()).GetValue().GetString(), CKdString(L"Web"));
  const OdDbHandle handle = light->objectId().getHandle();
  light.release();
  OdDbDatabasePtr again = odDxfReadString(odDxfWriteString(drawing.db), "light.dxf");
  OdDbLightPtr read = again->getOdDbObjectId(handle).safeOpenObject();
  EXPECT_EQ(read->lightType(), OdDbLight::kWebLight);
  EXPECT_EQ(read->name(), OdString(L"Lamp"));
  EXPECT_EQ(read->position(), OdGePoint3d(1, 2, 3));
  auto listing = list(read);
  EXPECT_FALSE(hasItem(*listing, "Position"));  // the common header only
}

struct Frames : ::testing::Test {
  Drawing drawing;
  OdDbOle2FramePtr frame;
  void SetUp() override {
    frame = drawing.add(OdDbOle2Frame::createObject());
    frame->setData(L"Paintbrush Picture", OdDbOle2Frame::kEmbedded, std::string("\x01\x02picture", 9));
    frame->setPosition({OdGePoint3d(0, 4, 0), OdGePoint3d(6, 4, 0), OdGePoint3d(6, 0, 0), OdGePoint3d(0, 0, 0)});
  }
  OdDbOle2Frame::Rectangle corners() const {
    OdDbOle2Frame::Rectangle r;
    frame->position(r);
    return r;
  }
};

TEST_F(Frames, AMoveCarriesEveryCornerAndTheSizeCannotBeEditedDirectly) {
  EXPECT_EQ(get(frame, "Position X").GetDouble(), 0.0);
  EXPECT_EQ(get(frame, "Position Y").GetDouble(), 4.0);
  EXPECT_EQ(get(frame, "Width").GetDouble(), 6.0);
  EXPECT_EQ(get(frame, "Height").GetDouble(), 4.0);
  EXPECT_EQ(set(frame, "Position X", CKdVariant(10.0, true)), 5100);
  EXPECT_EQ(corners().lowerRight, OdGePoint3d(16, 0, 0));
  EXPECT_EQ(set(frame, "Width", CKdVariant(3.0, true)), -5001);
  EXPECT_EQ(set(frame, "Height", CKdVariant(3.0, true)), -5001);
  EXPECT_EQ(get(frame, "Width").GetDouble(), 6.0);
  EXPECT_EQ(get(frame, "Type").GetString(), CKdString(L"Embedded"));
  EXPECT_EQ(get(frame, "Source application").GetString(), CKdString(L"Paintbrush Picture"));
}

TEST_F(Frames, ScalesResizeTheFrameAndALockedAspectResizesBothSides) {
  EXPECT_EQ(get(frame, "Scale width %").GetDouble(), 100.0);  // a frame of its own size
  EXPECT_EQ(set(frame, "Scale width %", CKdVariant(50.0, true)), 5100);
  EXPECT_NEAR(get(frame, "Width").GetDouble(), 3.0, 1e-12);
  EXPECT_NEAR(get(frame, "Height").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get(frame, "Scale height %").GetDouble(), 50.0, 1e-12);
  EXPECT_EQ(set(frame, "Lock aspect ratio", choice(0)), 5100);
  EXPECT_EQ(set(frame, "Scale height %", CKdVariant(100.0, true)), 5100);
  EXPECT_NEAR(get(frame, "Height").GetDouble(), 4.0, 1e-12);
  EXPECT_NEAR(get(frame, "Width").GetDouble(), 3.0, 1e-12);
  EXPECT_EQ(set(frame, "Scale width %", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(set(frame, "Print quality", choice(0)), 5100);
  EXPECT_EQ(frame->outputQuality(), 0);
}

TEST_F(Frames, TheListingWritesGraphicsWithACapitalAndUnknownForOtherQualities) {
  auto listing = list(frame);
  EXPECT_EQ(item(*listing, "Type").text, CKdString(L"Embedded"));
  EXPECT_EQ(item(*listing, "Print Quality").text, CKdString(L"High Graphics"));
  EXPECT_EQ(item(*listing, "Width").number, 6.0);
  EXPECT_EQ(item(*listing, "Position").point, OdGePoint3d(0, 4, 0));
  frame->setRotation(OdaPI2);
  EXPECT_NEAR(item(*list(frame), "Rotation:").number, OdaPI2, 1e-12);
  frame->setOutputQuality(1);
  EXPECT_EQ(item(*list(frame), "Print Quality").text, CKdString(L"Low Graphics"));
}

// Another program's frame and proxy, written by hand as that program would.
const char* kForeign = R"(  0
SECTION
  2
HEADER
  9
$ACADVER
  1
AC1015
  0
ENDSEC
  0
SECTION
  2
CLASSES
  0
CLASS
  1
SURVEY_MARK
  2
SurveyMark
  3
Survey tools
 90
        5
 91
        1
280
     1
281
     1
  0
ENDSEC
  0
SECTION
  2
ENTITIES
  0
OLE2FRAME
  5
A1
100
AcDbEntity
  8
0
100
AcDbOle2Frame
 70
     2
  3
Sketch
 10
1.0
 20
5.0
 30
0.0
 11
4.0
 21
3.0
 31
0.0
 71
     3
 72
     0
 73
     1
 90
   400
310
0102030405
  1
OLE
  0
ACAD_PROXY_ENTITY
  5
A2
100
AcDbEntity
  8
0
 62
     3
100
AcDbProxyEntity
 90
   498
 91
   500
 92
    12
310
00112233445566778899AABB
 93
    16
310
CAFE
 94
     0
 95
 1
 70
     0
  0
ENDSEC
  0
EOF
)";

TEST(ForeignObjects, ATruncatedFrameAndAProxyKeepTheirDataWhileTheirRowsChange) {
  OdDbDatabasePtr db = odDxfReadString(kForeign, "foreign.dxf");
  OdDbOle2FramePtr frame = db->getOdDbObjectId(OdDbHandle(0xA1)).safeOpenObject(OdDb::kForWrite);
  // No head of corners in five bytes: an upright frame from the fields.
  EXPECT_EQ(get(frame, "Width").GetDouble(), 3.0);
  EXPECT_EQ(get(frame, "Height").GetDouble(), 2.0);
  EXPECT_EQ(get(frame, "Type").GetString(), CKdString(L"Static"));
  EXPECT_EQ(frame->data().size(), 5u);
  EXPECT_EQ(frame->declaredSize(), 400);
  EXPECT_EQ(set(frame, "Print quality", choice(2)), 5100);

  OdDbProxyEntityPtr proxy = db->getOdDbObjectId(OdDbHandle(0xA2)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(propertiesOf(proxy)->GetDisplayName(proxy), CKdString(L"ProxyEntity"));
  EXPECT_EQ(proxy->originalClassName(), OdString(L"SurveyMark"));
  EXPECT_EQ(proxy->originalDxfName(), OdString(L"SURVEY_MARK"));
  EXPECT_EQ(proxy->proxyFlags(), 5);
  EXPECT_EQ(names(*describe(proxy)).size(), 8u);  // the general rows
  EXPECT_EQ(set(proxy, "LineColor", CKdVariant(OdCmColor::fromIndex(1))), 5100);
  frame.release();
  proxy.release();

  const std::string saved = odDxfWriteString(db);
  // The frame's data line, its declared size and the proxy's data as written.
  EXPECT_NE(saved.find("310\n0102030405\n"), std::string::npos);
  EXPECT_NE(saved.find(" 90\n   400\n"), std::string::npos);
  EXPECT_NE(saved.find(" 73\n2\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("310\n00112233445566778899AABB\n 93\n    16\n310\nCAFE\n 94\n     0\n"), std::string::npos);
  EXPECT_NE(saved.find("SurveyMark"), std::string::npos);
  OdDbDatabasePtr again = odDxfReadString(saved, "again.dxf");
  OdDbProxyEntityPtr read = again->getOdDbObjectId(OdDbHandle(0xA2)).safeOpenObject();
  EXPECT_EQ(read->colorIndex(), 1);
  EXPECT_EQ(read->originalClassName(), OdString(L"SurveyMark"));
}
}  // namespace
