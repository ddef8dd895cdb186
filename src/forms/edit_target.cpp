#include "forms/edit_target.h"

#include "model/block_traits.h"
#include "model/model.h"

namespace quorvane {

bool TargetHolds(const Model& model, int form, int block, int functionCode) {
    if (form < 1 || form > FormSlots || block < 1 || block > model.Forms[form].BlockCount) return false;
    // Turning a block keeps it the same function.
    return BaseOf(model.Forms[form].Blocks[block].FunctionCode) == BaseOf(functionCode);
}

}  // namespace quorvane
