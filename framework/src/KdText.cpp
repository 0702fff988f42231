#include "KdText.h"
#include <QCoreApplication>
#include <QString>

namespace kd {
CKdString tr(const char* context, const char* source) { return CKdString(QCoreApplication::translate(context, source)); }
CKdString fill(const CKdString& pattern, const CKdString& first) {
  return CKdString(pattern.toQString().arg(first.toQString()));
}
CKdString fill(const CKdString& pattern, const CKdString& first, const CKdString& second) {
  return CKdString(pattern.toQString().arg(first.toQString(), second.toQString()));
}
}  // namespace kd
