#pragma once
// Axis-aligned box. The default box is invalid (min = 1e20, max = -1e20 on every axis), so
// adding points to it yields their bounding box.
#include "Ge/GeContext.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d;

class OdGeExtents3d {
public:
  constexpr OdGeExtents3d() : m_min(1e20, 1e20, 1e20), m_max(-1e20, -1e20, -1e20) {}
  // Takes the corners as given (no sorting; see comparingSet).
  constexpr OdGeExtents3d(const OdGePoint3d& min, const OdGePoint3d& max) : m_min(min), m_max(max) {}

  static const OdGeExtents3d kInvalid;

  const OdGePoint3d& minPoint() const { return m_min; }
  const OdGePoint3d& maxPoint() const { return m_max; }
  OdGePoint3d center() const;
  OdGeVector3d diagonal() const { return m_max - m_min; }

  // Sets the corners as given.
  OdGeExtents3d& set(const OdGePoint3d& min, const OdGePoint3d& max);
  // Sets the box of two arbitrary opposite corners (component-wise min and max).
  OdGeExtents3d& comparingSet(const OdGePoint3d& pt1, const OdGePoint3d& pt2);
  // Same as comparingSet.
  OdGeExtents3d& comparePoints(const OdGePoint3d& pt1, const OdGePoint3d& pt2) { return comparingSet(pt1, pt2); }

  // Grows the box to contain the point.
  OdGeExtents3d& addPoint(const OdGePoint3d& point);
  // Grows the box to contain the other box; an invalid box adds nothing.
  OdGeExtents3d& addExt(const OdGeExtents3d& extents);

  // min <= max on every axis.
  bool isValidExtents() const;

  OdGeExtents3d& translate(const OdGeVector3d& vect);
  // Replaces the box by the bounding box of its eight transformed corners; an invalid box stays
  // unchanged.
  OdGeExtents3d& transformBy(const OdGeMatrix3d& xfm);

  // Containment and overlap, with tol.equalPoint() of slack on each side.
  bool contains(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const;
  bool contains(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isDisjoint(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const;

  bool isEqualTo(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeExtents3d& extents) const { return isEqualTo(extents); }
  bool operator!=(const OdGeExtents3d& extents) const { return !isEqualTo(extents); }

private:
  OdGePoint3d m_min;
  OdGePoint3d m_max;
};
