// Fuzz target of the module on drawings as they come: every object of what
// reads gets its palette (every getter and read-only rule) and its listing,
// in world and in a turned UCS, and one setter call; the drawing is then
// written and must read back. The module loads once, as a host loads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include "CKdDocument.h"
#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "CKdPropertyPEImpl.h"
#include "CKdSystemServices.h"
#include "Db/DbDatabase.h"
#include "Dxf/DxfFile.h"
#include "Rx/OdError.h"
#include "Rx/RxModule.h"

namespace {
OdRxModule* g_module = nullptr;

// A value for the setter, chosen by the input: the getter's own value back,
// a number from the input's bytes, or a value of another type.
CKdVariant valueFor(const CKdVariant& current, const uint8_t* data, size_t size, size_t k) {
  const uint8_t pick = size ? data[k % size] : 0;
  switch (pick % 5) {
    case 0: return current;
    case 1: {
      double d = 0;
      for (size_t i = 0; i < sizeof d && size; ++i) reinterpret_cast<uint8_t*>(&d)[i] = data[(k + i) % size];
      return CKdVariant(d, true);
    }
    case 2: return CKdVariant(long(int8_t(pick)));
    case 3: return CKdVariant(CKdString(L"0"));
    default:
      if (current.GetType() == CKdVariant::kCollection && current.GetCollection().GetCount() > 0) {
        const CKdVariantCollection& c = current.GetCollection();
        return CKdVariant(c.GetAt(int(pick) % c.GetCount()));
      }
      return CKdVariant(double(pick) - 128.0, false);
  }
}

void exercise(OdDbDatabase* db, const uint8_t* data, size_t size) {
  size_t k = 0;
  for (const OdDbObjectId& id : db->objectIds()) {
    try {
      OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
      if (object.isNull()) continue;
      CKdPropertyBasePtr pe = CKdPropertyBase::cast(object->isA()->getX(CKdPropertyBase::desc()).get());
      if (!pe.isNull()) {
        std::unique_ptr<CKdPropertiesContainer> palette(CKdPropertyPEImpl::Describe(pe.get(), object));
        const int count = palette ? palette->GetCount() : 0;
        for (int i = 0; i < count; ++i) {
          const CKdPropertyDescription* d = palette->GetAt(i);
          d->GetValue(object, CKdVariant());
          d->GetValue(object, CKdVariant(long(k % 7)));
          d->IsReadOnly(object);
        }
        if (count > 0) {
          const CKdPropertyDescription* d = palette->GetAt(int(++k % size_t(count)));
          const CKdVariant context(long(k % 3));
          d->SetValue(object, valueFor(d->GetValue(object, context), data, size, k), context);
        }
      }
      CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
      if (!info.isNull())
        for (bool inUcs : {false, true}) {
          CKdPrintRecorder recorder(db);
          recorder.SetPrintInUCS(inUcs);
          info->PrintObjectInfo(object, &recorder);
          recorder.Text();
        }
    } catch (const OdError&) {
      // An inconsistent drawing (a record id of another class): the host reports it.
    }
    ++k;
  }
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_module = odrxDynamicLinker()->loadModule(OdString(KD_MODULE_FILE));
  if (!g_module) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  OdDbDatabasePtr db;
  try {
    db = odDxfReadString(text, "fuzz.dxf");
  } catch (const OdDxfFileError&) {
    return 0;
  }
  SetActiveKdDocument(db.get());
  exercise(db.get(), data, size);
  db->setCurrentUCS(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 1, 0), OdGeVector3d(0, 0, 1));
  exercise(db.get(), data, size);
  std::string written;
  try {
    written = odDxfWriteString(db);
  } catch (...) {
    __builtin_trap();  // a save never fails on what the module let in
  }
  try {
    odDxfReadString(written, "fuzz (written).dxf");
  } catch (const OdDxfFileError&) {
    __builtin_trap();  // what the writer wrote must always read back
  }
  GetKdSystemServices()->ClearRecords();
  SetActiveKdDocument(nullptr);
  return 0;
}
