#include "KdText.h"
#include <QCoreApplication>

namespace kd {
CKdString tr(const char* context, const char* source) { return CKdString(QCoreApplication::translate(context, source)); }
}  // namespace kd
