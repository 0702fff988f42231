#pragma once
// Custom value kinds of the properties palette: each constant selects a
// special editor (layer list, coordinate field, angle field, ...).
#include "CKdString.h"

class CKdPropertyType {
public:
  virtual ~CKdPropertyType() = default;
  virtual int GetType() const = 0;
  virtual CKdString GetCustomTypeGuid() const = 0;

  static const wchar_t* const kAngleGUID;
  static const wchar_t* const kAttributeGUID;
  static const wchar_t* const kBackgroundColorGUID;
  static const wchar_t* const kCoordinateXGUID;
  static const wchar_t* const kCoordinateYGUID;
  static const wchar_t* const kCoordinateZGUID;
  static const wchar_t* const kHeightGUID;
  static const wchar_t* const kHyperlinkGUID;
  static const wchar_t* const kLayerGUID;
  static const wchar_t* const kLineweightGUID;
  static const wchar_t* const kLinetypeGUID;
  static const wchar_t* const kOrientGUID;
  static const wchar_t* const kPlotStyleGUID;
  static const wchar_t* const kSplineControlPointGUID;
  static const wchar_t* const kSplineControlPointXGUID;
  static const wchar_t* const kSplineControlPointYGUID;
  static const wchar_t* const kSplineControlPointZGUID;
  static const wchar_t* const kSplineFitPointGUID;
  static const wchar_t* const kSplineFitPointXGUID;
  static const wchar_t* const kSplineFitPointYGUID;
  static const wchar_t* const kSplineFitPointZGUID;
  static const wchar_t* const kTransparencyGUID;
  static const wchar_t* const kVertexGUID;
  static const wchar_t* const kVertexXGUID;
  static const wchar_t* const kVertexYGUID;
  static const wchar_t* const kVertexZGUID;
  static const wchar_t* const kVertexStartWidthGUID;
  static const wchar_t* const kVertexEndWidthGUID;
  static const wchar_t* const kWidthGUID;
  // Name of a constant ("kLayerGUID") for a GUID string; empty when unknown.
  static CKdString NameOf(const CKdString& guid);
};
