#pragma once
// Drawings as drawing-exchange files (DXF), text or binary: R12 and older, R13 to R2018.
#include <stdexcept>
#include <string>
#include <vector>
#include "Db/DbDatabase.h"

// A file that cannot be read or written; what() names the file and the line
// (text files) or the byte offset (binary files).
class OdDxfFileError : public std::runtime_error {
public:
  OdDxfFileError(const std::string& file, int line, const std::string& message);
  static OdDxfFileError atByte(const std::string& file, size_t offset, const std::string& message);
  const std::string& file() const { return m_file; }
  int line() const { return m_line; }
  long long byteOffset() const { return m_offset; }  // -1: not a binary file's place
  const std::string& message() const { return m_message; }

private:
  OdDxfFileError(const std::string& file, size_t offset, const std::string& message, bool);
  std::string m_file;
  int m_line;
  long long m_offset = -1;
  std::string m_message;
};

// How a save writes the drawing: as it was read (a new drawing: text), or converted.
enum class OdDxfFormat { kAsRead, kAscii, kBinary };

// A repair made while recovering a damaged drawing: where the damage was
// found (a line of a text file, a byte of a binary one) and what was done.
struct OdDxfRepair {
  int line = 0;
  long long byteOffset = -1;
  std::string what;
  // "FILE:LINE: what" or "FILE: byte N: what".
  std::string text(const std::string& file) const;
};

struct OdDxfReadOptions {
  // Repair what can be repaired (sections and tables not closed, structure
  // out of order, duplicate or missing handles, owners that do not exist,
  // counts that disagree) instead of refusing the file.
  bool recover = false;
  std::vector<OdDxfRepair>* repairs = nullptr;  // receives each repair, in file order
  // The fields of the commonest entities (lines, arcs, circles, points,
  // texts, light-weight polylines, ellipses, splines) are read when each is
  // first opened, which makes large drawings open fast and small; their
  // numbers are checked while the file is read, so errors still show then.
  // False reads every object's fields at once.
  bool deferFields = true;
};

// Reads a drawing. Everything the database does not model is kept and
// written back by a save. Throws OdDxfFileError.
OdDbDatabasePtr odDxfReadFile(const std::string& path, const OdDxfReadOptions& options = OdDxfReadOptions());
OdDbDatabasePtr odDxfReadString(std::string&& content, const std::string& name,
                                const OdDxfReadOptions& options = OdDxfReadOptions());
// The drawing keeps a copy of the text.
OdDbDatabasePtr odDxfReadString(const std::string& content, const std::string& name,
                                const OdDxfReadOptions& options = OdDxfReadOptions());

// Writes a drawing: to a temporary file beside the target, renamed over it
// only when complete. Throws OdDxfFileError.
void odDxfWriteFile(OdDbDatabase* db, const std::string& path, OdDxfFormat format = OdDxfFormat::kAsRead);
std::string odDxfWriteString(OdDbDatabase* db, OdDxfFormat format = OdDxfFormat::kAsRead);
