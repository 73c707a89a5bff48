#pragma once

#include <string>
#include <vector>

namespace fw {

// The program's command line as the framework reads it: a file name to open
// and the standard switches. A switch starts with "-", "--" or "/" and is
// matched without regard to case.
class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    // Reads the arguments after the program name.
    void ParseCommandLine(const std::vector<std::string>& arguments);

    // Cleared by the switches that start the program for another program
    // (embedding, automation).
    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;

protected:
    virtual void ParseParam(const std::string& param, bool isFlag, bool isLast);
};

} // namespace fw
