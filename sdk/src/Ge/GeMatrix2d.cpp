#include "Ge/GeMatrix2d.h"

#include <cmath>
#include <utility>

#include "Ge/GeMatrix3d.h"

const OdGeMatrix2d OdGeMatrix2d::kIdentity;

namespace {

// Index of a 2D-matrix row/column in the 4x4 embedding, where the 3D z row and column are
// those of the identity: (x, y, w) -> (0, 1, 3).
inline int slot(int i)
{
  return i == 2 ? 3 : i;
}

OdGeMatrix3d embed(const OdGeMatrix2d& m)
{
  OdGeMatrix3d r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      r.entry[slot(i)][slot(j)] = m.entry[i][j];
  return r;
}

OdGeMatrix2d extract(const OdGeMatrix3d& m)
{
  OdGeMatrix2d r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      r.entry[i][j] = m.entry[slot(i)][slot(j)];
  return r;
}

}  // namespace

OdGeMatrix2d& OdGeMatrix2d::setToIdentity()
{
  return *this = OdGeMatrix2d();
}

OdGeMatrix2d OdGeMatrix2d::operator*(const OdGeMatrix2d& m) const
{
  OdGeMatrix2d r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double s = 0.0;
      for (int k = 0; k < 3; ++k)
        s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  return r;
}

OdGeMatrix2d& OdGeMatrix2d::operator*=(const OdGeMatrix2d& matrix)
{
  return *this = *this * matrix;
}

OdGeMatrix2d& OdGeMatrix2d::preMultBy(const OdGeMatrix2d& leftSide)
{
  return *this = leftSide * *this;
}

OdGeMatrix2d& OdGeMatrix2d::postMultBy(const OdGeMatrix2d& rightSide)
{
  return *this = *this * rightSide;
}

OdGeMatrix2d& OdGeMatrix2d::setToProduct(const OdGeMatrix2d& matrix1, const OdGeMatrix2d& matrix2)
{
  return *this = matrix1 * matrix2;
}

bool OdGeMatrix2d::inverse(OdGeMatrix2d& inverseMatrix, double tol) const
{
  // The embedding is block diagonal up to a permutation, so its inverse embeds the inverse.
  OdGeMatrix3d inv;
  if (!embed(*this).inverse(inv, tol))
    return false;
  inverseMatrix = extract(inv);
  return true;
}

OdGeMatrix2d OdGeMatrix2d::inverse() const
{
  OdGeMatrix2d r(*this);
  inverse(r, OdGeContext::gTol.equalPoint());
  return r;
}

OdGeMatrix2d& OdGeMatrix2d::invert()
{
  inverse(*this, OdGeContext::gTol.equalPoint());
  return *this;
}

bool OdGeMatrix2d::isSingular(const OdGeTol& tol) const
{
  OdGeMatrix2d r;
  return !inverse(r, tol.equalPoint());
}

double OdGeMatrix2d::det() const
{
  const double (*m)[3] = entry;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

OdGeMatrix2d& OdGeMatrix2d::transposeIt()
{
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j)
      std::swap(entry[i][j], entry[j][i]);
  return *this;
}

OdGeMatrix2d OdGeMatrix2d::transpose() const
{
  OdGeMatrix2d r(*this);
  return r.transposeIt();
}

bool OdGeMatrix2d::isEqualTo(const OdGeMatrix2d& m, const OdGeTol& tol) const
{
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const double t = (j == 2 && i < 2) ? tol.equalPoint() : tol.equalVector();
      if (!(std::fabs(entry[i][j] - m.entry[i][j]) <= t))
        return false;
    }
  return true;
}

bool OdGeMatrix2d::isScaledOrtho(const OdGeTol& tol) const
{
  const OdGeVector2d x(entry[0][0], entry[1][0]), y(entry[0][1], entry[1][1]);
  return x.isPerpendicularTo(y, tol);
}

bool OdGeMatrix2d::isUniScaledOrtho(const OdGeTol& tol) const
{
  if (!isScaledOrtho(tol))
    return false;
  const double lx = OdGeVector2d(entry[0][0], entry[1][0]).length();
  const double ly = OdGeVector2d(entry[0][1], entry[1][1]).length();
  return std::fabs(lx - ly) <= tol.equalVector() * std::fmax(lx, ly);
}

double OdGeMatrix2d::scale() const
{
  return std::fmax(OdGeVector2d(entry[0][0], entry[1][0]).length(), OdGeVector2d(entry[0][1], entry[1][1]).length());
}

OdGeMatrix2d& OdGeMatrix2d::setTranslation(const OdGeVector2d& v)
{
  entry[0][2] = v.x;
  entry[1][2] = v.y;
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis, const OdGeVector2d& yAxis)
{
  setToIdentity();
  entry[0][0] = xAxis.x;
  entry[1][0] = xAxis.y;
  entry[0][1] = yAxis.x;
  entry[1][1] = yAxis.y;
  entry[0][2] = origin.x;
  entry[1][2] = origin.y;
  return *this;
}

void OdGeMatrix2d::getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const
{
  origin.set(entry[0][2], entry[1][2]);
  xAxis.set(entry[0][0], entry[1][0]);
  yAxis.set(entry[0][1], entry[1][1]);
}

OdGeMatrix2d& OdGeMatrix2d::setToTranslation(const OdGeVector2d& vect)
{
  setToIdentity();
  return setTranslation(vect);
}

OdGeMatrix2d& OdGeMatrix2d::setToRotation(double angle, const OdGePoint2d& center)
{
  const double c = std::cos(angle), s = std::sin(angle);
  setToIdentity();
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  return setTranslation(OdGeVector2d(center.x - (c * center.x - s * center.y), center.y - (s * center.x + c * center.y)));
}

OdGeMatrix2d& OdGeMatrix2d::setToScaling(double scale, const OdGePoint2d& center)
{
  setToIdentity();
  entry[0][0] = scale;
  entry[1][1] = scale;
  return setTranslation(center.asVector() * (1.0 - scale));
}

OdGeMatrix2d& OdGeMatrix2d::setToMirroring(const OdGePoint2d& mirrorPoint)
{
  return setToScaling(-1.0, mirrorPoint);
}

OdGeMatrix2d& OdGeMatrix2d::setToAlignCoordSys(const OdGePoint2d& fromOrigin, const OdGeVector2d& fromXAxis,
                                               const OdGeVector2d& fromYAxis, const OdGePoint2d& toOrigin,
                                               const OdGeVector2d& toXAxis, const OdGeVector2d& toYAxis)
{
  OdGeMatrix2d from, to;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis);
  return *this = to * from.inverse();
}

OdGeMatrix2d OdGeMatrix2d::translation(const OdGeVector2d& vect)
{
  OdGeMatrix2d m;
  return m.setToTranslation(vect);
}

OdGeMatrix2d OdGeMatrix2d::rotation(double angle, const OdGePoint2d& center)
{
  OdGeMatrix2d m;
  return m.setToRotation(angle, center);
}

OdGeMatrix2d OdGeMatrix2d::scaling(double scale, const OdGePoint2d& center)
{
  OdGeMatrix2d m;
  return m.setToScaling(scale, center);
}

OdGeMatrix2d OdGeMatrix2d::mirroring(const OdGePoint2d& mirrorPoint)
{
  OdGeMatrix2d m;
  return m.setToMirroring(mirrorPoint);
}

OdGeMatrix2d OdGeMatrix2d::alignCoordSys(const OdGePoint2d& fromOrigin, const OdGeVector2d& fromXAxis,
                                         const OdGeVector2d& fromYAxis, const OdGePoint2d& toOrigin,
                                         const OdGeVector2d& toXAxis, const OdGeVector2d& toYAxis)
{
  OdGeMatrix2d m;
  return m.setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, toOrigin, toXAxis, toYAxis);
}
