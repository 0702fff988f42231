#pragma once
// Single-line text: contents, style, justification with its carry-over of
// points, sizes, angles, points in the UCS, mirroring.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdTextPE, CKdEntityPE)

class CKdTextInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
