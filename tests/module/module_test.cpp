// The module as a host loads it: entry points, the singleton, registration
// and removal of the extensions, and the first building of description lists.
#include <dlfcn.h>
#include <QFile>
#include <gtest/gtest.h>
#include <climits>
#include <cstdlib>
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "CKdPrintObjectInfoPE.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbCircle.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbRay.h"
#include "Db/DbXline.h"
#include "Rx/RxClass.h"
#include "Rx/RxModule.h"

namespace {
struct ModuleFixture : ::testing::Test {
  static OdRxModule* module;
  static void* library;  // a second handle of the same library, for the raw entry points
  static void SetUpTestSuite() {
    module = odrxDynamicLinker()->loadModule(OdString(KD_MODULE_FILE));
    library = dlopen(KD_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
  }
  static void TearDownTestSuite() {
    if (module) odrxDynamicLinker()->unloadModule(module);
    if (library) dlclose(library);
  }
  void SetUp() override {
    ASSERT_NE(module, nullptr) << odrxDynamicLinker()->lastError().reason.toUtf8();
    ASSERT_NE(library, nullptr);
  }
  static CKdString displayName(OdRxClass* cls) {
    CKdPropertyBasePtr pe = CKdPropertyBase::cast(cls->getX(CKdPropertyBase::desc()).get());
    return pe.isNull() ? CKdString(L"<none>") : pe->GetDisplayName(nullptr);
  }
  // Whether any class still has an extension under a protocol of that name.
  static bool anyRegistered(const wchar_t* protocolName) {
    for (OdRxClass* cls : odrxClasses())
      for (const OdRxClass* protocol : cls->protocols())
        if (protocol->name() == protocolName) return true;
    return false;
  }
};
OdRxModule* ModuleFixture::module = nullptr;
void* ModuleFixture::library = nullptr;
}  // namespace

// Runs first: nothing has asked for the construction line's list yet.
TEST_F(ModuleFixture, FirstRequestWithAForeignFilterBuildsButDoesNotAdd) {
  OdDbXlinePtr xline = OdDbXline::createObject();
  CKdPropertyBasePtr pe = CKdPropertyBase::cast(OdDbXline::desc()->getX(CKdPropertyBase::desc()).get());
  ASSERT_FALSE(pe.isNull());
  CKdPropertiesContainer* filtered = nullptr;
  pe->GetPropertyNames(xline, filtered, OdDbLine::desc());
  std::unique_ptr<CKdPropertiesContainer> a(filtered);
  ASSERT_NE(filtered, nullptr);
  // A line derives from the entity level but not from the construction-line level.
  EXPECT_EQ(filtered->GetCount(), 8);

  CKdPropertiesContainer* first = nullptr;
  CKdPropertiesContainer* second = nullptr;
  pe->GetPropertyNames(xline, first, nullptr);
  pe->GetPropertyNames(xline, second, OdDbXline::desc());
  std::unique_ptr<CKdPropertiesContainer> b(first), c(second);
  ASSERT_EQ(first->GetCount(), 17);
  ASSERT_EQ(second->GetCount(), 17);
  for (int i = 0; i < 17; ++i) EXPECT_EQ(first->GetAt(i), second->GetAt(i)) << i;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(filtered->GetAt(i), first->GetAt(i)) << i;
  // Without an object there is nothing to describe.
  CKdPropertiesContainer* none = nullptr;
  pe->GetPropertyNames(nullptr, none, nullptr);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ModuleFixture, EntryPointsAnswerTheVersionAndOneSingleton) {
  auto version = reinterpret_cast<OdRxGetApiVersionFn>(dlsym(library, "odrxGetAPIVersion"));
  auto create = reinterpret_cast<OdRxCreateModuleFn>(dlsym(library, "odrxCreateModuleObject"));
  ASSERT_NE(version, nullptr);
  ASSERT_NE(create, nullptr);
  int v[4] = {0, 0, 0, 0};
  version(&v[0], &v[1], &v[2], &v[3]);
  EXPECT_EQ(v[0], 3);
  EXPECT_EQ(v[1], 8);
  EXPECT_EQ(v[2], 1);
  EXPECT_EQ(v[3], 48922);
  void* marker = reinterpret_cast<void*>(0x1234);
  EXPECT_EQ(create(&marker), module);
  EXPECT_EQ(marker, reinterpret_cast<void*>(0x1234));  // the second call leaves its argument alone
  // Only the two entry points are exported.
  EXPECT_EQ(dlsym(library, "_ZN19CKdPropertiesModule7initAppEv"), nullptr);
}

TEST_F(ModuleFixture, KnowsItsFileAndSurvivesReleaseAtZero) {
  char real[PATH_MAX];
  ASSERT_NE(realpath(KD_MODULE_FILE, real), nullptr);
  char named[PATH_MAX];
  ASSERT_NE(realpath(module->moduleName().toUtf8().c_str(), named), nullptr);
  EXPECT_STREQ(named, real);
  EXPECT_EQ(module->numRefs(), 0);
  module->release();
  module->release();
  EXPECT_NE(module->sysData(), nullptr);
  module->addRef();
  module->addRef();
  EXPECT_EQ(module->numRefs(), 0);
}

TEST_F(ModuleFixture, InitialisedModuleAnswersOnTheClassTreeAndUninitialisedDoesNot) {
  EXPECT_EQ(displayName(OdDbLine::desc()), L"Line");
  EXPECT_EQ(displayName(OdDbXline::desc()), L"ILine");
  // Classes without an extension of their own are served by the nearest parent.
  EXPECT_EQ(displayName(OdDbWipeout::desc()), L"Image");
  EXPECT_EQ(displayName(OdDbHelix::desc()), L"Helix");
  EXPECT_EQ(displayName(OdDbUnknownEntity::desc()), L"Entity");
  EXPECT_EQ(displayName(OdDbPlaneSurface::desc()), L"Surface (Planar)");
  EXPECT_EQ(displayName(OdDbCircle::desc()), L"Circle");
  EXPECT_FALSE(OdDbRasterImage::desc()->getX(CKdPrintObjectInfoPE::desc()).isNull());
  // Records have properties of their own and no listing.
  EXPECT_FALSE(OdDbLayerTableRecord::desc()->getX(CKdPropertyBase::desc()).isNull());
  EXPECT_TRUE(OdDbLayerTableRecord::desc()->getX(CKdPrintObjectInfoPE::desc()).isNull());
  EXPECT_TRUE(OdDbRegAppTableRecord::desc()->getX(CKdPropertyBase::desc()).isNull());

  module->uninitApp();
  EXPECT_EQ(CKdPropertyBase::desc(), nullptr);
  EXPECT_EQ(CKdPrintObjectInfoPE::desc(), nullptr);
  EXPECT_FALSE(anyRegistered(L"CKdPropertyBase"));
  EXPECT_FALSE(anyRegistered(L"CKdPrintObjectInfoPE"));

  module->initApp();
  EXPECT_EQ(displayName(OdDbLine::desc()), L"Line");
  EXPECT_TRUE(anyRegistered(L"CKdPrintObjectInfoPE"));
}

namespace {
// Width and height from a PNG file's header; zero when it is not a PNG.
std::pair<int, int> pngSize(const QByteArray& data) {
  if (data.size() < 24 || !data.startsWith("\x89PNG\r\n\x1a\n")) return {0, 0};
  auto be32 = [&](int at) {
    return (uchar(data[at]) << 24) | (uchar(data[at + 1]) << 16) | (uchar(data[at + 2]) << 8) | uchar(data[at + 3]);
  };
  return {be32(16), be32(20)};
}
}  // namespace

TEST_F(ModuleFixture, EveryIconTheDescriptionsNameIsInTheCollection) {
  OdRxObjectPtr objects[] = {OdDbLine::createObject(), OdDbRay::createObject(), OdDbXline::createObject(),
                             OdDbPoint::createObject()};
  int checked = 0;
  for (const OdRxObjectPtr& object : objects) {
    const OdDbObject* o = static_cast<const OdDbObject*>(object.get());
    CKdPropertyBasePtr pe = CKdPropertyBase::cast(o->isA()->getX(CKdPropertyBase::desc()).get());
    CKdPropertiesContainer* c = nullptr;
    pe->GetPropertyNames(o, c, nullptr);
    std::unique_ptr<CKdPropertiesContainer> owned(c);
    for (int i = 0; i < c->GetCount(); ++i) {
      const CKdString path = c->GetAt(i)->GetIcon().path();
      if (path.isEmpty()) continue;
      QFile file(path.toQString());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toUtf8();
      const std::pair<int, int> size = pngSize(file.readAll());
      const bool thickness = path == L":/General/General_Thickness.png";
      EXPECT_EQ(size.first, thickness ? 18 : 20) << path.toUtf8();
      EXPECT_EQ(size.second, thickness ? 18 : 20) << path.toUtf8();
      ++checked;
    }
  }
  EXPECT_GE(checked, 40);
  EXPECT_FALSE(QFile::exists(":/General/General_NoSuchIcon.png"));
  EXPECT_TRUE(QFile::exists(":/Geometry/Geometry_Rotation.png"));
}
