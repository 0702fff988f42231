#pragma once
// The module object: it holds the one static instance of every extension
// and registers them on the SDK's classes while the host has it initialised.
#include "CKdPrintObjectInfoPE.h"
#include "Rx/RxModule.h"
#include "KdExtensions.h"

class CKdPropertiesModule : public OdRxModule {
public:
  void initApp() override;
  void uninitApp() override;

#define KD_EXTENSION(Type, member) OdStaticRxObject<Type> member;
  KD_PROPERTY_EXTENSIONS(KD_EXTENSION)
  KD_INFO_EXTENSIONS(KD_EXTENSION)
  KD_LAST_EXTENSIONS(KD_EXTENSION)
#undef KD_EXTENSION
};
