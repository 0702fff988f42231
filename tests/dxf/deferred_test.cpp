// Entities whose fields are read when first opened: the drawing they make is
// the one an at-once reading makes, whatever happens before they are opened,
// and a file whose numbers do not read is refused when it is read.
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <sstream>
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbText.h"
#include "Dxf/DxfFile.h"
#include "Rx/RxClass.h"
#include "SampleDrawings.h"

namespace {
std::vector<std::string> samples() {
  std::vector<std::string> out = kdDrawingsIn(std::string(KD_SAMPLES_DIR) + "/examples");
  for (const std::string& path : kdDrawingsIn(std::string(KD_SAMPLES_DIR) + "/edge-cases")) out.push_back(path);
  return out;
}

OdDbDatabasePtr read(const std::string& text, bool defer) {
  OdDxfReadOptions options;
  options.deferFields = defer;
  return odDxfReadString(text, "drawing.dxf", options);
}

// Every object opened for a change, then the drawing written from the fields.
std::string rewritten(OdDbDatabase* db) {
  for (const OdDbObjectId& id : db->objectIds()) {
    OdDbObjectPtr o = id.openObject(OdDb::kForWrite);
    if (!o.isNull()) o->assertWriteEnabled();
  }
  return odDxfWriteString(db);
}

// What the database tells of an object beyond its file fields: class,
// owner, extension dictionary, reactors, extended data, an entity's layer.
std::string described(const OdDbObjectId& id) {
  OdDbObjectPtr o = id.openObject();
  if (o.isNull()) return "-";
  std::string out = o->isA()->name().toUtf8() + " owner " + o->ownerId().getHandle().ascii().toUtf8() + " dict " +
                    o->extensionDictionary().getHandle().ascii().toUtf8();
  for (const OdDbObjectId& r : o->getPersistentReactors()) out += " reactor " + r.getHandle().ascii().toUtf8();
  for (OdResBufPtr rb = o->xData(); !rb.isNull(); rb = rb->next())
    out += " x" + std::to_string(rb->restype()) + "=" + rb->getString().toUtf8() + std::to_string(rb->getDouble()) +
           std::to_string(rb->getInt32());
  if (OdDbEntityPtr e = OdDbEntity::cast(o); !e.isNull())
    out += " layer " + e->layer().toUtf8() + " colour " + std::to_string(e->colorIndex());
  return out;
}

// A drawing of release 2000: layers "0" and "Walls", style "Standard" and
// "Notes", and entities in model space.
std::string drawing(const std::string& entities) {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n400\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n"
         "  0\nTABLE\n  2\nLAYER\n  5\n2\n100\nAcDbSymbolTable\n 70\n2\n"
         "  0\nLAYER\n  5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\n0\n 70\n0\n 62\n7\n  6\nContinuous\n"
         "  0\nLAYER\n  5\n11\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nWalls\n 70\n0\n 62\n1\n  6\nContinuous\n"
         "  0\nENDTAB\n"
         "  0\nTABLE\n  2\nSTYLE\n  5\n3\n100\nAcDbSymbolTable\n 70\n2\n"
         "  0\nSTYLE\n  5\n20\n330\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n  2\nStandard\n 70\n0\n 40\n0.0\n 41\n1.0\n 50\n0.0\n 71\n0\n 42\n2.5\n  3\ntxt\n  4\n\n"
         "  0\nSTYLE\n  5\n21\n330\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n  2\nNotes\n 70\n0\n 40\n0.0\n 41\n1.0\n 50\n0.0\n 71\n0\n 42\n2.5\n  3\ntxt\n  4\n\n"
         "  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

std::string line(const char* handle, const char* layer, const char* x, const char* y = "2.0", const char* z = "0.0") {
  return std::string("  0\nLINE\n  5\n") + handle + "\n100\nAcDbEntity\n  8\n" + layer + "\n100\nAcDbLine\n 10\n" + x +
         "\n 20\n" + y + "\n 30\n" + z + "\n 11\n5.0\n 21\n6.0\n 31\n0.0\n";
}

std::string text(const char* handle, const char* style) {
  return std::string("  0\nTEXT\n  5\n") + handle + "\n100\nAcDbEntity\n  8\nWalls\n100\nAcDbText\n 10\n1.0\n 20\n1.0\n 30\n0.0\n" +
         " 40\n0.5\n  1\nNorth\n  7\n" + style + "\n100\nAcDbText\n";
}
}  // namespace

// Each sample read both ways gives the same drawing: written unchanged, and
// with every object written from its fields after the entities were opened
// one by one in reverse order (each made alone, not all at once).
TEST(DeferredReading, EverySampleMakesTheDrawingAnAtOnceReadingMakes) {
  // One of our own: a line with extended data, an extension dictionary and a reactor.
  const std::string own = drawing(line("100", "Walls", "1.0") +
                                  "  0\nLINE\n  5\n101\n102\n{ACAD_REACTORS\n330\n100\n102\n}\n102\n{ACAD_XDICTIONARY\n360\n300\n"
                                  "102\n}\n100\nAcDbEntity\n  8\nWalls\n 62\n3\n100\nAcDbLine\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n1\n 31\n0\n"
                                  "1001\nACAD\n1000\nnote\n1040\n2.5\n1070\n7\n") +
                          "";
  std::string withObjects = own;
  withObjects.insert(withObjects.find("  0\nEOF"), "  0\nSECTION\n  2\nOBJECTS\n  0\nDICTIONARY\n  5\nC\n330\n0\n100\nAcDbDictionary\n"
                                                   "  0\nDICTIONARY\n  5\n300\n330\n101\n100\nAcDbDictionary\n  0\nENDSEC\n");
  std::vector<std::string> files = samples();
  if (files.empty()) GTEST_SKIP() << "no sample drawings at " << KD_SAMPLES_DIR;
  files.insert(files.begin(), "");
  int compared = 0;
  for (const std::string& path : files) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    if (path.empty()) s << withObjects;
    else s << in.rdbuf();
    OdDbDatabasePtr deferred, atOnce;
    try {
      deferred = read(s.str(), true);
      atOnce = read(s.str(), false);
    } catch (const OdDxfFileError&) {
      continue;  // refused either way (the refusals are tested elsewhere)
    }
    SCOPED_TRACE(path);
    EXPECT_EQ(odDxfWriteString(deferred), odDxfWriteString(atOnce));
    const OdDbObjectIdArray ids = deferred->objectIds(), others = atOnce->objectIds();
    ASSERT_EQ(ids.size(), others.size());
    for (unsigned i = ids.size(); i-- > 0;) EXPECT_EQ(described(ids[i]), described(others[i]));
    EXPECT_EQ(rewritten(deferred), rewritten(atOnce));
    ++compared;
  }
  EXPECT_GT(compared, 60);
}

// A record renamed, erased or added before an entity naming it is opened:
// the entity keeps the record its file named.
TEST(DeferredReading, RecordChangesBeforeTheFirstOpeningKeepWhatTheFileNamed) {
  const std::string file = drawing(line("100", "Walls", "1.0") + line("101", "Doors", "1.5") + text("102", "Notes"));
  OdDbDatabasePtr db = read(file, true);
  const OdDbObjectId walls = db->getOdDbObjectId(OdDbHandle(0x11));
  {
    OdDbSymbolTableRecordPtr layer = walls.safeOpenObject(OdDb::kForWrite);
    ASSERT_EQ(layer->setName(L"Old walls"), eOk);
    OdDbSymbolTableRecordPtr style = db->getOdDbObjectId(OdDbHandle(0x21)).safeOpenObject(OdDb::kForWrite);
    ASSERT_EQ(style->setName(L"Old notes"), eOk);
  }
  // A new layer of the name a line gave but the file did not hold.
  OdDbLayerTableRecordPtr doors = OdDbLayerTableRecord::createObject();
  doors->setName(L"Doors");
  OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbObjectId doorsId;
  ASSERT_EQ(layers->add(doors, doorsId), eOk);
  layers.release();

  OdDbEntityPtr first = db->getOdDbObjectId(OdDbHandle(0x100)).safeOpenObject();
  EXPECT_EQ(first->layerId(), walls);
  EXPECT_EQ(first->layer(), L"Old walls");
  OdDbEntityPtr second = db->getOdDbObjectId(OdDbHandle(0x101)).safeOpenObject();
  EXPECT_NE(second->layerId(), doorsId);
  OdDbTextPtr note = db->getOdDbObjectId(OdDbHandle(0x102)).safeOpenObject();
  EXPECT_EQ(note->textStyle(), db->getOdDbObjectId(OdDbHandle(0x21)));

  // A record erased: the entity still names it, as one read at once does.
  OdDbDatabasePtr other = read(file, true);
  OdDbObjectPtr(other->getOdDbObjectId(OdDbHandle(0x11)).safeOpenObject(OdDb::kForWrite))->erase();
  OdDbEntityPtr onErased = other->getOdDbObjectId(OdDbHandle(0x100)).safeOpenObject();
  EXPECT_EQ(onErased->layerId(), other->getOdDbObjectId(OdDbHandle(0x11)));
}

// Numbers in forms a quick look cannot vouch for are read exactly (their
// entity is read at once); numbers that do not read refuse the file when it
// is read, naming the line, whichever entity holds them.
TEST(DeferredReading, NumbersAreCheckedWhenTheFileIsRead) {
  OdDbDatabasePtr db = read(drawing(line("100", "0", "+1.5", ".25", "1E2") + line("101", "0", "-0", "1e-300", "12345678901234567890")), true);
  OdDbLinePtr odd = db->getOdDbObjectId(OdDbHandle(0x100)).safeOpenObject();
  EXPECT_EQ(odd->startPoint(), OdGePoint3d(1.5, 0.25, 100.0));
  OdDbLinePtr far = db->getOdDbObjectId(OdDbHandle(0x101)).safeOpenObject();
  EXPECT_EQ(far->startPoint().y, 1e-300);
  EXPECT_EQ(far->startPoint().z, 12345678901234567890.0);

  for (const char* bad : {"1.5x", "1,5", "1e999", "nan", ""}) {
    SCOPED_TRACE(bad);
    const std::string file = drawing(line("100", "0", "1.0") + line("101", "0", "2.0", bad));
    try {
      read(file, true);
      ADD_FAILURE() << "read";
    } catch (const OdDxfFileError& e) {
      // The y of the second line: its value line.
      const size_t at = file.find("  5\n101\n");
      const int lineNo = int(std::count(file.begin(), file.begin() + long(at), '\n')) + 12;
      EXPECT_EQ(e.line(), lineNo) << e.what();
      EXPECT_NE(std::string(e.what()).find("bad number"), std::string::npos) << e.what();
    }
  }
  // A bad colour number in an entity, and one in its extended data.
  for (const char* bad : {" 62\n1x\n", "1001\nACAD\n1070\n12.5.1\n"}) {
    std::string file = drawing(line("100", "0", "1.0"));
    if (bad[1] == '6') file.insert(file.find("100\nAcDbLine"), bad);
    else file.insert(file.find("  0\nENDSEC\n  0\nEOF"), bad);
    EXPECT_THROW(read(file, true), OdDxfFileError) << bad;
  }
}

// Entities added to a space leave the others unread (a space is a record
// no entity looks up by name); a layer renamed reads them all first.
TEST(DeferredReading, OnlyChangesToRecordsThatEntitiesNameReadThemAll) {
  OdDbDatabasePtr db = read(drawing(line("100", "Walls", "1.0") + line("101", "Walls", "2.0") + text("102", "Notes")), true);
  ASSERT_EQ(db->deferredCount(), 3u);
  {
    OdDbBlockTableRecordPtr model = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbLinePtr added = OdDbLine::createObject();
    added->setLayer(db->getOdDbObjectId(OdDbHandle(0x11)));
    model->appendOdDbEntity(added);
  }
  OdDbLinePtr opened = db->getOdDbObjectId(OdDbHandle(0x100)).safeOpenObject();
  EXPECT_EQ(opened->startPoint().x, 1.0);
  EXPECT_EQ(db->deferredCount(), 2u);
  opened.release();
  OdDbSymbolTableRecordPtr walls = db->getOdDbObjectId(OdDbHandle(0x11)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(db->deferredCount(), 0u);
  walls->setName(L"Outer walls");
  walls.release();
  OdDbLinePtr second = db->getOdDbObjectId(OdDbHandle(0x101)).safeOpenObject();
  EXPECT_EQ(second->layer(), L"Outer walls");
  EXPECT_EQ(second->startPoint().x, 2.0);
}

// Opening a deferred entity for a change, erasing it, and saving.
TEST(DeferredReading, AnEntityErasedBeforeItWasEverReadIsGoneFromTheSave) {
  OdDbDatabasePtr db = read(drawing(line("100", "Walls", "1.0") + line("101", "Walls", "7.0")), true);
  OdDbObjectPtr(db->getOdDbObjectId(OdDbHandle(0x100)).safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x100)).isErased());
  EXPECT_FALSE(db->getOdDbObjectId(OdDbHandle(0x101)).isErased());
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "saved.dxf");
  EXPECT_TRUE(back->getOdDbObjectId(OdDbHandle(0x100)).isNull());
  OdDbLinePtr kept = back->getOdDbObjectId(OdDbHandle(0x101)).safeOpenObject();
  EXPECT_EQ(kept->startPoint().x, 7.0);
  EXPECT_EQ(kept->layer(), L"Walls");
}
