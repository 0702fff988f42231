#pragma once
// Dimension arrowheads: blocks named "_" and the arrow's name ("_Dot",
// "_ArchTick", ...), or any block of the drawing used as an arrow. The
// closed filled arrow is the default and has no block.
#include "Db/DbObjectId.h"
#include "Rx/OdString.h"

class OdDbDatabase;

class OdDmUtil {
public:
  // The block of the arrow named (with or without the leading "_", in any
  // case; a name of none of the built-in arrows is a block's name). A
  // built-in arrow whose block the drawing lacks gets its block, drawn in a
  // unit size; an empty name is the closed filled arrow (null id).
  static OdDbObjectId getArrowId(const OdString& name, OdDbDatabase* db);
  // The arrow's name: a built-in arrow's without the "_", another block's
  // own name, "" for the null id.
  static OdString arrowName(OdDbObjectId id);
  // Whether the name is that of a built-in arrow.
  static bool isBuiltInArrow(const OdString& name);
};
