#pragma once
// Where an object's listing is written, one labelled item at a time. The
// context formats the raw values.
#include "CKdString.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class CKdPrintInfoContext {
public:
  virtual ~CKdPrintInfoContext() = default;
  virtual void PrintString(const CKdString& label) = 0;
  virtual void PrintString(const CKdString& label, const CKdString& text) = 0;
  virtual void PrintPoint(const CKdString& label, const OdGePoint3d& point) = 0;
  virtual void PrintPoint(const CKdString& label, const OdGePoint2d& point) = 0;
  virtual void PrintDist(const CKdString& label, double value) = 0;
  virtual void PrintArea(const CKdString& label, double value) = 0;
  virtual void PrintAngle(const CKdString& label, double radians) = 0;
  virtual void PrintBool(const CKdString& label, bool value) = 0;
  virtual void PrintInt(const CKdString& label, int value) = 0;
  virtual void PrintScale(const CKdString& label, double value) = 0;
  virtual void PrintVector3D(const CKdString& label, OdGeVector3d& vector) = 0;
  virtual bool IsPrintInUCS() const = 0;
  virtual OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const = 0;
  // Asked after each item of a long section; false means stop it.
  virtual bool CheckCounter() = 0;
};
