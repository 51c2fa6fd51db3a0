#pragma once
// Button pictures drawn for each common DPI: 16 pixels at 96 dpi, 20 at 120, 24 at 144 and 32 at
// 192. A DPI in between gets the largest picture that is not larger than its scale asks for, so a
// picture is never stretched and always fits its button.
#include <windows.h>

namespace quorva {

// The picture's size in pixels at a DPI.
int PictureSize(UINT dpi);

// The resource ID of a picture (given by its 16-pixel ID) drawn for a DPI.
int PictureResource(int picture, UINT dpi);

// Loads the picture drawn for the DPI, its light grey mapped to the user's button face colour.
// The caller owns the bitmap.
HBITMAP LoadPicture(int picture, UINT dpi);

}  // namespace quorva
