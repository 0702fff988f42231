#pragma once
// What block references and multiple inserts share: the definition and its
// unit factor, and the position, rotation and scale edits that carry the
// attributes (and a cloud's outline) along.
#include "Db/DbBlockReference.h"
#include "Db/DbSymbolTable.h"

namespace kdblock {
OdDbBlockTableRecordPtr definitionOf(const OdDbBlockReference& ref);
// Block units over drawing units; 1 when either is unitless or the definition is missing.
double unitFactor(const OdDbBlockReference& ref);
double axisOf(const OdGeScale3d& s, int axis);
// One UCS component of the position (0 x, 1 y, 2 z); a property result code.
int setPosition(OdDbBlockReference& ref, const OdDbObject* object, int axis, double value);
int setRotation(OdDbBlockReference& ref, double value);
// A factor as shown (stored ÷ unit factor); a cloud takes positive factors only.
int setScale(OdDbBlockReference& ref, int axis, double value, bool cloud);
}  // namespace kdblock
