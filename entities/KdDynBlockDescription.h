#pragma once
// The rows of a dynamic block reference's parameters ("Custom"), and the
// lines they add to the reference's listing.
#include "CKdPropertyDescriptionImpl.h"
#include "Db/DbDynBlock.h"

class CKdPrintInfoContext;
class CKdPropertiesContainer;

class CKdDynBlockDescription : public CKdPropertyDescriptionImpl {
public:
  ~CKdDynBlockDescription() override;
  // The property of the reference this row stands for.
  OdDbDynBlockReferencePropertyPtr property;

  // One row per shown property of the reference's dynamic block, in its order.
  static void AddAll(const OdDbBlockReference& reference, CKdPropertiesContainer* container);
  // "Custom Properties" and a line per shown property; nothing for other blocks.
  static void PrintAll(const OdDbBlockReference& reference, CKdPrintInfoContext& out);
};
