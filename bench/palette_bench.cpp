// The palette refresh a host does when the selection changes (descriptions
// and every value of 10,000 mixed entities), and the listing of as many.
// A counting allocator tells how much the getters allocate.
#include <benchmark/benchmark.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "Db/DbArc.h"
#include "Db/DbCircle.h"
#include "Db/DbDatabase.h"
#include "Db/DbEllipse.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbRay.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbXline.h"
#include "cli/KdCli.h"
#include "KdModuleLocator.h"
#include "Rx/RxClass.h"
#include "Rx/RxModule.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {
struct Selection {
  OdDbDatabasePtr db = OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach);
  std::vector<OdDbObjectPtr> objects;
  Selection() {
    static OdRxModule* module = odrxDynamicLinker()->loadModule(kdapp::modulePath());
    if (!module) std::abort();
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    for (int i = 0; i < 10000; ++i) {
      OdDbEntityPtr e;
      const double x = i * 0.5;
      switch (i % 7) {
        case 0: { OdDbLinePtr l = OdDbLine::createObject(); l->setEndPoint(OdGePoint3d(x, 1, 0)); e = l; break; }
        case 1: { OdDbCirclePtr c = OdDbCircle::createObject(); c->setCenter(OdGePoint3d(x, 0, 0)); e = c; break; }
        case 2: { OdDbArcPtr a = OdDbArc::createObject(); a->setEndAngle(2.0); e = a; break; }
        case 3: { OdDbEllipsePtr el = OdDbEllipse::createObject(); el->setEndAngle(3.0); e = el; break; }
        case 4: { OdDbPointPtr p = OdDbPoint::createObject(); p->setPosition(OdGePoint3d(x, 2, 0)); e = p; break; }
        case 5: e = OdDbRay::createObject(); break;
        default: e = OdDbXline::createObject(); break;
      }
      // Values that differ across the selection, so that rows vary.
      e->setColorIndex(OdUInt16(i % 255 + 1));
      e->setLinetypeScale(1.0 + i % 3);
      const OdDbObjectId id = ms->appendOdDbEntity(e);
      e.release();
      objects.push_back(id.openObject());
    }
    db->setCurrentUCS(OdGePoint3d(1, 2, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  }
};

Selection& selection() {
  static Selection s;
  return s;
}

void BM_PaletteRefresh(benchmark::State& state) {
  Selection& s = selection();
  long getters = 0, getterAllocations = 0;
  for (auto _ : state) {
    for (const OdDbObjectPtr& object : s.objects) {
      CKdPropertyBasePtr pe = CKdPropertyBase::cast(object->isA()->getX(CKdPropertyBase::desc()).get());
      CKdPropertiesContainer* container = nullptr;
      pe->GetPropertyNames(object, container, nullptr);
      for (int i = 0; i < container->GetCount(); ++i) {
        const long before = g_allocations.load(std::memory_order_relaxed);
        CKdVariant value = container->GetAt(i)->GetValue(object, CKdVariant());
        getterAllocations += g_allocations.load(std::memory_order_relaxed) - before;
        ++getters;
        container->GetAt(i)->IsReadOnly(object);
        benchmark::DoNotOptimize(value);
      }
      delete container;
    }
  }
  state.counters["entities"] = double(s.objects.size());
  state.counters["gettersPerRefresh"] = double(getters) / double(state.iterations());
  state.counters["allocsPerGetter"] = double(getterAllocations) / double(getters);
}
BENCHMARK(BM_PaletteRefresh)->Unit(benchmark::kMillisecond);

void BM_Listing(benchmark::State& state) {
  Selection& s = selection();
  CKdPrintRecorder recorder(s.db.get());
  recorder.SetPrintInUCS(true);
  for (auto _ : state) {
    for (const OdDbObjectPtr& object : s.objects) {
      CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
      info->PrintObjectInfo(object, &recorder);
    }
    benchmark::DoNotOptimize(recorder.Records().size());
    recorder.Clear();
  }
  state.counters["entities"] = double(s.objects.size());
}
BENCHMARK(BM_Listing)->Unit(benchmark::kMillisecond);

// Selecting all 10,000: the palette of the selection from nothing (each
// object described, rows matched by category and name, "*VARIES*" found).
void BM_SelectAll(benchmark::State& state) {
  Selection& s = selection();
  size_t rows = 0, varying = 0;
  for (auto _ : state) {
    kdcli::Palette palette(s.objects, CKdVariant());
    rows = palette.rows().size();
    varying = 0;
    for (const auto& r : palette.rows()) varying += r.varies;
    benchmark::DoNotOptimize(rows);
  }
  state.counters["entities"] = double(s.objects.size());
  state.counters["rows"] = double(rows);
  state.counters["varying"] = double(varying);
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMillisecond);

// Refreshing the palette of all 10,000 after an edit: every row's values read anew.
void BM_SelectionRefresh(benchmark::State& state) {
  Selection& s = selection();
  kdcli::Palette palette(s.objects, CKdVariant());
  for (auto _ : state) {
    palette.refresh(CKdVariant());
    benchmark::DoNotOptimize(palette.rows().data());
  }
  state.counters["entities"] = double(s.objects.size());
  state.counters["rows"] = double(palette.rows().size());
}
BENCHMARK(BM_SelectionRefresh)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
