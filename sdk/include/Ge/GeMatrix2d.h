#pragma once
// 3x3 matrix of a 2D affine (or projective) transformation.
// Row-major entry[row][col]; points are column vectors: p' = M * p, and A * B applies B first.
#include "Ge/GeContext.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"

class OdGeMatrix2d {
public:
  constexpr OdGeMatrix2d() : entry{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}

  static const OdGeMatrix2d kIdentity;

  OdGeMatrix2d& setToIdentity();

  OdGeMatrix2d operator*(const OdGeMatrix2d& matrix) const;
  OdGeMatrix2d& operator*=(const OdGeMatrix2d& matrix);
  OdGeMatrix2d& preMultBy(const OdGeMatrix2d& leftSide);    // this = leftSide * this
  OdGeMatrix2d& postMultBy(const OdGeMatrix2d& rightSide);  // this = this * rightSide
  OdGeMatrix2d& setToProduct(const OdGeMatrix2d& matrix1, const OdGeMatrix2d& matrix2);

  // Inversion. A singular matrix (see isSingular) is left unchanged by invert() and returned
  // unchanged by inverse(); use inverse(result, tol) to detect the failure.
  OdGeMatrix2d& invert();
  OdGeMatrix2d inverse() const;
  bool inverse(OdGeMatrix2d& inverseMatrix, double tol = 1e-10) const;
  // True when elimination meets a pivot of at most tol.equalPoint() times the largest entry.
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  double det() const;

  OdGeMatrix2d& transposeIt();
  OdGeMatrix2d transpose() const;

  // Entry-wise comparison within tol.equalVector() (translation within tol.equalPoint()).
  bool isEqualTo(const OdGeMatrix2d& matrix, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix2d& matrix) const { return isEqualTo(matrix); }
  bool operator!=(const OdGeMatrix2d& matrix) const { return !isEqualTo(matrix); }

  // Columns of the linear part are perpendicular (and, for UniScaled, of equal length).
  bool isUniScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  bool isScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  // Largest column length of the linear part.
  double scale() const;

  OdGeMatrix2d& setTranslation(const OdGeVector2d& vect);
  OdGeVector2d translation() const { return OdGeVector2d(entry[0][2], entry[1][2]); }

  // Maps the unit axes to xAxis and yAxis and the origin to origin.
  OdGeMatrix2d& setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis, const OdGeVector2d& yAxis);
  void getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const;

  OdGeMatrix2d& setToTranslation(const OdGeVector2d& vect);
  // Counter-clockwise rotation by angle (radians) about center.
  OdGeMatrix2d& setToRotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  OdGeMatrix2d& setToScaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  // Point reflection through mirrorPoint.
  OdGeMatrix2d& setToMirroring(const OdGePoint2d& mirrorPoint);
  // Maps the "from" coordinate system onto the "to" one.
  OdGeMatrix2d& setToAlignCoordSys(const OdGePoint2d& fromOrigin, const OdGeVector2d& fromXAxis, const OdGeVector2d& fromYAxis,
                                   const OdGePoint2d& toOrigin, const OdGeVector2d& toXAxis, const OdGeVector2d& toYAxis);

  static OdGeMatrix2d translation(const OdGeVector2d& vect);
  static OdGeMatrix2d rotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  static OdGeMatrix2d scaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  static OdGeMatrix2d mirroring(const OdGePoint2d& mirrorPoint);
  static OdGeMatrix2d alignCoordSys(const OdGePoint2d& fromOrigin, const OdGeVector2d& fromXAxis, const OdGeVector2d& fromYAxis,
                                    const OdGePoint2d& toOrigin, const OdGeVector2d& toXAxis, const OdGeVector2d& toYAxis);

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }
  const double* operator[](unsigned int row) const { return entry[row]; }
  double* operator[](unsigned int row) { return entry[row]; }

  double entry[3][3];
};
