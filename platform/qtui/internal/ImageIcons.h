#pragma once
// Framework images as Qt icons: image files as they are, host resource icons through the
// image file that draws each of them.

#include "platform/ui/Images.h"

#include <QIcon>

namespace Vireo::QtUi {

QIcon ToIcon(const zkpf::Image& image);

} // namespace Vireo::QtUi
