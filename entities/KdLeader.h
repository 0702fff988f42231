#pragma once
// Leaders: their vertices, kind (curve shape and arrowhead), arrow and the
// dimension settings they hold of their own.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdLeaderPE, CKdEntityPE)
KD_DECLARE_INFO(CKdLeaderInfo)

namespace kddim {
// Dimension styles for leaders and tolerance frames: the family styles
// (names ending in "$0", "$2" to "$4", "$6") left out.
CKdVariant annotationStyleList(const OdDbObject* object, OdDbObjectId current);
}
