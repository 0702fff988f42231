#include "CKdPropertiesModule.h"
#include <algorithm>
#include <vector>
#include "CKdPropertyBase.h"
#include "KdRegistrationTable.h"
#include "Rx/RxClass.h"

namespace {
// The rows that have a position in one sequence, sorted by it.
std::vector<const kd::Registration*> inOrder(int kd::Registration::*position) {
  size_t n = 0;
  const kd::Registration* rows = kd::registrations(n);
  std::vector<const kd::Registration*> out;
  for (size_t i = 0; i < n; ++i)
    if (rows[i].*position > 0) out.push_back(&rows[i]);
  std::stable_sort(out.begin(), out.end(),
                   [position](const kd::Registration* a, const kd::Registration* b) { return a->*position < b->*position; });
  return out;
}

// The registration results are the previous extensions; they are not used.
void add(const kd::Registration& row, OdRxClass* protocol, OdRxObject* extension) {
  OdRxObjectPtr previous = row.sdkClass()->addX(protocol, extension);
}
void remove(const kd::Registration& row, OdRxClass* protocol) {
  OdRxObjectPtr removed = row.sdkClass()->delX(protocol);
}
}  // namespace

void CKdPropertiesModule::initApp() {
  CKdPropertyBase::rxInit();
  CKdPropertyPEClassFactory::create();
  for (const kd::Registration* row : inOrder(&kd::Registration::propertyOrder))
    if (row->property) add(*row, CKdPropertyBase::desc(), row->property(*this));
  CKdPrintObjectInfoPE::rxInit();
  for (const kd::Registration* row : inOrder(&kd::Registration::infoOrder)) {
    if (row->info)
      add(*row, CKdPrintObjectInfoPE::desc(), row->info(*this));
    else if (row->property)
      add(*row, CKdPropertyBase::desc(), row->property(*this));
  }
}

void CKdPropertiesModule::uninitApp() {
  for (const kd::Registration* row : inOrder(&kd::Registration::propertyRemoval))
    remove(*row, CKdPropertyBase::desc());
  CKdPropertyBase::rxUninit();
  size_t n = 0;
  const kd::Registration* rows = kd::registrations(n);
  for (size_t i = 0; i < n; ++i)
    if (rows[i].info) remove(rows[i], CKdPrintObjectInfoPE::desc());
  CKdPropertyPEClassFactory::destroy();
  CKdPrintObjectInfoPE::rxUninit();
}
