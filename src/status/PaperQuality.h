// What the paper and print-quality dialog says for a tray, decided from the records and the
// model's options alone: the paper sensed and the print quality the printer uses for it.
#pragma once

#include "qor.h"

#include <windows.h>

#include <array>

class NvoProduct;

// The quality the model prints each paper type at, for the colour and for the photo cartridge,
// in the order plain, coated, glossy, transparency, iron-on, card stock. A missing option reads
// as 0, the ordinary quality.
struct QualityOptions {
    std::array<LONG, 6> colour{};
    std::array<LONG, 6> photo{};
    bool bestQuality = false;
};
QualityOptions ReadQualityOptions(const NvoProduct& product);

// The text of the paper line for a media value; 0 leaves the line as it stands.
UINT PaperLineText(DWORD media);

// The advice for the paper in a tray: the photo set with a photo (112) or alternative colour
// (128) cartridge fitted, else the colour set; the unknown-paper text for media 255; 0 leaves the
// advice as it stands.
UINT QualityAdviceText(DWORD media, const INKINFO& ink, const QualityOptions& options);
