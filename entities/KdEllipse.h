#pragma once
// Ellipses, full or partial: centre in the UCS, radii and ratio with their
// rules, angles guarded against degenerate arcs.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdEllipsePE, CKdEntityPE)
KD_DECLARE_INFO(CKdEllipseInfo)
