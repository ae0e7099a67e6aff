// The accelerator table of the editor's message loop.
#include "save_accelerator.h"

namespace quillon {

TUniqueAccelerators CreateSaveAccelerator() {
    ACCEL save{};
    save.fVirt = FVIRTKEY | FCONTROL;
    save.key = 'S';
    save.cmd = SaveCommandId;
    return TUniqueAccelerators(::CreateAcceleratorTableW(&save, 1));
}

}  // namespace quillon
