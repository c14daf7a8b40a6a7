// A compiled help file read through the system's own storage for it (itss.dll), as the help
// viewer reads it: its internal files, its context map and the text of its pages.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

class CompiledHelp {
public:
    // Opens the file; Opened() tells whether the storage took it.
    explicit CompiledHelp(const std::string& path);
    ~CompiledHelp();
    CompiledHelp(const CompiledHelp&) = delete;
    CompiledHelp& operator=(const CompiledHelp&) = delete;

    bool Opened() const { return m_storage != nullptr; }
    // The whole content of an internal file ("#IVB", "/home_page.htm"); none when it is absent.
    std::optional<std::string> Read(const std::string& name) const;
    // The context map: each topic number with the page it opens, as the viewer resolves
    // HH_HELP_CONTEXT (#IVB pairs of number and #STRINGS offset).
    std::map<unsigned, std::string> ContextMap() const;

private:
    bool m_comInitialised = false;
    IStorage* m_storage = nullptr;
};

// The path of a help file that the build made, beside this test program.
std::string BuiltHelpFile(const char* name);

// The words a reader sees in a page: the body's text without its tags.
size_t WordsOfPage(const std::string& html);
