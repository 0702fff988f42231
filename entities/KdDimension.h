#pragma once
// Dimensions: the rows every kind shows, the two families of arrowheads
// (unregistered levels the kinds derive from), and the frame of the
// listing every kind follows.
#include <functional>
#include "Db/DbDimension.h"
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdDimensionPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdDimension2ArrowPE, CKdDimensionPE)
KD_DECLARE_PROPERTY_PE(CKdDimension1ArrowPE, CKdDimensionPE)

namespace kddim {
// The listing of a dimension kind: the common header, the constraint lines
// (when asked for and the host has the service), "related", "type" with the
// kind's word, the kind's defining points, the text position and text, and
// the style's name.
typedef std::function<void(CKdPrintInfoContext&)> Lines;
void printListing(const CKdPrintObjectInfoPE& self, const OdDbDimension& dimension, CKdPrintInfoContext& out,
                  bool constraints, const char* typeWord, const Lines& points, const Lines& after = Lines());

// The listing of an object of the kind T, or the common header alone when it is none.
template <class T, class Points>
void listKind(const CKdPrintObjectInfoPE& self, const OdDbObject* object, CKdPrintInfoContext* context, bool constraints,
              const char* typeWord, Points points, const Lines& after = Lines()) {
  OdSmartPtr<T> d = T::cast(object);
  if (d.isNull() || !context || !d->isReadEnabled()) {
    self.CKdPrintObjectInfoPE::PrintObjectInfo(object, context);
    return;
  }
  printListing(self, *d, *context, constraints, typeWord, [&](CKdPrintInfoContext& out) { points(*d, out); }, after);
}
// Whether the dimension's extension dictionary holds "ACAD_DIMASSOC".
bool isAssociative(const OdDbDimension& dimension);
}  // namespace kddim
