#pragma once
// Tests of the module load the built library at run time, as a host does,
// and reach the extensions only through the SDK's class tree.
#include <gtest/gtest.h>
#include <memory>
#include "CKdPrintRecorder.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "CKdPrintObjectInfoPE.h"
#include "CKdSystemServices.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Rx/RxModule.h"

namespace kdtest {

// Loads the module once for the whole test program; unloads it at the end.
class ModuleEnvironment : public ::testing::Environment {
public:
  void SetUp() override;
  void TearDown() override;
  static OdRxModule* module();
};

// A drawing with an entity of class T in model space, open for writing.
struct Drawing {
  OdDbDatabasePtr db = OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach);
  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> entity) {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbObjectId id = ms->appendOdDbEntity(entity);
    return OdSmartPtr<T>(id.safeOpenObject(OdDb::kForWrite));
  }
  OdDbObjectId addLayer(const wchar_t* name);
};

// The property extension and listing extension the module registered for the object's class.
CKdPropertyBasePtr propertiesOf(const OdDbObject* object);
CKdPrintObjectInfoPEPtr listingOf(const OdDbObject* object);

// What the palette gets for an object: every description, in order.
std::unique_ptr<CKdPropertiesContainer> describe(const OdDbObject* object, const OdRxClass* filter = nullptr);
// "Category/Name" of every description, in order.
std::vector<std::string> names(const CKdPropertiesContainer& container);
// The description with that name (first match), or fail the test.
const CKdPropertyDescription& property(const CKdPropertiesContainer& container, const char* name);

// The value a getter gives, and what a setter answers, by property name.
CKdVariant get(const OdDbObject* object, const char* name, const CKdVariant& context = CKdVariant());
int set(const OdDbObject* object, const char* name, const CKdVariant& value, const CKdVariant& context = CKdVariant());
bool isReadOnly(const OdDbObject* object, const char* name);

// The listing of an object, as the list command records it.
std::unique_ptr<CKdPrintRecorder> list(const OdDbObject* object, bool inUcs = false);
// The record with that label, or fail the test.
const CKdPrintRecord& item(const CKdPrintRecorder& listing, const char* label);
bool hasItem(const CKdPrintRecorder& listing, const char* label);

// A palette's answer picking the choice of the tag.
inline CKdVariant choice(long tag, const wchar_t* label = L"?") {
  return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(label)), CKdVariant(tag)));
}
// The tag of the selected element of a choice row; -1 when none is selected.
inline long selected(const OdDbObject* object, const char* name) {
  const CKdVariantCollection c = get(object, name).GetCollection();
  return c.GetSelectedIndex() < 0 ? -1 : c.GetAt(c.GetSelectedIndex()).GetTag().GetInt32();
}

}  // namespace kdtest
