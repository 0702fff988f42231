// Drawing files: real drawings read and written back without loss, edits
// that read back exactly, and broken files refused with file and line.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>
#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include "Db/DbDeclaredClasses.h"
#include "Db/DbField.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfRecord.h"

namespace {
std::vector<std::string> samples() {
  std::vector<std::string> out;
  for (const char* sub : {"/examples", "/edge-cases"}) {
    const std::string dir = std::string(KD_SAMPLES_DIR) + sub;
    if (DIR* d = opendir(dir.c_str())) {
      while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') out.push_back(dir + "/" + e->d_name);
      closedir(d);
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Handles of the objects that came from the file with a handle of their own
// (not those the reader made up for a drawing that lacked them).
std::set<OdUInt64> handles(OdDbDatabase* db) {
  std::set<OdUInt64> out;
  for (const OdDbObjectId& id : db->objectIds()) {
    OdDbObjectPtr object = id.openObject();
    if (object.isNull() || !object->dxfRecord()) continue;
    for (const OdDxfTag& t : object->dxfRecord()->tags)
      if (t.code == 5 || t.code == 105) {
        out.insert(OdUInt64(id.getHandle()));
        break;
      }
  }
  return out;
}

// The message of the error reading the text raises, or "" when it reads.
std::string readError(const std::string& text) {
  try {
    odDxfReadString(text, "broken.dxf");
  } catch (const OdDxfFileError& e) {
    return e.what();
  }
  return std::string();
}

const char* kLineDrawing =
    "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n100\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nAPPID\n  5\n9\n330\n0\n100\nAcDbSymbolTable\n 70\n1\n"
    "  0\nAPPID\n  5\n12\n330\n9\n100\nAcDbSymbolTableRecord\n100\nAcDbRegAppTableRecord\n  2\nKD_NOTE\n 70\n0\n"
    "  0\nENDTAB\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  5\n50\n100\nAcDbEntity\n  8\n0\n 62\n1\n999\na comment\n"
    "100\nAcDbLine\n 10\n1.5\n 20\n2.0\n 30\n0.0\n 11\n4\n 21\n6\n 31\n0\n"
    "1001\nKD_NOTE\n1000\nkept\n  0\nENDSEC\n  0\nEOF\n";
}  // namespace

TEST(DxfRoundTrip, EverySampleReadsBackWithTheSameObjectsOrIsRefusedCleanly) {
  odDbInitClasses();
  const std::vector<std::string> files = samples();
  if (files.empty()) GTEST_SKIP() << "no sample drawings at " << KD_SAMPLES_DIR;
  int read = 0, refused = 0;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db;
    try {
      db = odDxfReadFile(file);
    } catch (const OdDxfFileError& e) {
      ++refused;
      EXPECT_NE(std::string(e.what()).find(file), std::string::npos);
      EXPECT_FALSE(e.message().empty());
      continue;
    }
    ++read;
    const std::string once = odDxfWriteString(db);
    OdDbDatabasePtr again = odDxfReadString(once, file + " (written)");
    // Every handle stays; a record the file lacked (a block's) is written with the handle the block names,
    // and objects of files that give handles but lacked one with the one reading gave them.
    const std::set<OdUInt64> before = handles(db), after = handles(again);
    EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
    size_t unhandled = 0;
    for (const OdDbObjectId& id : db->objectIds()) {
      OdDbObjectPtr object = id.openObject();
      const OdDxfRecord* r = object.isNull() ? nullptr : object->dxfRecord();
      if (!r || r->implied) continue;
      bool handled = false;
      for (const OdDxfTag& t : r->tags) handled = handled || t.code == 5 || t.code == 105;
      unhandled += !handled;
    }
    EXPECT_LE(after.size(), before.size() + 1 + unhandled);
    EXPECT_EQ(odDxfWriteString(again), once);
  }
  EXPECT_GE(read, 70);
  EXPECT_LE(refused, 10);
}

TEST(DxfRoundTrip, UnknownFieldsAndExtendedDataSurviveAnEdit) {
  OdDbDatabasePtr db = odDxfReadString(kLineDrawing, "line.dxf");
  OdDbLinePtr line = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(line->startPoint(), OdGePoint3d(1.5, 2, 0));
  EXPECT_EQ(line->color().colorIndex(), 1);
  EXPECT_EQ(line->ownerId(), db->getModelSpaceId());
  ASSERT_FALSE(line->xData(L"KD_NOTE").isNull());
  line->setEndPoint(OdGePoint3d(0.1 + 0.2, 1.0 / 3.0, -1e-300));
  line->setThickness(2.5);
  line.release();
  const std::string text = odDxfWriteString(db);
  OdDbDatabasePtr back = odDxfReadString(text, "edited.dxf");
  OdDbLinePtr edited = back->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_EQ(edited->endPoint().x, 0.1 + 0.2);
  EXPECT_EQ(edited->endPoint().y, 1.0 / 3.0);
  EXPECT_EQ(edited->endPoint().z, -1e-300);
  EXPECT_EQ(edited->thickness(), 2.5);
  EXPECT_EQ(edited->startPoint(), OdGePoint3d(1.5, 2, 0));
  EXPECT_EQ(edited->color().colorIndex(), 1);
  EXPECT_EQ(edited->xData(L"KD_NOTE")->next()->getString(), OdString(L"kept"));
  // The unchanged start point keeps the file's own text.
  EXPECT_NE(text.find(" 10\n1.5\n"), std::string::npos);
}

TEST(DxfRoundTrip, TextsLongerThanAnyLineLimitSurviveAChangedObject) {
  const std::string longText(70000, 'w');
  std::string drawing = kLineDrawing;
  drawing.replace(drawing.find("1000\nkept\n"), 10, "1000\n" + longText + "\n");
  OdDbDatabasePtr db = odDxfReadString(drawing, "long.dxf");
  OdDbLinePtr line = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(line->xData(L"KD_NOTE")->next()->getString().getLength(), 70000);
  line->setColorIndex(5);
  line.release();
  const std::string text = odDxfWriteString(db);
  EXPECT_NE(text.find("1000\n" + longText + "\n"), std::string::npos);
  OdDbDatabasePtr again = odDxfReadString(text, "long2.dxf");
  OdDbLinePtr back = again->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_EQ(back->color().colorIndex(), 5);
}

TEST(DxfRoundTrip, NewDrawingWritesAFileThatReadsBack) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbPointPtr point = OdDbPoint::createObject();
  point->setPosition(OdGePoint3d(3, 4, 5));
  const OdDbObjectId id = ms->appendOdDbEntity(point);
  point.release();
  ms.release();
  db->setCurrentUCS(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "new.dxf");
  OdDbPointPtr read = back->getOdDbObjectId(id.getHandle()).safeOpenObject();
  EXPECT_EQ(read->position(), OdGePoint3d(3, 4, 5));
  EXPECT_EQ(read->ownerId(), back->getModelSpaceId());
  EXPECT_EQ(back->getUCSORG(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(back->getUCSXDIR(), OdGeVector3d(0, 1, 0));
  EXPECT_EQ(db->objectIds().size(), back->objectIds().size());
  for (const OdDbObjectId& original : db->objectIds()) {
    OdDbObjectPtr a = original.openObject();
    OdDbObjectPtr b = back->getOdDbObjectId(original.getHandle()).openObject();
    ASSERT_FALSE(b.isNull()) << original.getHandle().ascii().toUtf8();
    EXPECT_EQ(a->isA(), b->isA());
  }
}

// The header is written before the body, yet its seed lies beyond every
// handle the body gave out (blocks of a new drawing get theirs as written),
// and a drawing read back and saved is the same again.
TEST(DxfRoundTrip, TheHandleSeedLiesBeyondEveryHandleTheSaveGaveOut) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  const std::string text = odDxfWriteString(db);
  std::istringstream in(text);
  std::string code, value, previous;
  OdUInt64 seed = 0, highest = 0;
  while (std::getline(in, code) && std::getline(in, value)) {
    const int c = std::stoi(code);
    if (c == 5 && previous == "$HANDSEED") seed = std::stoull(value, nullptr, 16);
    else if (c == 5 || c == 105) highest = std::max<OdUInt64>(highest, std::stoull(value, nullptr, 16));
    if (c == 9) previous = value;
  }
  EXPECT_GT(highest, 0u);
  EXPECT_GT(seed, highest);
  const std::string again = odDxfWriteString(odDxfReadString(text, "new.dxf"));
  EXPECT_EQ(again, text);
}

TEST(DxfErrors, BrokenFilesNameTheFileAndTheLine) {
  const std::string good = kLineDrawing;
  // Truncated in the middle of the entity.
  std::string e = readError(good.substr(0, good.find(" 21\n")));
  EXPECT_NE(e.find("broken.dxf:"), std::string::npos) << e;
  EXPECT_NE(e.find("truncated"), std::string::npos) << e;
  // A group code that is not a number, on line 3.
  e = readError("  0\nSECTION\nXX\nHEADER\n");
  EXPECT_NE(e.find("broken.dxf:3: bad group code"), std::string::npos) << e;
  // A coordinate that is not a number, with its line.
  std::string badNumber = good;
  badNumber.replace(badNumber.find("1.5\n"), 3, "1.5.7");
  e = readError(badNumber);
  EXPECT_NE(e.find("bad number \"1.5.7\""), std::string::npos) << e;
  const size_t at = badNumber.find("1.5.7");
  const std::string line = std::to_string(1 + std::count(badNumber.begin(), badNumber.begin() + long(at), '\n'));
  EXPECT_NE(e.find("broken.dxf:" + line + ":"), std::string::npos) << e;
  EXPECT_NE(readError("").find("no drawing data"), std::string::npos);
  EXPECT_NE(readError("  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n").find("not closed"), std::string::npos);
  EXPECT_THROW(odDxfReadFile("/nonexistent/drawing.dxf"), OdDxfFileError);
}

TEST(DxfErrors, AFailedSaveLeavesTheOriginalUntouched) {
  char dir[] = "/tmp/kd_dxf_XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string path = std::string(dir) + "/drawing.dxf";
  { std::ofstream(path) << kLineDrawing; }
  OdDbDatabasePtr db = odDxfReadFile(path);
  chmod(dir, 0500);  // no new files in the folder: the temporary file cannot be made
  const bool canStillWrite = access(dir, W_OK) == 0;  // root ignores the mode
  if (!canStillWrite) {
    EXPECT_THROW(odDxfWriteFile(db, path), OdDxfFileError);
    EXPECT_EQ(readText(path), kLineDrawing);
  }
  chmod(dir, 0700);
  // Saving into a folder that does not exist fails before touching anything.
  EXPECT_THROW(odDxfWriteFile(db, std::string(dir) + "/missing/drawing.dxf"), OdDxfFileError);
  odDxfWriteFile(db, path);
  const std::set<OdUInt64> saved = handles(odDxfReadFile(path));
  for (OdUInt64 h : handles(db)) EXPECT_TRUE(saved.count(h)) << h;
  std::remove(path.c_str());
  rmdir(dir);
}

// Inputs the fuzzer once found troublesome: each is read or refused, and what
// reads is written in a form that reads back.
TEST(DxfRegressions, FuzzerFindingsReadOrAreRefusedCleanly) {
  const std::string dir = std::string(KD_TEST_DIR) + "/dxf/regressions";
  DIR* d = opendir(dir.c_str());
  ASSERT_NE(d, nullptr);
  int files = 0;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] == '.') continue;
    const std::string path = dir + "/" + e->d_name;
    SCOPED_TRACE(path);
    ++files;
    OdDbDatabasePtr db;
    try {
      db = odDxfReadFile(path);
    } catch (const OdDxfFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
      continue;
    }
    const std::string written = odDxfWriteString(db);
    EXPECT_NO_THROW(odDxfReadString(written, path + " (written)"));
  }
  closedir(d);
  EXPECT_GT(files, 0);
}

// A field from a drawing: its evaluator, code, children and evaluated text
// are read; a changed code is written with the value data of the file kept
// after it, and the reactors of the object stay.
TEST(DxfFields, ReadWithTheirValuesAndWrittenWithTheFilesValueData) {
  const std::string path = std::string(KD_SAMPLES_DIR) + "/examples/uncommon.dxf";
  if (!std::ifstream(path).good()) GTEST_SKIP() << "no sample drawings at " << KD_SAMPLES_DIR;
  OdDbDatabasePtr db = odDxfReadFile(path);
  OdDbObjectPtr attdef = db->getOdDbObjectId(OdDbHandle(0x5F5)).openObject();
  ASSERT_FALSE(attdef.isNull());
  OdDbFieldPtr field = OdDbField::cast(attdef->getField(L"TEXT").openObject(OdDb::kForWrite));
  ASSERT_FALSE(field.isNull());
  EXPECT_TRUE(field->isTextField());
  EXPECT_EQ(field->getFieldCode(), L"%<\\_FldIdx 0>%");
  ASSERT_EQ(field->childCount(), 1);
  OdDbFieldPtr date = OdDbField::cast(field->childId(0).openObject());
  EXPECT_EQ(date->getFieldCode(), L"\\AcVar Date \\f \"dd/MM/yyyy\"");
  EXPECT_EQ(date->getFieldCode(OdDbField::kEvaluatedText), L"21/04/2020");
  EXPECT_FALSE(date->isTextField());

  auto valueData = [](const std::string& text, const char* handle) {
    const size_t at = text.find(std::string("FIELD\n  5\n") + handle + "\n");
    const size_t from = text.find(" 97\n", at), to = text.find("\n  0\n", at);
    return text.substr(from, to - from);
  };
  const std::string before = readText(path);
  OdDbObjectIdArray children;
  children.append(field->childId(0));
  field->setFieldCode(L"Date: %<\\_FldIdx 0>%", OdDbField::kTextField, &children);
  field.release();
  const std::string after = odDxfWriteString(db);
  OdDbDatabasePtr back = odDxfReadString(after, "fields.dxf");
  OdDbFieldPtr again = OdDbField::cast(back->getOdDbObjectId(OdDbHandle(0x5F8)).openObject());
  EXPECT_EQ(again->getFieldCode(), L"Date: %<\\_FldIdx 0>%");
  EXPECT_EQ(again->childId(0).getHandle(), OdDbHandle(0x5F9));
  std::string original = before;
  original.erase(std::remove(original.begin(), original.end(), '\r'), original.end());
  EXPECT_EQ(valueData(after, "5F8"), valueData(original, "5F8"));
  EXPECT_NE(after.find("FIELD\n  5\n5F8\n102\n{ACAD_REACTORS\n330\n5F7\n102\n}"), std::string::npos);
}

// Every object of a drawing marked changed and written from its fields: what
// the file said stays said — defaults it wrote, flags beyond the modelled
// ones, names in its own case, unit vectors to the last digit — and files
// without markers get no fields they cannot hold.
TEST(DxfRoundTrip, ChangedObjectsKeepWhatTheirFileSaid) {
  const char* modern =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n100\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  5\n2\n330\n0\n100\nAcDbSymbolTable\n 70\n1\n"
      "  0\nLAYER\n  5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nSITE|Survey\n"
      " 70\n48\n 62\n3\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n"
      "  0\nLINE\n  5\n50\n100\nAcDbEntity\n  8\nsite|survey\n  6\nByLayer\n 62\n256\n"
      "100\nAcDbLine\n 39\n0.0\n 10\n1\n 20\n2\n 30\n0\n 11\n4\n 21\n6\n 31\n0\n210\n0.0\n220\n0.6\n230\n0.8\n"
      "  0\nLWPOLYLINE\n  5\n51\n100\nAcDbEntity\n  8\n0\n100\nAcDbPolyline\n 90\n2\n 70\n0\n 43\n0.0\n"
      " 10\n0\n 20\n0\n 10\n1\n 20\n1\n  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(modern, "modern.dxf");
  for (const OdDbObjectId& id : db->objectIds()) {
    OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
    if (!object.isNull() && object->dxfRecord() && !object->dxfRecord()->implied) object->assertWriteEnabled();
  }
  const std::string text = odDxfWriteString(db);
  for (const char* kept : {" 70\n48\n", "  6\nCONTINUOUS\n", "  8\nsite|survey\n", "  6\nByLayer\n", " 62\n256\n",
                           " 39\n0.0\n", "220\n0.6\n230\n0.8\n", " 43\n0.0\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  OdDbDatabasePtr back = odDxfReadString(text, "again.dxf");
  OdDbLayerTableRecordPtr layer = back->getOdDbObjectId(OdDbHandle(0x10)).safeOpenObject();
  EXPECT_TRUE(layer->isDependent());
  OdDbLinePtr line = back->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_EQ(line->layerId(), layer->objectId());
  EXPECT_EQ(line->normal().y, 0.6);

  // A file without markers: the line's new colour is written, its line weight field is not.
  const char* old =
      "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n1\n 20\n2\n 30\n0\n 11\n4\n 21\n6\n 31\n0\n"
      "  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr r12 = odDxfReadString(old, "old.dxf");
  OdDbBlockTableRecordPtr ms = r12->getModelSpaceId().safeOpenObject();
  OdDbLinePtr oldLine = ms->entityIds()[0].safeOpenObject(OdDb::kForWrite);
  oldLine->setColorIndex(5);
  oldLine->setLineWeight(OdDb::kLnWt050);
  oldLine.release();
  const std::string oldText = odDxfWriteString(r12);
  EXPECT_NE(oldText.find(" 62\n5\n"), std::string::npos);
  EXPECT_EQ(oldText.find("370"), std::string::npos);
  EXPECT_EQ(oldText.find("AcDb"), std::string::npos);
}
