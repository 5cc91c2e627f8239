#pragma once
// The CAM tree's folders that the creators file objects under belong to the CAM module.

#include "platform/cammodule/DragSpecialNode.h"
