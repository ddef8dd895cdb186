#pragma once

#include "model/model.h"

namespace quorvane {

/// Number of slots 1..3 with InUse 0.
int CountFreeSlots(const Model& model);

/// RegId of the lowest allocated slot; 0 when none is allocated.
int FirstAllocatedForm(const Model& model);

/// The lowest slot with RunSelected 1; otherwise the current form.
int ChooseRunForm(const Model& model);

}  // namespace quorvane
