// Every object keeps the handle its file gave it: handles that a file gives
// once name that object after reading, whatever the file gave others.
#include <gtest/gtest.h>
#include <dirent.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include "Db/DbDeclaredClasses.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfRecord.h"

namespace {
void collect(const std::string& dir, std::vector<std::string>& out) {
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  while (dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name[0] == '.') continue;
    const std::string path = dir + "/" + name;
    if (e->d_type == DT_DIR) collect(path, out);
    else if (name.size() > 4 && (name.substr(name.size() - 4) == ".dxf" || name.substr(name.size() - 4) == ".DXF"))
      out.push_back(path);
  }
  closedir(d);
}

std::string trim(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return s.substr(i);
}

// Type by handle for each object the file gives a handle only it has,
// read straight from the file's lines.
std::map<std::string, std::string> uniqueHandles(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string code, value, type;
  bool own = false;  // the record's own handle is its first (sort tables hold more)
  std::map<std::string, std::pair<std::string, int>> seen;
  while (std::getline(in, code) && std::getline(in, value)) {
    code = trim(code);
    value = trim(value);
    if (code == "0") {
      type = value;
      own = true;
      if (value == "EOF") break;
    } else if (own && ((code == "5" && type != "DIMSTYLE") || (code == "105" && type == "DIMSTYLE"))) {
      own = false;
      std::transform(value.begin(), value.end(), value.begin(), ::toupper);
      value.erase(0, std::min(value.find_first_not_of('0'), value.size() - 1));
      auto& entry = seen[value];
      entry.first = type;
      ++entry.second;
    }
  }
  std::map<std::string, std::string> out;
  for (const auto& [handle, entry] : seen)
    if (entry.second == 1 && handle != "0") out[handle] = entry.first;
  return out;
}
}  // namespace

TEST(DxfIdentity, EveryHandleAFileGivesOnceNamesItsOwnObject) {
  odDbInitClasses();
  std::vector<std::string> files;
  collect(KD_SAMPLES_DIR, files);
  if (files.empty()) GTEST_SKIP() << "no sample drawings at " << KD_SAMPLES_DIR;
  std::sort(files.begin(), files.end());
  int checked = 0, drawings = 0;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db;
    try {
      db = odDxfReadFile(file);
    } catch (const OdDxfFileError&) {
      continue;
    }
    ++drawings;
    for (const auto& [handle, type] : uniqueHandles(file)) {
      // A block's BLOCK and ENDBLK belong to its record, and the header's seed is no object.
      if (type == "BLOCK" || type == "ENDBLK" || type == "SECTION") continue;
      OdDbObjectPtr object = db->getOdDbObjectId(OdDbHandle(OdString::fromUtf8(handle))).openObject();
      ASSERT_FALSE(object.isNull()) << handle << " " << type;
      ASSERT_NE(object->dxfRecord(), nullptr) << handle;
      std::string got(object->database()->dxfDocument()->text.text(object->dxfRecord()->type));
      EXPECT_EQ(trim(got), type) << "handle " << handle;
      ++checked;
    }
    // Objects without a handle of their own get one that no other object has.
    std::map<OdUInt64, int> count;
    for (const OdDbObjectId& id : db->objectIds()) ++count[OdUInt64(id.getHandle())];
    for (const auto& [handle, n] : count) EXPECT_EQ(n, 1) << std::hex << handle;
  }
  EXPECT_GE(drawings, 240);
  EXPECT_GE(checked, 50000);
}
