#pragma once
// Multilines: a band of parallel line elements (their offsets, colours and
// line styles from a multiline style) along a path of vertices in the plane
// of a normal. Each vertex keeps the direction of its segment, its miter
// direction and, for each element, where the element's path meets the
// miter; moving a vertex recomputes all of them for the whole band.
#include "Db/DbEntity.h"

class OdDbMlineStyle : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbMlineStyle)
public:
  struct Element {
    double offset = 0.0;
    OdInt16 colorIndex = 256;
    OdString linetype = L"BYLAYER";
  };
  OdString name() const;
  OdResult setName(const OdString& name);
  OdString description() const;
  void setDescription(const OdString& description);
  // Angles of the band's start and end caps to the path (radians; a right angle by default).
  double startAngle() const;
  double endAngle() const;
  OdResult setStartAngle(double angle);
  OdResult setEndAngle(double angle);
  // The style's flags: a filled band, lines at the joints, and the caps of
  // each end (a line across, arcs between inner elements, an outer arc).
  bool filled() const;
  void setFilled(bool on);
  OdCmColor fillColor() const;
  void setFillColor(const OdCmColor& color);
  bool showMiters() const;
  void setShowMiters(bool on);
  bool startSquareCap() const;
  void setStartSquareCap(bool on);
  bool startInnerArcs() const;
  void setStartInnerArcs(bool on);
  bool startRoundCap() const;
  void setStartRoundCap(bool on);
  bool endSquareCap() const;
  void setEndSquareCap(bool on);
  bool endInnerArcs() const;
  void setEndInnerArcs(bool on);
  bool endRoundCap() const;
  void setEndRoundCap(bool on);
  int numElements() const;
  Element elementAt(int index) const;
  // Elements are kept in order of falling offset.
  OdResult addElement(double offset, OdInt16 colorIndex, const OdString& linetype);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  bool flag(int bit) const;
  void setFlag(int bit, bool on);
  OdString m_name = L"Standard";
  OdString m_description;
  int m_flags = 0;
  OdInt16 m_fillColor = 256;
  double m_startAngle = 1.5707963267948966;
  double m_endAngle = 1.5707963267948966;
  std::vector<Element> m_elements;
};
typedef OdSmartPtr<OdDbMlineStyle> OdDbMlineStylePtr;

namespace Mline {
enum MlineJustification : int { kTop = 0, kZero = 1, kBottom = 2 };
}

class OdDbMline : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbMline)
public:
  OdDbObjectId style() const;
  OdResult setStyle(OdDbObjectId style);
  double scale() const;
  OdResult setScale(double scale);  // not zero
  Mline::MlineJustification justification() const;
  OdResult setJustification(Mline::MlineJustification justification);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  bool closedMline() const;
  void setClosedMline(bool closed);
  int numVertices() const;
  OdGePoint3d vertexAt(int index) const;
  // Moves the vertex and recomputes the band; appending adds a vertex at the end.
  OdResult moveVertexAt(int index, const OdGePoint3d& point);
  OdResult appendSeg(const OdGePoint3d& point);
  // What each vertex holds of the band.
  OdGeVector3d segmentDirectionAt(int index) const;
  OdGeVector3d miterDirectionAt(int index) const;
  std::vector<double> elementParametersAt(int vertex, int element) const;

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  struct Vertex {
    OdGePoint3d location;
    OdGeVector3d direction = OdGeVector3d::kXAxis;
    OdGeVector3d miter = OdGeVector3d::kYAxis;
    std::vector<std::vector<double>> lineParams, fillParams;  // per element
  };
  void recompute();
  OdDbObjectId m_style;
  double m_scale = 1.0;
  Mline::MlineJustification m_justification = Mline::kTop;
  int m_flags = 1;  // 1 has vertices, 2 closed, 4 and 8 suppress the caps
  int m_styleElements = 0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  std::vector<Vertex> m_vertices;
};
typedef OdSmartPtr<OdDbMline> OdDbMlinePtr;
