#pragma once
// Drawings as ASCII drawing-exchange files (DXF): R12 and R2000 to R2018.
#include <stdexcept>
#include <string>
#include "Db/DbDatabase.h"

// A file that cannot be read or written; what() names the file and the line.
class OdDxfFileError : public std::runtime_error {
public:
  OdDxfFileError(const std::string& file, int line, const std::string& message);
  const std::string& file() const { return m_file; }
  int line() const { return m_line; }
  const std::string& message() const { return m_message; }

private:
  std::string m_file;
  int m_line;
  std::string m_message;
};

// Reads a drawing. Everything the database does not model is kept and
// written back by a save. Throws OdDxfFileError.
OdDbDatabasePtr odDxfReadFile(const std::string& path);
OdDbDatabasePtr odDxfReadString(std::string content, const std::string& name);

// Writes a drawing: to a temporary file beside the target, renamed over it
// only when complete. Throws OdDxfFileError.
void odDxfWriteFile(OdDbDatabase* db, const std::string& path);
std::string odDxfWriteString(OdDbDatabase* db);
