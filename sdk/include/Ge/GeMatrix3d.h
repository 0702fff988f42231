#pragma once
// 4x4 matrix of a 3D affine (or projective) transformation.
// Row-major entry[row][col]; points are column vectors: p' = M * p, and A * B applies B first.
// The translation is the last column (entry[0..2][3]).
#include "Ge/GeContext.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGePlane;
class OdGeScale3d;

class OdGeMatrix3d {
public:
  constexpr OdGeMatrix3d()
      : entry{{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}} {}

  static const OdGeMatrix3d kIdentity;

  OdGeMatrix3d& setToIdentity();

  OdGeMatrix3d operator*(const OdGeMatrix3d& matrix) const;
  OdGeMatrix3d& operator*=(const OdGeMatrix3d& matrix);
  OdGeMatrix3d& preMultBy(const OdGeMatrix3d& leftSide);    // this = leftSide * this
  OdGeMatrix3d& postMultBy(const OdGeMatrix3d& rightSide);  // this = this * rightSide
  OdGeMatrix3d& setToProduct(const OdGeMatrix3d& matrix1, const OdGeMatrix3d& matrix2);

  // Inversion. A singular matrix (see isSingular) is left unchanged by invert() and returned
  // unchanged by inverse(); use inverse(result, tol) to detect the failure.
  OdGeMatrix3d& invert();
  OdGeMatrix3d inverse() const;
  OdGeMatrix3d inverse(const OdGeTol& tol) const;
  bool inverse(OdGeMatrix3d& inverseMatrix, double tol = 1e-10) const;
  // True when elimination meets a pivot of at most tol.equalPoint() times the largest entry.
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  double det() const;

  OdGeMatrix3d& transposeIt();
  OdGeMatrix3d transpose() const;

  // Entry-wise comparison within tol.equalVector() (translation within tol.equalPoint()).
  bool isEqualTo(const OdGeMatrix3d& matrix, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix3d& matrix) const { return isEqualTo(matrix); }
  bool operator!=(const OdGeMatrix3d& matrix) const { return !isEqualTo(matrix); }

  // Columns of the linear part are mutually perpendicular (and, for UniScaled, of equal length).
  bool isUniScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  bool isScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  // Largest column length of the linear part.
  double scale() const;
  // Largest absolute entry.
  double norm() const;

  OdGeMatrix3d& setTranslation(const OdGeVector3d& vect);
  OdGeVector3d translation() const { return OdGeVector3d(entry[0][3], entry[1][3], entry[2][3]); }

  // Maps the world axes to xAxis, yAxis, zAxis (the first three columns) and the origin to origin.
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis,
                               const OdGeVector3d& zAxis);
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis) const;
  OdGePoint3d getCsOrigin() const { return OdGePoint3d(entry[0][3], entry[1][3], entry[2][3]); }
  OdGeVector3d getCsXAxis() const { return OdGeVector3d(entry[0][0], entry[1][0], entry[2][0]); }
  OdGeVector3d getCsYAxis() const { return OdGeVector3d(entry[0][1], entry[1][1], entry[2][1]); }
  OdGeVector3d getCsZAxis() const { return OdGeVector3d(entry[0][2], entry[1][2], entry[2][2]); }

  OdGeMatrix3d& setToTranslation(const OdGeVector3d& vect);
  // Rotation by angle (radians, right-hand rule) about the axis through center.
  // A zero axis gives the identity.
  OdGeMatrix3d& setToRotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  OdGeMatrix3d& setToScaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  OdGeMatrix3d& setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // Reflection in the plane.
  OdGeMatrix3d& setToMirroring(const OdGePlane& mirrorPlane);
  // Point reflection through mirrorPoint.
  OdGeMatrix3d& setToMirroring(const OdGePoint3d& mirrorPoint);
  // Parallel projection onto the plane along projectDir (orthogonal when projectDir is
  // parallel to the plane or zero).
  OdGeMatrix3d& setToProjection(const OdGePlane& projectionPlane, const OdGeVector3d& projectDir);
  // Maps the "from" coordinate system onto the "to" one: to-CS * inverse(from-CS).
  OdGeMatrix3d& setToAlignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                   const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                   const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                   const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis);

  // Object coordinate system of a normal (arbitrary axis algorithm): with N normalised,
  // Ax = WorldY x N when |N.x| < 1/64 and |N.y| < 1/64, else WorldZ x N (normalised), and
  // Ay = N x Ax; the matrix maps (x, y, z) to x*Ax + y*Ay + z*N, without translation.
  // A zero normal is taken as the world Z axis. worldToPlane is the inverse (the transpose).
  OdGeMatrix3d& setToPlaneToWorld(const OdGeVector3d& normal);
  OdGeMatrix3d& setToWorldToPlane(const OdGeVector3d& normal);
  // Plane's own coordinate system: origin, u axis, v axis and unit normal (see OdGePlanarEnt).
  OdGeMatrix3d& setToPlaneToWorld(const OdGePlane& plane);
  OdGeMatrix3d& setToWorldToPlane(const OdGePlane& plane);

  static OdGeMatrix3d translation(const OdGeVector3d& vect);
  static OdGeMatrix3d rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d mirroring(const OdGePlane& mirrorPlane);
  static OdGeMatrix3d mirroring(const OdGePoint3d& mirrorPoint);
  static OdGeMatrix3d projection(const OdGePlane& projectionPlane, const OdGeVector3d& projectDir);
  static OdGeMatrix3d alignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                    const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                    const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                    const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis);
  static OdGeMatrix3d planeToWorld(const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGeVector3d& normal);
  static OdGeMatrix3d planeToWorld(const OdGePlane& plane);
  static OdGeMatrix3d worldToPlane(const OdGePlane& plane);

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }
  const double* operator[](unsigned int row) const { return entry[row]; }
  double* operator[](unsigned int row) { return entry[row]; }

  double entry[4][4];
};
