// Drawing-file throughput: reading and writing a large generated drawing.
// Run with the file to measure as KD_BENCH_DXF, or let it make one of
// KD_BENCH_MB megabytes (default 64).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"

namespace {
// A drawing of about the given size: lines and points with odd coordinates.
std::string generated(size_t bytes) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  const size_t count = bytes / 190;
  for (size_t i = 0; i < count; ++i) {
    const double x = double(i) * 0.731, y = double(i % 977) / 7.0;
    if (i % 4 == 3) {
      OdDbPointPtr p = OdDbPoint::createObject();
      p->setPosition(OdGePoint3d(x, y, 0.5));
      ms->appendOdDbEntity(p);
    } else {
      OdDbLinePtr l = OdDbLine::createObject();
      l->setStartPoint(OdGePoint3d(x, y, 0));
      l->setEndPoint(OdGePoint3d(x + 1.0 / 3.0, y - 2.5, 0));
      ms->appendOdDbEntity(l);
    }
  }
  ms.release();
  return odDxfWriteString(db);
}

const std::string& drawing() {
  static const std::string text = [] {
    if (const char* path = std::getenv("KD_BENCH_DXF")) {
      std::ifstream in(path, std::ios::binary);
      std::ostringstream s;
      s << in.rdbuf();
      return s.str();
    }
    const char* mb = std::getenv("KD_BENCH_MB");
    return generated(size_t(mb ? std::atoi(mb) : 64) << 20);
  }();
  return text;
}

long peakKilobytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

// The yardstick: a bare tokenizer that splits the lines, parses every group
// code and every floating-point value with std::from_chars, and keeps nothing.
// No reader that keeps the drawing can be faster.
bool isReal(int code) {
  return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
         (code >= 460 && code <= 469) || (code >= 1010 && code <= 1059);
}

size_t bareTokenize(const std::string& text, double& sum) {
  const char* p = text.data();
  const char* const end = p + text.size();
  size_t tags = 0;
  while (p < end) {
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
    if (!nl) break;
    while (*p == ' ') ++p;
    int code = 0;
    std::from_chars(p, nl, code);
    p = nl + 1;
    const char* vnl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
    const char* valueEnd = vnl ? vnl : end;
    if (isReal(code)) {
      const char* v = p;
      while (v < valueEnd && *v == ' ') ++v;
      double d = 0;
      std::from_chars(v, valueEnd, d);
      sum += d;
    }
    p = vnl ? vnl + 1 : end;
    ++tags;
  }
  return tags;
}

void BM_BareTokenizer(benchmark::State& state) {
  const std::string& text = drawing();
  size_t tags = 0;
  for (auto _ : state) {
    double sum = 0;
    tags = bareTokenize(text, sum);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
  state.counters["tags"] = double(tags);
}
BENCHMARK(BM_BareTokenizer)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DxfRead(benchmark::State& state) {
  const std::string& text = drawing();
  const long before = peakKilobytes();
  size_t objects = 0;
  for (auto _ : state) {
    OdDbDatabasePtr db = odDxfReadString(text, "bench.dxf");
    benchmark::DoNotOptimize(db.get());
    // Closing the drawing is not part of opening it.
    state.PauseTiming();
    objects = db->objectIds().size();
    db.release();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
  state.counters["objects"] = double(objects);
  state.counters["fileMB"] = double(text.size()) / 1e6;
  // Growth of the peak beyond what the text itself holds, per byte of file.
  state.counters["peakPerFileByte"] = double(peakKilobytes() - before) * 1024.0 / double(text.size());
}
BENCHMARK(BM_DxfRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// For comparison: every object's fields read at once, and a read after which
// every object is opened (what a listing of the whole drawing costs).
void readRepeatedly(benchmark::State& state, const OdDxfReadOptions& options, bool openAll) {
  const std::string& text = drawing();
  for (auto _ : state) {
    OdDbDatabasePtr db = odDxfReadString(text, "bench.dxf", options);
    if (openAll)
      for (const OdDbObjectId& id : db->objectIds()) benchmark::DoNotOptimize(id.openObject().get());
    benchmark::DoNotOptimize(db.get());
    state.PauseTiming();
    db.release();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void BM_DxfReadAtOnce(benchmark::State& state) {
  OdDxfReadOptions options;
  options.deferFields = false;
  readRepeatedly(state, options, false);
}
BENCHMARK(BM_DxfReadAtOnce)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DxfReadOpenAll(benchmark::State& state) { readRepeatedly(state, OdDxfReadOptions(), true); }
BENCHMARK(BM_DxfReadOpenAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DxfWrite(benchmark::State& state) {
  OdDbDatabasePtr db = odDxfReadString(drawing(), "bench.dxf");
  size_t bytes = 0;
  for (auto _ : state) {
    std::string out = odDxfWriteString(db);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_DxfWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Writing after an edit of every entity: the merge of modelled fields.
void BM_DxfWriteEdited(benchmark::State& state) {
  OdDbDatabasePtr db = odDxfReadString(drawing(), "bench.dxf");
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  for (const OdDbObjectId& id : ms->entityIds()) {
    OdDbEntityPtr e = id.safeOpenObject(OdDb::kForWrite);
    e->setColorIndex(3);
  }
  size_t bytes = 0;
  for (auto _ : state) {
    std::string out = odDxfWriteString(db);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_DxfWriteEdited)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Writing with every object changed, as "save --rewrite" does: each object
// writes its modelled fields merged with what the file held beyond them.
void BM_DxfWriteRewritten(benchmark::State& state) {
  OdDbDatabasePtr db = odDxfReadString(drawing(), "bench.dxf");
  const OdDbObjectIdArray ids = db->objectIds();
  size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const OdDbObjectId& id : ids) {
      OdDbObjectPtr o = id.openObject(OdDb::kForWrite);
      if (!o.isNull()) o->assertWriteEnabled();
    }
    state.ResumeTiming();
    std::string out = odDxfWriteString(db);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_DxfWriteRewritten)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}  // namespace

BENCHMARK_MAIN();
