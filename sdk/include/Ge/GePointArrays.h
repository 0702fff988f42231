#pragma once
// Lists of points.
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Rx/OdArray.h"

typedef OdArray<OdGePoint2d> OdGePoint2dArray;
typedef OdArray<OdGePoint3d> OdGePoint3dArray;
