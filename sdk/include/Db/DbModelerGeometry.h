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

// Modeller data made by the program: bodies of planar faces bounded by
// lines and circular arcs (boxes, plates with holes, flat surfaces).
class OdDbModelerBuilder {
public:
  // From one point to another along a line, or round a centre, counter-
  // clockwise about the face's normal unless clockwise (holes); a segment
  // from a point to itself round a centre is a whole circle.
  struct Segment {
    int from, to;
    bool arc;
    OdGePoint3d centre;
    bool clockwise;
  };
  typedef std::vector<Segment> Loop;

  int addPoint(const OdGePoint3d& point);
  // A planar face: the outer loop, then its holes, each closed; holes run clockwise.
  void addFace(const OdGePoint3d& origin, const OdGeVector3d& normal, const std::vector<Loop>& loops);
  // The six faces of a box, outward.
  void addBox(const OdGePoint3d& min, const OdGePoint3d& max);

  // A solid's faces are one-sided; a sheet's (region, surface) two-sided.
  // The text form of the older files, or the binary form of the newer ones.
  OdDbModelerData build(bool solid, bool binary) const;

private:
  std::vector<OdGePoint3d> m_points;
  struct Face {
    OdGePoint3d origin;
    OdGeVector3d normal;
    std::vector<Loop> loops;
  };
  std::vector<Face> m_faces;
};
