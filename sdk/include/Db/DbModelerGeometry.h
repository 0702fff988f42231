#pragma once
// The boundary representation of solids, regions, bodies and surfaces as the
// drawing stores it: the modeller's text form (older files, as lines of the
// object, each character shifted by the writer's simple cipher) or its binary
// form (newer files keep it in the ACDSDATA section, keyed by the object's
// handle). The data is kept as read; a small reader of ours walks its
// records far enough to find extents and the area and perimeter of planar
// faces bounded by lines, circles and ellipses.
#include <memory>
#include <string>
#include <vector>

#include "Ge/GeExtents3d.h"
#include "Rx/OdResult.h"

class OdDbDatabase;
class OdDbHandle;
class OdDxfIn;
class OdDxfOut;

namespace OdDbModeler {
// The cipher of the text form, both ways.
std::string decodeLine(const std::string& line);
std::string encodeLine(const std::string& line);
// The bytes of the binary form the file's ACDSDATA section holds for the
// object of the handle; empty when it holds none.
std::string binaryDataOf(const OdDbDatabase* db, const OdDbHandle& handle);
}  // namespace OdDbModeler

class OdDbModelerData {
public:
  // Text form: the decoded lines. Binary form: the bytes.
  void setText(std::vector<std::string> lines);
  void setBinary(std::string bytes);
  const std::vector<std::string>& textLines() const { return m_lines; }
  const std::string& binary() const { return m_binary; }
  bool isEmpty() const { return m_lines.empty() && m_binary.empty(); }

  // eOk with the box of the vertices and of the curves' extremes along the
  // edges; an error when the data holds nothing the reader understands.
  OdResult extents(OdGeExtents3d& extents) const;
  // Planar faces bounded by lines, circles and ellipses only.
  OdResult area(double& area) const;
  OdResult perimeter(double& length) const;

  struct Model;

private:
  const Model* model() const;
  std::vector<std::string> m_lines;
  std::string m_binary;
  mutable std::shared_ptr<const Model> m_model;  // parsed on first use
};
