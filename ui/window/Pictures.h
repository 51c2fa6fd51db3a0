#pragma once
// Button pictures drawn for each common DPI: 16 pixels at 96 dpi, 20 at 120, 24 at 144 and 32 at
// 192. A DPI in between gets the largest picture that is not larger than its scale asks for, so a
// picture is never stretched and always fits its button.
#include <windows.h>

#include "common/windows/Handles.h"

namespace quorva {

// The picture's size in pixels at a DPI.
int PictureSize(UINT dpi);

// The resource ID of a picture (given by its 16-pixel ID) drawn for a DPI.
int PictureResource(int picture, UINT dpi);

// Loads the picture drawn for the DPI, its light grey mapped to the user's button face colour.
Bitmap LoadPicture(int picture, UINT dpi);

// The picture as a disabled button shows it: its strokes dimmed to grey on the button face.
// (The system's own disabled look of a picture is an embossed tile.)
Bitmap GreyedPicture(HBITMAP picture);

// Draws an owner-drawn picture button: the raised (or pressed) button, its picture in the
// middle (greyed when disabled) and the focus rectangle.
void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture, HBITMAP greyed);

}  // namespace quorva
