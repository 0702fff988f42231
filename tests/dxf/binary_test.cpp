// Binary drawing files: the sample drawings survive a trip through the
// binary form with every tag's value; files cut anywhere are refused at a
// byte offset; numbers keep their bits; R12's one-byte group codes.
#include <gtest/gtest.h>
#include <dirent.h>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include "Db/DbLine.h"
#include "Dxf/DxfBinary.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfTags.h"
#include "SampleDrawings.h"

namespace {
std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}


// A text file's tags, comments left out, values trimmed.
std::vector<std::pair<int, std::string>> tagsOf(const std::string& text) {
  std::vector<std::pair<int, std::string>> out;
  std::istringstream in(text);
  std::string code, value;
  auto trim = [](std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    size_t i = s.find_first_not_of(" \t");
    return i == std::string::npos ? std::string() : s.substr(i);
  };
  while (std::getline(in, code) && std::getline(in, value)) {
    const int c = std::stoi(trim(code));
    if (c != 999) out.emplace_back(c, trim(value));
  }
  return out;
}

// Whether two texts of a group code hold the same value.
bool sameValue(int code, const std::string& a, const std::string& b) {
  if (a == b) return true;
  const OdDxfKind kind = odDxfKindOf(code);
  if (kind == OdDxfKind::kDouble) {
    double x = 1, y = 2;
    std::from_chars(a.data(), a.data() + a.size(), x);
    std::from_chars(b.data(), b.data() + b.size(), y);
    return x == y;
  }
  if (kind == OdDxfKind::kInt16 || kind == OdDxfKind::kInt32 || kind == OdDxfKind::kInt64 || kind == OdDxfKind::kBool)
    return std::stoll(a) == std::stoll(b);
  if (kind == OdDxfKind::kHex) {
    std::string x = a, y = b;
    for (char& c : x) c = char(std::toupper((unsigned char)c));
    for (char& c : y) c = char(std::toupper((unsigned char)c));
    return x == y;
  }
  return false;
}

std::string readError(const std::string& content) {
  try {
    odDxfReadString(content, "cut.dxf");
  } catch (const OdDxfFileError& e) {
    return e.what();
  }
  return std::string();
}
}  // namespace

TEST(BinaryDxf, EverySampleDrawingSurvivesTheBinaryForm) {
  int checked = 0;
  for (const char* sub : {"/examples", "/edge-cases"})
    for (const std::string& path : kdDrawingsIn(std::string(KD_SAMPLES_DIR) + sub)) {
      SCOPED_TRACE(path);
      OdDbDatabasePtr db;
      try {
        db = odDxfReadFile(path);
      } catch (const OdDxfFileError&) {
        continue;  // damaged drawings have their own tests
      }
      const std::string text = odDxfWriteString(db, OdDxfFormat::kAscii);
      const std::string binary = odDxfWriteString(db, OdDxfFormat::kBinary);
      ASSERT_TRUE(odDxfIsBinary(binary));
      OdDbDatabasePtr back = odDxfReadString(binary, "back.dxf");
      // Read from binary, saved as read: binary again, byte for byte.
      EXPECT_EQ(odDxfWriteString(back), binary);
      const auto before = tagsOf(text), after = tagsOf(odDxfWriteString(back, OdDxfFormat::kAscii));
      ASSERT_EQ(before.size(), after.size());
      for (size_t i = 0; i < before.size(); ++i) {
        ASSERT_EQ(before[i].first, after[i].first) << "tag " << i;
        ASSERT_TRUE(sameValue(before[i].first, before[i].second, after[i].second))
            << "tag " << i << " code " << before[i].first << ": " << before[i].second << " / " << after[i].second;
      }
      ++checked;
    }
  if (checked == 0) GTEST_SKIP() << "no sample drawings here";
  EXPECT_GT(checked, 60);
}

TEST(BinaryDxf, TheSampleBinaryFilesReadAndSaveAsTheyCame) {
  for (const char* name : {"bin_dxf_r12", "bin_dxf_r13", "bin_dxf_r14", "bin_dxf_r2000"}) {
    const std::string path = std::string(KD_SAMPLES_DIR) + "/edge-cases/" + name + ".dxf";
    const std::string content = readText(path);
    if (content.empty()) GTEST_SKIP() << "no sample drawings here";
    SCOPED_TRACE(name);
    OdDbDatabasePtr db = odDxfReadFile(path);
    EXPECT_EQ(odDxfWriteString(db), content);
    // Through text and back: the same bytes.
    OdDbDatabasePtr text = odDxfReadString(odDxfWriteString(db, OdDxfFormat::kAscii), "text.dxf");
    EXPECT_FALSE(odDxfIsBinary(odDxfWriteString(text)));
    EXPECT_EQ(odDxfWriteString(text, OdDxfFormat::kBinary), content);
  }
}

TEST(BinaryDxf, AFileCutAnywhereIsRefusedAtAByteOffset) {
  for (const char* name : {"bin_dxf_r12", "bin_dxf_r2000"}) {
    const std::string content = readText(std::string(KD_SAMPLES_DIR) + "/edge-cases/" + name + ".dxf");
    if (content.empty()) GTEST_SKIP() << "no sample drawings here";
    SCOPED_TRACE(name);
    int refused = 0;
    for (size_t cut = 22; cut < content.size(); ++cut) {
      try {
        odDxfReadString(content.substr(0, cut), "cut.dxf");
      } catch (const OdDxfFileError& e) {
        ++refused;
        ASSERT_GE(e.byteOffset(), 0) << cut << ": " << e.what();
        ASSERT_LE(e.byteOffset(), (long long)cut) << e.what();
        ASSERT_EQ(std::string(e.what()).rfind("cut.dxf: byte " + std::to_string(e.byteOffset()) + ": ", 0), 0u);
      }
    }
    // Only cuts after the last section's end leave a readable drawing.
    EXPECT_GT(refused, int(content.size()) - 40);
  }
  // A value cut short names where its tag starts.
  std::string bin = odDxfTextToBinary("  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\n1.5\n", false);
  const size_t tenAt = bin.size() - 10;  // two bytes of code, eight of value
  std::string e = readError(bin.substr(0, bin.size() - 3));
  EXPECT_NE(e.find("cut.dxf: byte " + std::to_string(tenAt) + ": the file ends inside the value of group code 10"),
            std::string::npos) << e;
  // A group code past the last one there is.
  bin[tenAt] = char(0x40), bin[tenAt + 1] = char(0x1f);
  e = readError(bin);
  EXPECT_NE(e.find("byte " + std::to_string(tenAt) + ": bad group code 8000"), std::string::npos) << e;
  // A structure error of a complete file names the offset of the tag.
  bin = odDxfTextToBinary("  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n", false);
  e = readError(bin);
  EXPECT_NE(e.find("byte 43"), std::string::npos) << e;  // the last tag there is, where the file stops
  EXPECT_NE(e.find("not closed"), std::string::npos) << e;
}

TEST(BinaryDxf, NumbersKeepTheirBitsAndTextsTheirBytes) {
  const std::string text =
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2A\n8\nLayer ^J two lines\n10\n0.1\n20\n-0\n30\n5e-324\n11\n1.7976931348623157e+308\n"
      "21\n-123456.789\n31\n3.3333333333333335\n62\n-32768\n90\n-2147483648\n160\n-9223372036854775807\n290\n1\n"
      "310\n00FF10A0\n1001\nKD_NOTE\n1000\nä é\n1004\nCAFE\n1071\n2147483647\n0\nENDSEC\n0\nEOF\n";
  const std::string binary = odDxfTextToBinary(text, false);
  std::vector<uint32_t> offsets;
  EXPECT_EQ(odDxfBinaryToText(binary, &offsets), text);
  ASSERT_EQ(offsets.size(), 22u);
  EXPECT_EQ(offsets[0], 22u);
  // The line break inside the layer name is a byte of the binary file.
  EXPECT_NE(binary.find(std::string("Layer \n two lines\0", 18)), std::string::npos);
  // More than 255 bytes of one chunk go in several tags.
  const std::string big = odDxfTextToBinary("310\n" + std::string(600, 'A') + "\n", false);
  EXPECT_EQ(odDxfBinaryToText(big), "310\n" + std::string(510, 'A') + "\n310\n" + std::string(90, 'A') + "\n");
  // Values without a binary form are refused, not changed.
  EXPECT_THROW(odDxfTextToBinary("10\n1,5\n", false), OdDxfBinaryError);
  EXPECT_THROW(odDxfTextToBinary("70\n70000\n", false), OdDxfBinaryError);
  EXPECT_THROW(odDxfTextToBinary("310\nABC\n", false), OdDxfBinaryError);
}

TEST(BinaryDxf, OldFilesGiveGroupCodesOneByte) {
  const std::string binary = odDxfTextToBinary("0\nSECTION\n2\nENTITIES\n1000\nnote\n0\nENDSEC\n", true);
  EXPECT_EQ(binary.substr(22), std::string("\0SECTION\0\x02" "ENTITIES\0\xff\xe8\x03note\0\0ENDSEC\0", 35));
  EXPECT_EQ(odDxfBinaryToText(binary), "0\nSECTION\n2\nENTITIES\n1000\nnote\n0\nENDSEC\n");
  // A drawing of R12 saved in binary gives its codes one byte; a later one two.
  const char* r12 = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n"
                    "10\n1\n20\n2\n30\n0\n11\n4\n21\n6\n31\n0\n0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(r12, "r12.dxf");
  const std::string saved = odDxfWriteString(db, OdDxfFormat::kBinary);
  EXPECT_EQ(saved.substr(22, 9), std::string("\0SECTION\0", 9));
  OdDbDatabasePtr back = odDxfReadString(saved, "r12.dxf");
  int lines = 0;
  for (const OdDbObjectId& id : back->objectIds()) {
    OdDbLinePtr line = OdDbLine::cast(id.openObject());
    if (line.isNull()) continue;
    ++lines;
    EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 6, 0));
  }
  EXPECT_EQ(lines, 1);
}
