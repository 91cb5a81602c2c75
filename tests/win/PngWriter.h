// Small PNG pictures made by the tests.
#pragma once

#include <cstdint>
#include <vector>

// A PNG of width × height pixels given row by row as 0xRRGGBBAA.
std::vector<uint8_t> pngOf(int width, int height, const std::vector<uint32_t>& rgba);
