#include "image/ImageBuffers.h"

namespace pmr {

void ClearImage(ImageBuffers& images, int linkMode) {
    if (linkMode == kLinkModeRadioInfo)
        return;
    images.ImageBuf.fill(0xFF);
}

} // namespace pmr
