#include "KdModuleTest.h"

#include <stdexcept>
#include "CKdPropertyPEImpl.h"

namespace kdtest {
namespace {
OdRxModule*& loaded() {
  static OdRxModule* module = nullptr;
  return module;
}
}  // namespace

void ModuleEnvironment::SetUp() {
  loaded() = odrxDynamicLinker()->loadModule(OdString(KD_MODULE_FILE));
  ASSERT_NE(loaded(), nullptr) << odrxDynamicLinker()->lastError().reason.toUtf8();
}

void ModuleEnvironment::TearDown() {
  if (loaded()) odrxDynamicLinker()->unloadModule(loaded());
  loaded() = nullptr;
}

OdRxModule* ModuleEnvironment::module() { return loaded(); }

OdDbObjectId Drawing::addLayer(const wchar_t* name) {
  OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  return layers->add(layer);
}

CKdPropertyBasePtr propertiesOf(const OdDbObject* object) {
  return CKdPropertyBase::cast(object->isA()->getX(CKdPropertyBase::desc()).get());
}

CKdPrintObjectInfoPEPtr listingOf(const OdDbObject* object) {
  return CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
}

std::unique_ptr<CKdPropertiesContainer> describe(const OdDbObject* object, const OdRxClass* filter) {
  CKdPropertyBasePtr pe = propertiesOf(object);
  return std::unique_ptr<CKdPropertiesContainer>(CKdPropertyPEImpl::Describe(pe.get(), object, filter));
}

std::vector<std::string> names(const CKdPropertiesContainer& container) {
  std::vector<std::string> out;
  for (int i = 0; i < container.GetCount(); ++i)
    out.push_back(container.GetAt(i)->GetCategory().toUtf8() + "/" + container.GetAt(i)->GetName().toUtf8());
  return out;
}

const CKdPropertyDescription& property(const CKdPropertiesContainer& container, const char* name) {
  const CKdString wanted(OdString::fromUtf8(name));
  for (int i = 0; i < container.GetCount(); ++i)
    if (container.GetAt(i)->GetName() == wanted) return *container.GetAt(i);
  throw std::runtime_error(std::string("no property ") + name);
}

CKdVariant get(const OdDbObject* object, const char* name, const CKdVariant& context) {
  auto c = describe(object);
  return property(*c, name).GetValue(object, context);
}

int set(const OdDbObject* object, const char* name, const CKdVariant& value, const CKdVariant& context) {
  auto c = describe(object);
  return property(*c, name).SetValue(object, value, context);
}

bool isReadOnly(const OdDbObject* object, const char* name) {
  auto c = describe(object);
  return property(*c, name).IsReadOnly(object);
}

std::unique_ptr<CKdPrintRecorder> list(const OdDbObject* object, bool inUcs) {
  std::unique_ptr<CKdPrintRecorder> out(new CKdPrintRecorder(object->database()));
  out->SetPrintInUCS(inUcs);
  listingOf(object)->PrintObjectInfo(object, out.get());
  return out;
}

const CKdPrintRecord& item(const CKdPrintRecorder& listing, const char* label) {
  const CKdString wanted(OdString::fromUtf8(label));
  for (const CKdPrintRecord& r : listing.Records())
    if (r.label == wanted) return r;
  throw std::runtime_error(std::string("no listing item ") + label);
}

bool hasItem(const CKdPrintRecorder& listing, const char* label) {
  const CKdString wanted(OdString::fromUtf8(label));
  for (const CKdPrintRecord& r : listing.Records())
    if (r.label == wanted) return true;
  return false;
}

}  // namespace kdtest
