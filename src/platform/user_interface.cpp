// The message dialog's fixed captions by type.
#include "platform/user_interface.h"

namespace wyndrel {

const char* DialogCaption(TDialogType type) {
    switch (type) {
        case TDialogType::Warning:
            return DialogCaptionWarning;
        case TDialogType::Error:
            return DialogCaptionError;
        case TDialogType::Information:
            return DialogCaptionInformation;
        case TDialogType::Confirmation:
            break;
    }
    return DialogCaptionConfirmation;
}

}  // namespace wyndrel
