#pragma once
// Protocol class of information extensions, and the host's own listing:
// the common header every object's listing starts with.
#include "Rx/RxClass.h"
#include "CKdPrintInfoContext.h"

class OdDbObject;
class CKdPrintObjectInfoPE;
typedef OdSmartPtr<CKdPrintObjectInfoPE> CKdPrintObjectInfoPEPtr;

class CKdPrintObjectInfoPE : public OdRxObject {
public:
  static OdRxClass* desc();
  OdRxClass* isA() const override;
  OdRxObject* queryX(const OdRxClass* protocolClass) const override;
  static CKdPrintObjectInfoPEPtr cast(const OdRxObject* object);
  static void rxInit();
  static void rxUninit();

  // Class name shown in the header: the drawing-file name of the object's class.
  virtual CKdString GetClassNameW(const OdDbObject* object) const;
  // Writes the common header.
  virtual void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const;
  virtual void PrintObjectHeader(const OdDbObject* object, CKdPrintInfoContext* context) const;
};
