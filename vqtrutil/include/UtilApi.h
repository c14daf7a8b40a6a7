// Export and import of the utility library's classes across vqtrutil.dll.
#pragma once

#ifdef VQTRUTIL_BUILDING
#define VQTRUTIL_API __declspec(dllexport)
#else
#define VQTRUTIL_API __declspec(dllimport)
#endif
