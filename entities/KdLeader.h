#pragma once
// Leaders: their vertices, kind (curve shape and arrowhead), arrow and the
// dimension settings they hold of their own.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdLeaderPE, CKdEntityPE)
KD_DECLARE_INFO(CKdLeaderInfo)

namespace kddim {
// The dimension style row of leaders and tolerance frames: the drawing's
// styles without the family styles (names ending in "$0", "$2" to "$4", "$6").
CKdVariant getAnnotationStyle(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant&);
int setAnnotationStyle(const OdDbObject* object, const CKdPropertyDescription&, const CKdVariant& value, const CKdVariant&);
}
