// Printer profiles: ini files beside the host, each a model's options for the utility library
// ([Options], IDO_ keys) and the printer's starting state ([Printer]).
#pragma once

#include "SimulatedPrinter.h"

#include <optional>
#include <string>
#include <vector>

struct Profile {
    std::string name;        // "default"
    std::string path;        // the ini file, as this program sees it
    std::string printerName; // the friendly name handed to QORInit
    std::string description;
    PrinterState state;
    // The model's low-ink thresholds in percent ([Printer] LowInkAlert, LowInkWarning): very low
    // and low; none when the profile leaves them out.
    std::optional<DWORD> lowInkAlert;
    std::optional<DWORD> lowInkWarning;
};

// The folder "profiles" beside the host program.
std::string ProfileFolder();
// The names of the profiles in that folder, sorted.
std::vector<std::string> ProfileNames();
// The file of a profile: a name is looked up in the profile folder; a path ending in ".ini" is
// taken as it is.
std::string ProfilePath(const std::string& nameOrPath);
// Reads a profile's [Printer] section; keys it lacks keep the default printer's values. False
// with a reason when the file does not exist.
bool LoadProfile(const std::string& nameOrPath, Profile& profile, std::string& error);
// Makes the utility library read the profile's options: VQTR_OPTIONS names its file. Done before
// QORInit; the library reads the file again when the variable changes.
void UseProfileOptions(const Profile& profile);
// Writes the profile's low-ink thresholds to the model's supplies key, and removes those the
// profile leaves out, so that every run of a profile warns alike.
void UseProfileThresholds(const Profile& profile);

// A profile's installation: its [Preload] keys become the preload file (the file its
// IDO_PLC_FILENAME names, in the system folder, section [Preload]), and the files that its
// [SetupCd] key Files lists (separated by ';') are put on the disc of drive S: when that drive is
// a CD-ROM drive. A profile without these sections leaves both as they are.
void UseProfileInstallation(const Profile& profile);
