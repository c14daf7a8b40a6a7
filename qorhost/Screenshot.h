// Saves what the screen shows as a PNG file (Windows Imaging Component).
#pragma once

bool SaveScreenAsPng(const wchar_t* path);
