// 32-bit top-down device-independent sections: the pixel store of pictures and of
// off-screen surfaces, with rows top to bottom and pixels as 0xAARRGGBB.
#pragma once

#include <windows.h>

#include <cstdint>

// A width × height section, its pixels in `pixels`; null (and `pixels` null) when
// the size is not positive, would overflow, or the system refuses it.
HBITMAP createTopDownSection(int width, int height, uint32_t** pixels);
