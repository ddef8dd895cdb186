#include "forms/edit_target.h"

#include "model/model.h"

namespace quorvane {

bool TargetHolds(const Model& model, int form, int block, int functionCode) {
    if (form < 1 || form > FormSlots || block < 1 || block > model.Forms[form].BlockCount) return false;
    // The two orientations of a function are an even code and the next odd one.
    return model.Forms[form].Blocks[block].FunctionCode / 2 == functionCode / 2;
}

}  // namespace quorvane
