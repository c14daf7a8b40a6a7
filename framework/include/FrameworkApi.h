// Export and import of the framework's classes across VQTRG.dll.
#pragma once

#ifdef VQTRG_BUILDING
#define VQTRG_API __declspec(dllexport)
#else
#define VQTRG_API __declspec(dllimport)
#endif
