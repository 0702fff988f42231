#include "Ge/GeMatrix3d.h"

#include <cmath>
#include <utility>

#include "Ge/GePlane.h"
#include "Ge/GeScale3d.h"

const OdGeMatrix3d OdGeMatrix3d::kIdentity;

namespace {

typedef double Mat4[4][4];

void copy(const Mat4 from, Mat4 to)
{
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      to[i][j] = from[i][j];
}

double maxAbsEntry(const Mat4 m)
{
  double big = 0.0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      big = std::fmax(big, std::fabs(m[i][j]));
  return big;
}

// Gauss-Jordan elimination with partial pivoting. Fails when a pivot is at most
// tol times the largest entry of the matrix.
bool invert4(const Mat4 in, Mat4 out, double tol)
{
  Mat4 a;
  copy(in, a);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      out[i][j] = i == j ? 1.0 : 0.0;
  const double threshold = tol * maxAbsEntry(in);
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
        pivot = r;
    if (!(std::fabs(a[pivot][col]) > threshold))
      return false;
    if (pivot != col) {
      for (int j = 0; j < 4; ++j) {
        std::swap(a[pivot][j], a[col][j]);
        std::swap(out[pivot][j], out[col][j]);
      }
    }
    const double inv = 1.0 / a[col][col];
    for (int j = 0; j < 4; ++j) {
      a[col][j] *= inv;
      out[col][j] *= inv;
    }
    a[col][col] = 1.0;
    for (int r = 0; r < 4; ++r) {
      if (r == col || a[r][col] == 0.0)
        continue;
      const double f = a[r][col];
      for (int j = 0; j < 4; ++j) {
        a[r][j] -= f * a[col][j];
        out[r][j] -= f * out[col][j];
      }
      a[r][col] = 0.0;
    }
  }
  return true;
}

// Unit Z (the normal, world Z when zero), and the arbitrary-axis X and Y directions.
void arbitraryAxes(const OdGeVector3d& normal, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis)
{
  const double len = normal.length();
  zAxis = len > 0.0 ? normal / len : OdGeVector3d::kZAxis;
  xAxis = zAxis.perpVector();
  yAxis = zAxis.crossProduct(xAxis).normal();
}

}  // namespace

OdGeMatrix3d& OdGeMatrix3d::setToIdentity()
{
  return *this = OdGeMatrix3d();
}

OdGeMatrix3d OdGeMatrix3d::operator*(const OdGeMatrix3d& m) const
{
  OdGeMatrix3d r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double s = 0.0;
      for (int k = 0; k < 4; ++k)
        s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  return r;
}

OdGeMatrix3d& OdGeMatrix3d::operator*=(const OdGeMatrix3d& matrix)
{
  return *this = *this * matrix;
}

OdGeMatrix3d& OdGeMatrix3d::preMultBy(const OdGeMatrix3d& leftSide)
{
  return *this = leftSide * *this;
}

OdGeMatrix3d& OdGeMatrix3d::postMultBy(const OdGeMatrix3d& rightSide)
{
  return *this = *this * rightSide;
}

OdGeMatrix3d& OdGeMatrix3d::setToProduct(const OdGeMatrix3d& matrix1, const OdGeMatrix3d& matrix2)
{
  return *this = matrix1 * matrix2;
}

bool OdGeMatrix3d::inverse(OdGeMatrix3d& inverseMatrix, double tol) const
{
  Mat4 out;
  if (!invert4(entry, out, tol))
    return false;
  copy(out, inverseMatrix.entry);
  return true;
}

OdGeMatrix3d OdGeMatrix3d::inverse(const OdGeTol& tol) const
{
  OdGeMatrix3d r(*this);
  inverse(r, tol.equalPoint());
  return r;
}

OdGeMatrix3d OdGeMatrix3d::inverse() const
{
  return inverse(OdGeContext::gTol);
}

OdGeMatrix3d& OdGeMatrix3d::invert()
{
  inverse(*this, OdGeContext::gTol.equalPoint());
  return *this;
}

bool OdGeMatrix3d::isSingular(const OdGeTol& tol) const
{
  Mat4 out;
  return !invert4(entry, out, tol.equalPoint());
}

double OdGeMatrix3d::det() const
{
  Mat4 a;
  copy(entry, a);
  double d = 1.0;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
        pivot = r;
    if (a[pivot][col] == 0.0)
      return 0.0;
    if (pivot != col) {
      for (int j = 0; j < 4; ++j)
        std::swap(a[pivot][j], a[col][j]);
      d = -d;
    }
    d *= a[col][col];
    for (int r = col + 1; r < 4; ++r) {
      const double f = a[r][col] / a[col][col];
      for (int j = col; j < 4; ++j)
        a[r][j] -= f * a[col][j];
    }
  }
  return d;
}

OdGeMatrix3d& OdGeMatrix3d::transposeIt()
{
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      std::swap(entry[i][j], entry[j][i]);
  return *this;
}

OdGeMatrix3d OdGeMatrix3d::transpose() const
{
  OdGeMatrix3d r(*this);
  return r.transposeIt();
}

bool OdGeMatrix3d::isEqualTo(const OdGeMatrix3d& m, const OdGeTol& tol) const
{
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const double t = (j == 3 && i < 3) ? tol.equalPoint() : tol.equalVector();
      if (!(std::fabs(entry[i][j] - m.entry[i][j]) <= t))
        return false;
    }
  return true;
}

bool OdGeMatrix3d::isScaledOrtho(const OdGeTol& tol) const
{
  const OdGeVector3d x = getCsXAxis(), y = getCsYAxis(), z = getCsZAxis();
  return x.isPerpendicularTo(y, tol) && y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

bool OdGeMatrix3d::isUniScaledOrtho(const OdGeTol& tol) const
{
  if (!isScaledOrtho(tol))
    return false;
  const double lx = getCsXAxis().length(), ly = getCsYAxis().length(), lz = getCsZAxis().length();
  const double t = tol.equalVector() * std::fmax(lx, std::fmax(ly, lz));
  return std::fabs(lx - ly) <= t && std::fabs(ly - lz) <= t;
}

double OdGeMatrix3d::scale() const
{
  return std::fmax(getCsXAxis().length(), std::fmax(getCsYAxis().length(), getCsZAxis().length()));
}

double OdGeMatrix3d::norm() const
{
  return maxAbsEntry(entry);
}

OdGeMatrix3d& OdGeMatrix3d::setTranslation(const OdGeVector3d& v)
{
  entry[0][3] = v.x;
  entry[1][3] = v.y;
  entry[2][3] = v.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis,
                                           const OdGeVector3d& zAxis)
{
  setToIdentity();
  for (unsigned int i = 0; i < 3; ++i) {
    entry[i][0] = xAxis[i];
    entry[i][1] = yAxis[i];
    entry[i][2] = zAxis[i];
    entry[i][3] = origin[i];
  }
  return *this;
}

void OdGeMatrix3d::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis) const
{
  origin = getCsOrigin();
  xAxis = getCsXAxis();
  yAxis = getCsYAxis();
  zAxis = getCsZAxis();
}

OdGeMatrix3d& OdGeMatrix3d::setToTranslation(const OdGeVector3d& vect)
{
  setToIdentity();
  return setTranslation(vect);
}

OdGeMatrix3d& OdGeMatrix3d::setToRotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center)
{
  setToIdentity();
  const double len = axis.length();
  if (len == 0.0)
    return *this;
  const OdGeVector3d k = axis / len;
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  entry[0][0] = c + k.x * k.x * t;
  entry[0][1] = k.x * k.y * t - k.z * s;
  entry[0][2] = k.x * k.z * t + k.y * s;
  entry[1][0] = k.y * k.x * t + k.z * s;
  entry[1][1] = c + k.y * k.y * t;
  entry[1][2] = k.y * k.z * t - k.x * s;
  entry[2][0] = k.z * k.x * t - k.y * s;
  entry[2][1] = k.z * k.y * t + k.x * s;
  entry[2][2] = c + k.z * k.z * t;
  // The centre stays fixed: T = c - R c.
  const OdGeVector3d rc = *this * center.asVector();
  return setTranslation(center.asVector() - rc);
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(double scale, const OdGePoint3d& center)
{
  return setToScaling(OdGeScale3d(scale, scale, scale), center);
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center)
{
  setToIdentity();
  entry[0][0] = scale.sx;
  entry[1][1] = scale.sy;
  entry[2][2] = scale.sz;
  return setTranslation(OdGeVector3d(center.x * (1.0 - scale.sx), center.y * (1.0 - scale.sy), center.z * (1.0 - scale.sz)));
}

OdGeMatrix3d& OdGeMatrix3d::setToMirroring(const OdGePlane& mirrorPlane)
{
  const OdGeVector3d n = mirrorPlane.normal();
  setToIdentity();
  for (unsigned int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j)
      entry[i][j] -= 2.0 * n[i] * n[j];
  // p' = p - 2 ((p - o).n) n
  return setTranslation(n * (2.0 * n.dotProduct(mirrorPlane.pointOnPlane().asVector())));
}

OdGeMatrix3d& OdGeMatrix3d::setToMirroring(const OdGePoint3d& mirrorPoint)
{
  return setToScaling(-1.0, mirrorPoint);
}

OdGeMatrix3d& OdGeMatrix3d::setToProjection(const OdGePlane& projectionPlane, const OdGeVector3d& projectDir)
{
  const OdGeVector3d n = projectionPlane.normal();
  OdGeVector3d dir = projectDir;
  double denom = dir.dotProduct(n);
  if (dir.length() == 0.0 || std::fabs(denom) <= 1e-12 * dir.length()) {
    dir = n;
    denom = 1.0;
  }
  // p' = p - dir ((p - o).n) / (dir.n)
  setToIdentity();
  for (unsigned int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j)
      entry[i][j] -= dir[i] * n[j] / denom;
  return setTranslation(dir * (n.dotProduct(projectionPlane.pointOnPlane().asVector()) / denom));
}

OdGeMatrix3d& OdGeMatrix3d::setToAlignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                               const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                               const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                               const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis)
{
  OdGeMatrix3d from, to;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  return *this = to * from.inverse();
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGeVector3d& normal)
{
  OdGeVector3d x, y, z;
  arbitraryAxes(normal, x, y, z);
  return setCoordSystem(OdGePoint3d::kOrigin, x, y, z);
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGeVector3d& normal)
{
  // The plane-to-world matrix is orthonormal without translation: its inverse is its transpose.
  setToPlaneToWorld(normal);
  return transposeIt();
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGePlane& plane)
{
  OdGePoint3d origin;
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return setCoordSystem(origin, u, v, plane.normal());
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGePlane& plane)
{
  setToPlaneToWorld(plane);
  return invert();
}

OdGeMatrix3d OdGeMatrix3d::translation(const OdGeVector3d& vect)
{
  OdGeMatrix3d m;
  return m.setToTranslation(vect);
}

OdGeMatrix3d OdGeMatrix3d::rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center)
{
  OdGeMatrix3d m;
  return m.setToRotation(angle, axis, center);
}

OdGeMatrix3d OdGeMatrix3d::scaling(double scale, const OdGePoint3d& center)
{
  OdGeMatrix3d m;
  return m.setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::scaling(const OdGeScale3d& scale, const OdGePoint3d& center)
{
  OdGeMatrix3d m;
  return m.setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::mirroring(const OdGePlane& mirrorPlane)
{
  OdGeMatrix3d m;
  return m.setToMirroring(mirrorPlane);
}

OdGeMatrix3d OdGeMatrix3d::mirroring(const OdGePoint3d& mirrorPoint)
{
  OdGeMatrix3d m;
  return m.setToMirroring(mirrorPoint);
}

OdGeMatrix3d OdGeMatrix3d::projection(const OdGePlane& projectionPlane, const OdGeVector3d& projectDir)
{
  OdGeMatrix3d m;
  return m.setToProjection(projectionPlane, projectDir);
}

OdGeMatrix3d OdGeMatrix3d::alignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                         const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                         const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                         const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis)
{
  OdGeMatrix3d m;
  return m.setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis, toZAxis);
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGeVector3d& normal)
{
  OdGeMatrix3d m;
  return m.setToPlaneToWorld(normal);
}

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGeVector3d& normal)
{
  OdGeMatrix3d m;
  return m.setToWorldToPlane(normal);
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGePlane& plane)
{
  OdGeMatrix3d m;
  return m.setToPlaneToWorld(plane);
}

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGePlane& plane)
{
  OdGeMatrix3d m;
  return m.setToWorldToPlane(plane);
}
