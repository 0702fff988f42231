#pragma once
// Angular, arc length, radial, diametric, large radial and ordinate
// dimensions: the rows each adds to its family, and their listings.
#include "KdDimension.h"

KD_DECLARE_PROPERTY_PE(CKd2LineAngularDimensionPE, CKdDimension2ArrowPE)
KD_DECLARE_PROPERTY_PE(CKd3PointAngularDimensionPE, CKdDimension2ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdArcDimensionPE, CKdDimension2ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdRadialDimensionPE, CKdDimension1ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdDiametricDimensionPE, CKdDimension1ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdRadialDimensionLargePE, CKdDimension1ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdOrdinateDimensionPE, CKdDimensionPE)
KD_DECLARE_INFO(CKd2LineAngularDimensionInfo)
KD_DECLARE_INFO(CKd3PointAngularDimensionInfo)
KD_DECLARE_INFO(CKdArcDimensionInfo)
KD_DECLARE_INFO(CKdRadialDimensionInfo)
KD_DECLARE_INFO(CKdDiametricDimensionInfo)
KD_DECLARE_INFO(CKdRadialDimensionLargeInfo)
KD_DECLARE_INFO(CKdOrdinateDimensionInfo)
