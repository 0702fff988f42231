#pragma once
// Helices: a spiral about an axis from a start point on the base circle,
// narrowing or widening to a top radius over its turns. The spline it is
// (its NURBS data) is redrawn through points of the spiral whenever its
// shape changes; which of turns, turn height and height stays put when
// another changes is its constraint.
#include "Db/DbSpline.h"

class OdDbHelix : public OdDbSpline {
public:
  ODRX_DECLARE_MEMBERS(OdDbHelix)
public:
  enum ConstrainType { kTurnHeight = 0, kTurns = 1, kHeight = 2 };
  // Three turns of height 1 and radius 1 about the Z axis.
  OdDbHelix();

  OdGePoint3d axisPoint() const;
  // Moves the axis; with moveStartPoint the start point moves with it.
  OdResult setAxisPoint(const OdGePoint3d& point, bool moveStartPoint = true);
  OdGePoint3d startPoint() const;
  OdResult setStartPoint(const OdGePoint3d& point);
  OdGeVector3d axisVector() const;
  OdResult setAxisVector(const OdGeVector3d& axis);
  double baseRadius() const;
  OdResult setBaseRadius(double radius);  // positive
  double topRadius() const;
  OdResult setTopRadius(double radius);  // not negative
  double turns() const;
  OdResult setTurns(double turns);  // positive
  double turnHeight() const;
  OdResult setTurnHeight(double height);
  double height() const;
  OdResult setHeight(double height);
  // Counterclockwise about the axis (true) or clockwise.
  bool twist() const;
  OdResult setTwist(bool counterclockwise);
  ConstrainType constrain() const;
  OdResult setConstrain(int constrain);
  // The angle of the spiral to the base plane where it starts.
  double turnSlope() const;
  // The length of the spiral itself.
  double totalLength() const;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d spiralAt(double fraction) const;
  void redraw();
  OdGePoint3d m_axisPoint;
  OdGePoint3d m_startPoint = OdGePoint3d(1, 0, 0);
  OdGeVector3d m_axis = OdGeVector3d::kZAxis;
  double m_topRadius = 1.0;
  double m_turns = 3.0;
  double m_turnHeight = 1.0;
  bool m_ccw = true;
  ConstrainType m_constrain = kTurnHeight;
};
typedef OdSmartPtr<OdDbHelix> OdDbHelixPtr;
