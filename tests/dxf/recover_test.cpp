// Recovering damaged drawings: each kind of damage is refused by a plain
// read and repaired by a recovering one, which names the place and the
// repair; what recovery writes reads again without any repair, with every
// entity of the damaged file.
#include <gtest/gtest.h>
#include <dirent.h>
#include <functional>
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbPolyline.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfBinary.h"
#include "Rx/RxClass.h"
#include "Dxf/DxfFile.h"

namespace {
// Two lines on layer "walls", a polyline, a block with a circle and its reference.
const std::string kGood =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$HANDSEED\n5\n100\n0\nENDSEC\n"
    "0\nSECTION\n2\nTABLES\n"
    "0\nTABLE\n2\nLAYER\n5\n2\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
    "0\nLAYER\n5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\nwalls\n70\n0\n62\n3\n6\nContinuous\n"
    "0\nENDTAB\n"
    "0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
    "0\nBLOCK_RECORD\n5\n1F\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n2\n*Model_Space\n"
    "0\nBLOCK_RECORD\n5\n20\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n2\nbolt\n"
    "0\nENDTAB\n0\nENDSEC\n"
    "0\nSECTION\n2\nBLOCKS\n"
    "0\nBLOCK\n5\n21\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n2\nbolt\n70\n0\n10\n0\n20\n0\n30\n0\n3\nbolt\n"
    "0\nCIRCLE\n5\n22\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbCircle\n10\n0\n20\n0\n30\n0\n40\n0.5\n"
    "0\nENDBLK\n5\n23\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
    "0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n5\n30\n330\n1F\n100\nAcDbEntity\n8\nwalls\n100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n4\n21\n0\n31\n0\n"
    "0\nLINE\n5\n31\n330\n1F\n100\nAcDbEntity\n8\nwalls\n100\nAcDbLine\n10\n4\n20\n0\n30\n0\n11\n4\n21\n3\n31\n0\n"
    "0\nLWPOLYLINE\n5\n32\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbPolyline\n90\n3\n70\n0\n"
    "10\n0\n20\n0\n10\n2\n20\n0\n10\n2\n20\n2\n"
    "0\nINSERT\n5\n33\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n2\nbolt\n10\n1\n20\n1\n30\n0\n"
    "0\nENDSEC\n0\nEOF\n";

std::string replaced(std::string s, const std::string& from, const std::string& to) {
  const size_t at = s.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

struct Recovered {
  OdDbDatabasePtr db;
  std::vector<OdDxfRepair> repairs;
  std::string all() const {
    std::string s;
    for (const OdDxfRepair& r : repairs) s += r.text("d.dxf") + "\n";
    return s;
  }
};

Recovered recover(const std::string& content) {
  Recovered r;
  OdDxfReadOptions options;
  options.recover = true;
  options.repairs = &r.repairs;
  r.db = odDxfReadString(content, "d.dxf", options);
  return r;
}

int lineOf(const std::string& content, const std::string& text) {
  const size_t at = content.find(text);
  return 1 + int(std::count(content.begin(), content.begin() + long(at), '\n'));
}

// Entities of model space and of the block, by type.
std::map<std::string, int> entities(OdDbDatabase* db) {
  std::map<std::string, int> out;
  for (const OdDbObjectId& id : db->objectIds()) {
    OdDbEntityPtr e = OdDbEntity::cast(id.openObject());
    if (!e.isNull() && !id.isErased()) ++out[e->isA()->name().toUtf8()];
  }
  return out;
}
}  // namespace

TEST(Recover, EachDamageIsRefusedThenRepairedAndTheRepairReadsCleanly) {
  odDbInitClasses();
  const std::map<std::string, int> expected = entities(odDxfReadString(kGood, "good.dxf"));
  ASSERT_EQ(expected.at("OdDbLine"), 2);
  EXPECT_TRUE(recover(kGood).repairs.empty());
  struct Case {
    const char* name;
    std::string content;
    const char* repair;  // in the repairs' text
    std::string at;      // the line a repair names, as it starts ("" for none)
    bool refused;        // by a plain read; the others read as CAD programs read them
  };
  const std::string noEnd = kGood.substr(0, kGood.find("0\nENDSEC\n0\nEOF"));
  // The blocks before the tables that name their records.
  const size_t blocksAt = kGood.find("0\nSECTION\n2\nBLOCKS"), entitiesAt = kGood.find("0\nSECTION\n2\nENTITIES");
  const size_t tablesAt = kGood.find("0\nSECTION\n2\nTABLES");
  const std::string blocksFirst = kGood.substr(0, tablesAt) + kGood.substr(blocksAt, entitiesAt - blocksAt) +
                                  kGood.substr(tablesAt, blocksAt - tablesAt) + kGood.substr(entitiesAt);
  const Case cases[] = {
      {"the last section not closed", noEnd, "section ENTITIES is not closed at the end of the file; closed",
       "", true},
      {"a table without its head",
       replaced(kGood, "0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n330\n0\n100\nAcDbSymbolTable\n70\n1\n", ""),
       "records of table BLOCK_RECORD without their TABLE head; head added", "BLOCK_RECORD\n5\n1F", true},
      {"a table not closed", replaced(kGood, "0\nENDTAB\n0\nTABLE\n2\nBLOCK_RECORD", "0\nTABLE\n2\nBLOCK_RECORD"),
       "table LAYER is not closed; closed", "TABLE\n2\nBLOCK_RECORD", true},
      {"a block not closed", replaced(kGood, "0\nENDBLK\n5\n23\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n", ""),
       "block \"bolt\" is not closed; ENDBLK added", "", true},
      {"header variables after its end",
       replaced(kGood, "9\n$HANDSEED\n5\n100\n0\nENDSEC\n", "0\nENDSEC\n9\n$HANDSEED\n5\n100\n"),
       "header variable $HANDSEED outside the HEADER section; moved into it", "$HANDSEED", true},
      {"sections out of order", blocksFirst, "section BLOCKS out of order; the sections put in their order",
       "SECTION\n2\nBLOCKS", false},
      {"a duplicate handle", replaced(kGood, "LINE\n5\n31\n", "LINE\n5\n30\n"),
       "LINE with handle 30, which an earlier object has; given a new one", "", false},
      {"a missing handle", replaced(kGood, "LINE\n5\n31\n", "LINE\n"), "LINE without a handle; given a new one", "", false},
      {"an owner that does not exist", replaced(kGood, "LINE\n5\n31\n330\n1F\n", "LINE\n5\n31\n330\nBAD\n"),
       "LINE names owner BAD, which does not exist; owned by its space", "", false},
      {"a count that disagrees", replaced(kGood, "90\n3\n", "90\n7\n"),
       "polyline vertex count 7 where it holds 3 vertices; counted anew", "7\n70\n", false},
      {"a decimal comma", replaced(kGood, "21\n3\n", "21\n3,5\n"),
       "bad number \"3,5\" for group code 21; its decimal comma read as a point", "3,5", true},
      {"a file cut after a group code", kGood.substr(0, kGood.find("0\nEOF") + 2),
       "the file ends after group code 0 without its value; the group code left out", "", true},
      {"a line that is no group code", replaced(kGood, "0\nINSERT\n", "garbage\n0\nINSERT\n"),
       "bad group code \"garbage\"; the line left out", "garbage", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.refused) EXPECT_THROW(odDxfReadString(c.content, "d.dxf"), OdDxfFileError);
    Recovered r = recover(c.content);
    ASSERT_FALSE(r.repairs.empty());
    EXPECT_NE(r.all().find(c.repair), std::string::npos) << r.all();
    if (!c.at.empty()) {
      bool named = false;
      for (const OdDxfRepair& rep : r.repairs) named = named || rep.line == lineOf(c.content, c.at);
      EXPECT_TRUE(named) << r.all();
    }
    std::map<std::string, int> got = entities(r.db);
    if (std::string(c.name) == "a decimal comma") EXPECT_EQ(got, expected);
    EXPECT_EQ(got.at("OdDbLine"), 2);
    EXPECT_EQ(got.at("OdDbCircle"), 1);
    // What recovery writes reads without repair, with every entity.
    const std::string written = odDxfWriteString(r.db);
    OdDbDatabasePtr again;
    ASSERT_NO_THROW(again = odDxfReadString(written, "written.dxf"));
    EXPECT_EQ(entities(again), got);
    EXPECT_TRUE(recover(written).repairs.empty()) << recover(written).all();
  }
}

TEST(Recover, RepairedValuesAreThoseTheDamagedFileMeant) {
  odDbInitClasses();
  // The decimal comma: the line ends at 4, 3.5.
  Recovered r = recover(replaced(kGood, "21\n3\n", "21\n3,5\n"));
  OdDbLinePtr line = r.db->getOdDbObjectId(OdDbHandle(OdUInt64(0x31))).safeOpenObject();
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 3.5, 0));
  // The polyline keeps its three vertices.
  r = recover(replaced(kGood, "90\n3\n", "90\n7\n"));
  OdDbPolylinePtr poly = r.db->getOdDbObjectId(OdDbHandle(OdUInt64(0x32))).safeOpenObject();
  EXPECT_EQ(poly->numVerts(), 3u);
  // The duplicate keeps its geometry under a new handle; the first keeps the handle.
  r = recover(replaced(kGood, "LINE\n5\n31\n", "LINE\n5\n30\n"));
  line = r.db->getOdDbObjectId(OdDbHandle(OdUInt64(0x30))).safeOpenObject();
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 0, 0));
  int lines = 0;
  for (const OdDbObjectId& id : r.db->objectIds())
    if (!OdDbLine::cast(id.openObject()).isNull()) ++lines;
  EXPECT_EQ(lines, 2);
  // The line whose owner did not exist is in model space and is written so.
  r = recover(replaced(kGood, "LINE\n5\n31\n330\n1F\n", "LINE\n5\n31\n330\nBAD\n"));
  line = r.db->getOdDbObjectId(OdDbHandle(OdUInt64(0x31))).safeOpenObject();
  EXPECT_EQ(line->ownerId(), r.db->getModelSpaceId());
  EXPECT_EQ(odDxfWriteString(r.db).find("BAD"), std::string::npos);
}

TEST(Recover, ADamagedBinaryFileKeepsWhatPrecedesTheDamage) {
  odDbInitClasses();
  const std::string binary = odDxfTextToBinary(kGood, false);
  const std::string cut = binary.substr(0, binary.find(std::string("INSERT\0", 7)) + 3);
  EXPECT_THROW(odDxfReadString(cut, "d.dxf"), OdDxfFileError);
  Recovered r = recover(cut);
  ASSERT_FALSE(r.repairs.empty());
  EXPECT_GE(r.repairs.front().byteOffset, 22);
  EXPECT_NE(r.all().find("d.dxf: byte "), std::string::npos) << r.all();
  EXPECT_NE(r.all().find("the file ends inside the text of group code 0 (truncated); what follows is left out"),
            std::string::npos) << r.all();
  EXPECT_EQ(entities(r.db).at("OdDbLine"), 2);
  EXPECT_EQ(entities(r.db).count("OdDbBlockReference"), 0u);
  // Saved as read: binary, and it reads without repair.
  const std::string written = odDxfWriteString(r.db);
  EXPECT_TRUE(odDxfIsBinary(written));
  EXPECT_TRUE(recover(written).repairs.empty()) << recover(written).all();
}

TEST(Recover, TextThatIsNoDrawingIsStillRefused) {
  std::string lines;
  for (int i = 0; i < 50; ++i) lines += "EXTENTS,1\n0.0,8.0\n";
  EXPECT_THROW(recover(lines), OdDxfFileError);
}

TEST(Recover, EverySampleDrawingRecoversToOneThatNeedsNoRepair) {
  odDbInitClasses();
  int checked = 0, repaired = 0;
  for (const char* sub : {"/examples", "/edge-cases", "/corpus/librecad", "/corpus/libredwg", "/corpus/openscad",
                          "/corpus/qcad", "/dynamic-blocks"}) {
    const std::string dir = std::string(KD_SAMPLES_DIR) + sub;
    DIR* d = opendir(dir.c_str());
    if (!d) continue;
    std::vector<std::string> names;
    while (dirent* e = readdir(d)) names.push_back(e->d_name);
    closedir(d);
    for (const std::string& name : names) {
      if (name.size() < 5 || (name.substr(name.size() - 4) != ".dxf" && name.substr(name.size() - 4) != ".DXF")) continue;
      SCOPED_TRACE(dir + "/" + name);
      std::vector<OdDxfRepair> repairs;
      OdDxfReadOptions options;
      options.recover = true;
      options.repairs = &repairs;
      OdDbDatabasePtr db;
      try {
        db = odDxfReadFile(dir + "/" + name, options);
      } catch (const OdDxfFileError&) {
        continue;  // no drawing at all
      }
      ++checked;
      repaired += !repairs.empty();
      const Recovered again = recover(odDxfWriteString(db));
      EXPECT_TRUE(again.repairs.empty()) << again.all();
    }
  }
  if (checked == 0) GTEST_SKIP() << "no sample drawings here";
  EXPECT_GT(checked, 200);
  EXPECT_LT(repaired, checked / 10);  // the samples are mostly sound: repairs are for damage only
}
