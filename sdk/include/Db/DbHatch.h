#pragma once
// A hatch: an area bounded by loops in the plane of its normal, at its
// elevation, filled with a pattern of line families or with a gradient.
// Loops are polylines with bulges or chains of edges (lines, circular and
// elliptic arcs, splines), in object coordinates. The file's boundary data
// are written back as read while the loops are unchanged.
#include <string>
#include <vector>
#include "Cm/CmColor.h"
#include "Db/DbEntity.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"

// One family of parallel pattern lines: the angle of the lines, a point one
// of them passes through, the step from one line to the next (along and
// across), and the dashes (positive drawn, negative gaps, 0 a dot).
struct OdHatchPatternLine {
  double m_dLineAngle = 0.0;
  OdGePoint2d m_basePoint;
  OdGeVector2d m_patternOffset;
  std::vector<double> m_dashes;
};
typedef std::vector<OdHatchPatternLine> OdHatchPattern;

class OdDbHatch : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbHatch)
public:
  enum HatchPatternType : int { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
  enum HatchStyle : int { kNormal = 0, kOuter = 1, kIgnore = 2 };
  enum HatchLoopType : int { kDefault = 0, kExternal = 1, kPolyline = 2, kDerived = 4, kTextbox = 8, kOutermost = 16 };

  struct Edge {
    enum Kind : int { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 } kind = kLine;
    // Line: start and end. Arcs: the centre, and for elliptic arcs the end of
    // the major axis relative to it.
    OdGePoint2d start, end, center;
    OdGeVector2d majorAxis;
    double radius = 0.0, ratio = 1.0;
    // Counter-clockwise angles (parameters of elliptic arcs) from start to
    // end, in radians; a clockwise edge runs from end back to start.
    double startAngle = 0.0, endAngle = 0.0;
    bool ccw = true;
    int degree = 3;
    bool rational = false, periodic = false;
    std::vector<double> knots, weights;
    std::vector<OdGePoint2d> controlPoints, fitPoints;
    OdGeVector2d startTangent, endTangent;
  };
  struct Loop {
    int type = kDefault;  // HatchLoopType bits
    // Polyline loops (type bit kPolyline): vertices with bulges.
    std::vector<OdGePoint2d> vertices;
    std::vector<double> bulges;
    bool closed = true;
    std::vector<Edge> edges;
    OdDbObjectIdArray sources;  // boundary objects of an associative hatch
  };

  // True for a pattern hatch, false for a gradient fill.
  virtual bool isHatch() const;
  bool isGradient() const { return !isHatch(); }
  bool isSolidFill() const;

  HatchPatternType patternType() const;
  OdString patternName() const;
  // The pattern with its lines, turned by the angle and scaled about the base point.
  OdResult setPattern(HatchPatternType type, const OdString& name, double angle, double scale,
                      const OdHatchPattern& definition, const OdGePoint2d& basePoint);
  double patternAngle() const;
  OdResult setPatternAngle(double angle);
  double patternScale() const;
  OdResult setPatternScale(double scale);  // positive
  double patternSpace() const;
  OdResult setPatternSpace(double space);  // positive
  bool patternDouble() const;
  OdResult setPatternDouble(bool on);
  const OdHatchPattern& patternLines() const;
  // The point the pattern starts from: the base point of its first line.
  OdGePoint2d originPoint() const;
  OdResult setOriginPoint(const OdGePoint2d& point);

  HatchStyle hatchStyle() const;
  // Also redraws a user-defined pattern from its angle, spacing and double flag.
  OdResult setHatchStyle(HatchStyle style);
  bool associative() const;
  // Turning association off drops the boundary objects.
  OdResult setAssociative(bool on);
  double elevation() const;
  OdResult setElevation(double elevation);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);

  // Gradient fills.
  OdResult setGradient(const OdString& name);
  OdString gradientName() const;
  void getGradientColors(unsigned& count, std::vector<OdCmColor>& colors, std::vector<double>& values) const;
  OdResult setGradientColors(unsigned count, const OdCmColor* colors, const double* values);
  double gradientAngle() const;
  OdResult setGradientAngle(double angle);
  double gradientShift() const;
  OdResult setGradientShift(double shift);
  bool gradientOneColorMode() const;
  OdResult setGradientOneColorMode(bool on);
  double shadeTintValue() const;

  const std::vector<Loop>& loops() const;
  int numLoops() const { return int(loops().size()); }
  OdResult appendLoop(const Loop& loop);
  const std::vector<OdGePoint2d>& seedPoints() const;

  // The filled area: each loop's area, taken away where the loop lies inside
  // an odd number of others (holes) and added inside an even number
  // (islands). eInvalidInput for a loop that is open, crosses itself or
  // cannot be measured.
  OdResult getArea(double& area) const;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  void redrawUserPattern();
  OdString m_name = L"SOLID";
  bool m_solid = true;
  bool m_associative = false;
  double m_elevation = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  std::vector<Loop> m_loops;
  // The file's boundary tags (code, text) while the loops are as read.
  std::vector<std::pair<int, std::string>> m_boundaryTags;
  HatchStyle m_style = kNormal;
  HatchPatternType m_type = kPreDefined;
  double m_angle = 0.0, m_scale = 1.0, m_space = 1.0;
  bool m_double = false;
  OdHatchPattern m_lines;
  double m_pixelSize = 0.0;
  bool m_hadPixelSize = false;
  std::vector<OdGePoint2d> m_seeds;
  // Gradient data (written when the file had it or the hatch is a gradient).
  bool m_gradient = false, m_hadGradient = false;
  int m_gradientReserved = 0;
  double m_gradientAngle = 0.0, m_gradientShift = 0.0, m_tint = 0.0;
  bool m_oneColor = false;
  std::vector<OdCmColor> m_gradientColors;
  std::vector<double> m_gradientValues;
  OdString m_gradientName;
};
typedef OdSmartPtr<OdDbHatch> OdDbHatchPtr;
