#pragma once
// Axis-aligned rectangle. The default box is invalid (min = 1e20, max = -1e20 on both axes), so
// adding points to it yields their bounding box.
#include "Ge/GeContext.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"

class OdGeMatrix2d;

class OdGeExtents2d {
public:
  constexpr OdGeExtents2d() : m_min(1e20, 1e20), m_max(-1e20, -1e20) {}
  // Takes the corners as given (no sorting; see comparingSet).
  constexpr OdGeExtents2d(const OdGePoint2d& min, const OdGePoint2d& max) : m_min(min), m_max(max) {}

  static const OdGeExtents2d kInvalid;

  const OdGePoint2d& minPoint() const { return m_min; }
  const OdGePoint2d& maxPoint() const { return m_max; }
  OdGePoint2d center() const;
  OdGeVector2d diagonal() const { return m_max - m_min; }

  // Sets the corners as given.
  OdGeExtents2d& set(const OdGePoint2d& min, const OdGePoint2d& max);
  // Sets the box of two arbitrary opposite corners (component-wise min and max).
  OdGeExtents2d& comparingSet(const OdGePoint2d& pt1, const OdGePoint2d& pt2);
  // Same as comparingSet.
  OdGeExtents2d& comparePoints(const OdGePoint2d& pt1, const OdGePoint2d& pt2) { return comparingSet(pt1, pt2); }

  // Grows the box to contain the point.
  OdGeExtents2d& addPoint(const OdGePoint2d& point);
  // Grows the box to contain the other box; an invalid box adds nothing.
  OdGeExtents2d& addExt(const OdGeExtents2d& extents);

  // min <= max on both axes.
  bool isValidExtents() const;

  OdGeExtents2d& translate(const OdGeVector2d& vect);
  // Replaces the box by the bounding box of its four transformed corners; an invalid box stays
  // unchanged.
  OdGeExtents2d& transformBy(const OdGeMatrix2d& xfm);

  // Containment and overlap, with tol.equalPoint() of slack on each side.
  bool contains(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const;
  bool contains(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isDisjoint(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const;

  bool isEqualTo(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeExtents2d& extents) const { return isEqualTo(extents); }
  bool operator!=(const OdGeExtents2d& extents) const { return !isEqualTo(extents); }

private:
  OdGePoint2d m_min;
  OdGePoint2d m_max;
};
