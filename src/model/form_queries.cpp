#include "model/form_queries.h"

namespace quorvane {

int CountFreeSlots(const Model& model) {
    int count = 0;
    for (int slot = 1; slot <= FormSlots; ++slot) {
        if (model.Forms[slot].InUse == 0) ++count;
    }
    return count;
}

int FirstAllocatedForm(const Model& model) {
    for (int slot = 1; slot <= FormSlots; ++slot) {
        if (model.Forms[slot].InUse != 0) return model.Forms[slot].RegId;
    }
    return 0;
}

int ChooseRunForm(const Model& model) {
    for (int slot = 1; slot <= FormSlots; ++slot) {
        if (model.Forms[slot].RunSelected == 1) return slot;
    }
    return model.CurrentForm;
}

}  // namespace quorvane
